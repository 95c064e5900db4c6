#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/core/platform.h"

using namespace hc;

TEST(SplitFilter, ClassicFilterPairs) {
    auto f = SplitFilter("Excel Files (*.Xls)|*.Xls");
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].first, "Excel Files (*.Xls)");
    EXPECT_EQ(f[0].second, "*.Xls");
    auto g = SplitFilter("テキストファイル (*.txt)|*.txt| すべてのファイル (*.*)|*.*");
    ASSERT_EQ(g.size(), 2u);
    EXPECT_EQ(g[1].first, " すべてのファイル (*.*)");
    EXPECT_EQ(g[1].second, "*.*");
    EXPECT_TRUE(SplitFilter("").empty());
}

TEST(FindFileInDirs, FirstDirectoryHoldingTheFileWins) {
    namespace fs = std::filesystem;
    fs::path root = fs::temp_directory_path() / "hc_platform_test";
    fs::remove_all(root);
    fs::create_directories(root / "a");
    fs::create_directories(root / "b");
    fs::create_directories(root / "c");
    std::ofstream(root / "b" / "manning.txt") << "b";
    std::ofstream(root / "c" / "manning.txt") << "c";
    fs::create_directories(root / "a" / "manning.txt");  // a folder of that name is no file
    auto found = FindFileInDirs(
        {"", (root / "a").string(), (root / "b").string(), (root / "c").string()}, "manning.txt");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(fs::path(*found), root / "b" / "manning.txt");
    EXPECT_FALSE(FindFileInDirs({(root / "a").string()}, "none.txt").has_value());
    fs::remove_all(root);
}

TEST(DataFileDirs, StartDirectoryThenBesideTheExecutableThenItsShareFolder) {
    EXPECT_EQ(
        DataFileDirs("/home/u/work", "/opt/hc/bin"),
        (std::vector<std::string>{"/home/u/work", "/opt/hc/bin", "/opt/hc/share/hydrochart"}));
    // Without a known executable folder only the start-up directory is searched.
    EXPECT_EQ(DataFileDirs("/home/u/work", ""), (std::vector<std::string>{"/home/u/work"}));
}

TEST(DataFileDirs, AnInstalledTreeIsFoundWhereverItWasMoved) {
    namespace fs = std::filesystem;
    fs::path root = fs::temp_directory_path() / "hc_moved_tree";
    fs::remove_all(root);
    fs::create_directories(root / "prefix" / "bin");
    fs::create_directories(root / "prefix" / "share" / "hydrochart");
    fs::create_directories(root / "start");
    std::ofstream(root / "prefix" / "share" / "hydrochart" / "manning.txt") << "installed";
    const std::string bin = (root / "prefix" / "bin").string();
    auto found = FindFileInDirs(DataFileDirs((root / "start").string(), bin), "manning.txt");
    ASSERT_TRUE(found.has_value());
    EXPECT_TRUE(fs::equivalent(*found, root / "prefix" / "share" / "hydrochart" / "manning.txt"));
    // A copy in the start-up directory still comes first.
    std::ofstream(root / "start" / "manning.txt") << "own";
    found = FindFileInDirs(DataFileDirs((root / "start").string(), bin), "manning.txt");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(fs::path(*found), root / "start" / "manning.txt");
    fs::remove_all(root);
}

TEST(DataFileDirs, TheReportNamesTheFileAndEveryPlaceSearched) {
    EXPECT_EQ(MissingDataFileReport("hinagata.xls", {"/w", "", "/opt/hc/bin"}),
              "data file hinagata.xls not found in /w, /opt/hc/bin");
}

TEST(PrintJobName, TheChartAndTheDataFileWithoutItsFolder) {
    EXPECT_EQ(PrintJobName("ヘキサダイヤグラム", "/home/a/水質/sample32.xls"),
              "ヘキサダイヤグラム - sample32.xls");
    EXPECT_EQ(PrintJobName("水位流量曲線", "v.txt"), "水位流量曲線 - v.txt");
    EXPECT_EQ(PrintJobName("年降水量の非超過確率分布", ""), "年降水量の非超過確率分布");
}

TEST(PrintStatusText, APrintedRunWithANoteAndARunThatWaits) {
    PrintResult fitted;
    fitted.note = "A4 の図を Letter の用紙に合わせて縮小";
    EXPECT_EQ(PrintStatusText(fitted), "印刷しました (A4 の図を Letter の用紙に合わせて縮小)");
    PrintResult waiting;
    waiting.waiting = true;
    waiting.note = "印刷待ち: プリンタ P は停止しています";
    EXPECT_EQ(PrintStatusText(waiting), "印刷待ち: プリンタ P は停止しています");
}
