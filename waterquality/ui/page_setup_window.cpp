#include "waterquality/ui/page_setup_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/render/fonts.h"
#include "common/ui/window_helpers.h"

namespace wq {

PageSetupWindow::PageSetupWindow(QWidget* parent, hc::PlatformServices& platform,
                                 const Shifts& shown)
    : QDialog(parent), platform_(platform) {
    setObjectName("Form2");
    setWindowTitle(hc::T("印刷位置とプリンタの設定"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(hc::MakeFont(hc::Q(hc::kGothic), 10));
    auto* g = new QGridLayout(this);
    g->setContentsMargins(18, 16, 18, 16);
    g->setVerticalSpacing(6);
    auto label = [&](const char* name, const char* text) {
        auto* l = new QLabel(hc::T(text), this);
        l->setObjectName(name);
        return l;
    };
    auto box = [&](const char* name, const std::string& text) {
        auto* e = new QLineEdit(hc::Q(text), this);
        e->setObjectName(name);
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(90);
        return e;
    };
    rightBox_ = box("Text1", shown.right);
    upBox_ = box("Text2", shown.up);
    QLabel* across = label("Label1", hc::N("横方向へ動かす長さを入力してください"));
    across->setBuddy(rightBox_);
    g->addWidget(across, 0, 0, 1, 3);
    g->addWidget(label("Label2", hc::N("（右が＋左が－）")), 1, 0);
    g->addWidget(rightBox_, 1, 1);
    g->addWidget(label("Label3", hc::N("ｍｍ")), 1, 2);
    g->setRowMinimumHeight(2, 10);
    QLabel* down = label("Label4", hc::N("縦方向に動かす長さを入力してください"));
    down->setBuddy(upBox_);
    g->addWidget(down, 3, 0, 1, 3);
    g->addWidget(label("Label5", hc::N("（上が＋下が－）")), 4, 0);
    g->addWidget(upBox_, 4, 1);
    g->addWidget(label("Label6", hc::N("ｍｍ")), 4, 2);
    g->setRowMinimumHeight(5, 14);
    auto* printer = new QPushButton(hc::T("プリンタ設定"), this);
    printer->setObjectName("Command2");
    auto* done = new QPushButton(hc::T("設定終了"), this);
    done->setObjectName("Command1");
    done->setDefault(true);
    g->addWidget(printer, 6, 0);
    g->addWidget(done, 6, 1, 1, 2);
    connect(done, &QPushButton::clicked, this, &PageSetupWindow::Accept);
    connect(printer, &QPushButton::clicked, this, &PageSetupWindow::ChoosePrinter);
    adjustSize();
    hc::CentreOnScreen(this);
}

void PageSetupWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    rightBox_->setFocus();
    rightBox_->selectAll();
}

void PageSetupWindow::Accept() {
    hc::Result<Shifts> checked = CheckShifts({hc::S(rightBox_->text()), hc::S(upBox_->text())});
    if (!checked) {
        // No message of its own: the box that is no number keeps the focus.
        QLineEdit* bad = checked.error().line == 1 ? rightBox_ : upBox_;
        platform_.Beep();
        bad->setFocus();
        bad->selectAll();
        return;
    }
    rightBox_->setText(hc::Q(checked->right));
    upBox_->setText(hc::Q(checked->up));
    close();
    Q_EMIT ShiftsAccepted(rightBox_->text(), upBox_->text());
}

void PageSetupWindow::ChoosePrinter() {
    platform_.ShowPrinterDialog();
}

}  // namespace wq
