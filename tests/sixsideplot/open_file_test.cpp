// A workbook named on the command line or dropped on the window opens as File>Open opens it:
// only once the splash has handed the menus back, and with the same chart, caption, marks and
// menus afterwards as a twin window that used File>Open.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>

#include "common/ui/picture_box.h"
#include "common/ui/program_start.h"
#include "sixsideplot/core/hexa.h"
#include "sixsideplot/ui/sixsideplot_program.h"
#include "support/file_drop.h"
#include "support/frame_window.h"
#include "support/scripted_platform.h"
#include "support/window_state.h"
#include "waterquality/ui/main_window.h"

namespace {

using hc::test::SourcePath;

const QImage& Canvas(const wq::MainWindow& w) {
    return w.findChild<hc::PictureBox*>("Picture2")->Image();
}

class OpenFile : public hc::test::FrameWindowTest {
  protected:
    void SetUp() override {
        form = std::make_unique<wq::MainWindow>(platform, hexa::SixsidePlotProgram());
        twin = std::make_unique<wq::MainWindow>(twinPlatform, hexa::SixsidePlotProgram());
        for (int i = 0; i < 45; ++i)
            twin->Splash()->Tick();
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

    hc::test::ScriptedPlatform twinPlatform;
    std::unique_ptr<wq::MainWindow> twin;
};

TEST_F(OpenFile, CommandLineFileOpensAfterTheSplashAsFileOpenWould) {
    const std::string path = SourcePath("examples/sample12.xls");
    hc::OpenAfterSplash(form->Splash(), form.get(), [this, path] { form->OpenFile(path); });
    const std::string before = hc::test::WindowState(*form);
    for (int i = 0; i < 44; ++i)
        form->Splash()->Tick();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(form->App().Table().Count(), 0);
    EXPECT_FALSE(MenuEnabled("mnuFile"));
    form->Splash()->Tick();
    QCoreApplication::sendPostedEvents();

    TwinOpens(path);
    EXPECT_EQ(form->App().Table().Count(), 12);
    EXPECT_NE(hc::test::WindowState(*form), before);
    EXPECT_EQ(hc::test::WindowState(*form), hc::test::WindowState(*twin));
    EXPECT_TRUE(MenuEnabled("mnuType"));
    EXPECT_TRUE(Item("mnuFilePrintItem")->isEnabled());
    EXPECT_EQ(Canvas(*form), Canvas(*twin));
    EXPECT_TRUE(platform.openRequests.empty());  // no dialog was shown
}

TEST_F(OpenFile, DroppedWorkbookOpensOnlyWhileFileOpenCanBeChosen) {
    const std::string path = SourcePath("examples/nitrate5.xlsx");
    // During the splash File>Open cannot be chosen, and neither can a drop.
    EXPECT_FALSE(hc::test::DropFile(form.get(), path));
    EXPECT_EQ(form->App().Table().Count(), 0);
    FinishSplash();
    // Only one local file at a time, and a file rather than a folder.
    EXPECT_FALSE(hc::test::DropFiles(form.get(), {path, SourcePath("examples/sample12.xls")}));
    EXPECT_FALSE(hc::test::DropFile(form.get(), SourcePath("examples")));
    EXPECT_EQ(form->App().Table().Count(), 0);

    EXPECT_TRUE(hc::test::DropFile(form.get(), path));
    TwinOpens(path);
    EXPECT_EQ(form->App().Table().Count(), 5);
    EXPECT_EQ(hc::test::WindowState(*form), hc::test::WindowState(*twin));
    EXPECT_EQ(Canvas(*form), Canvas(*twin));

    // A workbook the loader refuses is refused as after File>Open: the chart stays.
    const std::string bad = SourcePath("tests/sixsideplot/fixtures/no_count.xls");
    EXPECT_TRUE(hc::test::DropFile(form.get(), bad));
    TwinOpens(bad);
    EXPECT_EQ(form->App().Table().Count(), 5);
    EXPECT_EQ(hc::test::WindowState(*form), hc::test::WindowState(*twin));
    EXPECT_EQ(platform.messages.size(), twinPlatform.messages.size());
}

}  // namespace
