#include "rainprob/ui/print_position_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/core/language.h"
#include "common/render/fonts.h"
#include "common/ui/window_helpers.h"
#include "rainprob/ui/form_layout.h"

namespace rain {

PrintPositionWindow::PrintPositionWindow(QWidget* parent, hc::PlatformServices& platform)
    : QDialog(parent), platform_(platform) {
    setObjectName("Form2");
    setWindowTitle(hc::T("印刷位置の設定"));
    setFont(hc::MakeFont(hc::kGothic, 9));
    setFixedSize(hc::TwipsToPixels(3855) + 24, hc::TwipsToPixels(2205) + 8);
    auto label = [&](const char* name, const char* text, int left, int top) {
        return PlaceLabel(this, name, text, left, top);
    };
    // The boxes open at "0" every time; the position in force is the main window's.
    auto box = [&](const char* name, int left, int top) {
        auto* t = new QLineEdit("0", this);
        t->setObjectName(name);
        t->setGeometry(hc::TwipsToPixels(left), hc::TwipsToPixels(top), hc::TwipsToPixels(700), 22);
        t->setAlignment(Qt::AlignRight);
        return t;
    };
    auto button = [&](const char* name, const char* text, int left) {
        auto* b = new QPushButton(hc::T(text), this);
        b->setObjectName(name);
        b->setGeometry(hc::TwipsToPixels(left), hc::TwipsToPixels(1680), hc::TwipsToPixels(1455),
                       28);
        return b;
    };
    QLabel* across = label("Label1", hc::N("横方向へ動かす長さを入力してください"), 120, 120);
    label("Label5", hc::N("（右が＋左が－）"), 960, 480);
    rightBox_ = box("Text1", 2400, 480);
    across->setBuddy(rightBox_);
    label("Label2", "mm", 3120, 480);
    QLabel* down = label("Label3", hc::N("縦方向に動かす長さを入力してください"), 120, 840);
    label("Label6", hc::N("（上が＋下が－）"), 960, 1200);
    upBox_ = box("Text2", 2400, 1200);
    down->setBuddy(upBox_);
    label("Label4", "mm", 3120, 1200);
    QPushButton* printer = button("Command1", hc::N("プリンタの設定"), 240);
    QPushButton* confirm = button("Command2", hc::N("設定終了"), 2160);
    confirm->setDefault(true);
    connect(printer, &QPushButton::clicked, this, &PrintPositionWindow::ChoosePrinter);
    connect(confirm, &QPushButton::clicked, this, &PrintPositionWindow::Confirm);
    hc::CentreOnScreen(this);
    rightBox_->setFocus();
    rightBox_->selectAll();
}

void PrintPositionWindow::ChoosePrinter() {
    platform_.ShowPrinterDialog();  // a cancel changes nothing
}

void PrintPositionWindow::Confirm() {
    Q_EMIT Confirmed(rightBox_->text(), upBox_->text());
    close();
}

}  // namespace rain
