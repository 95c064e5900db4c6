#include "common/ui/chart_export.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>

#include "common/core/file_write.h"
#include "common/core/language.h"
#include "common/render/qt_surface.h"
#include "common/ui/output_files.h"
#include "common/ui/window_helpers.h"

namespace hc {

namespace {

std::string LowerSuffix(const std::string& path) {
    return QFileInfo(Q(path)).suffix().toLower().toStdString();
}

}  // namespace

PrintResult SaveFigure(PlatformServices& platform, const std::string& path,
                       const std::function<void(Surface&)>& drawPaper) {
    const std::string ext = LowerSuffix(path);
    auto failed = [](const Error& e) {
        PrintResult r;
        r.outcome = PrintResult::Outcome::Failed;
        r.error = Shown(e);
        return r;
    };
    if (ext != "pdf" && ext != "svg" && ext != "png")
        return failed(FileError(ErrorKind::Unusable, path,
                                "図は PDF, SVG, PNG のどれかで保存してください",
                                "a figure is saved as .pdf, .svg or .png"));
    StagedOutput stage(path);
    if (Status ready = stage.Ready(); !ready)
        return failed(ready.error());
    const std::string first = stage.StagePath();
    std::vector<std::string> staged;
    if (ext == "pdf") {
        auto s = QtSurface::PdfFile(Q(first));
        drawPaper(*s);
        if (Status done = s->Finish(); !done)
            return failed(stage.Named(done.error()));
        staged.push_back(first);
        return stage.Place(platform, staged);
    }
    for (int sheet = 1;; ++sheet) {
        std::string name = DocumentFileName(first, sheet);
        auto s = ext == "svg" ? QtSurface::SvgSheet(Q(name), sheet)
                              : QtSurface::PngSheet(Q(name), sheet, kFigurePngDpi);
        drawPaper(*s);
        int sheets = s->SheetsBegun();
        if (Status done = s->Finish(); !done)
            return failed(stage.Named(done.error()));
        staged.push_back(name);
        if (sheet >= sheets)
            return stage.Place(platform, staged);
    }
}

ChartExportActions::ChartExportActions(QMenu* file, QAction* before, PlatformServices& platform,
                                       ChartExport exports)
    : QObject(file), platform_(platform), exports_(std::move(exports)) {
    // The items stand between separators, before the exit item and its own separator.
    const QList<QAction*> actions = file->actions();
    const qsizetype at = actions.indexOf(before);
    QAction* anchor = before;
    if (at > 0 && actions[at - 1]->isSeparator())
        anchor = actions[at - 1];
    else
        anchor = file->insertSeparator(before);
    file->insertSeparator(anchor);
    auto add = [&](const char* name, const char* text, QKeySequence key) {
        auto* a = new QAction(hc::T(text), file);
        a->setObjectName(name);
        if (!key.isEmpty())
            a->setShortcut(key);
        file->insertAction(anchor, a);
        return a;
    };
    saveFigure_ = add("mnuFileSaveFigureItem", hc::N("図を保存(&A)..."), {});
    copyFigure_ = add("mnuFileCopyFigureItem", hc::N("図をコピー(&Y)"), QKeySequence::Copy);
    saveNumbers_ = add("mnuFileSaveNumbersItem", hc::N("数値を保存(&V)..."), QKeySequence::Save);
    connect(saveFigure_, &QAction::triggered, this, &ChartExportActions::SaveFigureAs);
    connect(copyFigure_, &QAction::triggered, this, &ChartExportActions::CopyFigure);
    connect(saveNumbers_, &QAction::triggered, this, &ChartExportActions::SaveNumbersAs);
    SetEnabled(false);
}

void ChartExportActions::SetEnabled(bool enabled) {
    for (QAction* a : {saveFigure_, copyFigure_, saveNumbers_})
        a->setEnabled(enabled);
}

std::string ChartExportActions::Proposed(const char* suffix, const char* tag) const {
    std::string data = exports_.dataPath ? exports_.dataPath() : std::string();
    if (data.empty())
        return {};
    QFileInfo fi(Q(data));
    const QString stem = fi.absolutePath() + "/" + fi.completeBaseName();
    const std::string plain = S(stem + suffix);
    if (platform_.CheckOutput(plain))
        return plain;
    return S(stem + "-" + tag + suffix);
}

void ChartExportActions::SaveFigureAs() {
    if (exports_.canDraw && !exports_.canDraw())
        return;
    FileDialogRequest r;
    r.title = hc::TS("図を保存");
    r.filter =
        hc::TS("PDF ファイル (*.pdf)|*.pdf|SVG ファイル (*.svg)|*.svg|PNG ファイル (*.png)|*.png");
    r.initialPath = Proposed(".pdf", "figure");
    r.defaultSuffix = ".pdf";
    std::optional<std::string> path = platform_.SaveOutputDialog(r);
    if (!path)
        return;
    platform_.SetMousePointer(kPointerHourglass);
    const PrintResult saved = SaveFigure(platform_, *path, exports_.drawPaper);
    platform_.SetMousePointer(kPointerDefault);
    switch (saved.outcome) {
        case PrintResult::Outcome::Cancelled:
            return;
        case PrintResult::Outcome::Failed:
            exports_.status(hc::TS("保存できませんでした: ") + saved.error);
            return;
        case PrintResult::Outcome::Printed:
            break;
    }
    std::string text = hc::TS("図を保存しました");
    for (std::size_t i = 0; i < saved.files.size(); ++i)
        text += (i == 0 ? ": " : ", ") + saved.files[i];
    exports_.status(text);
}

void ChartExportActions::CopyFigure() {
    if (exports_.canDraw && !exports_.canDraw())
        return;
    QGuiApplication::clipboard()->setImage(exports_.screenImage());
    exports_.status(hc::TS("図をクリップボードにコピーしました"));
}

void ChartExportActions::SaveNumbersAs() {
    FileDialogRequest r;
    r.title = hc::TS("数値を保存");
    r.filter = hc::TS("CSV ファイル (*.csv)|*.csv");
    r.initialPath = Proposed(".csv", "numbers");
    r.defaultSuffix = ".csv";
    std::optional<std::string> path = platform_.SaveOutputDialog(r);
    if (!path)
        return;
    Status done = platform_.CheckOutput(*path);
    if (done)
        done = WriteFileAtomically(*path, exports_.csv());
    if (!done) {
        exports_.status(hc::TS("保存できませんでした: ") + Shown(done.error()));
        return;
    }
    exports_.status(hc::TS("数値を保存しました: ") + *path);
}

}  // namespace hc
