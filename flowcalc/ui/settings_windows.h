// The scale and range window (Form2) and the parameter window (Form3): each reads and checks
// its entries with the application's rules, sets them in the application and tells the main
// window by signals what to show and what to do next.
#pragma once

#include <QCloseEvent>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include "common/core/platform.h"
#include "common/core/result.h"
#include "flowcalc/core/flow_app.h"

namespace flow {

class ScaleWindow : public QDialog {
    Q_OBJECT
  public:
    ScaleWindow(FlowApp& app, hc::PlatformServices& platform, QWidget* parent);

  Q_SIGNALS:
    // The four texts as typed, for the main window's panel (Text1..Text4).
    void Entered(const QStringList& texts);
    void ComputeRequested();
    // No depth yet: the parameter window follows.
    void ParametersRequested();

  protected:
    // Escape is the cancel button; closing the window otherwise is no cancel.
    void reject() override { Cancel(); }
    void closeEvent(QCloseEvent* event) override { QWidget::closeEvent(event); }

  private Q_SLOTS:
    void Confirm();
    void Cancel();

  private:
    void Refuse(const hc::Error& error, QLineEdit* focus);

    FlowApp& app_;
    hc::PlatformServices& platform_;
    QLineEdit* hscale_;
    QLineEdit* vscale_;
    QLineEdit* rangeLeft_;
    QLineEdit* rangeRight_;
};

class ParameterWindow : public QDialog {
    Q_OBJECT
  public:
    ParameterWindow(FlowApp& app, hc::PlatformServices& platform, QWidget* parent);

  Q_SIGNALS:
    // The three texts as typed, for the main window's panel (Text5..Text7).
    void Entered(const QStringList& texts);
    // Compute, draw and make printing available.
    void ComputeRequested();

  protected:
    void reject() override { Cancel(); }
    void closeEvent(QCloseEvent* event) override { QWidget::closeEvent(event); }

  private Q_SLOTS:
    void Confirm();
    void Cancel();

  private:
    void Refuse(const hc::Error& error, QLineEdit* focus);
    void ComputeAndClose();

    FlowApp& app_;
    hc::PlatformServices& platform_;
    QLineEdit* roughness_;
    QLineEdit* slope_;
    QLineEdit* depth_;
};

}  // namespace flow
