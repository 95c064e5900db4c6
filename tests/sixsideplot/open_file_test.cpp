// A workbook named on the command line or dropped on the window opens as File>Open opens it:
// only once the splash has handed the menus back, and with the same chart, caption, marks and
// menus afterwards as a twin window that used File>Open.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>

#include "common/ui/program_start.h"
#include "sixsideplot/core/hexa.h"
#include "sixsideplot/ui/sixsideplot_program.h"
#include "support/file_drop.h"
#include "support/frame_window.h"
#include "support/scripted_platform.h"
#include "support/window_state.h"
#include "waterquality/ui/form1.h"

namespace {

using hc::test::SourcePath;

class OpenFile : public hc::test::FrameWindowTest {
  protected:
    void SetUp() override {
        form = std::make_unique<wq::Form1>(platform, hexa::SixsidePlotProgram(), strategy);
        twin = std::make_unique<wq::Form1>(twinPlatform, hexa::SixsidePlotProgram(), strategy);
        for (int i = 0; i < 45; ++i)
            twin->Form9->Tick();
    }
    void TearDown() override {
        twin.reset();
        FrameWindowTest::TearDown();
    }
    // The twin opens `path` through the menu and its file dialog.
    void TwinOpens(const std::string& path) {
        twinPlatform.openAnswers.push_back(path);
        twin->findChild<QAction*>("mnuFileOpenItem")->trigger();
    }

    hexa::HexaDiagram diagram;
    wq::ColumnStrategy strategy{diagram};
    hc::test::ScriptedPlatform twinPlatform;
    std::unique_ptr<wq::Form1> twin;
};

TEST_F(OpenFile, CommandLineFileOpensAfterTheSplashAsFileOpenWould) {
    const std::string path = SourcePath("examples/sample12.xls");
    hc::OpenAfterSplash(form->Form9, form.get(), [this, path] { form->OpenDataFile(path); });
    const std::string before = hc::test::WindowState(*form);
    for (int i = 0; i < 44; ++i)
        form->Form9->Tick();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(form->table.SampleCount, 0);
    EXPECT_FALSE(MenuEnabled("mnuFile"));
    form->Form9->Tick();
    QCoreApplication::sendPostedEvents();

    TwinOpens(path);
    EXPECT_EQ(form->table.SampleCount, 12);
    EXPECT_NE(hc::test::WindowState(*form), before);
    EXPECT_EQ(hc::test::WindowState(*form), hc::test::WindowState(*twin));
    EXPECT_TRUE(MenuEnabled("mnuType"));
    EXPECT_TRUE(Item("mnuFilePrintItem")->isEnabled());
    EXPECT_EQ(form->Picture2->Image(), twin->Picture2->Image());
    EXPECT_TRUE(platform.openRequests.empty());  // no dialog was shown
}

TEST_F(OpenFile, DroppedWorkbookOpensOnlyWhileFileOpenCanBeChosen) {
    const std::string path = SourcePath("examples/nitrate5.xlsx");
    // During the splash File>Open cannot be chosen, and neither can a drop.
    EXPECT_FALSE(hc::test::DropFile(form.get(), path));
    EXPECT_EQ(form->table.SampleCount, 0);
    FinishSplash();
    // Only one local file at a time, and a file rather than a folder.
    EXPECT_FALSE(hc::test::DropFiles(form.get(), {path, SourcePath("examples/sample12.xls")}));
    EXPECT_FALSE(hc::test::DropFile(form.get(), SourcePath("examples")));
    EXPECT_EQ(form->table.SampleCount, 0);

    EXPECT_TRUE(hc::test::DropFile(form.get(), path));
    TwinOpens(path);
    EXPECT_EQ(form->table.SampleCount, 5);
    EXPECT_EQ(hc::test::WindowState(*form), hc::test::WindowState(*twin));
    EXPECT_EQ(form->Picture2->Image(), twin->Picture2->Image());

    // A workbook the loader refuses is refused as after File>Open: the chart stays.
    const std::string bad = SourcePath("tests/sixsideplot/fixtures/no_count.xls");
    EXPECT_TRUE(hc::test::DropFile(form.get(), bad));
    TwinOpens(bad);
    EXPECT_EQ(form->table.SampleCount, 5);
    EXPECT_EQ(hc::test::WindowState(*form), hc::test::WindowState(*twin));
    EXPECT_EQ(platform.messages.size(), twinPlatform.messages.size());
}

}  // namespace
