#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "common/ui/about_window.h"
#include "rainprob/ui/about_texts.h"
#include "support/scripted_platform.h"
#include "ui_fixture.h"

using rain::test::RainWindow;

namespace {

QString LabelOf(const QWidget& w, const char* name) {
    auto* l = w.findChild<QLabel*>(name);
    EXPECT_NE(l, nullptr) << name;
    return l ? l->text() : QString();
}

void Click(const QWidget& w, const char* name) {
    w.findChild<QPushButton*>(name)->click();
}

}  // namespace

TEST(AboutWindow, RainprobTexts) {
    hc::test::ScriptedPlatform p;
    hc::AboutWindow w(nullptr, p, rain::RainprobAbout());
    EXPECT_EQ(w.objectName(), "frmAbout");
    EXPECT_EQ(w.windowTitle(), "rainprobのﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(LabelOf(w, "lblTitle"), "プログラム名  rainprob.exe ");
    EXPECT_EQ(LabelOf(w, "lblVersion"), "バージョン     4.0.12");
    EXPECT_EQ(
        LabelOf(w, "lblDescription"),
        "年降水量データから非超過確率を計算・解析して画面とプリンタに出力・印刷するプログラムです");
    EXPECT_EQ(LabelOf(w, "Label1"), "このプログラムについての照会先");
    EXPECT_EQ(w.findChild<QPushButton*>("cmdOK")->text(), "OK");
    EXPECT_EQ(w.findChild<QPushButton*>("cmdSysInfo")->text(), "ｼｽﾃﾑ情報(&S)...");
    EXPECT_FALSE(w.findChild<QLabel*>("picIcon")->pixmap().isNull());
    EXPECT_EQ(w.findChild<QLabel*>("lblDisclaimer"), nullptr);
    w.show();
    Click(w, "cmdOK");
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(p.beeps, 0);
}

// The window knows no program: it shows the texts it is given, CR as a new line, each contact
// line under its own name, and beeps on OK only when asked to.
TEST(AboutWindow, ShowsTheTextsItIsGiven) {
    hc::test::ScriptedPlatform p;
    hc::AboutTexts t;
    t.caption = "caption";
    t.description = "first\rsecond";
    t.contact = {{"lblA", "a\rb"}, {"lblB", "c"}};
    t.beepOnOk = true;
    hc::AboutWindow w(nullptr, p, t);
    EXPECT_EQ(w.windowTitle(), "caption");
    EXPECT_EQ(LabelOf(w, "lblDescription"), "first\nsecond");
    EXPECT_EQ(LabelOf(w, "lblA"), "a\nb");
    EXPECT_EQ(LabelOf(w, "lblB"), "c");
    EXPECT_EQ(w.findChild<QLabel*>("picIcon")->pixmap().size(), QSize(32, 32));
    w.show();
    Click(w, "cmdOK");
    EXPECT_EQ(p.beeps, 1);
    EXPECT_FALSE(w.isVisible());
}

TEST(AboutWindow, SystemInformation) {
    hc::test::ScriptedPlatform p;
    hc::AboutWindow w(nullptr, p, rain::RainprobAbout());
    Click(w, "cmdSysInfo");
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0].text, "現時点ではｼｽﾃﾑ情報を使用できません");
    EXPECT_EQ(p.messages[0].title, "rainprob");
    EXPECT_TRUE(p.programsStarted.empty());
    // The first viewer installed is started, and no message is shown.
    p.programs["kinfocenter"] = "/usr/bin/kinfocenter";
    p.programs["gnome-system-monitor"] = "/usr/bin/gnome-system-monitor";
    Click(w, "cmdSysInfo");
    EXPECT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.programsStarted, (std::vector<std::string>{"/usr/bin/kinfocenter"}));
}

TEST_F(RainWindow, VersionMenuOpensTheVersionWindow) {
    PassSplash();
    Item("mnuMessVerItem")->trigger();
    auto* about = form->findChild<hc::AboutWindow*>("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(LabelOf(*about, "lblVersion"), "バージョン     4.0.12");
    Click(*about, "cmdOK");
    Flush();
    EXPECT_EQ(form->findChild<hc::AboutWindow*>("frmAbout"), nullptr);
}
