// The Stiff diagram program in the shared main window, driven through scripted platform
// services: its titles, help texts, splash and line-width captions, and a load, redraw and
// print of a workbook showing the Stiff polygon.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <algorithm>

#include "polyplot/ui/polyplot_program.h"
#include "support/export_check.h"
#include "support/frame_window.h"
#include "support/scripted_platform.h"

namespace {

using hc::DrawOp;
using hc::test::ScriptedPlatform;
using hc::test::SourcePath;

using hc::test::HelpLines;

class PolyplotWindow : public hc::test::FrameWindowTest {
  protected:
    void SetUp() override {
        form = std::make_unique<wq::MainWindow>(platform, stiff::PolyPlotProgram());
    }

    int DarkPixels() {
        QImage img = Picture()->Image().convertToFormat(QImage::Format_RGB32);
        int dark = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                dark += qGray(img.pixel(x, y)) < 128;
        return dark;
    }
};

TEST_F(PolyplotWindow, TitlesAndSplash) {
    EXPECT_EQ(form->windowTitle(), "シュティフダイヤグラムの作図");
    ASSERT_TRUE(Splash());
    std::vector<std::string> labels;
    for (QLabel* l : Splash()->findChildren<QLabel*>())
        labels.push_back(l->text().toStdString());
    EXPECT_NE(
        std::find(labels.begin(), labels.end(), "シュティフダイアグラムを作図するプログラムです！"),
        labels.end());
    EXPECT_NE(std::find(labels.begin(), labels.end(), " Program : polyplot (Version 4.0)"),
              labels.end());
    FinishSplash();
    std::string path = SourcePath("examples/sample12.xls");
    Open(path);
    EXPECT_EQ(App().Table().Count(), 12);
    EXPECT_EQ(form->windowTitle().toStdString(), "ｼｭﾃｨﾌﾀﾞｲﾔｸﾞﾗﾑ < " + path + " >");
    EXPECT_GT(DarkPixels(), 100);
}

TEST_F(PolyplotWindow, LineWidthCaptions) {
    const std::vector<std::pair<const char*, const char*>> menus{
        {"mnuWidthRokkaku", "メイン六角形の線(&R)"},
        {"mnuWidthSyosan", "硝酸の線(&S)"},
        {"mnuWidthCenter", "左右の中心線(&C)"},
        {"mnuWidthMemori", "目盛り線(&M)"},
        {"mnuWidthHanrei", "凡例の外枠線(&H)"}};
    for (const auto& [name, caption] : menus) {
        auto* m = form->findChild<QMenu*>(name);
        ASSERT_NE(m, nullptr) << name;
        EXPECT_EQ(m->title().toStdString(), caption);
        EXPECT_EQ(m->actions().size(), 5);
    }
}

TEST_F(PolyplotWindow, HelpTextsNameTheStiffDiagram) {
    FinishSplash();
    Item("mnuHelpUseItem")->trigger();
    Item("mnuHelpDataItem")->trigger();
    Item("mnuHelpTypeItem")->trigger();
    Item("mnuHelpVerItem")->trigger();
    ASSERT_EQ(platform.messages.size(), 4u);
    EXPECT_EQ(platform.messages[0].title, "このプログラムの使い方と注意点");
    EXPECT_EQ(platform.messages[1].title, "水質データの入力方法");
    EXPECT_EQ(platform.messages[2].title, "タイプの説明");
    EXPECT_EQ(platform.messages[3].title, "バージョン情報  ＜ Version Information ＞");
    auto use = HelpLines(platform.messages[0].text);
    ASSERT_EQ(use.size(), 18u);
    EXPECT_EQ(use[0], "地下水などの水質分析結果をシュティフダイヤグラムで表示・印刷");
    EXPECT_EQ(use[1], "するためのプログラムです。データはブック (.xls, .xlsx, .ods)");
    EXPECT_EQ(use.back(), "用紙サイズ・印刷方向はプログラムで制御しています。");
    EXPECT_EQ(HelpLines(platform.messages[1].text).size(), 13u);
    auto type = HelpLines(platform.messages[2].text);
    ASSERT_EQ(type.size(), 10u);
    EXPECT_EQ(type[1], "焦点の１つになっていますが、シュティフダイヤグラム");
    for (const auto& m : platform.messages)
        EXPECT_EQ(m.text.find("ヘキサ"), std::string::npos) << m.title;
    const std::string& version = platform.messages[3].text;
    EXPECT_EQ(HelpLines(version).size(), 7u);
    EXPECT_NE(version.find("更新した年月： 2004.08.26"), std::string::npos);
    EXPECT_NE(version.find("polyplot"), std::string::npos);
}

TEST_F(PolyplotWindow, DrawsAndPrintsTheStiffPolygon) {
    FinishSplash();
    // One sample: Na + K = 1.5 meq/L, Cl 2.5 meq/L -> "1cm = 1.0".
    Open(SourcePath("tests/polyplot/fixtures/stiff1.xls"));
    ASSERT_EQ(App().Table().Count(), 1);
    EXPECT_EQ(App().Settings().ColumnScale[1], 3);
    Group("mnuDirectionVal")[1]->trigger();  // top-down
    Group("mnuTypeVal")[2]->trigger();       // nitrate with sulfate
    const int shown = DarkPixels();
    EXPECT_GT(shown, 100);
    Group("mnuWidthSyosanVal")[3]->trigger();  // nitrate lines 4 units, paper only
    EXPECT_EQ(DarkPixels(), shown);

    Item("mnuFilePrintItem")->trigger();
    const hc::RecordingSurface& p = platform.printer;
    EXPECT_EQ(p.Documents(), 1);
    auto has = [&](double x1, double y1, double x2, double y2, int width) {
        for (const DrawOp& op : p.OpsOf(DrawOp::Kind::Line))
            if (std::abs(op.x1 - x1) < 1e-6 && std::abs(op.y1 - y1) < 1e-6 &&
                std::abs(op.x2 - x2) < 1e-6 && std::abs(op.y2 - y2) < 1e-6 && op.width == width)
                return true;
        return false;
    };
    // Na+K vertex 15 mm left of the centre line (100 mm) on the upper row (80 mm).
    EXPECT_TRUE(has(100, 80, 85, 80, 3));
    // The nitrate triangle hangs from the lower row: HCO3 (110, 85) -> (107, 90).
    EXPECT_TRUE(has(110, 85, 107, 90, 4));
    EXPECT_EQ(p.TextsEqual("1: P1").size(), 1u);
}

}  // namespace

TEST_F(PolyplotWindow, ChartAndNumbersLeaveTheWindow) {
    FinishSplash();
    Open(hc::test::SourcePath("examples/nitrate5.xlsx"));
    hc::test::ExpectExportsMatchHydrochart(
        form.get(), platform, "stiff",
        {QString::fromStdString(hc::test::SourcePath("examples/nitrate5.xlsx"))});
}
