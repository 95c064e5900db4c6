// The trilinear program in the shared main window, driven through scripted platform services:
// titles, splash and help texts, the first-load defaults and the choices a later load keeps,
// the page setup showing the shifts in force, and a print of the example workbook.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <algorithm>

#include "support/export_check.h"
#include "support/frame_window.h"
#include "support/scripted_platform.h"
#include "ternaryplot/ui/ternaryplot_program.h"

namespace {

using hc::DrawOp;
using hc::test::ScriptedPlatform;
using hc::test::SourcePath;

using hc::test::HelpLines;

class TernaryWindow : public hc::test::FrameWindowTest {
  protected:
    void SetUp() override {
        form = std::make_unique<wq::MainWindow>(platform, tri::TernaryPlotProgram());
    }

    int RedPixels() {
        QImage img = Picture()->Image().convertToFormat(QImage::Format_RGB32);
        int red = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                QRgb p = img.pixel(x, y);
                red += qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
            }
        return red;
    }
    const wq::PlotSettings& Settings() { return App().Settings(); }
};

TEST_F(TernaryWindow, TitlesSplashAndMenus) {
    EXPECT_EQ(form->windowTitle().toStdString(), "トリリニアダイヤグラムの作図・カラー版");
    ASSERT_TRUE(Splash());
    std::vector<std::string> labels;
    for (QLabel* l : Splash()->findChildren<QLabel*>())
        labels.push_back(l->text().toStdString());
    EXPECT_NE(
        std::find(labels.begin(), labels.end(), "トリリニアダイアグラムを作図するプログラムです！"),
        labels.end());
    EXPECT_NE(std::find(labels.begin(), labels.end(), " Program : ternaryplot (Version 4.1)"),
              labels.end());
    EXPECT_EQ(form->findChild<QMenu*>("mnuScale"), nullptr);  // one diagram, no column scales
    EXPECT_FALSE(MenuEnabled("mnuStyle"));
    const std::vector<std::pair<const char*, const char*>> widths{
        {"mnuWidthOowaku", "外枠線の太さ(&O)"},
        {"mnuWidthKowaku", "50％線の太さ(&K)"},
        {"mnuWidthYajiru", "矢印線の太さ(&Y)"},
        {"mnuWidthSample", "サンプル表枠の太さ(&S)"}};
    for (const auto& [name, caption] : widths) {
        auto* m = form->findChild<QMenu*>(name);
        ASSERT_NE(m, nullptr) << name;
        EXPECT_EQ(m->title().toStdString(), caption);
    }
    // Start widths 2, 1, 1, 2 with their marks.
    EXPECT_EQ(Checked("mnuWidthOowakuVal"), 1);
    EXPECT_EQ(Checked("mnuWidthKowakuVal"), 0);
    EXPECT_EQ(Checked("mnuWidthYajiruVal"), 0);
    EXPECT_EQ(Checked("mnuWidthSampleVal"), 1);
    EXPECT_EQ(Settings().SampleList, wq::SampleList::Unset);
    EXPECT_EQ(Settings().Numbering, wq::Numbering::Unset);

    FinishSplash();
    const std::string path = SourcePath("examples/sample12.xls");
    Open(path);
    ASSERT_EQ(App().Table().Count(), 12);
    EXPECT_EQ(form->windowTitle().toStdString(), "ﾄﾘﾘﾆｱ･ﾀﾞｲﾔｸﾞﾗﾑ ｶﾗｰ版 < " + path + " >");
}

TEST_F(TernaryWindow, FirstLoadDefaultsAndLaterLoadKeepsChoices) {
    FinishSplash();
    Open(SourcePath("examples/sample12.xls"));
    ASSERT_EQ(App().Table().Count(), 12);
    EXPECT_EQ(Settings().NitrateType, wq::NitrateType::None);
    EXPECT_EQ(Box("Text1")->text().toStdString(), "硝酸はふくまない");
    EXPECT_EQ(Settings().SampleList, wq::SampleList::On);
    EXPECT_EQ(Settings().Numbering, wq::Numbering::On);
    EXPECT_EQ(Settings().Direction, wq::Direction::Unset);  // no such menu here
    EXPECT_EQ(Checked("mnuTypeVal"), 0);
    EXPECT_EQ(Checked("mnuListVal"), 0);
    EXPECT_EQ(Checked("mnuNumberVal"), 0);
    EXPECT_TRUE(MenuEnabled("mnuStyle"));
    EXPECT_TRUE(Item("mnuFilePrintItem")->isEnabled());
    EXPECT_EQ(App().Table().At(2).mark, "▲");
    EXPECT_EQ(App().Table().At(1).colour, 12);
    EXPECT_GT(RedPixels(), 50);  // the red marks

    Group("mnuListVal")[1]->trigger();
    Group("mnuNumberVal")[1]->trigger();
    Group("mnuTypeVal")[2]->trigger();
    EXPECT_EQ(Settings().SampleList, wq::SampleList::Off);
    EXPECT_EQ(Settings().Numbering, wq::Numbering::Off);
    Open(SourcePath("examples/sample12.xls"));
    EXPECT_EQ(Settings().SampleList, wq::SampleList::Off);
    EXPECT_EQ(Settings().Numbering, wq::Numbering::Off);
    EXPECT_EQ(Settings().NitrateType, wq::NitrateType::WithSulfate);
    EXPECT_EQ(Checked("mnuListVal"), 1);
    EXPECT_EQ(Checked("mnuNumberVal"), 1);
    EXPECT_EQ(Checked("mnuTypeVal"), 2);
}

TEST_F(TernaryWindow, PageSetupShowsTheShiftsAndPrintMovesBy) {
    FinishSplash();
    Open(SourcePath("examples/sample12.xls"));
    Item("mnuFilePageItem")->trigger();
    ASSERT_TRUE(PageSetup());
    EXPECT_EQ(PageSetupBox("Text1")->text().toStdString(), "0");
    PageSetupBox("Text1")->setText("3");
    PageSetupBox("Text2")->setText("-7");
    Click("Command1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Box("Text2")->text().toStdString(), "3");
    EXPECT_EQ(Box("Text3")->text().toStdString(), "-7");
    Item("mnuFilePageItem")->trigger();
    ASSERT_TRUE(PageSetup());
    EXPECT_EQ(PageSetupBox("Text1")->text().toStdString(), "3");
    EXPECT_EQ(PageSetupBox("Text2")->text().toStdString(), "-7");
    Click("Command1");  // accepted unchanged: the shifts stay
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Box("Text2")->text().toStdString(), "3");
    EXPECT_EQ(Box("Text3")->text().toStdString(), "-7");

    const int shownRed = RedPixels();
    Group("mnuWidthSampleVal")[4]->trigger();  // table box 5 units: paper only
    EXPECT_EQ(RedPixels(), shownRed);
    const int beeps = platform.beeps;
    Item("mnuFilePrintItem")->trigger();
    const hc::RecordingSurface& p = platform.printer;
    EXPECT_EQ(p.Documents(), 1);
    EXPECT_EQ(platform.beeps, beeps + 1);
    // 12 samples: two columns of 8, box (120, 50)-(182, 90), moved 3 mm right and 7 mm down.
    auto first = p.TextsEqual("  1: W17-2001-06");
    ASSERT_EQ(first.size(), 1u);
    EXPECT_NEAR(first[0].x1, 123, 1e-9);
    EXPECT_NEAR(first[0].y1, 58, 1e-9);
    int box = 0;
    for (const DrawOp& op : p.OpsOf(DrawOp::Kind::Line))
        box += op.width == 5;
    EXPECT_EQ(box, 4);
    // Marks in colour 12 (red) at 8 points.
    auto marks = p.TextsEqual("●");
    ASSERT_FALSE(marks.empty());
    EXPECT_EQ(marks[0].color, (hc::Color{255, 0, 0}));
    EXPECT_EQ(marks[0].size, 8);
}

TEST_F(TernaryWindow, DiamondFieldInThePrintedTableOnlyWhenAskedFor) {
    FinishSplash();
    Open(SourcePath("examples/sample12.xls"));
    QAction* field = Item("mnuListFieldItem");
    ASSERT_TRUE(field);
    EXPECT_FALSE(field->isChecked());  // the printed sheet as always
    Item("mnuFilePrintItem")->trigger();
    const hc::RecordingSurface& p = platform.printer;
    EXPECT_EQ(p.TextsEqual("  1: W17-2001-06").size(), 1u);
    EXPECT_TRUE(p.TextsEqual(" Ⅰ ｱﾙｶﾘ土類炭酸塩型").empty());

    field->trigger();
    platform.printer.ClearOps();
    Item("mnuFilePrintItem")->trigger();
    EXPECT_TRUE(p.TextsEqual("  1: W17-2001-06").empty());
    EXPECT_EQ(p.TextsEqual(" Ⅰ ｱﾙｶﾘ土類炭酸塩型").size(), 1u);
    // Every drawn sample's entry carries a field numeral after its name; the skipped sample 9
    // has neither.
    int withField = 0;
    for (const DrawOp& op : p.OpsOf(DrawOp::Kind::Text)) {
        if (op.text.find(": ") != 3)
            continue;
        const std::string last = op.text.substr(op.text.find_last_of(' ') + 1);
        if (!last.empty() && std::string("ⅠⅡⅢⅣ").find(last.substr(0, 3)) != std::string::npos)
            ++withField;
    }
    EXPECT_EQ(withField, 11);
    EXPECT_EQ(p.TextsEqual("  9: ").size(), 1u);
    EXPECT_TRUE(App().Settings().SampleListField);
}

TEST_F(TernaryWindow, HelpTexts) {
    FinishSplash();
    Item("mnuHelpUseItem")->trigger();
    Item("mnuHelpDataItem")->trigger();
    Item("mnuHelpTypeItem")->trigger();
    Item("mnuHelpVerItem")->trigger();
    ASSERT_EQ(platform.messages.size(), 4u);
    EXPECT_EQ(platform.messages[0].title, "このプログラムの使い方と注意点");
    EXPECT_EQ(platform.messages[1].title, "水質データの入力方法");
    EXPECT_EQ(platform.messages[2].title, "硝酸タイプの説明");
    EXPECT_EQ(platform.messages[3].title, "バージョン情報  ＜ Version Information ＞");
    auto use = HelpLines(platform.messages[0].text);
    ASSERT_EQ(use.size(), 15u);
    EXPECT_EQ(use[0], "地下水などの水質分析結果をトリリニアダイヤグラムで表示・印刷");
    EXPECT_EQ(use[9], "「作図様式」メニューでは、サンプル名と番号の対応表の有無と、");
    auto data = HelpLines(platform.messages[1].text);
    ASSERT_EQ(data.size(), 13u);
    // The formats read, and a spreadsheet program for File>New only.
    EXPECT_EQ(data[4], "ブック (.xls, .xlsx, .ods) と CSV ファイルを");
    EXPECT_EQ(data[6], "印刷はできます。");
    for (const auto& m : platform.messages)
        EXPECT_EQ(m.text.find("エクセル"), std::string::npos) << m.text;
    EXPECT_EQ(data[12], "前提にしていますので変更しないでください。");
    auto type = HelpLines(platform.messages[2].text);
    ASSERT_EQ(type.size(), 10u);
    EXPECT_EQ(type[1], "焦点の１つになっていますが、トリリニアダイヤグラム");
    const std::string& version = platform.messages[3].text;
    EXPECT_NE(version.find("プログラム名： ternaryplot.exe"), std::string::npos);
    EXPECT_NE(version.find("バージョン名： Version 4.1 (ずうっとβ版)"), std::string::npos);
    EXPECT_NE(version.find("更新した年月： 2005.08.26"), std::string::npos);
}

}  // namespace

TEST_F(TernaryWindow, ChartAndNumbersLeaveTheWindow) {
    FinishSplash();
    Open(hc::test::SourcePath("examples/sample12.xls"));
    const QString book = QString::fromStdString(hc::test::SourcePath("examples/sample12.xls"));
    hc::test::ExpectExportsMatchHydrochart(form.get(), platform, "tri", {book});
    // The fractions change with the nitrate type: the window's table under each type in the
    // menu is the command's under --nitrate.
    for (int type : {2, 1, 0}) {
        Group("mnuTypeVal")[static_cast<std::size_t>(type)]->trigger();
        hc::test::ExpectTableMatchesHydrochart(
            platform, [&] { hc::test::TriggerItem(form.get(), "mnuFileSaveNumbersItem"); }, "tri",
            {book, "--nitrate", QString::number(type)});
    }
}
