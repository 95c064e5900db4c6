#include "waterquality/ui/form2.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/core/numbers.h"
#include "common/render/fonts.h"
#include "common/ui/window_helpers.h"

namespace wq {

Form2::Form2(QWidget* parent, hc::PlatformServices& platform,
             std::function<void(const std::string&, const std::string&)> onAccept,
             const std::string& right, const std::string& up)
    : QDialog(parent), platform_(platform), onAccept_(std::move(onAccept)) {
    setObjectName("Form2");
    setWindowTitle("印刷位置とプリンタの設定");
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(hc::MakeFont(hc::Q(hc::kGothic), 10));
    auto* g = new QGridLayout(this);
    g->setContentsMargins(18, 16, 18, 16);
    g->setVerticalSpacing(6);
    auto label = [&](const char* name, const char* text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        return l;
    };
    auto box = [&](const char* name) {
        auto* e = new QLineEdit("0", this);
        e->setObjectName(name);
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(90);
        return e;
    };
    Text1 = box("Text1");
    Text2 = box("Text2");
    Text1->setText(hc::Q(right));
    Text2->setText(hc::Q(up));
    g->addWidget(label("Label1", "横方向へ動かす長さを入力してください"), 0, 0, 1, 3);
    g->addWidget(label("Label2", "（右が＋左が－）"), 1, 0);
    g->addWidget(Text1, 1, 1);
    g->addWidget(label("Label3", "ｍｍ"), 1, 2);
    g->setRowMinimumHeight(2, 10);
    g->addWidget(label("Label4", "縦方向に動かす長さを入力してください"), 3, 0, 1, 3);
    g->addWidget(label("Label5", "（上が＋下が－）"), 4, 0);
    g->addWidget(Text2, 4, 1);
    g->addWidget(label("Label6", "ｍｍ"), 4, 2);
    g->setRowMinimumHeight(5, 14);
    Command2 = new QPushButton("プリンタ設定", this);
    Command2->setObjectName("Command2");
    Command1 = new QPushButton("設定終了", this);
    Command1->setObjectName("Command1");
    Command1->setDefault(true);
    g->addWidget(Command2, 6, 0);
    g->addWidget(Command1, 6, 1, 1, 2);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2Click);
    adjustSize();
    hc::CentreOnScreen(this);
    Text1->setFocus();
    Text1->selectAll();
}

void Form2::Command1Click() {
    ShiftCheck c = CheckShifts(hc::S(Text1->text()), hc::S(Text2->text()));
    if (!c.ok) {
        // No message of its own: the box that is no number keeps the focus.
        QLineEdit* bad = c.badBox == 1 ? Text1 : Text2;
        platform_.Beep();
        bad->setFocus();
        bad->selectAll();
        return;
    }
    Text1->setText(hc::Q(c.right));
    Text2->setText(hc::Q(c.up));
    auto accept = onAccept_;
    close();
    if (accept)
        accept(c.right, c.up);
}

void Form2::Command2Click() {
    platform_.ShowPrinterDialog();
}

}  // namespace wq
