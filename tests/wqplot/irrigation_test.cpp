// The irrigation charts: the USSL classes on each side of and on every boundary, the chart's
// points, and a table without EC leaving its samples out with a note.
#include <gtest/gtest.h>

#include "common/core/recording_surface.h"

#include "tests/wqplot/wqplot_samples.h"
#include "wqplot/core/classification.h"
#include "wqplot/core/gibbs_chart.h"
#include "wqplot/core/ussl_chart.h"
#include "wqplot/core/wqplot_chart.h"

namespace wqp {
namespace {

TEST(Ussl, ClassesOnBothSidesOfEveryBoundary) {
    // The sodium lines by hand at EC 100 (log 2) and 1000 (log 3):
    // 18.87 - 4.44 x 2 = 9.99, 31.31 - 6.66 x 2 = 17.99, 43.75 - 8.87 x 2 = 26.01;
    // 18.87 - 13.32 = 5.55, 31.31 - 19.98 = 11.33, 43.75 - 26.61 = 17.14.
    const struct {
        double ec, sar;
        const char* cls;
    } cases[] = {
        {249.9, 0, "C1-S1"},  {250, 0, "C2-S1"},     {250.1, 0, "C2-S1"},
        {749.9, 0, "C2-S1"},  {750, 0, "C3-S1"},     {2249.9, 0, "C3-S1"},
        {2250, 0, "C4-S1"},   {5000, 0, "C4-S1"},    {100, 9.98, "C1-S1"},
        {100, 9.99, "C1-S2"}, {100, 17.98, "C1-S2"}, {100, 17.99, "C1-S3"},
        {100, 26, "C1-S3"},   {100, 26.01, "C1-S4"}, {1000, 5.54, "C3-S1"},
        {1000, 5.55, "C3-S2"}, {1000, 11.33, "C3-S3"}, {1000, 17.13, "C3-S3"},
        {1000, 17.14, "C3-S4"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UsslClassName(ClassifyUssl(c.ec, c.sar)), c.cls) << c.ec << " " << c.sar;
    // Without an EC (or with none above 0) there is no class; without a SAR only the salinity.
    EXPECT_EQ(UsslClassName(ClassifyUssl(std::nullopt, 1.0)), "");
    EXPECT_EQ(ClassifyUssl(0.0, 1.0).salinity, 0);
    EXPECT_EQ(ClassifyUssl(800.0, std::nullopt).salinity, 3);
    EXPECT_EQ(ClassifyUssl(800.0, std::nullopt).sodium, 0);
}

TEST(Ussl, PointsClassesAndSamplesWithoutEc) {
    wq::SampleTable t;
    // SAR = Na / sqrt((Ca+Mg)/2) by hand: 4 / sqrt(8/2) = 2 at EC 1000: C3-S1;
    // 20 / sqrt(2/2) = 20 at EC 300, between the S2|S3 (14.81) and S3|S4 (21.78) lines: C2-S3.
    t.samples.push_back(wqtest::FromMeq("fresh", {4, 0, 3, 5, 4, 8, 0, 0}, "a"));
    t.samples.back().ec = 1000;
    t.samples.push_back(wqtest::FromMeq("sodic", {20, 0, 1, 1, 20, 2, 0, 0}, "a"));
    t.samples.back().ec = 300;
    t.samples.push_back(wqtest::FromMeq("no EC", {1, 0, 1, 1, 1, 2, 0, 0}, "b"));
    t.samples.push_back(wqtest::FromMeq("no SAR", {5, 0, 0, 0, 5, 0, 0, 0}, "b"));
    t.samples.back().ec = 600;
    const wqtest::Loaded loaded(t);
    wq::PlotSettings settings;
    settings.Diagram.kind = wq::DiagramKind::Ussl;
    const UsslModel m = BuildUsslModel(loaded.Model(), settings);
    ASSERT_EQ(m.points.size(), 2u);
    EXPECT_NEAR(m.points[0].sar, 2, 1e-3);
    EXPECT_EQ(UsslClassName(m.points[0].cls), "C3-S1");
    EXPECT_NEAR(m.points[1].sar, 20, 1e-3);
    EXPECT_EQ(UsslClassName(m.points[1].cls), "C2-S3");
    EXPECT_EQ(m.withoutEc, 1);
    EXPECT_EQ(m.withoutSar, 1);
    EXPECT_EQ(LeftOutNote("EC ", 3), "EC のない 3 試料は描いていません");

    // The table's column and the CSV agree; the sample without EC has none.
    const auto rows = ClassificationRows(loaded.Model(), wq::NitrateType::None);
    EXPECT_EQ(ClassificationCells(rows[1], wq::Language::Japanese, CellUse::Window)[kColUssl],
              "C2-S3");
    EXPECT_EQ(ClassificationCells(rows[2], wq::Language::Japanese, CellUse::Window)[kColUssl],
              "－");
    const std::string csv = UsslCsv(loaded.Model(), settings);
    EXPECT_NE(csv.find("\n2,sodic,a,1,300.0,20.00,C2-S3\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\n3,no EC,b,1,,,\n"), std::string::npos) << csv;

    // A sample beyond the handbook's axes widens them to the next decade and ten.
    t.samples[0].ec = 7000;
    t.samples[1].mg[wq::kNa] *= 2;  // SAR 40
    const UsslModel wide = BuildUsslModel(wqtest::Loaded(t).Model(), settings);
    EXPECT_EQ(wide.ecHigh, 10000);
    EXPECT_EQ(wide.ecLow, 100);
    EXPECT_EQ(wide.sarHigh, 40);
}

TEST(Gibbs, RatiosOfMassOrEquivalentsAndSamplesLeftOut) {
    wq::SampleTable t;
    // One meq/L of Na, Ca, Cl and HCO3: by equivalents both ratios are 1/2; by mass
    // Na/(Na+Ca) = 22.9898 / (22.9898 + 20.039) = 0.534289 and
    // Cl/(Cl+HCO3) = 35.4527 / (35.4527 + 61.0171) = 0.367501.
    t.samples.push_back(wqtest::FromMeq("even", {1, 0, 1, 0, 1, 1, 0, 0}));
    t.samples.back().tds = 250;
    t.samples.push_back(wqtest::FromMeq("no Na, Ca", {0, 1, 0, 1, 1, 1, 0, 0}));
    t.samples.push_back(wqtest::FromMeq("TDS 0", {1, 0, 1, 0, 1, 1, 0, 0}));
    t.samples.back().tds = 0;
    const wqtest::Loaded loaded(t);
    wq::PlotSettings settings;
    settings.Diagram.kind = wq::DiagramKind::Gibbs;
    GibbsModel mass = BuildGibbsModel(loaded.Model(), settings);
    ASSERT_EQ(mass.points.size(), 2u);
    EXPECT_NEAR(*mass.points[0].ratios.cation, 0.534289, 1e-6);
    EXPECT_NEAR(*mass.points[0].ratios.anion, 0.367501, 1e-6);
    EXPECT_EQ(mass.points[0].tds, 250);
    EXPECT_FALSE(mass.points[1].ratios.cation);  // left out of the cation panel only
    EXPECT_TRUE(mass.points[1].ratios.anion);
    EXPECT_TRUE(mass.points[1].tdsComputed);     // the composition's sum is drawn
    EXPECT_EQ(mass.withoutCation, 1);
    EXPECT_EQ(mass.withoutTds, 1);
    settings.Diagram.gibbsMeq = true;
    const GibbsModel meq = BuildGibbsModel(loaded.Model(), settings);
    EXPECT_NEAR(*meq.points[0].ratios.cation, 0.5, 1e-9);
    EXPECT_NEAR(*meq.points[0].ratios.anion, 0.5, 1e-9);
    EXPECT_NE(GibbsCsv(loaded.Model(), settings).find("\n1,even,,1,250.0,0,0.5000,0.5000\n"),
              std::string::npos);
    // The envelope's lines run across the panel (ratios within 0..1, TDS above 0).
    for (const auto* envelope : {&kGibbsCationEnvelope, &kGibbsAnionEnvelope})
        for (const GibbsLine& line : *envelope)
            for (const GibbsVertex& v : line)
                EXPECT_TRUE(v.ratio >= 0 && v.ratio <= 1 && v.tds > 0);
}

// Screen and paper: the points where they belong, the note of the samples left out, nothing
// beyond the area.
TEST(IrrigationDrawing, PointsNotesAndArea) {
    wq::SampleTable t;
    t.samples.push_back(wqtest::FromMeq("fresh", {4, 0, 3, 5, 4, 8, 0, 0}, "a"));  // SAR 2
    t.samples.back().ec = 1000;
    t.samples.push_back(wqtest::FromMeq("no EC", {1, 0, 1, 1, 1, 2, 0, 0}, "a"));
    const wqtest::Loaded loaded(t);
    wq::PlotSettings settings;
    for (bool paper : {false, true}) {
        auto rec = paper ? hc::RecordingSurface::Paper() : hc::RecordingSurface::Screen(800, 800);
        const ChartMedia m = paper ? PaperMedia() : ScreenMedia(800, 800);
        auto centre = [&](const char* tick) {
            const hc::DrawOp op = rec.TextsEqual(tick).at(0);
            rec.SetFontSize(op.size);
            return op.x1 + rec.TextWidth(tick) / 2;
        };
        for (int chart = 0; chart < 2; ++chart) {
            rec.ClearOps();
            if (chart == 0)
                DrawUssl(rec, BuildUsslModel(loaded.Model(), settings), m);
            else
                DrawGibbs(rec, BuildGibbsModel(loaded.Model(), settings), m);
            // One mark a point and one in the legend: the USSL diagram leaves "no EC" out,
            // Gibbs's draws both samples in both panels.
            const std::vector<hc::DrawOp> marks = rec.OpsOf(hc::DrawOp::Kind::Circle);
            ASSERT_EQ(marks.size(), chart == 0 ? 2u : 5u) << paper;
            if (chart == 0) {
                EXPECT_EQ(rec.TextsEqual("EC のない 1 試料は描いていません").size(), 1u);
                // EC 1000 lies between the class limits 750 and 2250.
                EXPECT_GT(marks[0].x1, centre("750"));
                EXPECT_LT(marks[0].x1, centre("2250"));
            }
            for (const hc::DrawOp& op : rec.Ops()) {
                if (op.kind == hc::DrawOp::Kind::Text) {
                    rec.SetFontSize(op.size);
                    EXPECT_GE(op.x1, 0) << op.text;
                    EXPECT_LE(op.x1 + rec.TextWidth(op.text), m.width + 1e-9) << op.text;
                    EXPECT_LE(op.y1 + rec.TextHeight(op.text), m.height) << op.text;
                } else if (op.kind == hc::DrawOp::Kind::Line) {
                    for (double x : {op.x1, op.x2})
                        EXPECT_TRUE(x >= 0 && x <= m.width) << chart << paper;
                    for (double y : {op.y1, op.y2})
                        EXPECT_TRUE(y >= 0 && y <= m.height) << chart << paper;
                }
            }
        }
    }
}

}  // namespace
}  // namespace wqp
