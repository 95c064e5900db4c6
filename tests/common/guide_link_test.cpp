// The Help menu item that opens the user's guide: which file it hands to the desktop, and the
// message naming the file or the folders when that cannot be done.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "common/ui/guide_link.h"
#include "support/scripted_platform.h"

namespace {

void Touch(const QTemporaryDir& dir, const std::string& relative,
           const std::string& text = "# guide\n") {
    std::filesystem::path p = std::filesystem::path(dir.path().toStdString()) / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p) << text;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The desktop is handed the guide as HTML in the user's cache, never the cache of the person
// running the tests, nor one shared with a test running beside (in the other locale, say),
// which would render another guide into the same file meanwhile.
class GuideLink : public ::testing::Test {
  protected:
    void SetUp() override {
        home_ = qgetenv("HOME");
        qputenv("HOME", ownHome_.path().toUtf8());
        QStandardPaths::setTestModeEnabled(true);
    }
    void TearDown() override {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("HOME", home_);
    }

  private:
    QTemporaryDir ownHome_;
    QByteArray home_;
};

TEST_F(GuideLink, InstalledGuideComesBeforeTheSourceTreeAndHtmlBeforeMarkdown) {
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

TEST_F(GuideLink, ItemOpensTheGuideOrSaysWhereItLooked) {
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
    ASSERT_EQ(platform.desktopOpened.size(), 1u);
    EXPECT_TRUE(platform.desktopOpened[0].ends_with("/hydrochart/guide.html"));
    EXPECT_EQ(platform.messages.size(), 1u);

    platform.desktopOpenExitStatus = 3;  // xdg-open: no viewer on this desktop
    item->trigger();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_NE(platform.messages[1].text.find(platform.desktopOpened[1]), std::string::npos);
    EXPECT_NE(platform.messages[1].text.find("xdg-open の終了状態 3"), std::string::npos)
        << platform.messages[1].text;

    // A desktop that would give HTML to one of the suite's programs gets nothing.
    platform.desktopOpenExitStatus = 0;
    platform.desktopHandler = hc::DesktopHandler{"polyplot.desktop", "polyplot %f"};
    item->trigger();
    EXPECT_EQ(platform.desktopOpened.size(), 2u);
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_NE(platform.messages[2].text.find("表示するプログラムが見つかりません"),
              std::string::npos);
}

TEST_F(GuideLink, ProgramInItsBuildTreeOpensTheSourceTreeGuide) {
    hc::test::ScriptedPlatform platform;
    QMenu help;
    hc::AddGuideItem(&help, platform)->trigger();
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(platform.desktopOpened.size(), 1u);
    // Rendered from the source tree's guide, found where an installed program finds its own
    // (the build tree links it): its pictures are those of docs/images.
    const std::string html = Slurp(platform.desktopOpened[0]);
    const std::string linked =
        (std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) /
         "../share/doc/hydrochart/images/")
            .lexically_normal()
            .string();
    EXPECT_NE(html.find("file://" + linked), std::string::npos);
    EXPECT_TRUE(std::filesystem::equivalent(linked, hc::test::SourcePath("docs/images/")));
}

TEST_F(GuideLink, RenderedGuideKeepsTablesAndFindsItsPictures) {
    QTemporaryDir tmp;
    const std::string root = tmp.path().toStdString();
    Touch(tmp, "doc/guide.md",
          "# 使い方\n\n| メニュー | 内容 |\n|---|---|\n| 図を保存 | PDF |\n\n"
          "![窓](images/window.png)\n");
    hc::Result<std::string> html = hc::RenderGuide(root + "/doc/guide.md", root + "/out");
    ASSERT_TRUE(html) << html.error().English();
    EXPECT_EQ(*html, root + "/out/guide.html");
    const std::string text = Slurp(*html);
    EXPECT_NE(text.find("<table"), std::string::npos);
    EXPECT_NE(text.find("図を保存"), std::string::npos);
    EXPECT_NE(text.find("src=\"file://" + root + "/doc/images/window.png\""), std::string::npos);
    EXPECT_FALSE(hc::RenderGuide(root + "/doc/missing.md", root + "/out"));
}

}  // namespace
