// The print position window: the user's shift of the printed chart in millimetres, right and
// up, handed to the main window's panel when confirmed; also opens the printer dialog.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "common/core/platform.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace rain {

class Form2 : public QDialog {
    Q_OBJECT
  public:
    // onDone receives the two texts (right, up) when "設定終了" is pressed.
    Form2(QWidget* parent, hc::PlatformServices& platform,
          std::function<void(const QString&, const QString&)> onDone);

    QLineEdit* Text1;  // right, mm
    QLineEdit* Text2;  // up, mm
    QPushButton* Command1;
    QPushButton* Command2;

    void Command1_Click();
    void Command2_Click();

  private:
    hc::PlatformServices& platform_;
    std::function<void(const QString&, const QString&)> onDone_;
};

}  // namespace rain
