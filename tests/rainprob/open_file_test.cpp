// A precipitation record named on the command line or dropped on the window opens as
// File>Open opens it: after the splash, and with the same panel, chart and menus as a twin
// window that used File>Open.
#include <QCoreApplication>

#include "common/ui/program_start.h"
#include "support/file_drop.h"
#include "support/window_state.h"
#include "ui_fixture.h"

using namespace rain;
using rain::test::RainWindow;

namespace {

class RainOpenFile : public RainWindow {
  protected:
    void SetUp() override {
        RainWindow::SetUp();
        twin = std::make_unique<MainWindow>(twinPlatform);
        twin->show();
        for (int i = 0; i < 45 && twin->Splash(); ++i)
            twin->Splash()->Tick();
    }
    void TearDown() override {
        twin.reset();
        RainWindow::TearDown();
    }
    void TwinOpens(const std::string& path) {
        twinPlatform.openAnswers.push_back(path);
        twin->findChild<QAction*>("mnuFileOpenItem")->trigger();
    }

    hc::test::ScriptedPlatform twinPlatform;
    std::unique_ptr<MainWindow> twin;
};

TEST_F(RainOpenFile, CommandLineFileOpensAfterTheSplashAsFileOpenWould) {
    const std::string path = WriteFile("rain.txt", test::RecordText(test::kTextbookMm));
    hc::OpenAfterSplash(form->Splash(), form.get(), [this, path] { form->OpenFile(path); });
    for (int i = 0; i < 44; ++i)
        form->Splash()->Tick();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(App().Loaded());
    form->Splash()->Tick();
    QCoreApplication::sendPostedEvents();

    TwinOpens(path);
    EXPECT_TRUE(App().Loaded());
    EXPECT_EQ(Text("Text2"), "1190");
    EXPECT_EQ(hc::test::WindowState(*form), hc::test::WindowState(*twin));
    EXPECT_EQ(Picture()->Image(), twin->findChild<hc::PictureBox*>("Picture1")->Image());
    EXPECT_TRUE(platform.openRequests.empty());
}

TEST_F(RainOpenFile, DroppedRecordOpensOnlyWhileFileOpenCanBeChosen) {
    const std::string path = WriteFile("rain.txt", test::RecordText(test::kTextbookMm));
    EXPECT_FALSE(hc::test::DropFile(form.get(), path));  // the splash still holds the menus
    PassSplash();
    EXPECT_TRUE(hc::test::DropFile(form.get(), path));
    TwinOpens(path);
    EXPECT_TRUE(App().Loaded());
    EXPECT_EQ(hc::test::WindowState(*form), hc::test::WindowState(*twin));
    EXPECT_EQ(Picture()->Image(), twin->findChild<hc::PictureBox*>("Picture1")->Image());

    // A record the reader refuses leaves the window as File>Open leaves it.
    const std::string bad = WriteFile("bad.txt", "1981 1000\n1982 x\n");
    EXPECT_TRUE(hc::test::DropFile(form.get(), bad));
    TwinOpens(bad);
    EXPECT_EQ(hc::test::WindowState(*form), hc::test::WindowState(*twin));
}

}  // namespace
