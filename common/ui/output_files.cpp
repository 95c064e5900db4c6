#include "common/ui/output_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/core/file_write.h"
#include "common/core/language.h"
#include "common/render/qt_surface.h"
#include "common/ui/window_helpers.h"

namespace hc {

StagedOutput::StagedOutput(std::string target) : target_(std::move(target)) {}

std::string StagedOutput::StagePath() const {
    // Under the target's own file name, so that DocumentFileName names the staged files alike.
    return S(QDir(dir_.path()).filePath(QFileInfo(Q(target_)).fileName()));
}

Error StagedOutput::Named(Error e) const {
    const std::string staged = S(dir_.path()) + "/";
    if (e.file.starts_with(staged))
        e.file = S(QFileInfo(Q(target_)).absoluteDir().filePath(Q(e.file.substr(staged.size()))));
    return e;
}

namespace {

PrintResult Failed(const Error& e, std::vector<std::string> written = {}) {
    PrintResult r;
    r.outcome = PrintResult::Outcome::Failed;
    r.error = Shown(e);
    r.files = std::move(written);
    return r;
}

}  // namespace

Status StagedOutput::Ready() const {
    if (dir_.isValid())
        return {};
    return FileError(ErrorKind::CannotWrite, target_, "作業用のフォルダを作れません",
                     "cannot make a working folder");
}

PrintResult StagedOutput::Place(PlatformServices& platform,
                                const std::vector<std::string>& staged) const {
    if (Status ready = Ready(); !ready)
        return Failed(ready.error());
    std::vector<std::string> targets;
    for (std::size_t k = 1; k <= staged.size(); ++k)
        targets.push_back(DocumentFileName(target_, static_cast<int>(k)));
    for (const std::string& t : targets)
        if (Status ok = platform.CheckOutput(t); !ok)
            return Failed(ok.error());
    if (!platform.ConfirmReplacing(targets)) {
        PrintResult cancelled;
        cancelled.outcome = PrintResult::Outcome::Cancelled;
        return cancelled;
    }
    PrintResult result;
    for (std::size_t i = 0; i < staged.size(); ++i) {
        QFile in(Q(staged[i]));
        if (!in.open(QIODevice::ReadOnly))
            return Failed(FileError(ErrorKind::CannotRead, staged[i], "作った図を読めません",
                                    "cannot read the figure made"),
                          result.files);
        const QByteArray bytes = in.readAll();
        const std::string_view content(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        // The files already in place stay; the message names the one that failed.
        if (Status ok = WriteFileAtomically(targets[i], content); !ok)
            return Failed(ok.error(), result.files);
        result.files.push_back(targets[i]);
    }
    return result;
}

PrintResult PrintToPdfFiles(PlatformServices& platform, const std::string& path,
                            const std::function<void(Surface&)>& draw) {
    StagedOutput stage(path);
    if (Status ready = stage.Ready(); !ready)
        return Failed(ready.error());
    auto surface = QtSurface::PdfDocuments(Q(stage.StagePath()));
    draw(*surface);
    Status status = surface->Finish();
    const std::vector<std::string> staged = surface->FilesWritten();
    if (status && staged.empty())
        status = FileError(ErrorKind::Unusable, path, "印刷する図がありません",
                           "the printout has no sheet");
    if (!status)
        return Failed(stage.Named(status.error()));
    return stage.Place(platform, staged);
}

}  // namespace hc
