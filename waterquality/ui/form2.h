// The page setup window (Form2): the print position shift in millimetres and the printer dialog.
#pragma once

#include <QDialog>
#include <functional>

#include "common/core/platform.h"
#include "waterquality/core/column_layout.h"

class QLineEdit;
class QPushButton;

namespace wq {

class Form2 : public QDialog {
    Q_OBJECT
  public:
    // onAccept receives the two texts as typed (right, up) once they passed the checks.
    // The boxes open with the given texts ("0" unless a program shows the shifts in force).
    Form2(QWidget* parent, hc::PlatformServices& platform,
          std::function<void(const std::string&, const std::string&)> onAccept,
          const std::string& right = "0", const std::string& up = "0");

    QLineEdit* Text1 = nullptr;  // horizontal shift, mm
    QLineEdit* Text2 = nullptr;  // vertical shift, mm
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    void Command1Click();
    void Command2Click();

  private:
    hc::PlatformServices& platform_;
    std::function<void(const std::string&, const std::string&)> onAccept_;
};

}  // namespace wq
