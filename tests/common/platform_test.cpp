#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/core/desktop_handoff.h"
#include "common/core/platform.h"
#include "support/scripted_platform.h"
#include "support/write_failures.h"

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
    test::TempDir dir;
    const fs::path root = dir.path();
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
    test::TempDir dir;
    const fs::path root = dir.path();
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
}

TEST(DataFileDirs, TheReportNamesTheFileAndEveryPlaceSearched) {
    EXPECT_EQ(MissingDataFileReport("hinagata.xls", {"/w", "", "/opt/hc/bin"}),
              "data file hinagata.xls not found in /w, /opt/hc/bin");
}

TEST(DesktopHandoff, TheSuitesOwnProgramsAreKnownByEntryOrCommand) {
    struct Case {
        hc::DesktopHandler handler;
        bool ours;
    };
    for (const Case& c : {
             Case{{"sixsideplot.desktop", "sixsideplot %f"}, true},
             Case{{"hydrochart.suite.polyplot.desktop", ""}, true},
             // A copy of our entry under another name still runs our program.
             Case{{"userapp-x-1.desktop", "/opt/hc/bin/ternaryplot %f"}, true},
             Case{{"mine.desktop", "env LANG=ja_JP.UTF-8 rainprob %f"}, true},
             Case{{"libreoffice-calc.desktop", "libreoffice --calc %U"}, false},
             Case{{"org.gnome.Gnumeric.desktop", "gnumeric %U"}, false},
             // Names that only contain a program's name are someone else's.
             Case{{"sixsideplot-viewer.desktop", "sixsideplotviewer %f"}, false},
         }) {
        EXPECT_EQ(hc::IsSuiteHandler(c.handler), c.ours) << c.handler.id;
    }
}

TEST(DesktopHandoff, TheOpenersExitStatusIsAFailureUnlessZero) {
    EXPECT_TRUE(hc::OpenerExitStatus("/d/a.xls", "xdg-open", 0));
    for (int status : {1, 2, 3, 4}) {
        hc::Status s = hc::OpenerExitStatus("/d/a.xls", "xdg-open", status);
        ASSERT_FALSE(s);
        EXPECT_EQ(s.error().file, "/d/a.xls");
        EXPECT_NE(s.error().ja.find("xdg-open の終了状態 " + std::to_string(status)),
                  std::string::npos);
    }
}

// The input files the windows name, and what a save or a run of several files makes of them.
class OutputChecks : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(root / "sub");
        std::ofstream(root / "data.csv") << "data";
        std::filesystem::create_symlink(root / "data.csv", root / "sub" / "link.csv");
        platform.SetInputFiles(this, [this] { return std::vector<std::string>{Name("data.csv")}; });
    }
    std::string Name(const char* name) { return (root / name).string(); }

    test::TempDir dir;
    std::filesystem::path root = dir.path();
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
