// Start-up services of the window programs: the icons, the usable state of File>Open, and
// a file opened only once the splash has gone.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QImage>
#include <QLocale>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>

#include "common/core/language.h"
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

// Qt's own dialogs speak the language of the windows, whatever the system's locale: the tests
// run under the C locale, where Qt alone would say "Cancel" to Japanese windows.
TEST(Languages, TheSuitesTextsAndQtsOwnFollowTheChoice) {
    auto cancel = [] {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text().remove('&');
    };
    ASSERT_TRUE(hc::SetLanguage(hc::Language::Japanese));
    EXPECT_EQ(cancel(), QString::fromUtf8("キャンセル"));
    EXPECT_EQ(hc::T("開く(&O)"), QString::fromUtf8("開く(&O)"));
    ASSERT_TRUE(hc::SetLanguage(hc::Language::English));
    EXPECT_EQ(cancel(), "Cancel");
    EXPECT_EQ(hc::T("開く(&O)"), "&Open...");
    EXPECT_EQ(hc::TS("プリンタ %1 が見つかりません", {"lp0"}), "The printer lp0 was not found");
    ASSERT_TRUE(hc::SetLanguage(hc::Language::Japanese));
    EXPECT_EQ(hc::T("開く(&O)"), QString::fromUtf8("開く(&O)"));

    struct Case {
        QLocale locale;
        hc::Language expected;
    } cases[] = {{QLocale(QLocale::Japanese, QLocale::Japan), hc::Language::Japanese},
                 {QLocale::c(), hc::Language::Japanese},
                 {QLocale(QLocale::English, QLocale::UnitedStates), hc::Language::English},
                 {QLocale(QLocale::German, QLocale::Germany), hc::Language::English}};
    for (const Case& c : cases)
        EXPECT_EQ(hc::LanguageOfLocale(c.locale), c.expected) << c.locale.name().toStdString();
}
