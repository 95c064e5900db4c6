// A cross-section named on the command line or dropped on the window opens as File>Open opens
// it: after the splash, then the scale window, exactly as in a twin window that used File>Open.
#include "common/ui/program_start.h"
#include "flowcalc/ui/settings_windows.h"
#include "support/file_drop.h"
#include "support/window_state.h"
#include "tests/flowcalc/window_fixture.h"

namespace {

using flowtest::FlowWindow;
using hc::test::FlushEvents;

class FlowOpenFile : public FlowWindow {
  protected:
    void SetUp() override {
        FlowWindow::SetUp();
        twinPlatform.dataFiles = platform.dataFiles;
        twinPlatform.currentDirectory = platform.currentDirectory;
        twin = std::make_unique<flow::MainWindow>(twinPlatform);
        twin->show();
        // Ticked by hand: the event loop would tick the main window's splash as well.
        for (int i = 0; i < 33; ++i)
            twin->Splash()->Tick();
    }
    void TearDown() override {
        twin.reset();
        FlowWindow::TearDown();
    }
    void TwinOpens(const std::string& path) {
        twinPlatform.openAnswers.push_back(path);
        twin->findChild<QAction*>("mnuFileOpenItem")->trigger();
    }

    hc::test::ScriptedPlatform twinPlatform;
    std::unique_ptr<flow::MainWindow> twin;
};

TEST_F(FlowOpenFile, CommandLineFileOpensAfterTheSplashAsFileOpenWould) {
    const std::string path = Example("river_section.txt");
    hc::OpenAfterSplash(form->Splash(), form.get(), [this, path] { form->OpenFile(path); });
    for (int i = 0; i < 32; ++i)
        form->Splash()->Tick();
    QCoreApplication::sendPostedEvents();  // not the splash's own timer: the test ticks it
    EXPECT_EQ(form->App().Section().DataPath, "");
    form->Splash()->Tick();
    QCoreApplication::sendPostedEvents();

    TwinOpens(path);
    EXPECT_EQ(form->App().Section().DataPath, path);
    EXPECT_NE(form->findChild<QWidget*>("Form2"), nullptr);  // the guided scale window
    FlushEvents();
    EXPECT_EQ(hc::test::WindowState(*form), hc::test::WindowState(*twin));
    EXPECT_TRUE(platform.openRequests.empty());
}

TEST_F(FlowOpenFile, DroppedSectionOpensOnlyWhileFileOpenCanBeChosen) {
    const std::string path = Example("island_section.txt");
    EXPECT_FALSE(hc::test::DropFile(form.get(), path));
    FinishSplash();
    EXPECT_TRUE(hc::test::DropFile(form.get(), path));
    TwinOpens(path);
    EXPECT_EQ(form->App().Section().DataPath, path);
    FlushEvents();
    EXPECT_EQ(hc::test::WindowState(*form), hc::test::WindowState(*twin));
}

TEST_F(FlowOpenFile, UnreadableDroppedSectionIsRefusedAsAfterFileOpen) {
    FinishSplash();
    const std::string bad = TempFile("bad.txt", "x\n");
    EXPECT_TRUE(hc::test::DropFile(form.get(), bad));
    TwinOpens(bad);
    FlushEvents();
    EXPECT_EQ(hc::test::WindowState(*form), hc::test::WindowState(*twin));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, twinPlatform.messages.at(0).text);
}

}  // namespace
