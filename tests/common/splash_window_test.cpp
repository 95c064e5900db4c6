// The start-up splash: its ticks come at the desktop's timer resolution, and a click or a key
// ends it at once, handing the menus back exactly once.
#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <QTimer>

#include "common/ui/splash_window.h"
#include "support/scripted_platform.h"

namespace {

struct DesktopTimer : hc::test::ScriptedPlatform {
    int TimerTickMs() const override { return 16; }
};

TEST(SplashWindow, TicksAtTheTimerResolutionAndEndsOnAKeyOrClick) {
    DesktopTimer desktop;
    int closed = 0;
    QPointer<hc::SplashWindow> splash =
        new hc::SplashWindow(nullptr, desktop, "Form9", "t", {{"a"}}, 45, [&] { ++closed; });
    // 45 ticks of the desktop's timer: about 0.7 s on screen.
    EXPECT_EQ(splash->findChild<QTimer*>("Timer1")->interval(), 16);
    splash->show();
    QTest::keyClick(splash.data(), Qt::Key_Space);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(desktop.MousePointer(), hc::kPointerDefault);
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 1000));

    hc::test::ScriptedPlatform fast;  // tests run the timer at 1 ms
    closed = 0;
    splash = new hc::SplashWindow(nullptr, fast, "Form9", "t", {{"a"}}, 45, [&] { ++closed; });
    splash->show();
    QTest::mouseClick(splash.data(), Qt::LeftButton);
    splash->Tick();  // a tick after the end changes nothing
    EXPECT_EQ(closed, 1);
}

}  // namespace
