// File>データ入力: a copy of the template in the folder last used goes to a spreadsheet program,
// never the template itself and never one of the suite's own programs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/scripted_platform.h"
#include "waterquality/core/template_copy.h"

namespace {

namespace fs = std::filesystem;
using wq::TemplateHandOff;

std::string Bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TemplateCopy : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("hc_template_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "share");
        fs::create_directories(root / "data");
        tmpl = root / "share" / "hinagata.xls";
        // An OLE2 signature and a NUL inside: the copy must be byte for byte.
        static constexpr char kBytes[] = "\xD0\xCF\x11\xE0 template\0 bytes";
        std::ofstream(tmpl, std::ios::binary) << std::string(kBytes, sizeof kBytes - 1);
        original = Bytes(tmpl);
        platform.dataFiles["hinagata.xls"] = tmpl.string();
    }
    void TearDown() override { fs::remove_all(root); }

    TemplateHandOff HandOver() {
        return wq::HandOverTemplate((root / "start").string(), (root / "data").string(), platform);
    }

    fs::path root, tmpl;
    std::string original;
    hc::test::ScriptedPlatform platform;
};

TEST_F(TemplateCopy, TheCopyTakesTheNextFreeNameAndTheTemplateStaysAsItIs) {
    // Existing workbooks of those names are never replaced.
    std::ofstream(root / "data" / "新しい水質データ.xls") << "mine";
    std::ofstream(root / "data" / "新しい水質データ-2.xls") << "mine too";
    TemplateHandOff done = HandOver();
    EXPECT_EQ(done.outcome, TemplateHandOff::Outcome::Opened);
    EXPECT_EQ(done.copy, (root / "data" / "新しい水質データ-3.xls").string());
    EXPECT_EQ(Bytes(done.copy), original);
    EXPECT_EQ(Bytes(root / "data" / "新しい水質データ.xls"), "mine");
    EXPECT_EQ(Bytes(root / "data" / "新しい水質データ-2.xls"), "mine too");
    ASSERT_EQ(platform.desktopOpened, std::vector<std::string>{done.copy});
    EXPECT_EQ(Bytes(tmpl), original);
    EXPECT_EQ(wq::TemplateStatusText(done), "入力表を作り、表計算ソフトで開きました: " + done.copy);
    EXPECT_EQ(wq::TemplateHandOffMessage(done, {}), "");
    // The next one goes beside it.
    EXPECT_EQ(HandOver().copy, (root / "data" / "新しい水質データ-4.xls").string());
}

TEST_F(TemplateCopy, NoSpreadsheetProgramOrOnlyOursMeansNoHandOff) {
    struct Case {
        std::optional<hc::DesktopHandler> handler;
        int exitStatus;
        TemplateHandOff::Outcome outcome;
        const char* said;  // in the message box
    };
    const Case cases[] = {
        {hc::DesktopHandler{"sixsideplot.desktop", "sixsideplot %f"}, 0,
         TemplateHandOff::Outcome::NoSpreadsheet, "表計算ソフトが見つかりませんでした"},
        {hc::DesktopHandler{"x.desktop", "/usr/bin/polyplot %f"}, 0,
         TemplateHandOff::Outcome::NoSpreadsheet, "表計算ソフトが見つかりませんでした"},
        {std::nullopt, 0, TemplateHandOff::Outcome::NoSpreadsheet,
         "表計算ソフトが見つかりませんでした"},
        {hc::DesktopHandler{"libreoffice-calc.desktop", "libreoffice --calc %U"}, 4,
         TemplateHandOff::Outcome::OpenFailed, "xdg-open の終了状態 4"},
    };
    for (const Case& c : cases) {
        platform.desktopHandler = c.handler;
        platform.desktopOpenExitStatus = c.exitStatus;
        platform.desktopOpened.clear();
        TemplateHandOff done = HandOver();
        EXPECT_EQ(done.outcome, c.outcome);
        EXPECT_EQ(platform.desktopOpened.size(),
                  c.outcome == TemplateHandOff::Outcome::OpenFailed ? 1u : 0u);
        // Said, with where the copy is to open it by hand.
        const std::string message = wq::TemplateHandOffMessage(done, {});
        EXPECT_NE(message.find(c.said), std::string::npos) << message;
        EXPECT_EQ(message.substr(message.size() - done.copy.size()), done.copy) << message;
        EXPECT_NE(wq::TemplateStatusText(done).find(done.copy), std::string::npos);
        EXPECT_TRUE(fs::exists(done.copy));
    }
    EXPECT_EQ(Bytes(tmpl), original);
}

TEST_F(TemplateCopy, AFolderThatTakesNoCopyIsReported) {
    TemplateHandOff done =
        wq::HandOverTemplate((root / "start").string(), (root / "gone").string(), platform);
    EXPECT_EQ(done.outcome, TemplateHandOff::Outcome::CopyFailed);
    EXPECT_TRUE(done.copy.empty());
    EXPECT_TRUE(platform.desktopOpened.empty());
    EXPECT_NE(wq::TemplateHandOffMessage(done, {}).find((root / "gone").string()),
              std::string::npos);
    // No template at all: where it was looked for.
    platform.dataFiles.clear();
    done = HandOver();
    EXPECT_EQ(done.outcome, TemplateHandOff::Outcome::Missing);
    EXPECT_EQ(done.error.file, (root / "start" / "hinagata.xls").string());
    EXPECT_EQ(wq::TemplateStatusText(done), "hinagata.xls: 見つかりません");
}

}  // namespace
