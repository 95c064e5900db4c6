#include "rainprob/ui/mask_editor.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/core/file_write.h"
#include "common/core/text_file.h"
#include "common/render/fonts.h"
#include "common/ui/window_helpers.h"
#include "rainprob/core/editor_text.h"
#include "rainprob/ui/form1.h"

namespace rain {

namespace {

constexpr const char* kEditorHelp =
    "年降水量データファイルを作成するエディターです。西暦年と年降水量をセットで１行にかいてくだ"
    "さい。西暦年と年降水量は、スペースで区切ってください。また、空白行は作らないように注意して"
    "くださいね。メニュー・ファイルで、「新規作成」を選択すれば、必要な分の西暦年は勝手に入力さ"
    "れますので利用してください。なお、簡易エディターなので、一般のスクリーンエディターのような"
    "優れた機能はありません。矢印キーとBSキー・テンキーを使用してください。  "
    "特にリターンキーは使わないで編集してください。";

}  // namespace

Form4::Form4(Form3* editor, hc::PlatformServices& platform, int thisYear)
    : QDialog(editor), editor_(editor), platform_(platform) {
    setObjectName("Form4");
    setWindowTitle("仮面エディター < 作成年次の確認 >");
    setFont(hc::MakeFont(hc::kGothic, 9));
    setFixedSize(hc::TwipsToPixels(4350) + 24, hc::TwipsToPixels(1845) + 8);
    auto label = [&](const char* name, const char* text, int left, int top) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->move(hc::TwipsToPixels(left), hc::TwipsToPixels(top) + 4);
        l->adjustSize();
    };
    auto box = [&](const char* name, int value, int left, int top) {
        auto* t = new QLineEdit(QString::number(value), this);
        t->setObjectName(name);
        t->setGeometry(hc::TwipsToPixels(left) + 8, hc::TwipsToPixels(top), hc::TwipsToPixels(795), 22);
        t->setAlignment(Qt::AlignRight);
        return t;
    };
    label("Label1", "最古のデータの西暦年を入力してね", 240, 120);
    Text1 = box("Text1", DefaultOldestYear(thisYear), 3120, 120);
    label("Label3", "年", 3960, 120);
    label("Label2", "最新のデータの西暦年を入力してね", 240, 720);
    Text2 = box("Text2", DefaultNewestYear(thisYear), 3120, 720);
    label("Label4", "年", 3960, 720);
    // Keep the year boxes clear of the labels' last characters.
    findChild<QLabel*>("Label3")->move(hc::TwipsToPixels(3960) + 14, hc::TwipsToPixels(120) + 4);
    findChild<QLabel*>("Label4")->move(hc::TwipsToPixels(3960) + 14, hc::TwipsToPixels(720) + 4);
    Command1 = new QPushButton("新規作成に進む", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(hc::TwipsToPixels(120), hc::TwipsToPixels(1320), hc::TwipsToPixels(1935), 28);
    Command2 = new QPushButton("新規作成をやめる", this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(hc::TwipsToPixels(2280), hc::TwipsToPixels(1320), hc::TwipsToPixels(1935), 28);
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    hc::CentreOnScreen(this);
}

void Form4::Command1_Click() {
    std::optional<int> oldest = ParseEditorYear(hc::S(Text1->text()));
    std::optional<int> newest = ParseEditorYear(hc::S(Text2->text()));
    if (!oldest || !newest) {
        platform_.MessageBox(kWrongYearMessage, kWrongYearTitle);
        return;
    }
    editor_->NewTextPrepared(PreparedText(*oldest, *newest));
    hide();
}

void Form4::Command2_Click() {
    hide();
}

Form3::Form3(QWidget* parent, hc::PlatformServices& platform, Callbacks callbacks, int thisYear)
    : QMainWindow(parent, Qt::Window),
      platform_(platform),
      callbacks_(std::move(callbacks)),
      thisYear_(thisYear) {
    setObjectName("Form3");
    setWindowTitle(kEditorCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* file = menuBar()->addMenu("ﾌｧｲﾙ(&F)");
    file->setObjectName("EmnuFile");
    auto item = [&](const char* name, const char* text, void (Form3::*slot)()) {
        QAction* a = file->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    EmnuFileNewItem = item("EmnuFileNewItem", "新規作成(&N)", &Form3::EmnuFileNewItem_Click);
    EmnuFileOpenItem = item("EmnuFileOpenItem", "開く(&O)", &Form3::EmnuFileOpenItem_Click);
    file->addSeparator();
    EmnuFileSaveItem = item("EmnuFileSaveItem", "保存終了(&S)", &Form3::EmnuFileSaveItem_Click);
    file->addSeparator();
    EmnuEndItem = item("EmnuEndItem", "強制終了(&X)", &Form3::EmnuEndItem_Click);
    EmnuFileSaveItem->setEnabled(false);

    auto* client = new QWidget(this);
    client->setFixedSize(hc::TwipsToPixels(5205), hc::TwipsToPixels(5745));
    setCentralWidget(client);
    Text1 = new QPlainTextEdit(client);
    Text1->setObjectName("Text1");
    Text1->setFont(hc::MakeFont(hc::kGothic, 11));
    Text1->setGeometry(hc::TwipsToPixels(360), hc::TwipsToPixels(120), hc::TwipsToPixels(4455), hc::TwipsToPixels(3495));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Label1 = new QLabel(kEditorHelp, client);
    Label1->setObjectName("Label1");
    Label1->setFont(hc::MakeFont(hc::kGothic, 9));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(hc::TwipsToPixels(240), hc::TwipsToPixels(3720), hc::TwipsToPixels(4695), hc::TwipsToPixels(1935));
    adjustSize();
    hc::CentreOnScreen(this);
}

std::string Form3::EditorText() const {
    std::string t = hc::S(Text1->toPlainText());
    std::string out;
    for (char c : t) {
        if (c == '\n')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

void Form3::SetEditorText(const std::string& text) {
    QString t = hc::Q(text);
    t.replace("\r\n", "\n");
    t.replace('\r', '\n');
    Text1->setPlainText(t);
}

void Form3::EmnuFileNewItem_Click() {
    if (!form4_)
        form4_ = new Form4(this, platform_, thisYear_);
    form4_->show();
    form4_->raise();
}

void Form3::NewTextPrepared(const std::string& text) {
    setWindowTitle(kEditorNewCaption);
    EmnuFileSaveItem->setEnabled(true);
    SetEditorText(text);
}

void Form3::EmnuFileOpenItem_Click() {
    hc::FileDialogRequest r;
    r.title = "開く";
    r.filter = kRainFileFilter;
    std::optional<std::string> path = platform_.OpenFileDialog(r);
    if (!path)
        return;
    if (!EditorLoadText(*path))
        return;
    editorPath_ = *path;
    setWindowTitle(hc::Q("仮面エディター < " + *path + " >"));
    EmnuFileSaveItem->setEnabled(true);
}

bool Form3::EditorLoadText(const std::string& path) {
    std::optional<std::string> content = hc::ReadTextFile(path);
    if (!content)
        return false;
    std::optional<std::string> text = EditorTextFromFile(*content);
    if (!text)
        return false;  // empty, or more lines than the editor holds
    SetEditorText(*text);
    return true;
}

hc::Status Form3::EditorSaveText(const std::string& path) {
    // Written through a temporary file: a failed save leaves the old file as it was.
    return hc::WriteFileAtomically(path, FileTextFromEditor(EditorText()));
}

void Form3::EmnuFileSaveItem_Click() {
    hc::FileDialogRequest r;
    r.title = "保存";
    r.filter = kRainFileFilter;
    r.initialPath = editorPath_;
    std::optional<std::string> path = platform_.SaveFileDialog(r);
    if (!path)
        return;  // the editor stays open with its text
    if (hc::Status saved = EditorSaveText(*path); !saved) {
        // The editor stays open with the text; the main window's status line says why.
        if (callbacks_.status)
            callbacks_.status("保存できませんでした: " + saved.error().Japanese());
        return;
    }
    editorPath_ = *path;
    saved_ = true;
    if (form4_)
        form4_->close();
    close();
    if (callbacks_.saved)
        callbacks_.saved(editorPath_);
}

void Form3::EmnuEndItem_Click() {
    close();
}

void Form3::closeEvent(QCloseEvent* event) {
    if (form4_)
        form4_->close();
    if (!saved_ && callbacks_.closedWithoutSaving)
        callbacks_.closedWithoutSaving();
    event->accept();
}

}  // namespace rain
