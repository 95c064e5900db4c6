// Runs that write several files (print to PDF, one file a document; 図を保存 as PNG or SVG,
// one file a sheet): nothing is written before the user has agreed to replace every existing
// file besides the one the save dialog named, and never over an input.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "common/ui/chart_export.h"
#include "common/ui/output_files.h"
#include "support/scripted_platform.h"
#include "support/write_failures.h"

namespace {

using hc::PrintResult;
using hc::test::FileBytes;
using hc::test::ScriptedPlatform;

// Two documents (print to PDF) of one sheet each, which the figure saves see as two sheets.
void TwoDocuments(hc::Surface& s) {
    for (int doc = 0; doc < 2; ++doc) {
        s.Line(10, 10, 100, 100);
        s.EndDoc();
    }
}

struct Run {
    const char* ext;
    std::function<PrintResult(hc::PlatformServices&, const std::string&)> write;
    const char* magic;  // how a file of the run begins
};

void PrintTo(const Run& r, std::ostream* os) {
    *os << r.ext;
}

class CompanionFiles : public ::testing::TestWithParam<Run> {
  protected:
    std::string Path(const char* stem) {
        return dir.filePath(QString(stem) + "." + GetParam().ext).toStdString();
    }
    void Put(const std::string& path, const std::string& text) {
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.data(), static_cast<qint64>(text.size()));
    }
    bool Made(const std::string& path) { return FileBytes(path).starts_with(GetParam().magic); }

    QTemporaryDir dir;
    ScriptedPlatform platform;
};

TEST_P(CompanionFiles, AnExistingSecondFileIsNamedInOneQuestionBeforeAnythingIsWritten) {
    const std::string first = Path("x");
    const std::string second = Path("x-2");
    Put(first, "old first");  // the save dialog asked about this one
    Put(second, "old second");

    platform.questionAnswers = {false};
    PrintResult no = GetParam().write(platform, first);
    EXPECT_EQ(no.outcome, PrintResult::Outcome::Cancelled);
    ASSERT_EQ(platform.questions.size(), 1u);
    const std::string& q = platform.questions[0].text;
    EXPECT_TRUE(q.starts_with(hc::kReplaceQuestion)) << q;
    EXPECT_NE(q.find(second), std::string::npos) << q;
    EXPECT_EQ(q.find(first + "\r"), std::string::npos) << "the dialog asked about it already";
    EXPECT_EQ(FileBytes(first), "old first");
    EXPECT_EQ(FileBytes(second), "old second");

    platform.questionAnswers = {true};
    PrintResult yes = GetParam().write(platform, first);
    EXPECT_EQ(yes.outcome, PrintResult::Outcome::Printed) << yes.error;
    EXPECT_EQ(platform.questions.size(), 2u);
    EXPECT_EQ(yes.files, (std::vector<std::string>{first, second}));
    EXPECT_TRUE(Made(first));
    EXPECT_TRUE(Made(second));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST_P(CompanionFiles, NoQuestionWhenOnlyTheNamedFileExists) {
    const std::string first = Path("x");
    Put(first, "old first");
    PrintResult r = GetParam().write(platform, first);
    EXPECT_EQ(r.outcome, PrintResult::Outcome::Printed) << r.error;
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_TRUE(Made(first));
    EXPECT_TRUE(Made(Path("x-2")));
}

TEST_P(CompanionFiles, AnInputAmongTheFilesIsRefusedAndNothingIsWritten) {
    const std::string first = Path("x");
    const std::string second = Path("x-2");
    Put(second, "the data");
    // Registered under another spelling: the file itself is compared.
    const std::string spelled = dir.path().toStdString() + "/./" + "x-2." + GetParam().ext;
    platform.SetInputFiles(this, [spelled] { return std::vector<std::string>{spelled}; });
    platform.questionAnswers = {true};
    PrintResult r = GetParam().write(platform, first);
    EXPECT_EQ(r.outcome, PrintResult::Outcome::Failed);
    EXPECT_NE(r.error.find(second), std::string::npos) << r.error;
    EXPECT_NE(r.error.find("開いているデータのファイル"), std::string::npos) << r.error;
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(FileBytes(second), "the data");
    EXPECT_EQ(FileBytes(first), "<missing>");
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CompanionFiles,
    ::testing::Values(Run{"pdf",
                          [](hc::PlatformServices& p, const std::string& path) {
                              return hc::PrintToPdfFiles(p, path, TwoDocuments);
                          },
                          "%PDF"},
                      Run{"png",
                          [](hc::PlatformServices& p, const std::string& path) {
                              return hc::SaveFigure(p, path, TwoDocuments);
                          },
                          "\x89PNG"},
                      Run{"svg",
                          [](hc::PlatformServices& p, const std::string& path) {
                              return hc::SaveFigure(p, path, TwoDocuments);
                          },
                          "<?xml"}),
    [](const auto& info) { return std::string(info.param.ext); });

}  // namespace
