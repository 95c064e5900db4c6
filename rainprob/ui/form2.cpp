#include "rainprob/ui/form2.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/render/fonts.h"
#include "common/ui/window_helpers.h"

namespace rain {

Form2::Form2(QWidget* parent, hc::PlatformServices& platform,
             std::function<void(const QString&, const QString&)> onDone)
    : QDialog(parent), platform_(platform), onDone_(std::move(onDone)) {
    setObjectName("Form2");
    setWindowTitle("印刷位置の設定");
    setFont(hc::MakeFont(hc::kGothic, 9));
    setFixedSize(hc::TwipsToPixels(3855) + 24, hc::TwipsToPixels(2205) + 8);
    auto label = [&](const char* name, const char* text, int left, int top) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->move(hc::TwipsToPixels(left), hc::TwipsToPixels(top) + 4);
        l->adjustSize();
        return l;
    };
    auto box = [&](const char* name, int left, int top) {
        auto* t = new QLineEdit("0", this);
        t->setObjectName(name);
        t->setGeometry(hc::TwipsToPixels(left), hc::TwipsToPixels(top), hc::TwipsToPixels(700), 22);
        t->setAlignment(Qt::AlignRight);
        return t;
    };
    label("Label1", "横方向へ動かす長さを入力してください", 120, 120);
    label("Label5", "（右が＋左が－）", 960, 480);
    Text1 = box("Text1", 2400, 480);
    label("Label2", "mm", 3120, 480);
    label("Label3", "縦方向に動かす長さを入力してください", 120, 840);
    label("Label6", "（上が＋下が－）", 960, 1200);
    Text2 = box("Text2", 2400, 1200);
    label("Label4", "mm", 3120, 1200);
    Command1 = new QPushButton("プリンタの設定", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(hc::TwipsToPixels(240), hc::TwipsToPixels(1680), hc::TwipsToPixels(1455), 28);
    Command2 = new QPushButton("設定終了", this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(hc::TwipsToPixels(2160), hc::TwipsToPixels(1680), hc::TwipsToPixels(1455), 28);
    Command2->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    hc::CentreOnScreen(this);
    Text1->setFocus();
    Text1->selectAll();
}

void Form2::Command1_Click() {
    platform_.ShowPrinterDialog();  // a cancel changes nothing
}

void Form2::Command2_Click() {
    if (onDone_)
        onDone_(Text1->text(), Text2->text());
    close();
}

}  // namespace rain
