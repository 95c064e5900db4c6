// Text inputs that could exhaust the machine or hang it are refused at once, and messages quote
// only a short excerpt of what they complain about.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "common/core/input_limits.h"
#include "common/core/list_input.h"
#include "common/core/text_file.h"
#include "support/child_cost.h"

namespace hc {
namespace {

TEST(Excerpt, CutsLongItemsAtACharacterAndKeepsOneLine) {
    const std::string forty(40, 'x');
    EXPECT_EQ(Excerpt("12a4"), "12a4");
    EXPECT_EQ(Excerpt(forty), forty);
    EXPECT_EQ(Excerpt(forty + "y"), forty + "...");
    // 41 three-byte characters: cut after the 40th, never inside one.
    std::string wide;
    for (int i = 0; i < 41; ++i)
        wide += "水";
    EXPECT_EQ(Excerpt(wide), wide.substr(0, 120) + "...");
    EXPECT_EQ(Excerpt("a\nb\r\tc"), "a b  c");
}

struct HostileText {
    const char* name;
    std::function<std::string(const std::string& dir)> make;  // returns the path to read
    const char* reason;                                       // part of the outcome
};

// A file made to stress a limit is refused, or its complaint is short, within well under a
// second and 200 MB.
// Test names show the case, not the bytes of the struct.
void PrintTo(const HostileText& c, std::ostream* out) {
    *out << c.name;
}

class HostileTextFiles : public ::testing::TestWithParam<HostileText> {};

TEST_P(HostileTextFiles, AreRefusedAtOnce) {
    const std::string dir = ::testing::TempDir() + "/hc_hostile_" + GetParam().name;
    std::filesystem::create_directories(dir);
    const std::string path = GetParam().make(dir);
    const test::ChildCost cost = test::RunInChild([&] {
        Result<std::string> text = ReadTextFile(path);
        if (!text)
            return "refused: " + text.error().en;
        try {
            ListInput(*text).ReadDouble();
            return std::string("read");
        } catch (const ListInputError& e) {
            return std::string(e.what());
        }
    });
    std::filesystem::remove_all(dir);
    ASSERT_TRUE(cost.finished) << "the read crashed or hung";
    EXPECT_NE(cost.outcome.find(GetParam().reason), std::string::npos) << cost.outcome;
    EXPECT_LT(cost.outcome.size(), 100u) << cost.outcome;
    EXPECT_LT(cost.cpuSeconds, test::kCpuSecondsCap);
    EXPECT_LT(cost.peakMegabytes, test::kMegabytesCap);
    std::printf("%s: %.3f s, %.0f MB: %s\n", GetParam().name, cost.cpuSeconds, cost.peakMegabytes,
                cost.outcome.c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileTextFiles,
    ::testing::Values(
        HostileText{"device", [](const std::string&) { return std::string("/dev/zero"); },
                    "refused: it is not a regular file"},
        HostileText{"fifo",
                    [](const std::string& dir) {
                        const std::string path = dir + "/fifo";
                        mkfifo(path.c_str(), 0600);  // opening it would wait for a writer
                        return path;
                    },
                    "refused: it is not a regular file"},
        HostileText{"folder", [](const std::string& dir) { return dir; },
                    "refused: it is a folder"},
        HostileText{"hundred_mb",
                    [](const std::string& dir) {
                        const std::string path = dir + "/big.txt";
                        std::ofstream(path) << "1991 ";
                        std::filesystem::resize_file(path, 100u << 20);  // sparse
                        return path;
                    },
                    "refused: it is larger than 1024 KB"},
        // At the cap, one line that is one item: the message quotes 40 characters of it.
        HostileText{"one_line",
                    [](const std::string& dir) {
                        const std::string path = dir + "/line.txt";
                        std::ofstream(path) << std::string(limits::kMaxTextFileBytes, 'x');
                        return path;
                    },
                    "line 1: \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...\" is not a number"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace hc
