#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/core/platform.h"
#include "support/scripted_platform.h"

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

// The input files the windows name, and what a save or a run of several files makes of them.
class OutputChecks : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "sub");
        std::ofstream(root / "data.csv") << "data";
        std::filesystem::create_symlink(root / "data.csv", root / "sub" / "link.csv");
        platform.SetInputFiles(this, [this] { return std::vector<std::string>{Name("data.csv")}; });
    }
    void TearDown() override { std::filesystem::remove_all(root); }
    std::string Name(const char* name) { return (root / name).string(); }

    std::filesystem::path root = std::filesystem::temp_directory_path() / "hc_output_checks";
    test::ScriptedPlatform platform;
};

TEST_F(OutputChecks, AnInputIsRefusedUnderEverySpellingAndNothingElseIs) {
    for (const std::string& same :
         {Name("data.csv"), Name("sub/../data.csv"), Name("sub/link.csv")}) {
        Status s = platform.CheckOutput(same);
        ASSERT_FALSE(s) << same;
        EXPECT_EQ(s.error().file, same);
    }
    EXPECT_TRUE(platform.CheckOutput(Name("other.csv")));
    EXPECT_TRUE(platform.CheckOutput(Name("sub")));
    // A window that goes withdraws its files.
    platform.SetInputFiles(this, {});
    EXPECT_TRUE(platform.CheckOutput(Name("data.csv")));
}

TEST_F(OutputChecks, AnInputIsNeverProposedInASaveDialog) {
    FileDialogRequest r;
    r.initialPath = Name("sub/link.csv");
    platform.SaveOutputDialog(r);
    r.initialPath = Name("data-numbers.csv");
    platform.SaveOutputDialog(r);
    ASSERT_EQ(platform.saveRequests.size(), 2u);
    EXPECT_EQ(platform.saveRequests[0].initialPath, Name("sub"));
    EXPECT_EQ(platform.saveRequests[1].initialPath, Name("data-numbers.csv"));
}

TEST_F(OutputChecks, OneQuestionNamesEveryExistingFileButTheFirst) {
    std::ofstream(root / "x.pdf") << "1";
    std::ofstream(root / "x-3.pdf") << "3";
    std::filesystem::create_symlink(root / "nowhere.pdf", root / "x-4.pdf");  // dangling
    const std::vector<std::string> files{Name("x.pdf"), Name("x-2.pdf"), Name("x-3.pdf"),
                                         Name("x-4.pdf")};
    platform.SetMousePointer(kPointerHourglass);
    platform.questionAnswers = {true};
    EXPECT_TRUE(platform.ConfirmReplacing(files));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text,
              std::string(kReplaceQuestion) + "\r" + Name("x-3.pdf") + "\r" + Name("x-4.pdf"));
    EXPECT_EQ(platform.MousePointer(), kPointerHourglass);
    EXPECT_EQ(platform.pointerHistory, (std::vector<int>{11, 0, 11}));
    // いいえ stops the run; with nothing to replace nobody is asked.
    EXPECT_FALSE(platform.ConfirmReplacing(files));
    EXPECT_TRUE(platform.ConfirmReplacing({Name("x.pdf"), Name("y-2.pdf")}));
    EXPECT_EQ(platform.questions.size(), 2u);
}
