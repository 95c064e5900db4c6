// The page setup window (Form2): the print position shift in millimetres and the printer dialog.
#pragma once

#include <QDialog>

#include "common/core/platform.h"
#include "waterquality/core/column_layout.h"

class QLineEdit;

namespace wq {

class PageSetupWindow : public QDialog {
    Q_OBJECT
  public:
    // The boxes open with the given shifts ("0" in both unless a program shows the shifts in
    // force).
    PageSetupWindow(QWidget* parent, hc::PlatformServices& platform, const Shifts& shown = {});

  Q_SIGNALS:
    // The two texts as typed (right, up), once they passed the check; the window has closed.
    void ShiftsAccepted(const QString& right, const QString& up);

  protected:
    void showEvent(QShowEvent* event) override;

  private Q_SLOTS:
    void Accept();         // "設定終了"
    void ChoosePrinter();  // "プリンタ設定"

  private:
    hc::PlatformServices& platform_;
    QLineEdit* rightBox_ = nullptr;  // horizontal shift, mm
    QLineEdit* upBox_ = nullptr;     // vertical shift, mm
};

}  // namespace wq
