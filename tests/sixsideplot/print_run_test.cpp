// Printing through the real platform services onto PDF files: a failed run never spoils the
// next one, runs name the files they write, and a machine without printers saves a PDF.
#include <gtest/gtest.h>

#include <QAction>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <deque>
#include <filesystem>

#include "common/ui/qt_platform.h"
#include "common/ui/splash_window.h"
#include "sixsideplot/ui/sixsideplot_program.h"
#include "support/pdf_files.h"
#include "support/scripted_platform.h"
#include "waterquality/ui/main_window.h"

namespace {

using hc::test::PdfPageCount;
using hc::test::SourcePath;

// The Qt services with scripted file dialogs and no sound, so that nothing waits for a user.
class PdfPlatform : public hc::QtPlatformServices {
  public:
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    int saveDialogs = 0;
    int beeps = 0;

    std::optional<std::string> OpenFileDialog(const hc::FileDialogRequest&) override {
        return Take(openAnswers);
    }
    std::optional<std::string> SaveFileDialog(const hc::FileDialogRequest&) override {
        ++saveDialogs;
        return Take(saveAnswers);
    }
    void MessageBox(const std::string&, const std::string&) override {}
    void Beep() override { ++beeps; }

  private:
    static std::optional<std::string> Take(std::deque<std::optional<std::string>>& q) {
        if (q.empty())
            return std::nullopt;
        auto a = q.front();
        q.pop_front();
        return a;
    }
};

class PrintRun : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        form = std::make_unique<wq::MainWindow>(platform, hexa::SixsidePlotProgram());
        for (int i = 0; i < 45; ++i)
            form->findChild<hc::SplashWindow*>("Form9")->Tick();
    }
    void Open(const std::string& workbook) {
        platform.openAnswers.push_back(SourcePath(workbook));
        form->findChild<QAction*>("mnuFileOpenItem")->trigger();
    }
    void PrintTo(const std::string& pdf) {
        platform.SetChoice({QString(), QString::fromStdString(pdf)});
        form->findChild<QAction*>("mnuFilePrintItem")->trigger();
    }
    std::string Path(const std::string& name) {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }

    QTemporaryDir dir;
    PdfPlatform platform;
    std::unique_ptr<wq::MainWindow> form;
};

TEST_F(PrintRun, AFailedRunLeavesTheNextOneWorking) {
    Open("examples/sample32.xls");     // 32 samples: two documents
    const int beeps = platform.beeps;  // the load's own
    PrintTo(Path("missing/out.pdf"));
    EXPECT_EQ(form->StatusText().toStdString(),
              "印刷できませんでした: " + Path("missing/out.pdf") + ": ファイルまたはフォルダがありません");
    EXPECT_EQ(platform.beeps, beeps);  // no end-of-print beep

    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        // A printer that does not exist on a machine without printers: the sheets are offered
        // as a PDF file; declining prints nothing and says nothing went wrong.
        platform.SetChoice({"no-such-printer", QString()});
        form->findChild<QAction*>("mnuFilePrintItem")->trigger();
        EXPECT_EQ(platform.saveDialogs, 1);
        EXPECT_EQ(form->StatusText(), "");
    }

    PrintTo(Path("out.pdf"));
    EXPECT_EQ(PdfPageCount(Path("out.pdf")), 1);
    EXPECT_EQ(PdfPageCount(Path("out-2.pdf")), 1);
    EXPECT_EQ(form->StatusText().toStdString(),
              "印刷しました: " + Path("out.pdf") + ", " + Path("out-2.pdf"));
    EXPECT_EQ(platform.beeps, beeps + 1);

    // A second run writes the same names again instead of counting up.
    std::filesystem::remove(Path("out-2.pdf"));
    PrintTo(Path("out.pdf"));
    EXPECT_EQ(PdfPageCount(Path("out-2.pdf")), 1);
    EXPECT_FALSE(std::filesystem::exists(Path("out-3.pdf")));

    // One document writes exactly the chosen file.
    Open("examples/sample12.xls");
    PrintTo(Path("twelve.pdf"));
    EXPECT_EQ(PdfPageCount(Path("twelve.pdf")), 1);
    EXPECT_FALSE(std::filesystem::exists(Path("twelve-2.pdf")));
}

TEST_F(PrintRun, WithoutAnyPrinterTheSheetsGoToAPdfFile) {
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has printers";
    Open("examples/sample12.xls");
    platform.saveAnswers.push_back(Path("saved.pdf"));
    form->findChild<QAction*>("mnuFilePrintItem")->trigger();
    EXPECT_EQ(platform.saveDialogs, 1);
    EXPECT_EQ(PdfPageCount(Path("saved.pdf")), 1);
    EXPECT_EQ(form->StatusText().toStdString(), "印刷しました: " + Path("saved.pdf"));
}

}  // namespace
