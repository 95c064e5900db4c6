#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "common/ui/about_window.h"
#include "support/scripted_platform.h"
#include "ui_fixture.h"

using rain::test::RainWindow;

TEST(AboutWindow, RainprobTexts) {
    hc::test::ScriptedPlatform p;
    hc::frmAbout w(nullptr, p, hc::AboutVariant::Rainprob);
    EXPECT_EQ(w.objectName(), "frmAbout");
    EXPECT_EQ(w.windowTitle(), "rainprobのﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(w.lblTitle->text(), "プログラム名  rainprob.exe ");
    EXPECT_EQ(w.lblVersion->text(), "バージョン     4.0.12");
    EXPECT_EQ(
        w.lblDescription->text(),
        "年降水量データから非超過確率を計算・解析して画面とプリンタに出力・印刷するプログラムです");
    EXPECT_EQ(w.Label1->text(), "このプログラムについての照会先");
    EXPECT_EQ(w.cmdOK->text(), "OK");
    EXPECT_EQ(w.cmdSysInfo->text(), "ｼｽﾃﾑ情報(&S)...");
    EXPECT_FALSE(w.picIcon->pixmap().isNull());
    EXPECT_EQ(w.lblDisclaimer, nullptr);
    w.show();
    w.cmdOK->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(p.beeps, 0);
}

TEST(AboutWindow, FlowcalcTexts) {
    hc::test::ScriptedPlatform p;
    hc::frmAbout w(nullptr, p, hc::AboutVariant::Flowcalc);
    EXPECT_EQ(w.windowTitle(), "flowcalcのバージョン情報");
    EXPECT_EQ(w.lblTitle->text(), "アプリケーションタイトル  flowcalc");
    EXPECT_EQ(w.lblVersion->text(), "バージョン 4. 0. 12");
    EXPECT_EQ(w.lblDescription->text(),
              "アプリケーションの説明\nマニング式を用いて河川などの流量を計算します");
    ASSERT_NE(w.lblDisclaimer, nullptr);
    EXPECT_TRUE(w.lblDisclaimer->text().startsWith("このアプリケーションについての照会先\n"));
    w.show();
    w.cmdOK->click();
    EXPECT_EQ(p.beeps, 1);  // flowcalc's OK beeps
    EXPECT_FALSE(w.isVisible());
}

TEST(AboutWindow, SystemInformation) {
    hc::test::ScriptedPlatform p;
    hc::frmAbout w(nullptr, p, hc::AboutVariant::Rainprob);
    w.cmdSysInfo->click();
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0].text, "現時点ではｼｽﾃﾑ情報を使用できません");
    EXPECT_TRUE(p.programsStarted.empty());
    // The first viewer installed is started, and no message is shown.
    p.programs["kinfocenter"] = "/usr/bin/kinfocenter";
    p.programs["gnome-system-monitor"] = "/usr/bin/gnome-system-monitor";
    w.cmdSysInfo->click();
    EXPECT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.programsStarted, (std::vector<std::string>{"/usr/bin/kinfocenter"}));
}

TEST_F(RainWindow, VersionMenuOpensTheVersionWindow) {
    PassSplash();
    Item("mnuMessVerItem")->trigger();
    auto* about = form->findChild<hc::frmAbout*>("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->lblVersion->text(), "バージョン     4.0.12");
    about->cmdOK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->findChild<hc::frmAbout*>("frmAbout"), nullptr);
}
