// Each chart rendered through QtSurface, on the screen picture and on the A4 sheet, to PNG and
// PDF. The files are kept in $WQPLOT_RENDER_DIR when it is set, to be looked at.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include "common/render/qt_surface.h"
#include "tests/wqplot/wqplot_samples.h"
#include "waterquality/core/workbook_load.h"
#include "wqplot/core/chadha_chart.h"
#include "wqplot/core/durov_chart.h"
#include "wqplot/core/hfed_chart.h"
#include "wqplot/core/piper_chart.h"
#include "wqplot/core/schoeller_chart.h"

namespace wqp {
namespace {

// Four groups of waters from recharge to saline, spread around their type.
wq::SampleTable Waters() {
    wq::SampleTable t;
    const char* groups[] = {"上流の湧水", "扇状地の浅井戸", "海岸の深井戸", "温泉"};
    const wq::IonValues base[] = {{0.3, 0.05, 1.5, 0.6, 0.3, 1.8, 0.3, 0.1},
                                  {0.8, 0.1, 1.8, 0.9, 0.8, 1.6, 0.7, 0.5},
                                  {8, 0.3, 1.5, 2.5, 9, 1.5, 1.2, 0},
                                  {12, 0.5, 0.4, 0.1, 4, 7, 1.5, 0}};
    unsigned seed = 7;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<double>((seed >> 8) % 1000) / 1000.0;
    };
    for (int i = 0; i < 48; ++i) {
        const std::size_t g = static_cast<std::size_t>(i % 4);
        wq::IonValues q = base[g];
        for (double& v : q)
            v *= 0.5 + next();
        if (i == 5)
            q[wq::kNO3] = 0;
        wq::Sample s = wqtest::FromMeq("No." + std::to_string(i + 1), q, groups[g]);
        if (i % 3 == 0)
            s.tds = 100 + 900 * next();
        t.samples.push_back(s);
    }
    return t;
}

TEST(Render, EveryChartOnScreenAndPaper) {
    QTemporaryDir tmp;
    const QString dir = qEnvironmentVariableIsSet("WQPLOT_RENDER_DIR")
                            ? qEnvironmentVariable("WQPLOT_RENDER_DIR")
                            : tmp.path();
    QDir().mkpath(dir);
    const wq::SampleTable table = Waters();
    const wqtest::Loaded loaded(table);
    wq::PlotSettings settings;
    settings.NitrateType = wq::NitrateType::WithChloride;
    settings.Diagram = {wq::DiagramKind::Piper, true, true, true, false, true, false};
    const PiperModel piper = BuildPiperModel(loaded.Model(), settings);
    const SchoellerModel schoeller = BuildSchoellerModel(loaded.Model(), settings);
    const ChadhaModel chadha = BuildChadhaModel(loaded.Model(), settings);
    const DurovModel durov = BuildDurovModel(loaded.Model(), settings);
    const HfedModel hfed = BuildHfedModel(loaded.Model(), settings);
    const auto draw = [&](hc::Surface& s, const ChartMedia& m, int chart) {
        if (chart == 0)
            DrawPiper(s, piper, m);
        else if (chart == 1)
            DrawSchoeller(s, schoeller, m);
        else if (chart == 2)
            DrawChadha(s, chadha, m);
        else if (chart == 3)
            DrawDurov(s, durov, m);
        else
            DrawHfed(s, hfed, m);
    };
    const char* names[] = {"piper", "schoeller", "chadha", "durov", "hfed"};
    auto pdf = hc::QtSurface::PdfFile(dir + "/charts.pdf");
    for (int chart = 0; chart < 5; ++chart) {
        QImage image(960, 700, QImage::Format_ARGB32);
        {
            auto s = hc::QtSurface::OnImage(&image, 96.0);
            draw(*s, ScreenMedia(960, 700), chart);
            ASSERT_TRUE(s->Finish().has_value());
        }
        const QString screen = dir + "/" + names[chart] + "_screen.png";
        ASSERT_TRUE(image.save(screen));
        const QString sheet = dir + "/" + names[chart] + "_paper.png";
        auto png = hc::QtSurface::PngSheet(sheet, 1, 100);
        draw(*png, PaperMedia(), chart);
        ASSERT_TRUE(png->Finish().has_value());
        EXPECT_GT(QFileInfo(sheet).size(), 0);
        draw(*pdf, PaperMedia(), chart);
    }
    ASSERT_TRUE(pdf->Finish().has_value());
    EXPECT_EQ(pdf->SheetsBegun(), 5);
}

// The example workbook as ternaryplot reads it: no groups, each sample its own mark and
// colour from rows 20 and 21, names beside the points.
TEST(Render, ExampleWorkbookWithOwnMarks) {
    wq::LoadOptions options;
    options.extraRows = wq::ReadMarkAndColour;
    auto loaded = wq::LoadWorkbook(HC_SOURCE_DIR "/examples/sample32.xlsx", options);
    if (!loaded)
        GTEST_SKIP() << "examples/sample32.xlsx not readable here";
    const wqtest::Loaded samples(*loaded);
    QTemporaryDir tmp;
    const QString dir = qEnvironmentVariableIsSet("WQPLOT_RENDER_DIR")
                            ? qEnvironmentVariable("WQPLOT_RENDER_DIR")
                            : tmp.path();
    wq::PlotSettings settings;
    settings.NitrateType = wq::NitrateType::None;
    settings.Diagram.labels = true;
    settings.Diagram.fields = true;
    const PiperModel piper = BuildPiperModel(samples.Model(), settings);
    EXPECT_FALSE(piper.styles.byGroup);
    QImage image(960, 700, QImage::Format_ARGB32);
    {
        auto s = hc::QtSurface::OnImage(&image, 96.0);
        DrawPiper(*s, piper, ScreenMedia(960, 700));
        ASSERT_TRUE(s->Finish().has_value());
    }
    EXPECT_TRUE(image.save(dir + "/sample32_piper.png"));
}

}  // namespace
}  // namespace wqp
