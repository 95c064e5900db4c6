// The window programs' command line: one file, --help, --version, and what is refused.
#include <gtest/gtest.h>

#include "common/core/program_args.h"

using hc::ParseProgramArguments;
using Action = hc::ProgramArguments::Action;

TEST(ProgramArguments, OneFileOrHelpOrVersion) {
    struct Case {
        std::vector<std::string> args;
        Action action;
        std::optional<std::string> file;
    };
    const Case cases[] = {
        {{}, Action::Run, std::nullopt},
        {{"data.xls"}, Action::Run, "data.xls"},
        {{"dir/section.txt"}, Action::Run, "dir/section.txt"},
        {{"-"}, Action::Run, "-"},
        {{"--", "--help"}, Action::Run, "--help"},  // a file of that name
        {{"--", "-x"}, Action::Run, "-x"},
        {{"--help"}, Action::Help, std::nullopt},
        {{"-h"}, Action::Help, std::nullopt},
        {{"data.xls", "--help"}, Action::Help, std::nullopt},
        {{"--version"}, Action::Version, std::nullopt},
        // Help and version win over what would otherwise be refused (Qt's options are
        // still on the line when they are looked for).
        {{"-platform", "offscreen", "--version"}, Action::Version, std::nullopt},
        {{"a.txt", "b.txt", "--help"}, Action::Help, std::nullopt},
        {{"-platform", "offscreen"}, Action::Usage, std::nullopt},
        {{"--open", "a.xls"}, Action::Usage, std::nullopt},
        {{"a.txt", "b.txt"}, Action::Usage, std::nullopt},
        {{""}, Action::Usage, std::nullopt},
        {{"--", "--lang", "en"}, Action::Usage, std::nullopt},  // two files
        {{"--lang", "fr"}, Action::Usage, std::nullopt},
        {{"--lang"}, Action::Usage, std::nullopt},
    };
    for (const Case& c : cases) {
        std::string line;
        for (const auto& a : c.args)
            line += "'" + a + "' ";
        hc::ProgramArguments got = ParseProgramArguments(c.args);
        EXPECT_EQ(got.action, c.action) << line;
        EXPECT_EQ(got.file, c.file) << line;
        EXPECT_EQ(got.error.empty(), c.action != Action::Usage) << line;
        EXPECT_FALSE(got.language) << line;
    }
}

TEST(ProgramArguments, LanguageInEitherSpelling) {
    for (const auto& [args, language] :
         {std::pair<std::vector<std::string>, std::string>{{"--lang", "en", "a.xls"}, "en"},
          {{"a.xls", "--lang=ja"}, "ja"}}) {
        hc::ProgramArguments got = ParseProgramArguments(args);
        EXPECT_EQ(got.action, Action::Run);
        EXPECT_EQ(got.file, "a.xls");
        EXPECT_EQ(got.language, language);
    }
}

TEST(ProgramArguments, HelpNamesTheOperandAndBothOptions) {
    hc::ProgramInfo info{"flowcalc", "Computes discharge.", "FILE", "FILE is a cross-section."};
    std::string help = hc::ProgramHelpText(info);
    EXPECT_EQ(help.rfind("Usage: flowcalc [FILE]\nComputes discharge.\n", 0), 0u) << help;
    EXPECT_NE(help.find("FILE is a cross-section."), std::string::npos);
    EXPECT_NE(help.find("--help"), std::string::npos);
    EXPECT_NE(help.find("--version"), std::string::npos);
    // help2man reads "name (package) version" from the first line.
    std::string version = hc::ProgramVersionText("flowcalc");
    EXPECT_EQ(version.rfind("flowcalc (hydrochart suite) ", 0), 0u) << version;
}
