// Start-up services of the window programs: the icons, the usable state of File>Open, and
// a file opened only once the splash has gone.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>

#include "common/ui/program_start.h"
#include "common/ui/splash_window.h"
#include "common/ui/window_helpers.h"
#include "suite_programs.h"
#include "support/scripted_platform.h"

namespace {

// Share of the pixels that are opaque and not white.
double InkShare(const QImage& img) {
    int ink = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            QRgb p = img.pixel(x, y);
            if (qAlpha(p) > 128 && (qRed(p) < 200 || qGreen(p) < 200 || qBlue(p) < 200))
                ++ink;
        }
    return double(ink) / (img.width() * img.height());
}

TEST(ProgramIcon, EveryWindowProgramHasItsOwnDrawnIcon) {
    std::vector<QImage> seen;
    for (std::string_view program : hc::kWindowPrograms) {
        const std::string name(program);
        QIcon icon = hc::ProgramIcon(name);
        ASSERT_FALSE(icon.isNull()) << name;
        for (int side : {16, 48, 256}) {
            QImage img = icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(img.width(), side) << name;
            // A drawing, not a blank or a solid square.
            EXPECT_GT(InkShare(img), 0.10) << name << " " << side;
            EXPECT_LT(InkShare(img), 0.90) << name << " " << side;
        }
        QImage img = icon.pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32);
        for (const QImage& other : seen)
            EXPECT_NE(img, other) << name;
        seen.push_back(img);
    }
    EXPECT_TRUE(hc::ProgramIcon("hydrochart").pixmap(32, 32).isNull());
}

TEST(MenuItemUsable, TheItemAndItsMenuMustBothBeEnabled) {
    QMenu menu;
    QAction* open = menu.addAction("open");
    EXPECT_TRUE(hc::MenuItemUsable(open));
    menu.menuAction()->setEnabled(false);  // the menu waits for the splash
    EXPECT_FALSE(hc::MenuItemUsable(open));
    menu.menuAction()->setEnabled(true);
    open->setEnabled(false);
    EXPECT_FALSE(hc::MenuItemUsable(open));
}

TEST(OpenAfterSplash, RunsOnceTheSplashHasHandedTheMenusBack) {
    hc::test::ScriptedPlatform platform;
    QWidget main;
    bool menusBack = false;
    int opened = 0;
    bool menusBackWhenOpened = false;
    QPointer<hc::SplashWindow> splash =
        new hc::SplashWindow(&main, platform, "Form9", "t", {}, 3, [&] { menusBack = true; });
    hc::OpenAfterSplash(splash, &main, [&] {
        ++opened;
        menusBackWhenOpened = menusBack;
    });
    splash->Tick();
    splash->Tick();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(opened, 0);
    splash->Tick();
    EXPECT_EQ(opened, 0);  // from the event loop, not from inside the splash's tick
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(menusBackWhenOpened);
    // A splash already gone: the file still opens from the event loop.
    hc::OpenAfterSplash(nullptr, &main, [&] { ++opened; });
    EXPECT_EQ(opened, 1);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(opened, 2);
}

}  // namespace

// The programs' own texts are Japanese whatever the system's locale, so Qt's dialogs must be
// too: the tests run under the C locale, where Qt alone would say "Cancel".
TEST(QtTranslations, QtsOwnButtonsReadJapaneseWhateverTheLocale) {
    ASSERT_TRUE(hc::InstallJapaneseTranslations());
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove('&'),
              QString::fromUtf8("キャンセル"));
}
