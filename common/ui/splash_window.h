// The start-up splash: a small window of labels that closes itself after a fixed number of
// timer ticks and then hands the menus back to the main window.
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "common/core/platform.h"
#include "common/core/surface.h"

namespace hc {

struct SplashLabel {
    std::string text;
    std::string font = kGothic;  // face name
    double points = 12;
    Color color = kBlack;
};

class SplashWindow : public QDialog {
    Q_OBJECT
  public:
    // Closes on tick `closeTick` (45 in most programs, 33 in flowcalc) of its timer, or at
    // once on a click or a key; onClosed then enables the main window's menus.
    SplashWindow(QWidget* parent, PlatformServices& platform, const QString& objectName,
                 const QString& title, const std::vector<SplashLabel>& labels, int closeTick,
                 std::function<void()> onClosed);

    int Ticks() const { return ticks_; }
    // One timer event (the tests call it directly).
    void Tick();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
  Q_SIGNALS:
    // The splash has handed the menus back and is closing.
    void Closed();

  private:
    void Finish();

    PlatformServices& platform_;
    QTimer timer_{this};  // a child, so that it can be found by its name
    int ticks_ = 0;
    int closeTick_;
    std::function<void()> onClosed_;
    bool done_ = false;
};

}  // namespace hc
