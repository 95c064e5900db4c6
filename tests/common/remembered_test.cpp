// What the programs keep between runs, in a settings file of the test's own: folders that still
// exist, the five newest files, and a window place only where it fits on a screen.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include "common/ui/remembered.h"

namespace {

namespace r = hc::remembered;

class Remembered : public ::testing::Test {
  protected:
    void SetUp() override {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("config"));
        r::Enable("test");
    }
    void TearDown() override { r::Disable(); }
    // As a new run of the program finds them.
    void Restart() {
        r::Disable();
        r::Enable("test");
    }
    QTemporaryDir dir;
};

TEST_F(Remembered, FoldersAndRecentFilesOutliveTheRun) {
    const QString data = dir.filePath("data"), out = dir.filePath("out");
    ASSERT_TRUE(QDir().mkpath(data) && QDir().mkpath(out));
    r::SetLastFolder(r::Folder::Open, data);
    r::SetLastFolder(r::Folder::Save, out + "/");
    for (int i = 1; i <= 7; ++i)
        r::AddRecentFile(dir.filePath(QString("f%1.xls").arg(i)));
    r::AddRecentFile(dir.filePath("f4.xls"));  // opened again: first, and once
    Restart();
    EXPECT_EQ(r::LastFolder(r::Folder::Open), data);
    EXPECT_EQ(r::LastFolder(r::Folder::Save), out);
    QStringList expected;
    for (int i : {4, 7, 6, 5, 3})
        expected << dir.filePath(QString("f%1.xls").arg(i));
    EXPECT_EQ(r::RecentFiles(), expected);
    r::RemoveRecentFile(expected[1]);
    EXPECT_EQ(r::RecentFiles().size(), 4);

    // A folder since removed is not offered; with remembering off nothing is kept or read.
    ASSERT_TRUE(QDir(data).removeRecursively());
    EXPECT_EQ(r::LastFolder(r::Folder::Open), QString());
    r::Disable();
    r::AddRecentFile(dir.filePath("other.xls"));
    EXPECT_TRUE(r::RecentFiles().isEmpty());
    r::Enable("test");
    EXPECT_EQ(r::RecentFiles().size(), 4);
}

TEST_F(Remembered, AWindowGoesBackOnlyWhereItFits) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect inside(screen.left() + 40, screen.top() + 30, 300, 200);
    QWidget resizable, fixed;
    fixed.setFixedSize(120, 90);
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "hydrochart", "test");
    struct Case {
        QRect kept;
        QWidget* window;
        QRect expected;
    } cases[] = {
        {inside, &resizable, inside},
        {inside, &fixed, QRect(inside.topLeft(), QSize(120, 90))},
        // Over the right edge, or on a screen no longer attached: where it always opens.
        {inside.translated(screen.width() - 100, 0), &resizable, QRect(7, 8, 250, 150)},
        {QRect(screen.right() + 2000, 0, 300, 200), &resizable, QRect(7, 8, 250, 150)},
    };
    for (const Case& c : cases) {
        c.window->move(7, 8);
        if (c.window == &resizable)
            c.window->resize(250, 150);
        settings.setValue("window/geometry", c.kept);
        settings.sync();
        Restart();
        r::RestoreWindowPlace(c.window);
        EXPECT_EQ(c.window->geometry(), c.expected) << c.kept.x() << "," << c.kept.y();
    }
    // What a run leaves is what the next one restores.
    resizable.setGeometry(inside.translated(10, 10));
    r::SaveWindowPlace(&resizable);
    Restart();
    QWidget next;
    r::RestoreWindowPlace(&next);
    EXPECT_EQ(next.geometry(), inside.translated(10, 10));
}

}  // namespace
