#include "rainprob/ui/mask_editor.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

#include "common/core/file_write.h"
#include "common/core/language.h"
#include "common/core/text_file.h"
#include "common/render/fonts.h"
#include "common/ui/window_helpers.h"
#include "rainprob/core/editor_text.h"
#include "rainprob/core/messages.h"
#include "rainprob/core/rain_app.h"
#include "rainprob/ui/form_layout.h"

namespace rain {

YearRangeDialog::YearRangeDialog(QWidget* editor, hc::PlatformServices& platform, int thisYear)
    : QDialog(editor), platform_(platform) {
    setObjectName("Form4");
    setWindowTitle(hc::T("仮面エディター < 作成年次の確認 >"));
    setFont(hc::MakeFont(hc::kGothic, 9));
    setFixedSize(hc::TwipsToPixels(4350) + 24, hc::TwipsToPixels(1845) + 8);
    auto label = [&](const char* name, const char* text, int left, int top) {
        return PlaceLabel(this, name, text, left, top);
    };
    auto box = [&](const char* name, int value, int left, int top) {
        auto* t = new QLineEdit(QString::number(value), this);
        t->setObjectName(name);
        t->setGeometry(hc::TwipsToPixels(left) + 8, hc::TwipsToPixels(top), hc::TwipsToPixels(795),
                       22);
        t->setAlignment(Qt::AlignRight);
        return t;
    };
    auto button = [&](const char* name, const char* text, int left) {
        auto* b = new QPushButton(hc::T(text), this);
        b->setObjectName(name);
        b->setGeometry(hc::TwipsToPixels(left), hc::TwipsToPixels(1320), hc::TwipsToPixels(1935),
                       28);
        return b;
    };
    label("Label1", hc::N("最古のデータの西暦年を入力してね"), 240, 120)
        ->setBuddy(oldestBox_ = box("Text1", DefaultOldestYear(thisYear), 3120, 120));
    QLabel* oldestUnit = label("Label3", hc::N("年"), 3960, 120);
    label("Label2", hc::N("最新のデータの西暦年を入力してね"), 240, 720)
        ->setBuddy(newestBox_ = box("Text2", DefaultNewestYear(thisYear), 3120, 720));
    QLabel* newestUnit = label("Label4", hc::N("年"), 3960, 720);
    // Keep the year boxes clear of the labels' last characters.
    oldestUnit->move(hc::TwipsToPixels(3960) + 14, hc::TwipsToPixels(120) + 4);
    newestUnit->move(hc::TwipsToPixels(3960) + 14, hc::TwipsToPixels(720) + 4);
    QPushButton* proceed = button("Command1", hc::N("新規作成に進む"), 120);
    QPushButton* cancel = button("Command2", hc::N("新規作成をやめる"), 2280);
    connect(proceed, &QPushButton::clicked, this, &YearRangeDialog::Proceed);
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
    hc::CentreOnScreen(this);
}

void YearRangeDialog::Proceed() {
    hc::Result<std::string> text =
        NewFileText(hc::S(oldestBox_->text()), hc::S(newestBox_->text()));
    if (!text) {
        platform_.MessageBox(hc::ShownReason(text.error()), hc::TS(kWrongYearTitle));
        return;
    }
    Q_EMIT Prepared(hc::Q(*text));
    hide();
}

MaskEditor::MaskEditor(QWidget* parent, hc::PlatformServices& platform, int thisYear)
    : QMainWindow(parent, Qt::Window), platform_(platform), thisYear_(thisYear) {
    setObjectName("Form3");
    setWindowTitle(hc::T(kEditorCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* file = menuBar()->addMenu(hc::T("ﾌｧｲﾙ(&F)"));
    file->setObjectName("EmnuFile");
    auto item = [&](const char* name, const char* text, auto slot) {
        QAction* a = file->addAction(hc::T(text));
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    item("EmnuFileNewItem", hc::N("新規作成(&N)"), &MaskEditor::StartNewFile);
    item("EmnuFileOpenItem", hc::N("開く(&O)"), &MaskEditor::ChooseFile);
    file->addSeparator();
    saveItem_ = item("EmnuFileSaveItem", hc::N("保存終了(&S)"), &MaskEditor::SaveAndExit);
    file->addSeparator();
    item("EmnuEndItem", hc::N("強制終了(&X)"), &QWidget::close);
    saveItem_->setEnabled(false);

    auto* client = new QWidget(this);
    client->setFixedSize(hc::TwipsToPixels(5205), hc::TwipsToPixels(5745));
    setCentralWidget(client);
    text_ = new QPlainTextEdit(client);
    text_->setObjectName("Text1");
    // Named for a screen reader by what it holds; the help below says how to write it.
    text_->setAccessibleName(hc::T("年降水量データ（西暦年と年降水量を１行に）"));
    text_->setFont(hc::MakeFont(hc::kGothic, 11));
    text_->setGeometry(hc::TwipsToPixels(360), hc::TwipsToPixels(120), hc::TwipsToPixels(4455),
                       hc::TwipsToPixels(3495));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* help = new QLabel(hc::T(text::kEditorHelp), client);
    help->setObjectName("Label1");
    help->setFont(hc::MakeFont(hc::kGothic, 9));
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    help->setGeometry(hc::TwipsToPixels(240), hc::TwipsToPixels(3720), hc::TwipsToPixels(4695),
                      hc::TwipsToPixels(1935));
    adjustSize();
    hc::CentreOnScreen(this);
}

std::string MaskEditor::EditorText() const {
    std::string t = hc::S(text_->toPlainText());
    std::string out;
    for (char c : t) {
        if (c == '\n')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

void MaskEditor::SetEditorText(const std::string& text) {
    QString t = hc::Q(text);
    t.replace("\r\n", "\n");
    t.replace('\r', '\n');
    text_->setPlainText(t);
}

bool MaskEditor::HasUnsavedChanges() const {
    return text_->toPlainText() != baseline_;
}

void MaskEditor::SelectLine(int line) {
    QTextCursor cursor(text_->document()->findBlockByNumber(line - 1));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    text_->setTextCursor(cursor);
    text_->setFocus();
}

bool MaskEditor::MayReplaceText() {
    if (!HasUnsavedChanges())
        return true;
    return platform_.SettleUnsaved(UnsavedText(), hc::TS(kEditorCaption), [this] {
        return Save();
    }) != hc::PlatformServices::Unsaved::Kept;
}

void MaskEditor::StartNewFile() {
    if (!yearDialog_) {
        yearDialog_ = new YearRangeDialog(this, platform_, thisYear_);
        connect(yearDialog_, &YearRangeDialog::Prepared, this, &MaskEditor::ShowPreparedText);
    }
    yearDialog_->show();
    yearDialog_->raise();
}

void MaskEditor::ShowPreparedText(const QString& text) {
    if (!MayReplaceText())
        return;
    setWindowTitle(hc::T(kEditorNewCaption));
    saveItem_->setEnabled(true);
    SetEditorText(hc::S(text));
    baseline_ = text_->toPlainText();
}

void MaskEditor::ChooseFile() {
    if (!MayReplaceText())
        return;
    hc::FileDialogRequest r;
    r.title = hc::TS(text::kOpenTitle);
    r.filter = kRainFileFilter;
    std::optional<std::string> path = platform_.OpenFileDialog(r);
    if (!path)
        return;
    if (hc::Status loaded = LoadText(*path); !loaded) {
        // The editor keeps its text; the user learns which file and why.
        platform_.MessageBox(hc::TS("開けませんでした: ") + hc::Shown(loaded.error()),
                             hc::TS(text::kOpenTitle));
        return;
    }
    editorPath_ = *path;
    setWindowTitle(hc::Q(hc::TS("仮面エディター < ") + *path + " >"));
    saveItem_->setEnabled(true);
}

hc::Status MaskEditor::LoadText(const std::string& path) {
    hc::Result<std::string> content = hc::ReadTextFile(path);
    if (!content)
        return content.error();
    hc::Result<std::string> text = EditorTextFromFile(*content);
    if (!text) {
        hc::Error e = text.error();  // empty, or more lines than the editor holds
        e.file = path;
        return e;
    }
    SetEditorText(*text);
    baseline_ = text_->toPlainText();
    return {};
}

hc::Status MaskEditor::SaveText(const std::string& path) {
    // Written through a temporary file: a failed save leaves the old file as it was.
    return hc::WriteFileAtomically(path, FileTextFromEditor(EditorText()));
}

bool MaskEditor::Save() {
    if (hc::Status checked = CheckEditorText(EditorText()); !checked) {
        // The editor stays open at the line, which the message names.
        if (checked.error().line > 0)
            SelectLine(checked.error().line);
        platform_.MessageBox(hc::TS("保存できません: ") + hc::Shown(checked.error()),
                             hc::TS(text::kSaveTitle));
        return false;
    }
    hc::FileDialogRequest r;
    r.title = hc::TS(text::kSaveTitle);
    r.filter = kRainFileFilter;
    r.initialPath = editorPath_;
    std::optional<std::string> path = platform_.SaveFileDialog(r);
    if (!path)
        return false;  // the editor stays open with its text
    if (hc::Status saved = SaveText(*path); !saved) {
        // The editor stays open with the text; the main window's status line says why.
        Q_EMIT SaveFailed(hc::Q(text::SaveRefused(saved.error())));
        return false;
    }
    editorPath_ = *path;
    baseline_ = text_->toPlainText();
    return true;
}

void MaskEditor::SaveAndExit() {
    if (!Save())
        return;
    saved_ = true;
    if (yearDialog_)
        yearDialog_->close();
    close();
    Q_EMIT Saved(hc::Q(editorPath_));
}

void MaskEditor::closeEvent(QCloseEvent* event) {
    if (!saved_ && !discarded_ && HasUnsavedChanges()) {
        using Unsaved = hc::PlatformServices::Unsaved;
        switch (platform_.SettleUnsaved(UnsavedText(), hc::TS(kEditorCaption),
                                        [this] { return Save(); })) {
            case Unsaved::Kept:
                event->ignore();
                return;
            case Unsaved::Saved:
                saved_ = true;
                break;
            case Unsaved::Discarded:
                discarded_ = true;
                break;
        }
        if (saved_) {
            if (yearDialog_)
                yearDialog_->close();
            event->accept();
            Q_EMIT Saved(hc::Q(editorPath_));
            return;
        }
    }
    if (yearDialog_)
        yearDialog_->close();
    if (!saved_)
        Q_EMIT ClosedWithoutSaving();
    event->accept();
}

}  // namespace rain
