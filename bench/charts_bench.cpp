// Time of one chart from its file, without the process around it: load, layout and draw through
// each program's application layer, as the window's File>Open and hydrochart do. Each chart is
// drawn to the recording surface (the whole print run, on paper) and to a QtSurface screen image
// (the window's picture). Run by scripts/bench.sh; figures in bench/README.md.
#include <benchmark/benchmark.h>

#include <cmath>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <stdexcept>
#include <string>

#include "common/core/recording_surface.h"
#include "common/render/fonts.h"
#include "common/render/qt_surface.h"
#include "flowcalc/core/flow_app.h"
#include "flowcalc/core/section_chart.h"
#include "polyplot/core/stiff.h"
#include "rainprob/core/chart.h"
#include "rainprob/core/fit_table.h"
#include "rainprob/core/rain_app.h"
#include "sixsideplot/core/hexa.h"
#include "ternaryplot/core/trilinear_chart.h"
#include "waterquality/core/diagram_app.h"

namespace {

// Recording: the print run on the recording surface; Image: the window's picture on a
// QtSurface image; Pdf: the print run into a PDF file, as hydrochart writes it.
enum class Target { Recording, Image, Pdf };

std::string Example(const std::string& relative) {
    return std::string(HC_SOURCE_DIR) + "/examples/" + relative;
}

// The windows' picture sizes in pixels (a twip is 1/15 pixel at 96 dpi).
constexpr int kColumnWidth = 1440, kColumnHeight = 720;
constexpr int kTriSide = static_cast<int>(tri::kScreenSide);
constexpr int kRainWidth = rain::kPictureWidthTwips / 15,
              kRainHeight = rain::kPictureHeightTwips / 15;
constexpr int kFlowWidth = 649, kFlowHeight = 321;

// Draws with `screen` on a screen picture of w x h pixels, or with `paper` on the recording
// surface's paper.
template <class Screen, class Paper>
void Draw(Target target, int w, int h, const Screen& screen, const Paper& paper) {
    if (target == Target::Recording) {
        hc::RecordingSurface s = hc::RecordingSurface::Paper();
        paper(s);
        benchmark::DoNotOptimize(s.Ops().data());
    } else if (target == Target::Pdf) {
        static const QString path = QDir::temp().filePath(
            QStringLiteral("charts_bench_%1.pdf").arg(QCoreApplication::applicationPid()));
        std::unique_ptr<hc::QtSurface> s = hc::QtSurface::PdfFile(path);
        paper(*s);
        if (!s->Finish())
            throw std::runtime_error("the PDF could not be written");
        QFile::remove(path);
    } else {
        QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
        std::unique_ptr<hc::QtSurface> s = hc::QtSurface::OnImage(&image);
        screen(*s);
        if (!s->Finish())
            throw std::runtime_error("the image surface failed");
        benchmark::DoNotOptimize(image.constBits());
    }
}

void Diagram(benchmark::State& state, const wq::DiagramVariant& variant, const std::string& file,
             int w, int h, Target target) {
    for (auto _ : state) {
        wq::DiagramApp app(variant);
        app.SetDataPath(Example(file));
        if (!app.Load()) {
            state.SkipWithError("the workbook did not load");
            return;
        }
        Draw(
            target, w, h, [&](hc::Surface& s) { app.DrawScreen(s); },
            [&](hc::Surface& s) { app.Print(s); });
    }
}

void Hexa(benchmark::State& state, const std::string& file, Target target) {
    Diagram(state, hexa::SixsidePlotVariant(), file, kColumnWidth, kColumnHeight, target);
}
void Stiff(benchmark::State& state, const std::string& file, Target target) {
    Diagram(state, stiff::PolyPlotVariant(), file, kColumnWidth, kColumnHeight, target);
}
void Tri(benchmark::State& state, const std::string& file, Target target) {
    Diagram(state, tri::TernaryPlotVariant(), file, kTriSide, kTriSide, target);
}

void Rain(benchmark::State& state, Target target) {
    for (auto _ : state) {
        rain::RainApp app;
        if (!app.Load(Example("rainprob/textbook26.txt")) ||
            !app.Request(rain::ChartAction::Redraw)) {
            state.SkipWithError("the record did not load");
            return;
        }
        Draw(
            target, kRainWidth, kRainHeight, [&](hc::Surface& s) { app.DrawScreen(s); },
            [&](hc::Surface& s) { app.PrintChart(s); });
    }
}

// The fit table of a 150-year record: every distribution fitted, each with its jackknife.
void FitTable150(benchmark::State& state) {
    rain::RainTable t;
    // Annual maxima from a Gumbel of mode 120 mm and scale 35 mm at the Weibull positions,
    // in a scrambled order.
    for (int i = 0; i < 150; ++i) {
        const int rank = (i * 67) % 150 + 1;
        const double F = rank / 151.0;
        t.Years.push_back(1870 + i);
        t.Rain.push_back(static_cast<std::int32_t>(120 - 35 * std::log(-std::log(F))));
    }
    const rain::RainAnalysis a = rain::AnalyseRain(t, rain::StandardNormalTable()).value();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            rain::BuildFitTable(t, a, rain::StandardNormalTable(), rain::PlottingPosition::Hazen));
}

void Flow(benchmark::State& state, Target target) {
    for (auto _ : state) {
        flow::FlowApp app;
        if (!app.Load(Example("flowcalc/river_section.txt"))) {
            state.SkipWithError("the section did not load");
            return;
        }
        app.StoreParameters(0.035, 800, 2.0);
        const flow::Computation& c = app.Compute();
        Draw(
            target, kFlowWidth, kFlowHeight, [&](hc::Surface& s) { flow::DrawSection(s, c); },
            [&](hc::Surface& s) { flow::PrintSection(s, c, app.Widths()); });
    }
}

// Load only: what reading a 32-sample table costs in each format.
void LoadOnly(benchmark::State& state, const std::string& file) {
    for (auto _ : state) {
        wq::DiagramApp app(hexa::SixsidePlotVariant());
        app.SetDataPath(Example(file));
        if (!app.Load()) {
            state.SkipWithError("the file did not load");
            return;
        }
        benchmark::DoNotOptimize(app.Table().Count());
    }
}

constexpr Target kRec = Target::Recording;
constexpr Target kImg = Target::Image;
constexpr Target kPdf = Target::Pdf;

BENCHMARK_CAPTURE(Hexa, sample32_xlsx_recording, "sample32.xlsx", kRec)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Hexa, sample32_xlsx_image, "sample32.xlsx", kImg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Hexa, sample32_xlsx_pdf, "sample32.xlsx", kPdf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Stiff, sample32_xlsx_recording, "sample32.xlsx", kRec)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Stiff, sample32_xlsx_image, "sample32.xlsx", kImg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Stiff, sample32_xlsx_pdf, "sample32.xlsx", kPdf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tri, sample32_xlsx_recording, "sample32.xlsx", kRec)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tri, sample32_xlsx_image, "sample32.xlsx", kImg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tri, sample32_xlsx_pdf, "sample32.xlsx", kPdf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rain, textbook26_recording, kRec)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rain, textbook26_image, kImg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rain, textbook26_pdf, kPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(FitTable150)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Flow, river_section_recording, kRec)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Flow, river_section_image, kImg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Flow, river_section_pdf, kPdf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadOnly, sample32_xls, "sample32.xls")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadOnly, sample32_xlsx, "sample32.xlsx")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadOnly, sample32_ods, "sample32.ods")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadOnly, sample12_csv, "sample12.csv")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Fonts and images need a GUI application, not a window system.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qargc = 1;
    QGuiApplication app(qargc, argv);
    hc::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
