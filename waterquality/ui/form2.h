// The page setup window (Form2): the print position shift in millimetres and the printer dialog.
#pragma once

#include <QDialog>
#include <functional>

#include "common/core/platform.h"

class QLineEdit;
class QPushButton;

namespace wq {

class Form2 : public QDialog {
    Q_OBJECT
  public:
    // onAccept receives the two texts as typed (right, up) once they passed the checks.
    Form2(QWidget* parent, hc::PlatformServices& platform,
          std::function<void(const std::string&, const std::string&)> onAccept);

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

// The check of "設定終了": a box whose value exceeds 100 mm goes back to "0" (the horizontal
// box first; when it was reset the vertical one is taken as typed). Returns false, naming the
// box (1 or 2), when a text is no number.
struct ShiftCheck {
    bool ok = true;
    int badBox = 0;
    std::string right, up;
};
ShiftCheck CheckShifts(const std::string& right, const std::string& up);

}  // namespace wq
