#include "flowcalc/ui/help_window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "common/render/fonts.h"
#include "common/ui/window_helpers.h"
#include "flowcalc/core/messages.h"
#include "flowcalc/ui/form1.h"

namespace flow {

Form7::Form7(Form1& main) : QDialog(&main), main_(main) {
    setObjectName("Form7");
    setWindowTitle(hc::Q("このプログラムの使い方"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* v = new QVBoxLayout(this);
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName("Text1");
    Text1->setReadOnly(true);
    Text1->setFont(hc::MakeFont(hc::kGothic, 10));
    // The help text keeps its CR LF line breaks; the text box shows plain line ends.
    QString help = hc::Q(main_.Model().HelpText);
    help.replace("\r\n", "\n");
    Text1->setPlainText(help.isEmpty() ? hc::Q(text::kHelpFileMissing) : help);
    v->addWidget(Text1, 1);
    auto* buttons = new QHBoxLayout;
    Command1 = new QPushButton(hc::Q("使い方の表示の終了"), this);
    Command1->setObjectName("Command1");
    Command2 = new QPushButton(hc::Q("バージョン情報の表示"), this);
    Command2->setObjectName("Command2");
    for (QPushButton* b : {Command1, Command2}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    v->addLayout(buttons);
    connect(Command1, &QPushButton::clicked, this, [this] {
        main_.Platform().Beep();
        close();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        main_.Platform().Beep();
        main_.OpenAbout();
        close();
    });
    resize(640, 520);
    hc::CentreOnScreen(this);
    Text1->setFocus();
}

}  // namespace flow
