// The scale and range window (Form2) and the parameter window (Form3): each validates its
// entries, copies them into the main window's panel and, when all is set, computes and draws.
#pragma once

#include <QCloseEvent>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace flow {

class Form1;

class Form2 : public QDialog {
    Q_OBJECT
  public:
    explicit Form2(Form1& main);

    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QPushButton* Command1;
    QPushButton* Command2;

  protected:
    // Escape is the cancel button; closing the window otherwise is no cancel.
    void reject() override { Cancel(); }
    void closeEvent(QCloseEvent* event) override { QWidget::closeEvent(event); }

  private:
    void Confirm();
    void Cancel();
    void Refuse(const char* message, QLineEdit* focus);

    Form1& main_;
};

class Form3 : public QDialog {
    Q_OBJECT
  public:
    explicit Form3(Form1& main);

    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QPushButton* Command1;
    QPushButton* Command2;

  protected:
    void reject() override { Cancel(); }
    void closeEvent(QCloseEvent* event) override { QWidget::closeEvent(event); }

  private:
    void Confirm();
    void Cancel();
    void Refuse(const char* message, QLineEdit* focus);
    void ComputeAndClose();

    Form1& main_;
};

}  // namespace flow
