#include "flowcalc/ui/help_window.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/render/fonts.h"
#include "common/ui/window_helpers.h"
#include "flowcalc/core/messages.h"

namespace flow {

HelpWindow::HelpWindow(const std::string& helpText, hc::PlatformServices& platform, QWidget* parent)
    : QDialog(parent), platform_(platform) {
    setObjectName("Form7");
    setWindowTitle(hc::T("このプログラムの使い方"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* v = new QVBoxLayout(this);
    auto* text = new QPlainTextEdit(this);
    text->setObjectName("Text1");
    text->setAccessibleName(windowTitle());
    text->setReadOnly(true);
    text->setTabChangesFocus(true);  // Tab goes on to the buttons
    text->setFont(hc::MakeFont(hc::kGothic, 10));
    // The help text keeps its CR LF line breaks; the text box shows plain line ends.
    QString help = hc::Q(helpText);
    help.replace("\r\n", "\n");
    text->setPlainText(help.isEmpty() ? hc::T(text::kHelpFileMissing) : help);
    v->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    auto* finish = new QPushButton(hc::T("使い方の表示の終了"), this);
    finish->setObjectName("Command1");
    auto* version = new QPushButton(hc::T("バージョン情報の表示"), this);
    version->setObjectName("Command2");
    for (QPushButton* b : {finish, version}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    v->addLayout(buttons);
    connect(finish, &QPushButton::clicked, this, &HelpWindow::Finish);
    connect(version, &QPushButton::clicked, this, &HelpWindow::ShowVersion);
    resize(640, 520);
    setMinimumSize(400, 300);
    hc::CentreOnScreen(this);
    text->setFocus();
}

void HelpWindow::Finish() {
    platform_.Beep();
    close();
}

void HelpWindow::ShowVersion() {
    platform_.Beep();
    Q_EMIT AboutRequested();
    close();
}

}  // namespace flow
