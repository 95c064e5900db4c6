// The fit in force on the chart: unchanged drawing for the default fit, curves for the others.
#include <gtest/gtest.h>

#include <cmath>

#include "common/core/recording_surface.h"
#include "rainprob/core/fit_chart.h"
#include "test_data.h"

using namespace rain;
using hc::DrawOp;
using hc::RecordingSurface;

namespace {

struct Fitted {
    RainTable table;
    RainAnalysis analysis;
    DistributionFit fit;
};

Fitted Make(Distribution d, PlottingPosition p = PlottingPosition::Hazen,
            const std::vector<std::int32_t>& amounts = test::kTextbookMm) {
    Fitted f;
    f.table = ParseRainText(test::RecordText(amounts)).value();
    f.analysis = AnalyseRain(f.table, StandardNormalTable(), p).value();
    f.fit = FitDistribution(f.table, f.analysis, d).value();
    return f;
}

std::vector<std::string> Screen(const Fitted& f, const ChartSettings& s,
                                const DistributionFit* fit) {
    RecordingSurface surface = RecordingSurface::Screen(377, 473);
    DrawScreenChart(surface, f.table, f.analysis, StandardNormalTable(), s, fit);
    std::vector<std::string> list;
    for (const DrawOp& op : surface.Ops())
        list.push_back(op.ToJson());
    return list;
}

std::vector<std::string> Paper(const Fitted& f, const ChartSettings& s,
                               const DistributionFit* fit) {
    RecordingSurface surface = RecordingSurface::Paper();
    PrintChart(surface, f.table, f.analysis, StandardNormalTable(), s, fit);
    std::vector<std::string> list;
    for (const DrawOp& op : surface.Ops())
        list.push_back(op.ToJson());
    return list;
}

// The lines drawn in the regression's pen (paper: its width 5 is used by nothing else).
std::vector<DrawOp> CurveLines(const RecordingSurface& s, int width, hc::Color color) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Line))
        if (op.width == width && op.color == color)
            out.push_back(op);
    return out;
}

}  // namespace

TEST(FitChart, DefaultFitDrawsExactlyTheRegressionChart) {
    const Fitted f = Make(Distribution::Normal);
    for (int mode = 0; mode <= 2; ++mode)
        for (auto [lo, hi] : {std::pair{0, 3000}, std::pair{1000, 1500}, std::pair{500, 7500}}) {
            ChartSettings s;
            s.analysisMode = static_cast<AnalysisMode>(mode);
            s.ScaleMin = lo;
            s.ScaleMax = hi;
            SCOPED_TRACE(testing::Message() << "mode " << mode << ", " << lo << ".." << hi);
            EXPECT_EQ(Screen(f, s, &f.fit), Screen(f, s, nullptr));
            EXPECT_EQ(Paper(f, s, &f.fit), Paper(f, s, nullptr));
        }
}

TEST(FitChart, LogNormalCurveFollowsTheFitOnPaper) {
    const Fitted f = Make(Distribution::LogNormal);
    ChartSettings s;
    s.analysisMode = AnalysisMode::Line;
    RecordingSurface paper = RecordingSurface::Paper();
    PrintChart(paper, f.table, f.analysis, StandardNormalTable(), s, &f.fit);
    const std::vector<DrawOp> lines = CurveLines(paper, 5, hc::kBlack);
    ASSERT_EQ(lines.size(), 600u);  // -3..3 in steps of 0.01, all inside 0..3000 mm
    const ChartLayout l = PaperLayout(s);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            ASSERT_EQ(lines[i].x1, lines[i - 1].x2);
            ASSERT_EQ(lines[i].y1, lines[i - 1].y2);
        }
        // Back from millimetres to the deviate and the amount: the point lies on the fit.
        const double z = (l.median - 10 * lines[i].y1) / l.perDeviate;
        const double amount = (10 * lines[i].x1 - l.left) / l.length * 3000;
        EXPECT_NEAR(amount, std::exp(f.fit.location + f.fit.scale * z), 1e-6) << i;
    }
    EXPECT_NEAR(lines.front().y1, (1200 + 900) / 10.0, 1e-9);  // deviate -3
    EXPECT_NEAR(lines.back().y2, (1200 - 900) / 10.0, 1e-9);   // deviate +3
    // Convex in amount against deviate: the curve is no straight line.
    const double midX = (lines.front().x1 + lines.back().x2) / 2;
    EXPECT_LT(lines[299].x2, midX - 1);
}

TEST(FitChart, CurvesAreCutAtTheAxisRange) {
    const Fitted f = Make(Distribution::GumbelMoments);
    const std::vector<SegmentEnd> pts = FitCurvePoints(f.fit, 1000, 1500);
    ASSERT_GE(pts.size(), 3u);
    EXPECT_EQ(pts.front().amount, 1000);
    EXPECT_EQ(pts.back().amount, 1500);
    EXPECT_NEAR(f.fit.AmountAtDeviate(pts.front().deviate), 1000, 1e-6);
    EXPECT_NEAR(f.fit.AmountAtDeviate(pts.back().deviate), 1500, 1e-6);
    for (std::size_t i = 1; i < pts.size(); ++i) {
        EXPECT_GT(pts[i].deviate, pts[i - 1].deviate);
        EXPECT_GE(pts[i].amount, pts[i - 1].amount);
    }
    // Wholly outside the range: nothing is drawn.
    EXPECT_TRUE(FitCurvePoints(f.fit, 4000, 7500).empty());
    ChartSettings s;
    s.analysisMode = AnalysisMode::Line;
    s.ScaleMin = 4000;
    s.ScaleMax = 7500;
    RecordingSurface screen = RecordingSurface::Screen(377, 473);
    DrawScreenChart(screen, f.table, f.analysis, StandardNormalTable(), s, &f.fit);
    EXPECT_TRUE(CurveLines(screen, 1, hc::QBColor(12)).empty());
}

TEST(FitChart, PrintedResultsAreThoseOfTheFit) {
    const Fitted f = Make(Distribution::GumbelRegression);
    ChartSettings s;
    s.analysisMode = AnalysisMode::LineAndValues;
    RecordingSurface paper = RecordingSurface::Paper();
    PrintChart(paper, f.table, f.analysis, StandardNormalTable(), s, &f.fit);
    EXPECT_EQ(paper.TextsEqual(kGumbelRegressionResultHeader).size(), 1u);
    EXPECT_TRUE(paper.TextsEqual(kResultHeader).empty());
    // 1/10: 1023.0 and 1390.3 mm; 1/50: 959.9 and 1587.0 mm (Python, see frequency_test).
    EXPECT_EQ(
        paper.TextsEqual(std::string(kDry10Label) + "1023mm  " + kDry50Label + "960mm").size(), 1u);
    EXPECT_EQ(
        paper.TextsEqual(std::string(kWet10Label) + "1390mm  " + kWet50Label + "1587mm").size(),
        1u);
}

// The band's dashes on paper: each at most a dash long, inside the axis range where the band
// leaves it (the upper edge passes 1500 mm), and one routine for both edges.
TEST(FitBand, DashesStayInsideTheAxisRange) {
    ChartSettings s;
    s.ScaleMin = 500;
    s.ScaleMax = 1500;
    const ChartLayout l = PaperLayout(s);
    const std::vector<BandPoint> band = {{-3, 400, 600}, {0, 1100, 1300}, {3, 1400, 1700}};
    RecordingSurface paper = RecordingSurface::Paper();
    DrawFitBand(paper, l, band, 1.0 / 25, 1.0 / 40);
    const std::vector<DrawOp> lines = paper.OpsOf(DrawOp::Kind::Line);
    ASSERT_GT(lines.size(), 20u);
    const double dash = l.perDeviate / 25 / l.div;
    double drawn = 0;
    for (const DrawOp& op : lines) {
        const double length = std::hypot(op.x2 - op.x1, op.y2 - op.y1);
        EXPECT_LE(length, dash + 1e-9);
        drawn += length;
        for (double x : {op.x1, op.x2}) {
            EXPECT_GE(x, l.X(500) - 1e-9);
            EXPECT_LE(x, l.X(1500) + 1e-9);
        }
    }
    // Dash 1/25 and gap 1/40 of a deviate: 40/65 of the edges' length inside the range is ink.
    double inside = 0;
    for (double BandPoint::*edge : {&BandPoint::lower, &BandPoint::upper})
        for (std::size_t i = 1; i < band.size(); ++i) {
            double a0 = band[i - 1].*edge, a1 = band[i].*edge;
            double z0 = band[i - 1].deviate, z1 = band[i].deviate;
            // Cut at the range by hand.
            auto clip = [&](double& a, double& z, double ao, double zo) {
                for (double end : {500.0, 1500.0})
                    if ((a - end) * (ao - end) < 0 && (a < 500 || a > 1500)) {
                        z += (end - a) / (ao - a) * (zo - z);
                        a = end;
                    }
            };
            clip(a0, z0, a1, z1);
            clip(a1, z1, a0, z0);
            inside += std::hypot(l.X(a1) - l.X(a0), l.Y(z1) - l.Y(z0));
        }
    EXPECT_NEAR(drawn / inside, 40.0 / 65.0, 0.03);
}
