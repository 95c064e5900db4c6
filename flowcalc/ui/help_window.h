// Form7, the how-to-use window: shows the help text read at start-up from manning.txt and
// leads on to the version window.
#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

namespace flow {

class Form1;

class Form7 : public QDialog {
    Q_OBJECT
  public:
    explicit Form7(Form1& main);

    QPlainTextEdit* Text1;
    QPushButton* Command1;  // close
    QPushButton* Command2;  // version window

  private:
    Form1& main_;
};

}  // namespace flow
