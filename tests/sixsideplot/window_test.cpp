// The hexadiagram program's main window driven through scripted platform services: start-up
// and splash, File>Open with its defaults and menus, settings that redraw, printing, the page
// setup, help texts and exit.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "sixsideplot/ui/sixsideplot_program.h"
#include "support/export_check.h"
#include "support/frame_window.h"
#include "support/scripted_platform.h"

namespace {

using hc::DrawOp;
using hc::test::ScriptedPlatform;
using hc::test::SourcePath;

std::string Fixture(const std::string& name) {
    return SourcePath("tests/sixsideplot/fixtures/" + name);
}

class Window : public hc::test::FrameWindowTest {
  protected:
    void SetUp() override {
        form = std::make_unique<wq::MainWindow>(platform, hexa::SixsidePlotProgram());
    }

    QImage Shown() { return Picture()->Image().copy(); }
    const wq::PlotSettings& Settings() { return App().Settings(); }
};

TEST_F(Window, StartUpAndSplash) {
    EXPECT_EQ(form->objectName(), "Form1");
    EXPECT_EQ(form->windowTitle(), "ヘキサダイヤグラムの作図 ");
    for (const char* m : {"mnuFile", "mnuType", "mnuScale", "mnuStyle", "mnuWidth", "mnuHelp"})
        EXPECT_FALSE(MenuEnabled(m)) << m;
    EXPECT_FALSE(Item("mnuFilePrintItem")->isEnabled());
    EXPECT_FALSE(Item("mnuFilePageItem")->isEnabled());
    // Print widths 3, 1, 1, 2, 2 marked from the start.
    EXPECT_EQ(Checked("mnuWidthRokkakuVal"), 2);
    EXPECT_EQ(Checked("mnuWidthSyosanVal"), 0);
    EXPECT_EQ(Checked("mnuWidthCenterVal"), 0);
    EXPECT_EQ(Checked("mnuWidthMemoriVal"), 1);
    EXPECT_EQ(Checked("mnuWidthHanreiVal"), 1);
    EXPECT_EQ(Box("Text2")->text(), "0");
    EXPECT_EQ(Box("Text3")->text(), "0");
    EXPECT_EQ(platform.MousePointer(), hc::kPointerHourglass);

    for (int i = 0; i < 44; ++i)
        Splash()->Tick();
    EXPECT_FALSE(MenuEnabled("mnuFile"));
    Splash()->Tick();  // the 45th tick closes the splash
    EXPECT_TRUE(MenuEnabled("mnuFile"));
    EXPECT_TRUE(MenuEnabled("mnuHelp"));
    EXPECT_FALSE(MenuEnabled("mnuType"));
    EXPECT_FALSE(MenuEnabled("mnuWidth"));
    EXPECT_EQ(platform.MousePointer(), hc::kPointerDefault);
}

TEST_F(Window, OpenAppliesDefaultsAndEnablesMenus) {
    FinishSplash();
    std::string path = SourcePath("examples/sample12.xls");
    const int beeps = platform.beeps;
    Open(path);
    EXPECT_EQ(platform.beeps, beeps + 3);  // the count, the names and the values read
    ASSERT_EQ(platform.openRequests.size(), 1u);
    // Every readable workbook first; the classic Excel filter and every file stay offered.
    const auto filters = hc::SplitFilter(platform.openRequests[0].filter);
    ASSERT_EQ(filters.size(), 3u);
    for (const char* ext : {"*.xls", "*.xlsx", "*.ods", "*.csv"})
        EXPECT_NE(filters[0].second.find(ext), std::string::npos) << ext;
    EXPECT_EQ(filters[1], (std::pair<std::string, std::string>{"Excel Files (*.Xls)", "*.Xls"}));
    EXPECT_EQ(filters[2].second, "*");
    EXPECT_EQ(platform.openRequests[0].title, "開く");
    EXPECT_EQ(App().Table().Count(), 12);
    EXPECT_EQ(form->windowTitle().toStdString(), "ヘキサダイヤグラム < " + path + " >");
    EXPECT_EQ(Box("Text1")->text(), "硝酸はふくまない");
    EXPECT_EQ(Settings().NitrateType, wq::NitrateType::None);
    EXPECT_EQ(Settings().Direction, wq::Direction::BottomUp);
    EXPECT_EQ(Settings().Numbering, wq::Numbering::On);
    EXPECT_EQ(Checked("mnuTypeVal"), 0);
    EXPECT_EQ(Checked("mnuDirectionVal"), 0);
    EXPECT_EQ(Checked("mnuNumberVal"), 0);
    // Largest drawn value 27.47 meq/L: "1cm = 10.0" (S = 30) in every column.
    for (const char* g : {"mnuScale1Val", "mnuScale2Val", "mnuScale3Val", "mnuScale4Val"})
        EXPECT_EQ(Checked(g), 5) << g;
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(Settings().ColumnScale[static_cast<std::size_t>(c)], 30);
    EXPECT_TRUE(MenuEnabled("mnuScale1"));
    EXPECT_TRUE(MenuEnabled("mnuScale2"));
    EXPECT_FALSE(MenuEnabled("mnuScale3"));
    EXPECT_FALSE(MenuEnabled("mnuScale4"));
    for (const char* m : {"mnuType", "mnuScale", "mnuStyle", "mnuWidth"})
        EXPECT_TRUE(MenuEnabled(m)) << m;
    EXPECT_TRUE(Item("mnuFilePrintItem")->isEnabled());
    EXPECT_TRUE(Item("mnuFilePageItem")->isEnabled());
    EXPECT_TRUE(ScrollBar()->isHidden());  // two columns fit the view
    // The busy pointer during the load, back to normal after it.
    ASSERT_GE(platform.pointerHistory.size(), 2u);
    EXPECT_EQ(platform.pointerHistory[platform.pointerHistory.size() - 2], 11);
    EXPECT_EQ(platform.pointerHistory.back(), 0);
    // Something was drawn.
    QImage img = Shown();
    EXPECT_GT(std::count_if(reinterpret_cast<const QRgb*>(img.constBits()),
                            reinterpret_cast<const QRgb*>(img.constBits()) + img.sizeInBytes() / 4,
                            [](QRgb p) { return qGray(p) < 128; }),
              100);
}

TEST_F(Window, ScrollBarForThreeColumns) {
    FinishSplash();
    Open(Fixture("count17.xls"));
    EXPECT_FALSE(ScrollBar()->isHidden());
    EXPECT_TRUE(MenuEnabled("mnuScale3"));
    EXPECT_FALSE(MenuEnabled("mnuScale4"));
    // A full step moves the canvas one view width to the left.
    ScrollBar()->setValue(4000);
    EXPECT_EQ(Picture()->x(), -View()->width());
    // Loading again puts the canvas back.
    Open(Fixture("count9.xls"));
    EXPECT_EQ(Picture()->x(), 0);
    EXPECT_TRUE(ScrollBar()->isHidden());
    EXPECT_TRUE(MenuEnabled("mnuScale2"));
    EXPECT_FALSE(MenuEnabled("mnuScale3"));
    Open(Fixture("count32.xls"));
    EXPECT_TRUE(MenuEnabled("mnuScale4"));
}

TEST_F(Window, CancelledOpenChangesNothing) {
    FinishSplash();
    platform.pointerHistory.clear();
    platform.openAnswers.push_back(std::nullopt);
    Item("mnuFileOpenItem")->trigger();
    EXPECT_EQ(App().Table().Count(), 0);
    EXPECT_FALSE(MenuEnabled("mnuType"));
    EXPECT_EQ(platform.pointerHistory, std::vector<int>{0});
    // OpenFile with no path is the same cancel.
    form->OpenFile("");
    EXPECT_EQ(platform.pointerHistory, (std::vector<int>{0, 0}));
    EXPECT_EQ(platform.openRequests.size(), 1u);  // no dialog for it
}

TEST_F(Window, FirstLoadDefaultsAreKept) {
    FinishSplash();
    Open(Fixture("count8.xls"));
    Group("mnuTypeVal")[2]->trigger();
    EXPECT_EQ(Box("Text1")->text(), "硝酸は硫酸と一緒");
    Group("mnuDirectionVal")[1]->trigger();
    Group("mnuNumberVal")[1]->trigger();
    Group("mnuScale1Val")[0]->trigger();
    EXPECT_EQ(Settings().ColumnScale[1], 1.5);
    EXPECT_EQ(Checked("mnuScale1Val"), 0);
    Open(SourcePath("examples/nitrate5.xls"));
    EXPECT_EQ(Settings().NitrateType, wq::NitrateType::WithSulfate);
    EXPECT_EQ(Settings().Direction, wq::Direction::TopDown);
    EXPECT_EQ(Settings().Numbering, wq::Numbering::Off);
    EXPECT_EQ(Checked("mnuTypeVal"), 2);
    EXPECT_EQ(Checked("mnuDirectionVal"), 1);
    EXPECT_EQ(Checked("mnuNumberVal"), 1);
    EXPECT_EQ(Box("Text1")->text(), "硝酸は硫酸と一緒");
    // The scales, though, follow every load: nitrate5 peaks at 16.55 meq/L -> S = 30.
    EXPECT_EQ(Settings().ColumnScale[1], 30);
    EXPECT_EQ(Checked("mnuScale1Val"), 5);
}

TEST_F(Window, SettingsRedrawAtOnce) {
    FinishSplash();
    Open(Fixture("count8.xls"));
    QImage before = Shown();
    Group("mnuTypeVal")[1]->trigger();
    EXPECT_EQ(Settings().NitrateType, wq::NitrateType::WithChloride);
    EXPECT_EQ(Checked("mnuTypeVal"), 1);
    QImage typed = Shown();
    EXPECT_NE(before, typed);
    Group("mnuDirectionVal")[1]->trigger();
    EXPECT_EQ(Settings().Direction, wq::Direction::TopDown);
    EXPECT_NE(typed, Shown());
    // A print line width changes the setting and the mark, never the screen.
    QImage shown = Shown();
    platform.pointerHistory.clear();
    Group("mnuWidthRokkakuVal")[4]->trigger();
    EXPECT_EQ(Settings().LineWidths[0], 5);
    EXPECT_EQ(Checked("mnuWidthRokkakuVal"), 4);
    EXPECT_EQ(shown, Shown());
    EXPECT_TRUE(platform.pointerHistory.empty());
}

TEST_F(Window, BadWorkbookRedrawsTheEarlierTable) {
    FinishSplash();
    std::string good = SourcePath("examples/sample12.xls");
    Open(good);
    Group("mnuScale1Val")[0]->trigger();
    QString title = form->windowTitle();
    const int beeps = platform.beeps;
    Open(Fixture("bad_count.xls"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "データ数入力欄に数値がないか、値が大きすぎます\r"
              "データファイルは正しく作成してくださいね！！！");
    EXPECT_EQ(platform.messages[0].title, "sixsideplot");
    EXPECT_EQ(platform.beeps, beeps + 3);  // the count read, before and after the message
    EXPECT_EQ(form->StatusText().toStdString(),
              "bad_count.xls: セル B10: データ数 33 は 1 から 32 の範囲にありません");
    EXPECT_EQ(App().Table().Count(), 12);
    EXPECT_EQ(form->windowTitle(), title);
    // The loading notice is gone although the load stopped at the count.
    for (QWidget* notice : form->findChildren<QWidget*>("Form8"))
        EXPECT_FALSE(notice->isVisible());
    // Redrawn with the automatic scale of its own data.
    EXPECT_EQ(Settings().ColumnScale[1], 30);
    EXPECT_EQ(Checked("mnuScale1Val"), 5);
    EXPECT_EQ(platform.pointerHistory.back(), 0);
}

TEST_F(Window, UnreadableFileKeepsEverything) {
    FinishSplash();
    Open(SourcePath("examples/sample12.xls"));
    QString title = form->windowTitle();
    QImage shown = Shown();
    const int beeps = platform.beeps;
    Open(SourcePath("examples/README.md"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.beeps, beeps);  // not even the count was read
    EXPECT_EQ(App().Table().Count(), 12);
    EXPECT_EQ(form->windowTitle(), title);
    EXPECT_EQ(shown, Shown());
    EXPECT_TRUE(form->StatusText().contains("README.md"));
    EXPECT_EQ(platform.pointerHistory.back(), 0);
}

TEST_F(Window, NoMenusAfterAFailedFirstLoad) {
    FinishSplash();
    Open(Fixture("bad_count.xls"));
    EXPECT_EQ(App().Table().Count(), 0);
    EXPECT_FALSE(MenuEnabled("mnuType"));
    EXPECT_FALSE(Item("mnuFilePrintItem")->isEnabled());
}

TEST_F(Window, PrintUsesOffsetsAndWidths) {
    FinishSplash();
    Open(Fixture("vertex.xls"));
    Group("mnuDirectionVal")[1]->trigger();  // top-down, as in the worked example
    Group("mnuWidthRokkakuVal")[4]->trigger();
    AcceptPageSetup("5", "-3");
    int beeps = platform.beeps;
    platform.pointerHistory.clear();
    Item("mnuFilePrintItem")->trigger();
    EXPECT_EQ(platform.beeps, beeps + 1);
    EXPECT_EQ(platform.pointerHistory, (std::vector<int>{11, 0}));
    const auto& ops = platform.printer.Ops();
    auto vertex = std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Line && std::abs(op.x2 - 120) < 1e-9 &&
               std::abs(op.y2 - 93) < 1e-9 && std::abs(op.y1 - 93) < 1e-9;
    });
    ASSERT_NE(vertex, ops.end());
    EXPECT_EQ(vertex->width, 5);
    EXPECT_EQ(platform.printer.Documents(), 1);
}

TEST_F(Window, PrintThatNeverReachedThePrinterIsNoSuccess) {
    FinishSplash();
    Open(Fixture("vertex.xls"));
    platform.printResult.outcome = hc::PrintResult::Outcome::Failed;
    platform.printResult.error = "プリンタが見つかりません";
    int beeps = platform.beeps;
    Item("mnuFilePrintItem")->trigger();
    EXPECT_EQ(platform.beeps, beeps);  // no "printed" beep
    EXPECT_TRUE(form->StatusText().contains("プリンタが見つかりません"));
    // The next print that works beeps again and clears nothing else.
    Item("mnuFilePrintItem")->trigger();
    EXPECT_EQ(platform.beeps, beeps + 1);
}

TEST_F(Window, PageSetupFlows) {
    FinishSplash();
    Open(Fixture("count8.xls"));
    Item("mnuFilePageItem")->trigger();
    ASSERT_TRUE(PageSetup());
    EXPECT_EQ(PageSetup()->windowTitle(), "印刷位置とプリンタの設定");
    EXPECT_EQ(PageSetupBox("Text1")->text(), "0");
    Click("Command2");
    EXPECT_EQ(platform.printerDialogs, 1);
    PageSetupBox("Text1")->setText("5");
    PageSetupBox("Text2")->setText("-3");
    Click("Command1");
    EXPECT_EQ(Box("Text2")->text(), "5");
    EXPECT_EQ(Box("Text3")->text(), "-3");
    EXPECT_EQ(App().Offset().offX, 50);
    EXPECT_EQ(App().Offset().offY, -30);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->findChild<QDialog*>("Form2"), nullptr);  // the window is gone

    // Reopened it shows 0 again; 150 to the right resets to "0", the vertical is kept.
    AcceptPageSetup("150", "150");
    EXPECT_EQ(Box("Text2")->text(), "0");
    EXPECT_EQ(Box("Text3")->text(), "150");
    Item("mnuFilePageItem")->trigger();
    EXPECT_EQ(PageSetupBox("Text1")->text(), "0");
    EXPECT_EQ(PageSetupBox("Text2")->text(), "0");

    // Text that is no number keeps the window open and the shifts as they were.
    PageSetupBox("Text1")->setText("abc");
    int beeps = platform.beeps;
    Click("Command1");
    EXPECT_TRUE(PageSetup());
    EXPECT_EQ(platform.beeps, beeps + 1);
    EXPECT_EQ(Box("Text2")->text(), "0");
    PageSetup()->close();
}

TEST_F(Window, HelpTexts) {
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
    auto lines = [](const std::string& text) {
        std::vector<std::string> out;
        std::size_t start = 0;
        for (std::size_t i = 0; i <= text.size(); ++i)
            if (i == text.size() || text[i] == '\r') {
                if (i > start)
                    out.push_back(text.substr(start, i - start));
                start = i + 1;
            }
        return out;
    };
    auto use = lines(platform.messages[0].text);
    ASSERT_EQ(use.size(), 18u);
    EXPECT_EQ(use.front(), "地下水などの水質分析結果を「ヘキサダイヤグラム」で表示・印刷");
    EXPECT_EQ(use.back(), "用紙サイズ・印刷方向はプログラムで制御しています。");
    EXPECT_EQ(lines(platform.messages[1].text).size(), 13u);
    EXPECT_EQ(lines(platform.messages[1].text)[2],
              "Calc や Excel など）が必要なのはこのときだけです。");
    for (const auto& m : platform.messages) {
        EXPECT_EQ(m.text.find("エクセル"), std::string::npos) << m.text;
        EXPECT_EQ(m.text.find("Microsoft"), std::string::npos) << m.text;
    }
    EXPECT_EQ(lines(platform.messages[2].text).size(), 10u);
    EXPECT_NE(platform.messages[3].text.find("バージョン名： Version 4.0 (ずうっとβ版)"),
              std::string::npos);
    EXPECT_NE(platform.messages[3].text.find("更新した年月： 2005.08.26"), std::string::npos);
}

TEST_F(Window, TemplateAndExit) {
    FinishSplash();
    // Nothing opened yet: the copy goes into the start-up directory.
    QTemporaryDir start;
    platform.currentDirectory = start.path().toStdString();
    form = std::make_unique<wq::MainWindow>(platform, hexa::SixsidePlotProgram());
    FinishSplash();
    platform.dataFiles["hinagata.xls"] = SourcePath("data/hinagata.xls");
    Item("mnuFileNewItem")->trigger();
    const std::string copy = start.filePath("新しい水質データ.xls").toStdString();
    ASSERT_EQ(platform.desktopOpened.size(), 1u);
    EXPECT_EQ(platform.desktopOpened[0], copy);
    EXPECT_EQ(App().DataPath(), copy);
    EXPECT_EQ(App().Table().Count(), 0);  // nothing is read
    platform.currentDirectory = "/somewhere/else";
    Item("mnuFileEndItem")->trigger();
    EXPECT_EQ(platform.currentDirectory, start.path().toStdString());
    EXPECT_FALSE(form->isVisible());
}

}  // namespace

TEST_F(Window, ChartAndNumbersLeaveTheWindow) {
    FinishSplash();
    // The File menu: the items of the program, then the exports, then the exit.
    QStringList items;
    for (QAction* a : Menu("mnuFile")->actions())
        if (a->isVisible())  // not the recent files, which a test run does not keep
            items << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(items.join("|").toStdString(),
              "開く(&O)|データ入力(&N)|-|ページ設定(&C)|印刷(&P)|-|図を保存(&A)...|"
              "図をコピー(&Y)|数値を保存(&V)...|データ確認(&K)|-|終了(&X)");
    EXPECT_FALSE(Item("mnuFileSaveFigureItem")->isEnabled());
    EXPECT_EQ(Item("mnuFileOpenItem")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(Item("mnuFileSaveNumbersItem")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(Item("mnuHelpUseItem")->shortcut(), QKeySequence(Qt::Key_F1));

    Open(SourcePath("examples/sample32.xls"));  // two sheets
    hc::test::ExpectExportsMatchHydrochart(
        form.get(), platform, "hexa",
        {QString::fromStdString(SourcePath("examples/sample32.xls"))});
    Item("mnuFileCopyFigureItem")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image(), Picture()->Image());
    EXPECT_EQ(form->StatusText(), "図をクリップボードにコピーしました");
}
