// The how-to-use window (Form7): shows the help text read at start-up from manning.txt and
// leads on to the version window.
#pragma once

#include <QDialog>
#include <string>

#include "common/core/platform.h"

namespace flow {

class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    HelpWindow(const std::string& helpText, hc::PlatformServices& platform, QWidget* parent);

  Q_SIGNALS:
    // "バージョン情報の表示": the main window opens the version window.
    void AboutRequested();

  private Q_SLOTS:
    void Finish();
    void ShowVersion();

  private:
    hc::PlatformServices& platform_;
};

}  // namespace flow
