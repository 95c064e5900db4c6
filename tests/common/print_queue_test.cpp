// Printing to real print queues of a private CUPS server: the status line says what the queue
// did, the chosen printer or none is used, the printed sheet is the PDF sheet, and a server
// that stops answering costs seconds, not the window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <deque>

#include "common/ui/qt_platform.h"
#include "common/ui/splash_window.h"
#include "polyplot/ui/polyplot_program.h"
#include "sixsideplot/ui/sixsideplot_program.h"
#include "support/private_cups.h"
#include "support/scripted_platform.h"
#include "ternaryplot/ui/ternaryplot_program.h"
#include "waterquality/ui/main_window.h"

namespace {

using hc::test::GreyPage;
using hc::test::PrivateCups;
using hc::test::RenderWithGhostscript;
using hc::test::SourcePath;

// The Qt services with scripted answers wherever a user would be asked.
class QueuePlatform : public hc::QtPlatformServices {
  public:
    std::deque<std::optional<std::string>> openAnswers;
    std::vector<std::string> saveTitles;
    std::vector<bool> busyPointerOverDialog;
    std::vector<std::string> questions;
    std::vector<std::string> messages;

    std::optional<std::string> OpenFileDialog(const hc::FileDialogRequest&) override {
        auto a = openAnswers.empty() ? std::nullopt : openAnswers.front();
        if (!openAnswers.empty())
            openAnswers.pop_front();
        return a;
    }
    std::optional<std::string> SaveFileDialog(const hc::FileDialogRequest& r) override {
        saveTitles.push_back(r.title);
        busyPointerOverDialog.push_back(QApplication::overrideCursor() != nullptr);
        return std::nullopt;
    }
    void MessageBox(const std::string& text, const std::string&) override { messages.push_back(text); }
    void Beep() override {}
    bool AskToChoosePrinter(const std::string& text) override {
        questions.push_back(text);
        return false;
    }
};

const wq::DiagramProgram& Hexa() {
    return hexa::SixsidePlotProgram();
}

class PrintQueue : public ::testing::TestWithParam<const wq::DiagramProgram* (*)()> {
  protected:
    void SetUp() override {
        if (!cups.StartError().empty())
            GTEST_SKIP() << "no private print server: " << cups.StartError();
        ASSERT_TRUE(cups.AddFileQueue("Paper"));
        ASSERT_TRUE(cups.AddFileQueue("Pdf", PrivateCups::Output::Pdf));
        ASSERT_TRUE(cups.AddFileQueue("Other"));
        ASSERT_TRUE(cups.Admin("lpadmin", {"-d", "Other"}));  // the default is not the chosen one
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override { form.reset(); }
    void Start(const wq::DiagramProgram& program, const std::string& workbook) {
        form = std::make_unique<wq::MainWindow>(platform, program);
        for (int i = 0; i < 45; ++i)
            form->findChild<hc::SplashWindow*>("Form9")->Tick();
        platform.openAnswers.push_back(SourcePath(workbook));
        form->findChild<QAction*>("mnuFileOpenItem")->trigger();
    }
    void PrintOn(const std::string& printer, QPageSize paper = QPageSize(QPageSize::A4)) {
        hc::QtPlatformServices::PrinterChoice c;
        c.printerName = QString::fromStdString(printer);
        c.paper = paper;
        platform.SetChoice(c);
        form->findChild<QAction*>("mnuFilePrintItem")->trigger();
    }
    std::string Status() { return form->StatusText().toStdString(); }
    std::vector<PrivateCups::Job> JobsOn(const std::string& printer) {
        std::vector<PrivateCups::Job> out;
        for (const auto& j : cups.Jobs())
            if (j.printer == printer)
                out.push_back(j);
        return out;
    }

    PrivateCups cups;
    QTemporaryDir dir;
    QueuePlatform platform;
    std::unique_ptr<wq::MainWindow> form;
};

// Where ink is on a page: the first and last dark row and column.
struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};
Ink InkOf(const GreyPage& p) {
    Ink k;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (p.pixels[static_cast<std::size_t>(y * p.width + x)] < 128) {
                k.left = std::min(k.left, x);
                k.right = std::max(k.right, x);
                k.top = std::min(k.top, y);
                k.bottom = std::max(k.bottom, y);
            }
    return k;
}

// Pixels whose darkness differs (one inked, the other not), out of all.
double Mismatch(const GreyPage& a, const GreyPage& b) {
    std::size_t differ = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        differ += (a.pixels[i] < 128) != (b.pixels[i] < 128);
    return static_cast<double>(differ) / static_cast<double>(a.pixels.size());
}

TEST_P(PrintQueue, TheQueuePrintsThePdfSheetAsANamedJob) {
    const wq::DiagramProgram& program = *GetParam()();
    Start(program, "examples/sample12.xls");
    const std::string pdf = dir.filePath("sheet.pdf").toStdString();
    hc::QtPlatformServices::PrinterChoice toFile;
    toFile.pdfFile = QString::fromStdString(pdf);
    platform.SetChoice(toFile);
    form->findChild<QAction*>("mnuFilePrintItem")->trigger();
    ASSERT_EQ(Status(), "印刷しました: " + pdf);

    PrintOn("Pdf");
    EXPECT_EQ(Status(), "印刷しました");
    const auto jobs = JobsOn("Pdf");
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].title, program.chartName + " - sample12.xls");
    EXPECT_TRUE(JobsOn("Other").empty());
    ASSERT_TRUE(cups.WaitCompleted(jobs[0].id));

    const auto printed = RenderWithGhostscript(cups.OutputFile("Pdf"), 300);
    const auto expected = RenderWithGhostscript(pdf, 300);
    ASSERT_EQ(printed.size(), 1u);
    ASSERT_EQ(expected.size(), 1u);
    ASSERT_EQ(printed[0].width, expected[0].width);  // A4 at 300 dpi
    ASSERT_EQ(printed[0].height, expected[0].height);
    const Ink p = InkOf(printed[0]), e = InkOf(expected[0]);
    EXPECT_EQ(p.left, e.left);
    EXPECT_EQ(p.top, e.top);
    EXPECT_EQ(p.right, e.right);
    EXPECT_EQ(p.bottom, e.bottom);
    EXPECT_EQ(Mismatch(printed[0], expected[0]), 0.0);
}

const wq::DiagramProgram* SixsidePlot() {
    return &hexa::SixsidePlotProgram();
}
const wq::DiagramProgram* PolyPlot() {
    return &stiff::PolyPlotProgram();
}
const wq::DiagramProgram* TernaryPlot() {
    return &tri::TernaryPlotProgram();
}
INSTANTIATE_TEST_SUITE_P(Programs, PrintQueue, ::testing::Values(&SixsidePlot, &PolyPlot, &TernaryPlot),
                         [](const auto& info) { return info.param()->programName; });

using PrintQueueRun = PrintQueue;

TEST_F(PrintQueueRun, ARefusingQueueSaysWhyAndTheNextRunPrints) {
    Start(Hexa(), "examples/sample12.xls");
    ASSERT_TRUE(cups.Admin("cupsreject", {"-r", "paper jam", "Paper"}));
    PrintOn("Paper");
    EXPECT_EQ(Status(), "印刷できませんでした: プリンタ Paper が印刷を受け付けません: paper jam");
    EXPECT_TRUE(cups.Jobs().empty());

    ASSERT_TRUE(cups.Admin("cupsaccept", {"Paper"}));
    PrintOn("Paper");
    EXPECT_EQ(Status(), "印刷しました");
    EXPECT_EQ(JobsOn("Paper").size(), 1u);
}

TEST_F(PrintQueueRun, APausedQueueTakesTheJobAndSaysItWaits) {
    Start(Hexa(), "examples/sample12.xls");
    ASSERT_TRUE(cups.Admin("cupsdisable", {"-r", "toner low", "Paper"}));
    PrintOn("Paper");
    EXPECT_EQ(Status(), "印刷待ち: プリンタ Paper は停止しています: toner low");
    const auto jobs = JobsOn("Paper");
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_FALSE(jobs[0].completed);
}

TEST_F(PrintQueueRun, ADeletedPrinterIsNeverReplacedByTheDefault) {
    Start(Hexa(), "examples/sample32.xls");  // two documents
    ASSERT_TRUE(cups.AddFileQueue("Gone"));
    ASSERT_TRUE(cups.Admin("lpadmin", {"-x", "Gone"}));
    PrintOn("Gone");
    ASSERT_EQ(platform.questions, std::vector<std::string>{"プリンタ Gone が見つかりません"});
    EXPECT_EQ(Status(), "印刷できませんでした: プリンタ Gone が見つかりません");
    EXPECT_TRUE(cups.Jobs().empty());

    // Two documents are two jobs, the second numbered.
    PrintOn("Paper");
    const auto jobs = JobsOn("Paper");
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].title, "ヘキサダイヤグラム - sample32.xls");
    EXPECT_EQ(jobs[1].title, "ヘキサダイヤグラム - sample32.xls (2)");
}

TEST_F(PrintQueueRun, OtherPaperTakesTheA4SheetScaledToFitAndCentred) {
    Start(Hexa(), "examples/sample12.xls");
    const std::string pdf = dir.filePath("sheet.pdf").toStdString();
    hc::QtPlatformServices::PrinterChoice toFile;
    toFile.pdfFile = QString::fromStdString(pdf);
    platform.SetChoice(toFile);
    form->findChild<QAction*>("mnuFilePrintItem")->trigger();
    // On a PostScript queue too, A4 is the PDF's sheet: converted to PostScript, its ink
    // stays within a pixel of the PDF's.
    PrintOn("Paper");
    auto jobs = JobsOn("Paper");
    ASSERT_EQ(jobs.size(), 1u);
    ASSERT_TRUE(cups.WaitCompleted(jobs[0].id));
    const auto a4 = RenderWithGhostscript(cups.OutputFile("Paper"), 300);
    const auto expected = RenderWithGhostscript(pdf, 300);
    ASSERT_EQ(a4.size(), 1u);
    ASSERT_EQ(expected.size(), 1u);
    const Ink a = InkOf(a4[0]), e = InkOf(expected[0]);
    EXPECT_NEAR(a.left, e.left, 1);
    EXPECT_NEAR(a.top, e.top, 1);
    EXPECT_NEAR(a.right, e.right, 1);
    EXPECT_NEAR(a.bottom, e.bottom, 1);

    PrintOn("Paper", QPageSize(QPageSize::Letter));
    EXPECT_EQ(Status(), "印刷しました (A4 の図を " + QPageSize(QPageSize::Letter).name().toStdString() +
                            " の用紙に合わせて縮小)");
    jobs = JobsOn("Paper");
    ASSERT_EQ(jobs.size(), 2u);
    ASSERT_TRUE(cups.WaitCompleted(jobs[1].id));
    const auto letter = RenderWithGhostscript(cups.OutputFile("Paper"), 300);
    ASSERT_EQ(letter.size(), 1u);
    EXPECT_EQ(letter[0].width, 2550);  // 8.5 x 11 in
    EXPECT_EQ(letter[0].height, 3300);
    // The A4 height meets the Letter height: a scale of 279.4 / 297 about the page's centre.
    const double s = 279.4 / 297.0;
    const Ink l = InkOf(letter[0]);
    auto onLetter = [s](int a4px, int a4size, int lettersize) {
        return (a4px - a4size / 2.0) * s + lettersize / 2.0;
    };
    const int w = a4[0].width, h = a4[0].height;
    EXPECT_NEAR(l.left, onLetter(a.left, w, 2550), 2);
    EXPECT_NEAR(l.right, onLetter(a.right, w, 2550), 2);
    EXPECT_NEAR(l.top, onLetter(a.top, h, 3300), 2);
    EXPECT_NEAR(l.bottom, onLetter(a.bottom, h, 3300), 2);
}

TEST_F(PrintQueueRun, AServerThatStopsAnsweringGivesAMessageWithinFiveSeconds) {
    Start(Hexa(), "examples/sample12.xls");
    cups.Freeze();
    int ticks = 0;  // the window's own timers go on meanwhile
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
    tick.start(50);
    QElapsedTimer clock;
    clock.start();
    PrintOn("Paper");
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_GT(ticks, 10);
    EXPECT_EQ(Status(), "印刷できませんでした: 印刷サービスに接続できません");

    clock.restart();
    EXPECT_FALSE(platform.ShowPrinterDialog());
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(platform.messages.back(), "印刷サービスに接続できません");
    cups.Thaw();

    PrintOn("Paper");
    EXPECT_EQ(Status(), "印刷しました");
}

TEST(PrintWithoutServer, SaysSoAndTheBusyPointerLeavesTheSaveDialog) {
    // A port nothing listens on: no print service.
    setenv("CUPS_SERVER", "127.0.0.1:9", 1);
    QueuePlatform platform;
    platform.SetMousePointer(hc::kPointerHourglass);
    hc::PrintResult r = platform.Print([](hc::Surface&) {}, "x");
    EXPECT_EQ(r.outcome, hc::PrintResult::Outcome::Cancelled);
    EXPECT_EQ(platform.saveTitles,
              std::vector<std::string>{"印刷サービスに接続できません。PDF ファイルに保存します"});
    EXPECT_EQ(platform.busyPointerOverDialog, std::vector<bool>{false});
    EXPECT_NE(QApplication::overrideCursor(), nullptr);  // busy again afterwards
    platform.SetMousePointer(hc::kPointerDefault);
    unsetenv("CUPS_SERVER");
}

}  // namespace
