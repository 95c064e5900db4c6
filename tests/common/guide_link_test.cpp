// The Help menu item that opens the user's guide: which file it hands to the desktop, and the
// message naming the file or the folders when that cannot be done.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "common/ui/guide_link.h"
#include "support/scripted_platform.h"

namespace {

void Touch(const QTemporaryDir& dir, const std::string& relative) {
    std::filesystem::path p = std::filesystem::path(dir.path().toStdString()) / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p) << "# guide\n";
}

TEST(GuideLink, InstalledGuideComesBeforeTheSourceTreeAndHtmlBeforeMarkdown) {
    QTemporaryDir tmp;
    const std::string root = tmp.path().toStdString();
    std::vector<std::string> dirs = hc::GuideDirs(root + "/usr/bin", root + "/src/docs");
    ASSERT_EQ(dirs,
              (std::vector<std::string>{root + "/usr/share/doc/hydrochart", root + "/src/docs"}));

    EXPECT_EQ(hc::FindGuide(dirs), std::nullopt);
    Touch(tmp, "src/docs/guide.md");
    EXPECT_EQ(hc::FindGuide(dirs), root + "/src/docs/guide.md");
    Touch(tmp, "usr/share/doc/hydrochart/guide.md");
    EXPECT_EQ(hc::FindGuide(dirs), root + "/usr/share/doc/hydrochart/guide.md");
    Touch(tmp, "usr/share/doc/hydrochart/guide.html");
    EXPECT_EQ(hc::FindGuide(dirs), root + "/usr/share/doc/hydrochart/guide.html");
}

TEST(GuideLink, ItemOpensTheGuideOrSaysWhereItLooked) {
    QTemporaryDir tmp;
    const std::string docs = tmp.path().toStdString() + "/docs";
    hc::test::ScriptedPlatform platform;
    QMenu help;
    help.addAction("使い方");
    QAction* item = hc::AddGuideItem(&help, platform, std::vector<std::string>{docs});
    ASSERT_EQ(help.actions().back(), item);  // added at the end; the menu's own items stay
    EXPECT_EQ(item->text(), QString::fromUtf8("ユーザーズガイド(&G)"));

    item->trigger();  // nothing there yet
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find(docs), std::string::npos);
    EXPECT_TRUE(platform.desktopOpened.empty());

    Touch(tmp, "docs/guide.md");
    item->trigger();
    ASSERT_EQ(platform.desktopOpened, std::vector<std::string>{docs + "/guide.md"});
    EXPECT_EQ(platform.messages.size(), 1u);

    platform.desktopOpenResult = false;  // no viewer on this desktop
    item->trigger();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_NE(platform.messages[1].text.find(docs + "/guide.md"), std::string::npos);
}

TEST(GuideLink, ProgramInItsBuildTreeOpensTheSourceTreeGuide) {
    hc::test::ScriptedPlatform platform;
    QMenu help;
    hc::AddGuideItem(&help, platform)->trigger();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.desktopOpened,
              std::vector<std::string>{hc::test::SourcePath("docs/guide.md")});
}

}  // namespace
