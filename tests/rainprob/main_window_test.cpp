#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "rainprob/core/help_texts.h"
#include "rainprob/ui/print_position_window.h"
#include "support/export_check.h"
#include "support/window_lookup.h"
#include "ui_fixture.h"

using namespace rain;
using rain::test::RainWindow;

TEST_F(RainWindow, MenusWaitForTheSplashAndForData) {
    EXPECT_EQ(form->objectName(), "Form1");
    EXPECT_EQ(form->windowTitle(), QString(kMainCaption));
    EXPECT_EQ(form->StartDir(), "/start");
    for (const char* m : {"mnuFile", "mnuSellect", "mnuAna", "mnuMess"})
        EXPECT_FALSE(MenuEnabled(m)) << m;
    EXPECT_EQ(platform.MousePointer(), hc::kPointerHourglass);
    for (int i = 0; i < 44; ++i)
        Splash()->Tick();
    EXPECT_FALSE(MenuEnabled("mnuFile"));
    Splash()->Tick();  // the 45th tick closes the splash
    EXPECT_TRUE(MenuEnabled("mnuFile"));
    EXPECT_TRUE(MenuEnabled("mnuMess"));
    EXPECT_TRUE(Item("mnuEditFile")->isEnabled());
    EXPECT_FALSE(MenuEnabled("mnuAna"));
    EXPECT_FALSE(Item("mnuPrintOutItem")->isEnabled());
    EXPECT_FALSE(Item("mnuPrinterItem")->isEnabled());
    EXPECT_FALSE(Menu("mnuSetScaleMin")->menuAction()->isEnabled());
    EXPECT_FALSE(Item("mnuSetPosItem")->isEnabled());
    EXPECT_EQ(platform.MousePointer(), hc::kPointerDefault);
}

TEST_F(RainWindow, OpenDrawsAndAppliesTheDefaults) {
    PassSplash();
    std::string path = WriteFile("rain.txt", test::RecordText(test::kTextbookMm));
    Open(path);
    ASSERT_EQ(platform.openRequests.size(), 1u);
    EXPECT_EQ(platform.openRequests[0].filter, kRainFileFilter);
    EXPECT_EQ(Text("Text1").toStdString(), path);
    EXPECT_EQ(form->windowTitle().toStdString(), std::string(kMainCaption) + "  < " + path + " > ");
    EXPECT_EQ(Text("Text2"), "1190");
    EXPECT_EQ(Text("Text3"), "1684");
    EXPECT_EQ(Text("Text4"), "988");
    EXPECT_EQ(Text("Text5"), "3000");
    EXPECT_EQ(Text("Text6"), "0");
    EXPECT_TRUE(Item("mnuScaleMaxVal(4)")->isChecked());
    EXPECT_TRUE(Item("mnuScaleMinVal(0)")->isChecked());
    EXPECT_TRUE(Item("mnuPrntWakuVal(2)")->isChecked());
    EXPECT_TRUE(Item("mnuPrntDottVal(1)")->isChecked());
    EXPECT_TRUE(Item("mnuPrntKaikVal(4)")->isChecked());
    EXPECT_TRUE(Item("mnuAnaNot")->isChecked());
    EXPECT_EQ(LabelText("Label18"), "解析項目：回帰結果を表示しない");
    EXPECT_EQ(LabelText("Label17"), "印刷紙面には回帰線と豊水・渇水の解析数値は印字されません。");
    for (const char* m : {"mnuSellect", "mnuAna"})
        EXPECT_TRUE(MenuEnabled(m)) << m;
    EXPECT_TRUE(Item("mnuPrintOutItem")->isEnabled());
    EXPECT_TRUE(Item("mnuPrinterItem")->isEnabled());
    EXPECT_TRUE(Item("mnuSetPosItem")->isEnabled());
    EXPECT_GT(InkedPixels(), 1000);
    EXPECT_EQ(App().Action(), ChartAction::Redraw);
    EXPECT_TRUE(platform.messages.empty());
}

// The entry for paths from outside the menus (command line, drag and drop): no dialog.
TEST_F(RainWindow, OpenFileLoadsWithoutADialog) {
    PassSplash();
    const std::string path = WriteFile("a.txt", "2000 1234\n2001 1235\n");
    form->OpenFile(path);
    EXPECT_TRUE(platform.openRequests.empty());
    EXPECT_EQ(Text("Text1").toStdString(), path);
    EXPECT_EQ(Text("Text2"), "1234");  // 1234.5
    EXPECT_TRUE(Item("mnuPrintOutItem")->isEnabled());
    EXPECT_TRUE(MenuEnabled("mnuAna"));
    EXPECT_EQ(Status().toStdString(), path + ": 2 年");
    form->OpenFile(WriteFile("b.txt", "2000 1235\n"));
    EXPECT_EQ(Text("Text1").toStdString(), path);
    EXPECT_TRUE(Status().contains(QString::fromUtf8("１年分")));
}

TEST_F(RainWindow, CancelledOpenChangesNothing) {
    PassSplash();
    platform.openAnswers.push_back(std::nullopt);
    Item("mnuFileOpenItem")->trigger();
    EXPECT_TRUE(Text("Text1").isEmpty());
    EXPECT_FALSE(MenuEnabled("mnuAna"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(App().Loaded());
}

TEST_F(RainWindow, RefusedScalePairKeepsTheChart) {
    PassSplash();
    Open(WriteFile("rain.txt", test::RecordText(test::kTextbookMm)));
    QImage before = Picture()->Image();
    Item("mnuScaleMinVal(6)")->trigger();  // 3000 with a maximum of 3000
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "スケールを正しく選択してね");
    EXPECT_EQ(Text("Text6"), "3000");
    EXPECT_TRUE(Item("mnuScaleMinVal(6)")->isChecked());
    EXPECT_FALSE(Item("mnuScaleMinVal(0)")->isChecked());
    EXPECT_EQ(Picture()->Image(), before);
    // Printing is refused the same way.
    Item("mnuPrintOutItem")->trigger();
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_TRUE(platform.printer.Ops().empty());
    // A valid pair draws again.
    Item("mnuScaleMaxVal(8)")->trigger();  // 5000
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(Text("Text5"), "5000");
    EXPECT_NE(Picture()->Image(), before);
}

TEST_F(RainWindow, LoadingWithARefusedPairAsksForAValidRange) {
    PassSplash();
    Open(WriteFile("a.txt", test::RecordText(test::kTextbookMm)));
    Item("mnuScaleMinVal(8)")->trigger();  // 4000 with a maximum of 3000
    ASSERT_EQ(platform.messages.size(), 1u);
    Open(WriteFile("b.txt", "1990 900\n1991 1000\n1992 1100\n"));
    EXPECT_EQ(App().Table().Count(), 3);
    EXPECT_EQ(Text("Text2"), "1000");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, "スケールを正しく選択してね");
    EXPECT_EQ(InkedPixels(), 0);
    Item("mnuScaleMinVal(0)")->trigger();
    EXPECT_GT(InkedPixels(), 1000);
}

TEST_F(RainWindow, WidthsModesAndPrinting) {
    PassSplash();
    Open(WriteFile("rain.txt", test::RecordText(test::kTextbookMm)));
    Item("mnuPrntWakuVal(1)")->trigger();
    EXPECT_EQ(LabelText("Label23"), "2");
    EXPECT_TRUE(Item("mnuPrntWakuVal(1)")->isChecked());
    EXPECT_FALSE(Item("mnuPrntWakuVal(2)")->isChecked());
    Item("mnuPrntKaikVal(0)")->trigger();
    EXPECT_EQ(LabelText("Label25"), "1");
    Item("mnuAnaAll")->trigger();
    EXPECT_TRUE(Item("mnuAnaAll")->isChecked());
    EXPECT_FALSE(Item("mnuAnaNot")->isChecked());
    EXPECT_EQ(LabelText("Label18"), "解析項目：回帰線と解析値を表示");
    EXPECT_EQ(LabelText("Label17"), "印刷紙面には回帰線と豊水・渇水の解析数値が印字されます。");
    Box("Text7")->setText("10mm");
    Box("Text8")->setText("abc");
    platform.pointerHistory.clear();
    Item("mnuPrintOutItem")->trigger();
    const auto& p = platform.printer;
    EXPECT_EQ(p.Documents(), 1);
    EXPECT_EQ(p.Ops().back().kind, hc::DrawOp::Kind::EndDoc);
    EXPECT_EQ(p.TextsEqual("    1/10渇水年降水量 = 1008mm      1/50渇水年降水量 = 899mm").size(),
              1u);
    // The grid moved 10 mm to the right and not up; lines carry the chosen widths.
    auto header = p.TextsEqual("< 直線回帰による解析結果 >");
    ASSERT_EQ(header.size(), 1u);
    EXPECT_DOUBLE_EQ(header[0].x1, 50);
    EXPECT_DOUBLE_EQ(header[0].y1, 235);
    int width1 = 0;
    for (const auto& op : p.OpsOf(hc::DrawOp::Kind::Line)) {
        if (op.style == 0 && op.width == 1)
            ++width1;
        EXPECT_TRUE(op.width == 2 || op.width == 1) << op.ToJson();
    }
    EXPECT_EQ(width1, 1);  // the regression line
    EXPECT_EQ(platform.pointerHistory,
              (std::vector<int>{hc::kPointerHourglass, hc::kPointerDefault}));
}

TEST_F(RainWindow, LaterLoadsKeepTheUsersSettings) {
    PassSplash();
    Open(WriteFile("a.txt", test::RecordText(test::kTextbookMm)));
    Item("mnuScaleMaxVal(8)")->trigger();
    Item("mnuPrntDottVal(4)")->trigger();
    Item("mnuAnaLine")->trigger();
    Open(WriteFile("b.txt", "1990 900\n1991 1000\n1992 1100\n"));
    EXPECT_EQ(App().Table().Count(), 3);
    EXPECT_EQ(Text("Text5"), "5000");
    EXPECT_EQ(App().Settings().ScaleMax, 5000);
    EXPECT_EQ(App().Settings().LineWidths.dotted, 5);
    EXPECT_EQ(App().Settings().analysisMode, AnalysisMode::Line);
    EXPECT_TRUE(Item("mnuAnaLine")->isChecked());
    EXPECT_TRUE(Item("mnuScaleMaxVal(8)")->isChecked());
}

TEST_F(RainWindow, AFileThatCannotBeReadKeepsTheLoadedOne) {
    PassSplash();
    std::string good = WriteFile("good.txt", test::RecordText(test::kTextbookMm));
    Open(good);
    QImage before = Picture()->Image();
    const QString title = form->windowTitle();
    struct Case {
        const char* name;
        std::string content;
        const char* expect;
    };
    std::vector<std::int32_t> many(258, 1000);
    // The status line gives the Japanese reason with the file and the line.
    const Case cases[] = {
        {"bad.txt", "1990 900\n1991 9x0\n", "2 行目: 「9x0」は数値ではありません"},
        {"comma.txt", "1990 900\n1991 1000,5\n", "2 行目: この行に 3 個の数値があります"},
        {"many.txt", test::RecordText(many), "258 行目"},
        {"one.txt", "1990 900\n", "１年分"},
        {"flat.txt", "1990 4000\n1991 4000\n", "4000 mm"}};
    for (const Case& c : cases) {
        std::string path = WriteFile(c.name, c.content);
        Open(path);
        EXPECT_TRUE(Status().contains(QString::fromStdString(path))) << c.name;
        EXPECT_TRUE(Status().contains(QString::fromUtf8(c.expect)))
            << c.name << ": " << Status().toStdString();
        EXPECT_EQ(Text("Text1").toStdString(), good);
        EXPECT_EQ(form->windowTitle(), title);
        EXPECT_EQ(App().Table().Count(), 26);
        EXPECT_EQ(Text("Text2"), "1190");
        EXPECT_EQ(App().DataPath(), good);
        EXPECT_EQ(Picture()->Image(), before);
    }
    Open("/nonexistent/rain.txt");
    EXPECT_EQ(App().Table().Count(), 26);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(RainWindow, AFailedFirstLoadLeavesTheMenusDisabled) {
    PassSplash();
    Open(WriteFile("bad.txt", "1990\n"));
    EXPECT_FALSE(App().Loaded());
    EXPECT_FALSE(MenuEnabled("mnuAna"));
    EXPECT_FALSE(Item("mnuPrintOutItem")->isEnabled());
    EXPECT_FALSE(App().DefaultsSet());
}

TEST_F(RainWindow, PrintPositionWindow) {
    PassSplash();
    Open(WriteFile("rain.txt", test::RecordText(test::kTextbookMm)));
    Item("mnuSetPosItem")->trigger();
    auto* f2 = form->findChild<PrintPositionWindow*>("Form2");
    ASSERT_NE(f2, nullptr);
    auto box = [](QWidget* w, const char* name) { return w->findChild<QLineEdit*>(name); };
    auto button = [](QWidget* w, const char* name) { return w->findChild<QPushButton*>(name); };
    EXPECT_EQ(f2->windowTitle(), "印刷位置の設定");
    EXPECT_EQ(box(f2, "Text1")->text(), "0");
    EXPECT_EQ(box(f2, "Text2")->text(), "0");
    platform.printerDialogAnswers.push_back(false);
    button(f2, "Command1")->click();
    EXPECT_EQ(platform.printerDialogs, 1);
    box(f2, "Text1")->setText("5");
    box(f2, "Text2")->setText("-3");
    button(f2, "Command2")->click();
    EXPECT_EQ(Text("Text7"), "5");
    EXPECT_EQ(Text("Text8"), "-3");
    EXPECT_EQ(App().Settings().offsetUp, -3);
    // Opened again, the boxes start at "0".
    Flush();
    Item("mnuSetPosItem")->trigger();
    auto* again = form->findChild<PrintPositionWindow*>("Form2");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(box(again, "Text1")->text(), "0");
    Item("mnuPrintOutItem")->trigger();
    auto grid = platform.printer.TextsEqual("  50");
    ASSERT_EQ(grid.size(), 1u);
    EXPECT_NEAR(grid[0].y1 + 10 * 25.4 / 72 / 2, 120 + 3, 1e-9);  // moved 3 mm down
}

TEST_F(RainWindow, HelpTexts) {
    PassSplash();
    Item("mnuMessUseItem")->trigger();
    Item("mnuMessEditItem")->trigger();
    Item("mnuMessAnaItem")->trigger();
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages[0].title, "作図方法と印刷にあたっての注意点です");
    EXPECT_EQ(platform.messages[0].text, DrawingHelp().text);
    EXPECT_EQ(platform.messages[1].title, "データファイルの作成にあたっての注意点です");
    EXPECT_EQ(platform.messages[2].title, "解析項目について");
    EXPECT_EQ(platform.messages[2].text, AnalysisHelp().text);
}

TEST_F(RainWindow, ExitRestoresTheStartDirectory) {
    PassSplash();
    platform.currentDirectory = "/somewhere/else";
    Item("mnuEndItem")->trigger();
    EXPECT_EQ(platform.currentDirectory, "/start");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(RainWindow, SettingsMenuCaptions) {
    EXPECT_EQ(Menu("mnuFile")->title(), "ﾌｧｲﾙ(&F)");
    EXPECT_EQ(Menu("mnuSellect")->title(), "設定(&S)");
    EXPECT_EQ(Menu("mnuSetScaleMin")->title(), "横軸最小値の設定(&N)");
    EXPECT_EQ(Menu("mnuSetPrntDott")->title(), "印刷線の太さ－破線(&D)");
    EXPECT_EQ(Item("mnuScaleMaxVal(13)")->text(), "7500");
    EXPECT_EQ(Item("mnuScaleMinVal(8)")->text(), "4000");
    EXPECT_EQ(Item("mnuPrntKaikVal(4)")->text(), "5 単位");
    EXPECT_EQ(Item("mnuMessVerItem")->text(), "ﾊﾞｰｼﾞｮﾝ(&V)");
}

// Every table the window saves, under frequency choices other than the defaults, against the
// command's; the numbers with the chart and the sheet.
TEST_F(RainWindow, ChartAndNumbersLeaveTheWindow) {
    PassSplash();
    const std::string record = hc::test::SourcePath("examples/rainprob/textbook26.txt");
    const QString file = QString::fromStdString(record);
    Open(record);
    Item("mnuAnaAll")->trigger();  // the design values on the sheet
    struct Case {
        int position;        // index of mnuFreqPosVal
        int distribution;    // index of mnuFreqDistVal
        const char* window;  // the table window saved (its menu item), else 数値を保存
        QStringList args;
        bool band = false;  // 推定誤差の幅を表示
    };
    const Case cases[] = {
        {1, 2, nullptr, {"--position", "weibull", "--distribution", "gumbel"}},
        {2, 1, nullptr, {"--position", "cunnane", "--distribution", "lognormal"}},
        {3,
         2,
         "mnuFreqTableItem",
         {"--position", "gringorten", "--distribution", "gumbel", "--return-periods"}},
        {4,
         3,
         "mnuFreqTableItem",
         {"--position", "blom", "--distribution", "gumbel-regression", "--return-periods"}},
        {1, 8, nullptr, {"--position", "weibull", "--distribution", "gev", "--band"}, true},
        {0, 7, "mnuFreqTableItem", {"--distribution", "logpearson3", "--return-periods"}},
        {2, 0, "mnuFreqFitItem", {"--position", "cunnane", "--fit-table"}},
        {0, 0, "mnuFreqTableItem", {"--return-periods"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        Item(QString("mnuFreqPosVal(%1)").arg(c.position).toUtf8().constData())->trigger();
        Item(QString("mnuFreqDistVal(%1)").arg(c.distribution).toUtf8().constData())->trigger();
        if (Item("mnuFreqBandItem")->isChecked() != c.band)
            Item("mnuFreqBandItem")->trigger();
        const QStringList args = QStringList{file, "--mode", "2"} + c.args;
        if (!c.window) {
            hc::test::ExpectExportsMatchHydrochart(form.get(), platform, "rain", args);
            continue;
        }
        Item(c.window)->trigger();
        QWidget* table = form->findChild<QWidget*>("frmReturnPeriods");
        if (!table)
            table = form->findChild<QWidget*>("frmFitTable");
        ASSERT_NE(table, nullptr);
        hc::test::ExpectTableMatchesHydrochart(
            platform, [&] { hc::test::Click(table, "cmdSaveCsv"); }, "rain", args);
        table->close();
        Flush();
    }
}

// Ctrl+C is 図をコピー wherever the focus is, unless a box has text selected to copy.
TEST_F(RainWindow, CtrlCCopiesTheChartUnlessABoxHasASelection) {
    PassSplash();
    const std::string record = WriteFile("rain.txt", test::RecordText(test::kTextbookMm));
    Open(record);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (const char* name : {"Text1", "Text2", "Text7"}) {
        SCOPED_TRACE(name);
        QLineEdit* box = Box(name);
        box->setFocus();
        box->deselect();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
        box->selectAll();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), box->text());
    }
}
