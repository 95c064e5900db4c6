// The print position window: the user's shift of the printed chart in millimetres, right and
// up, handed to the main window when confirmed; also opens the printer dialog.
#pragma once

#include <QDialog>
#include <QString>

#include "common/core/platform.h"

class QLineEdit;

namespace rain {

// Named Form2; its boxes are Text1 (right) and Text2 (up), its buttons Command1 (printer) and
// Command2 (confirm).
class PrintPositionWindow : public QDialog {
    Q_OBJECT
  public:
    PrintPositionWindow(QWidget* parent, hc::PlatformServices& platform);

  Q_SIGNALS:
    // "設定終了": the two texts as typed (right, up).
    void Confirmed(const QString& right, const QString& up);

  private Q_SLOTS:
    void ChoosePrinter();
    void Confirm();

  private:
    hc::PlatformServices& platform_;
    QLineEdit* rightBox_;
    QLineEdit* upBox_;
};

}  // namespace rain
