// The main window's flows driven through scripted platform services: start-up and splash,
// File>Open with the guided scale and parameter windows, their validation messages, printing,
// print widths, the help window, the version window and exit.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "common/core/numbers.h"
#include "flowcalc/core/messages.h"
#include "flowcalc/ui/settings_windows.h"
#include "support/export_check.h"
#include "tests/flowcalc/window_fixture.h"

namespace {

using flowtest::Box;
using flowtest::Click;
using flowtest::FlowWindow;
using flowtest::Window;

const std::string kV = "3\n0 10\n5 0\n10 10\n";

class FlowcalcMainWindow : public FlowWindow {
  protected:
    // File>Open of a file; returns the scale window that opens.
    QWidget* Open(const std::string& path) {
        platform.openAnswers.push_back(path);
        Item("mnuFileOpenItem")->trigger();
        return Window("Form2");
    }
    void Set(QLineEdit* box, const char* text) { box->setText(QString::fromUtf8(text)); }
    std::vector<std::string> Messages() {
        std::vector<std::string> out;
        for (auto& m : platform.messages)
            out.push_back(m.text);
        return out;
    }
};

TEST_F(FlowcalcMainWindow, StartUpDisablesMenusUntilTheThirtyThirdTick) {
    EXPECT_EQ(form->objectName(), "Form1");
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("マニング式による流量計算"));
    EXPECT_FALSE(MenuEnabled("mnuFile"));
    EXPECT_FALSE(MenuEnabled("mnuHelp"));
    EXPECT_FALSE(MenuEnabled("mnuSetting"));
    EXPECT_FALSE(Item("mnuFilePrintItem")->isEnabled());
    hc::SplashWindow* splash = form->Splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->objectName(), "Form4");
    EXPECT_EQ(splash->windowTitle(), QString::fromUtf8("テーマ"));
    EXPECT_EQ(platform.MousePointer(), hc::kPointerHourglass);
    for (int i = 0; i < 32; ++i)
        splash->Tick();
    EXPECT_FALSE(MenuEnabled("mnuFile"));
    splash->Tick();
    EXPECT_TRUE(MenuEnabled("mnuFile"));
    EXPECT_TRUE(MenuEnabled("mnuHelp"));
    EXPECT_FALSE(MenuEnabled("mnuSetting"));
    EXPECT_EQ(platform.MousePointer(), hc::kPointerDefault);
    // Default print widths 2, 3, 2 with their check marks.
    EXPECT_EQ(form->findChild<QLabel*>("LabelWidthFrame")->text(), "2");
    EXPECT_EQ(form->findChild<QLabel*>("LabelWidthSection")->text(), "3");
    EXPECT_EQ(form->findChild<QLabel*>("LabelWidthWater")->text(), "2");
    EXPECT_TRUE(Item("mnuWidthWakuVal_1")->isChecked());
    EXPECT_TRUE(Item("mnuWidthDanmenVal_2")->isChecked());
    EXPECT_TRUE(Item("mnuWidthSuimenVal_1")->isChecked());
    EXPECT_EQ(form->App().StartDir(), "/start/dir");
}

TEST_F(FlowcalcMainWindow, OpenLeadsThroughScaleAndParameterWindows) {
    FinishSplash();
    std::string path = TempFile("v.txt", kV);
    QWidget* f2 = Open(path);
    ASSERT_EQ(platform.openRequests.size(), 1u);
    EXPECT_EQ(platform.openRequests[0].filter,
              "テキストファイル (*.txt)|*.txt| すべてのファイル (*.*)|*.*");
    EXPECT_EQ(platform.openRequests[0].filterIndex, 1);
    EXPECT_EQ(form->windowTitle().toStdString(), "マニング式による流量計算 < " + path + " >");
    EXPECT_TRUE(MenuEnabled("mnuSetting"));
    ASSERT_NE(f2, nullptr);
    EXPECT_NE(qobject_cast<flow::ScaleWindow*>(f2), nullptr);
    EXPECT_EQ(f2->windowTitle(), QString::fromUtf8("スケールと解析範囲の設定"));
    EXPECT_EQ(Box(f2, "Text1")->text(), "100");
    EXPECT_EQ(Box(f2, "Text2")->text(), "200");
    EXPECT_EQ(Box(f2, "Text3")->text(), "0");
    EXPECT_EQ(Box(f2, "Text4")->text(), "10");
    Click(f2, "Command1");
    // No depth yet: the parameter window follows with its defaults.
    EXPECT_EQ(Window("Form2"), nullptr);
    auto* f3 = Window("Form3");
    ASSERT_NE(f3, nullptr);
    EXPECT_NE(qobject_cast<flow::ParameterWindow*>(f3), nullptr);
    EXPECT_EQ(Panel(1), "100");
    EXPECT_EQ(Panel(4), "10");
    EXPECT_EQ(Box(f3, "Text1")->text(), "0.03");
    EXPECT_EQ(Box(f3, "Text2")->text(), "100");
    EXPECT_EQ(Box(f3, "Text3")->text(), "1");
    Set(Box(f3, "Text3"), "5");
    Click(f3, "Command1");
    EXPECT_EQ(Window("Form3"), nullptr);
    EXPECT_TRUE(platform.messages.empty());
    // V notch at 5 m: Q = 44.884..., V = 3.5907..., width 5.
    EXPECT_EQ(Panel(5), "0.03");
    EXPECT_EQ(Panel(6), "100");
    EXPECT_EQ(Panel(7), "5");
    EXPECT_NEAR(hc::TextToDouble(Panel(8).toStdString()), 44.884, 1e-3);
    EXPECT_NEAR(hc::TextToDouble(Panel(9).toStdString()), 3.5907, 1e-4);
    EXPECT_EQ(Panel(10), "5");
    EXPECT_TRUE(Item("mnuFilePrintItem")->isEnabled());
    ASSERT_TRUE(form->App().Last().has_value());
    // The picture shows red and blue ink.
    const QImage& img = Picture()->Image();
    bool red = false, blue = false;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            QRgb p = img.pixel(x, y);
            red = red || (qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80);
            blue = blue || (qBlue(p) > 200 && qRed(p) < 80 && qGreen(p) < 80);
        }
    EXPECT_TRUE(red);
    EXPECT_TRUE(blue);

    // A second file proposes depth 1 again but keeps roughness and slope.
    QWidget* again = Open(TempFile("w.txt", "3\n0 4\n20 0\n40 4\n"));
    ASSERT_NE(again, nullptr);
    Click(again, "Command1");
    auto* f3b = Window("Form3");
    ASSERT_NE(f3b, nullptr);
    EXPECT_EQ(Box(f3b, "Text1")->text(), "0.03");
    EXPECT_EQ(Box(f3b, "Text3")->text(), "1");
}

TEST_F(FlowcalcMainWindow, CancelledOpenDoesNothing) {
    FinishSplash();
    platform.openAnswers.push_back(std::nullopt);
    Item("mnuFileOpenItem")->trigger();
    EXPECT_EQ(Window("Form2"), nullptr);
    EXPECT_FALSE(MenuEnabled("mnuSetting"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FlowcalcMainWindow, ScaleWindowValidation) {
    FinishSplash();
    QWidget* f2 = Open(TempFile("v.txt", kV));
    ASSERT_NE(f2, nullptr);
    Set(Box(f2, "Text1"), "1");
    Click(f2, "Command1");
    Set(Box(f2, "Text1"), "100");
    Set(Box(f2, "Text2"), "abc");
    Click(f2, "Command1");
    Set(Box(f2, "Text2"), "200");
    Set(Box(f2, "Text4"), "10.5");  // beyond the last point
    Click(f2, "Command1");
    Set(Box(f2, "Text3"), "10");  // not left of the right end
    Set(Box(f2, "Text4"), "10");
    Click(f2, "Command1");
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{flow::text::kScaleInvalid, flow::text::kScaleInvalid,
                                        flow::text::kRangeInvalid, flow::text::kRangeInvalid}));
    EXPECT_EQ(Window("Form2"), f2);  // still open
    // Refused entries change neither the values in force nor the panel.
    EXPECT_EQ(form->App().Scales().HScale, 100);
    EXPECT_DOUBLE_EQ(form->App().Parameters().RangeRight, 10);
    EXPECT_EQ(Panel(1), "");
    // A left end before the first point is accepted.
    Set(Box(f2, "Text3"), "-3");
    Set(Box(f2, "Text4"), "9");
    Click(f2, "Command1");
    EXPECT_EQ(platform.messages.size(), 4u);
    EXPECT_DOUBLE_EQ(form->App().Parameters().RangeLeft, -3);
    EXPECT_NE(Window("Form3"), nullptr);
}

TEST_F(FlowcalcMainWindow, CancelInTheScaleWindowAfterANewFileComputesNothing) {
    FinishSplash();
    QWidget* f2 = Open(TempFile("v.txt", kV));
    ASSERT_NE(f2, nullptr);
    Click(f2, "Command2");
    EXPECT_EQ(Window("Form2"), nullptr);
    EXPECT_EQ(Window("Form3"), nullptr);
    EXPECT_FALSE(form->App().Last().has_value());
    EXPECT_FALSE(Item("mnuFilePrintItem")->isEnabled());
}

TEST_F(FlowcalcMainWindow, ParameterWindowValidation) {
    FinishSplash();
    Click(Open(TempFile("v.txt", kV)), "Command1");
    auto* f3 = Window("Form3");
    ASSERT_NE(f3, nullptr);
    Set(Box(f3, "Text1"), "1.5");
    Click(f3, "Command1");
    Set(Box(f3, "Text1"), "0.0009");
    Click(f3, "Command1");
    Set(Box(f3, "Text1"), "0.5");  // accepted, though unusual
    Set(Box(f3, "Text2"), "0");
    Click(f3, "Command1");
    Set(Box(f3, "Text2"), "100.6");
    Set(Box(f3, "Text3"), "0.005");
    Click(f3, "Command1");
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              flow::text::kRoughnessInvalid, flow::text::kRoughnessInvalid,
                              flow::text::kSlopeInvalid, flow::text::kDepthInvalid}));
    EXPECT_EQ(std::string(flow::text::kRoughnessInvalid),
              "粗度係数は通常 0.01 ～ 0.1 です\r正しい粗度係数を入力してください");
    EXPECT_EQ(Window("Form3"), f3);
    EXPECT_FALSE(form->App().Last().has_value());
    Set(Box(f3, "Text3"), "2");
    Click(f3, "Command1");
    EXPECT_EQ(Window("Form3"), nullptr);
    EXPECT_EQ(form->App().Parameters().SlopeDenominator, 101);
    EXPECT_DOUBLE_EQ(form->App().Parameters().Roughness, 0.5);
    EXPECT_EQ(Panel(6), "100.6");
    EXPECT_TRUE(form->App().Last().has_value());
}

TEST_F(FlowcalcMainWindow, ParameterCancelComputesWithUsableValuesOrComplains) {
    FinishSplash();
    Click(Open(TempFile("v.txt", kV)), "Command1");
    auto* f3 = Window("Form3");
    ASSERT_NE(f3, nullptr);
    // The defaults put in on opening are usable: cancel computes with them.
    Click(f3, "Command2");
    EXPECT_EQ(Window("Form3"), nullptr);
    ASSERT_TRUE(form->App().Last().has_value());
    EXPECT_DOUBLE_EQ(form->App().Last()->Parameters.Depth, 1);
    EXPECT_TRUE(Item("mnuFilePrintItem")->isEnabled());
    // A refused depth is stored; cancel then complains and closes.
    Item("mnuSettingParamItem")->trigger();
    f3 = Window("Form3");
    ASSERT_NE(f3, nullptr);
    Set(Box(f3, "Text3"), "0");
    Click(f3, "Command1");
    Click(f3, "Command2");
    EXPECT_EQ(platform.messages.back().text, flow::text::kParametersUnusable);
    EXPECT_EQ(Window("Form3"), nullptr);
}

TEST_F(FlowcalcMainWindow, ScaleWindowFromTheMenuRecomputesWhenADepthIsSet) {
    FinishSplash();
    Click(Open(TempFile("v.txt", kV)), "Command1");
    Click(Window("Form3"), "Command1");
    Item("mnuSettingScaleItem")->trigger();
    auto* f2 = Window("Form2");
    ASSERT_NE(f2, nullptr);
    Set(Box(f2, "Text1"), "500");
    Click(f2, "Command1");
    EXPECT_EQ(Window("Form3"), nullptr);
    EXPECT_EQ(form->App().Last()->Scales.HScale, 500);
    // Cancel with a depth set redraws with the values in force.
    Item("mnuSettingScaleItem")->trigger();
    Click(Window("Form2"), "Command2");
    EXPECT_EQ(Window("Form2"), nullptr);
    EXPECT_EQ(form->App().Last()->Scales.HScale, 500);
}

TEST_F(FlowcalcMainWindow, RefusedFileKeepsThePreviousSectionAndPrintout) {
    FinishSplash();
    std::string good = TempFile("v.txt", kV);
    Click(Open(good), "Command1");
    Click(Window("Form3"), "Command1");
    platform.messages.clear();
    int beeps = platform.beeps;
    EXPECT_EQ(Open(TempFile("bad.txt", "257\n")), nullptr);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "断面座標のデータの数が多すぎるか、\rデータファイルの作成方法が不正です");
    EXPECT_EQ(platform.beeps, beeps + 1);
    EXPECT_NE(form->statusBar()->currentMessage().indexOf("bad.txt"), -1);
    EXPECT_EQ(form->App().Scales().HScale, 0);
    EXPECT_EQ(form->App().Parameters().Depth, 0);
    EXPECT_EQ(form->App().Section().PointCount, 3);
    EXPECT_EQ(form->windowTitle().toStdString(), "マニング式による流量計算 < " + good + " >");
    // Printing still shows the last computation, at its own scale.
    Item("mnuFilePrintItem")->trigger();
    EXPECT_FALSE(platform.printer.TextsEqual("水平方向  1:100").empty());
    EXPECT_FALSE(platform.printer.TextsEqual("ファイル名 < " + good + " >").empty());
}

TEST_F(FlowcalcMainWindow, RefusedFirstFileLeavesSettingsDisabled) {
    FinishSplash();
    EXPECT_EQ(Open(TempFile("short.txt", "3\n0 10\n5 0\n")), nullptr);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(MenuEnabled("mnuSetting"));
}

TEST_F(FlowcalcMainWindow, PrintWidthsChangeOnlyThePrintout) {
    FinishSplash();
    Click(Open(TempFile("v.txt", kV)), "Command1");
    Click(Window("Form3"), "Command1");
    QImage before = Picture()->Image().copy();
    Item("mnuWidthDanmenVal_4")->trigger();
    EXPECT_TRUE(Item("mnuWidthDanmenVal_4")->isChecked());
    EXPECT_FALSE(Item("mnuWidthDanmenVal_2")->isChecked());
    EXPECT_EQ(form->findChild<QLabel*>("LabelWidthSection")->text(), "5");
    EXPECT_EQ(Picture()->Image(), before);
    platform.pointerHistory.clear();
    Item("mnuFilePrintItem")->trigger();
    EXPECT_EQ(platform.pointerHistory,
              (std::vector<int>{hc::kPointerHourglass, hc::kPointerDefault}));
    EXPECT_EQ(platform.printer.GetOrientation(), hc::Orientation::Landscape);
    EXPECT_EQ(platform.printer.OpsOf(hc::DrawOp::Kind::EndDoc).size(), 1u);
    for (const hc::DrawOp& op : platform.printer.OpsOf(hc::DrawOp::Kind::Line)) {
        if (op.color == hc::Color{255, 0, 0}) {
            EXPECT_EQ(op.width, 5);
        }
    }
}

TEST_F(FlowcalcMainWindow, HelpWindowShowsTheHowToUseText) {
    FinishSplash();
    Item("mnuHelpUsageItem")->trigger();
    QWidget* f7 = Window("Form7");
    ASSERT_NE(f7, nullptr);
    EXPECT_EQ(f7->windowTitle(), QString::fromUtf8("このプログラムの使い方"));
    auto* text = f7->findChild<QPlainTextEdit*>("Text1");
    EXPECT_TRUE(text->toPlainText().startsWith("\n"));
    EXPECT_TRUE(text->toPlainText().contains(QString::fromUtf8("マニング")));
    EXPECT_EQ(form->App().HelpText().substr(0, 2), "\r\n");
    int beeps = platform.beeps;
    f7->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(platform.beeps, beeps + 1);
    EXPECT_EQ(Window("Form7"), nullptr);
}

TEST_F(FlowcalcMainWindow, HelpWindowLeadsToTheVersionWindow) {
    FinishSplash();
    Item("mnuHelpUsageItem")->trigger();
    Window("Form7")->findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(Window("Form7"), nullptr);
    QWidget* about = Window("frmAbout");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->windowTitle().endsWith(QString::fromUtf8("のバージョン情報")));
    EXPECT_EQ(about->findChild<QLabel*>("lblVersion")->text(),
              QString::fromUtf8("バージョン 4. 0. 12"));
}

TEST_F(FlowcalcMainWindow, MissingHelpFileIsReportedNotShownAsAnEmptyWindow) {
    form.reset();
    platform.dataFiles.clear();
    platform.currentDirectory = dir.path().toStdString();
    form = std::make_unique<flow::MainWindow>(platform);
    form->show();
    EXPECT_EQ(form->App().HelpText(), "");
    EXPECT_EQ(form->statusBar()->currentMessage(), QString::fromUtf8(flow::text::kHelpFileMissing));
    FinishSplash();
    Item("mnuHelpUsageItem")->trigger();
    QWidget* f7 = Window("Form7");
    ASSERT_NE(f7, nullptr);
    EXPECT_EQ(f7->findChild<QPlainTextEdit*>("Text1")->toPlainText(),
              QString::fromUtf8(flow::text::kHelpFileMissing));
}

TEST_F(FlowcalcMainWindow, ExitRestoresTheStartDirectory) {
    FinishSplash();
    platform.currentDirectory = "/elsewhere";
    Item("mnuFileExitItem")->trigger();
    EXPECT_EQ(platform.currentDirectory, "/start/dir");
    EXPECT_FALSE(form->isVisible());
}

}  // namespace

namespace {

using flowtest::Box;
using flowtest::Click;
using flowtest::FlowWindow;
using flowtest::Window;

class FlowcalcDialogKeys : public FlowWindow {};

TEST_F(FlowcalcDialogKeys, EnterConfirmsAndEscapeCancelsOnce) {
    FinishSplash();
    platform.openAnswers.push_back(TempFile("v.txt", "3\n0 10\n5 0\n10 10\n"));
    Item("mnuFileOpenItem")->trigger();
    auto* f2 = Window("Form2");
    ASSERT_NE(f2, nullptr);
    QTest::keyClick(Box(f2, "Text1"), Qt::Key_Return);
    EXPECT_EQ(Window("Form2"), nullptr);
    auto* f3 = Window("Form3");
    ASSERT_NE(f3, nullptr);
    Box(f3, "Text1")->setText("0");  // refused, but stored
    Click(f3, "Command1");
    ASSERT_EQ(platform.messages.size(), 1u);
    QTest::keyClick(Box(f3, "Text1"), Qt::Key_Escape);
    // Escape is the cancel button: one message, the window closed, nothing computed.
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, flow::text::kParametersUnusable);
    EXPECT_EQ(Window("Form3"), nullptr);
    EXPECT_FALSE(form->App().Last().has_value());
}

}  // namespace

TEST_F(FlowcalcMainWindow, ChartAndNumbersLeaveTheWindow) {
    FinishSplash();
    EXPECT_FALSE(Item("mnuFileSaveNumbersItem")->isEnabled());
    const std::string section = Example("island_section.txt");
    Click(Open(section), "Command1");  // the automatic scales
    auto* f3 = Window("Form3");
    ASSERT_NE(f3, nullptr);
    Set(Box(f3, "Text3"), "1.5");  // depth: two sub-channels
    Click(f3, "Command1");
    ASSERT_EQ(form->App().Last()->Result.Sections.size(), 2u);
    const QStringList parameters{QString::fromStdString(section), "--roughness", "0.03", "--slope",
                                 "100"};
    hc::test::ExpectExportsMatchHydrochart(form.get(), platform, "flow",
                                           parameters + QStringList{"--depth", "1.5"});
    // The other tables, each opened from the analysis menu with a setting of its own.
    struct Case {
        const char* item;    // the analysis menu's item
        const char* window;  // the window it opens
        const char* box;     // the window's entry, and what is typed into it
        const char* value;
        bool ownTable;  // the window saves its own table; else 数値を保存 of the main window
        QStringList args;
        const char* choice = nullptr;  // an analysis menu choice made first, kept for the rest
    };
    const Case cases[] = {
        {"mnuAnalysisRatingItem", "FormRating", "TextStep", "0.25", true, {"--rating", "0.25"}},
        {"mnuAnalysisDepthItem", "FormNormalDepth", "Text1", "2.5", false, {"--discharge", "2.5"}},
        {"mnuAnalysisEnergyItem", "FormEnergy", "TextDischarge", "2.5", true, {"--energy", "2.5"}},
        {"mnuAnalysisRatingItem",
         "FormRating",
         "TextStep",
         "0.25",
         true,
         {"--rating", "0.25", "--method", "parts"},
         "mnuAnalysisPartsItem"},
        {"mnuAnalysisEnergyItem",
         "FormEnergy",
         "TextDischarge",
         "2.5",
         true,
         {"--energy", "2.5", "--method", "parts", "--units", "us"},
         "mnuAnalysisUsUnitsItem"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        if (c.choice)
            Item(c.choice)->trigger();
        Item(c.item)->trigger();
        QWidget* w = Window(c.window);
        ASSERT_NE(w, nullptr);
        Set(Box(w, c.box), c.value);
        Click(w, "Command1");
        ASSERT_TRUE(platform.messages.empty()) << platform.messages.back().text;
        QWidget* saver = c.ownTable ? w : form.get();
        hc::test::ExpectTableMatchesHydrochart(
            platform, [&] { hc::test::TriggerItem(saver, "mnuFileSaveNumbersItem"); }, "flow",
            parameters + c.args);
        w->close();
        hc::test::FlushEvents();
    }
}

// The version window with flowcalc's own texts; its OK beeps.
TEST_F(FlowcalcMainWindow, VersionWindowTexts) {
    FinishSplash();
    Item("mnuHelpVersionItem")->trigger();
    QWidget* about = Window("frmAbout");
    ASSERT_NE(about, nullptr);
    auto text = [&](const char* name) { return about->findChild<QLabel*>(name)->text(); };
    EXPECT_EQ(about->windowTitle(), QString::fromUtf8("flowcalcのバージョン情報"));
    EXPECT_EQ(text("lblTitle"), QString::fromUtf8("アプリケーションタイトル  flowcalc"));
    EXPECT_EQ(
        text("lblDescription"),
        QString::fromUtf8("アプリケーションの説明\nマニング式を用いて河川などの流量を計算します"));
    EXPECT_TRUE(text("lblDisclaimer")
                    .startsWith(QString::fromUtf8("このアプリケーションについての照会先\n")));
    const int beeps = platform.beeps;
    about->findChild<QPushButton*>("cmdOK")->click();
    EXPECT_EQ(platform.beeps, beeps + 1);
}
