// The stage-discharge chart on the screen's user scale and on the A4 landscape sheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "common/core/recording_surface.h"
#include "flowcalc/core/energy_chart.h"
#include "flowcalc/core/rating_chart.h"
#include "tests/flowcalc/sections.h"

namespace {

using hc::DrawOp;

constexpr hc::Color kBlue{0, 0, 255};
constexpr hc::Color kRed{255, 0, 0};

flow::RatingCurve Trapezoid(double step = 0.1) {
    flow::CrossSection s = flowtest::Section({{0, 2}, {3, 0}, {7, 0}, {10, 2.5}});
    hc::Result<flow::RatingCurve> r =
        flow::ComputeRatingCurve(s, flowtest::Params(s, 0.03, 1000), step);
    EXPECT_TRUE(r);
    return r ? *r : flow::RatingCurve{};
}

std::vector<DrawOp> Lines(const hc::RecordingSurface& g, hc::Color c, int style) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : g.OpsOf(DrawOp::Kind::Line))
        if (op.color == c && op.style == style)
            out.push_back(op);
    return out;
}

}  // namespace

TEST(RatingChart, NiceAxes) {
    struct Case {
        double lo, hi, min, max, step;
    };
    for (const Case& c :
         {Case{0, 16.38, 0, 20, 5}, Case{0, 2, 0, 2, 0.5}, Case{2.02, 6, 2, 6, 1},
          Case{0, 157.7, 0, 200, 50}, Case{7.92, 15, 6, 16, 2}, Case{0, 0.012, 0, 0.015, 0.005}}) {
        flow::AxisScale a = flow::NiceAxis(c.lo, c.hi);
        EXPECT_NEAR(a.Min, c.min, 1e-12) << c.lo << ".." << c.hi;
        EXPECT_NEAR(a.Max, c.max, 1e-12) << c.lo << ".." << c.hi;
        EXPECT_NEAR(a.Step, c.step, 1e-15) << c.lo << ".." << c.hi;
    }
}

TEST(RatingChart, LineThroughEveryStageOnTheScreen) {
    const flow::RatingCurve c = Trapezoid();
    hc::RecordingSurface g = hc::RecordingSurface::Screen(600, 430);
    flow::DrawRatingScreen(g, c);
    EXPECT_EQ(g.ScaleWidth(), flow::kRatingScreenWidth);
    const flow::RatingChartConstants k = flow::RatingScreenConstants();
    // Axes 0..20 m3/s and 0..2 m: the frame (22, 8)-(134, 80) is 5.6 units per m3/s and 36
    // units per metre.
    const std::vector<DrawOp> line = Lines(g, kBlue, 0);
    ASSERT_EQ(line.size(), c.Rows.size() - 1);
    EXPECT_DOUBLE_EQ(line.front().x1, k.Left);
    EXPECT_DOUBLE_EQ(line.front().y1, k.Bottom);
    EXPECT_NEAR(line.back().x2, 22 + 16.380595 * 5.6, 1e-5);
    EXPECT_NEAR(line.back().y2, k.Top, 1e-12);
    EXPECT_NEAR(line[9].x2, 22 + c.Rows[10].Discharge * 5.6, 1e-12);
    EXPECT_NEAR(line[9].y2, 80 - 36, 1e-12);
    for (std::size_t i = 1; i < line.size(); ++i) {
        EXPECT_EQ(line[i].x1, line[i - 1].x2);
        EXPECT_EQ(line[i].y1, line[i - 1].y2);
    }
    EXPECT_EQ(g.OpsOf(DrawOp::Kind::Circle).size(), c.Rows.size());
    // The lower bank top (2 m) dashed in red across the frame.
    const std::vector<DrawOp> bank = Lines(g, kRed, 1);
    ASSERT_EQ(bank.size(), 1u);
    EXPECT_DOUBLE_EQ(bank[0].y1, k.Top);
    EXPECT_EQ(g.TextsEqual(flow::kRatingBankLabel).size(), 1u);
    for (const char* label : {"0", "5", "10", "15", "20", "0.5", "1", "1.5", "2"})
        EXPECT_FALSE(g.TextsEqual(label).empty()) << label;
    // Dense tables show the line alone.
    hc::RecordingSurface dense = hc::RecordingSurface::Screen(600, 430);
    flow::DrawRatingScreen(dense, Trapezoid(0.01));
    EXPECT_TRUE(dense.OpsOf(DrawOp::Kind::Circle).empty());
}

TEST(RatingChart, A4LandscapeSheet) {
    const flow::RatingCurve c = Trapezoid();
    hc::RecordingSurface paper = hc::RecordingSurface::Paper();
    flow::FlowParameters p = flowtest::Params(flowtest::Section({{0, 1}, {10, 1}}), 0.03, 1000);
    flow::PrintRatingCurve(paper, c, "/data/trapezoid.txt", p, flow::PrintWidths{});
    EXPECT_EQ(paper.GetOrientation(), hc::Orientation::Landscape);
    EXPECT_EQ(paper.OpsOf(DrawOp::Kind::EndDoc).size(), 1u);
    EXPECT_EQ(paper.TextsEqual(flow::kRatingSheetTitle).size(), 1u);
    EXPECT_EQ(paper.TextsEqual("ファイル名 < /data/trapezoid.txt >").size(), 1u);
    EXPECT_EQ(
        paper
            .TextsEqual("  粗度係数  ｎ＝ 0.03    河床勾配  Ｉ＝ １／1000    水位の刻み  0.1 ｍ"
                        "    水路ごとに計算")
            .size(),
        1u);
    // Everything on the sheet, text included (its extent by the recorded metrics).
    hc::RecordingSurface metrics = hc::RecordingSurface::Paper();
    for (const DrawOp& op : paper.Ops()) {
        double right = op.x1, bottom = op.y1;
        if (op.kind == DrawOp::Kind::Line) {
            right = std::max(op.x1, op.x2);
            bottom = std::max(op.y1, op.y2);
        } else if (op.kind == DrawOp::Kind::Text) {
            metrics.SetFontSize(op.size);
            right += metrics.TextWidth(op.text);
            bottom += metrics.TextHeight(op.text);
        } else if (op.kind != DrawOp::Kind::Circle) {
            continue;
        }
        EXPECT_GE(op.x1, 0) << op.ToJson();
        EXPECT_GE(op.y1, 0) << op.ToJson();
        EXPECT_LE(right, 297) << op.ToJson();
        EXPECT_LE(bottom, 210) << op.ToJson();
    }
    // The rating line in the section line's print width.
    const std::vector<DrawOp> line = Lines(paper, kBlue, 0);
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.front().width, flow::PrintWidths{}.Section);
}

// The sheet's bank-full discharge to the litre per second. By hand at the 2 m bank top:
// A = 13.4, P = 4 + 2 (sqrt 3.25 + sqrt 2.44) = 10.729651, Q = A (A/P)^(2/3) sqrt(0.001) / n.
TEST(RatingChart, BankFullDischargeToTheLitre) {
    const struct {
        double n;
        const char* q;  // 16.380595, 12.285446, 19.656714 m3/s
    } cases[] = {{0.03, "16.381"}, {0.04, "12.285"}, {0.025, "19.657"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        flow::CrossSection s = flowtest::Section({{0, 2}, {3, 0}, {7, 0}, {10, 2.5}});
        const flow::FlowParameters p = flowtest::Params(s, c.n, 1000);
        const flow::RatingCurve curve = flow::ComputeRatingCurve(s, p).value();
        hc::RecordingSurface paper = hc::RecordingSurface::Paper();
        flow::PrintRatingCurve(paper, curve, "/data/trapezoid.txt", p, flow::PrintWidths{});
        const std::string line = std::string("  河床高  0 ｍ    岸の天端（低い方）  2 ｍ    ") +
                                 "天端での流量  Ｑ＝ " + c.q + " ｍ3/sec";
        EXPECT_EQ(paper.TextsEqual(line).size(), 1u);
    }
}

// The specific-energy chart of a rectangle 4 m wide carrying 8 m3/s: one mark at the critical
// depth (q 2 m2/s: yc = (4 / g)^(1/3), E = 1.5 yc), the curve inside the frame, the sheet.
TEST(EnergyChart, MarkAtTheCriticalDepthAndTheCurveInsideTheFrame) {
    flow::CrossSection s = flowtest::Section({{0, 3}, {0, 0}, {4, 0}, {4, 3}});
    auto e = flow::ComputeEnergyCurve(
        s, flowtest::Params(s, 0.03, 1000, 0, flow::ConveyanceMethod::Subdivided), 8);
    ASSERT_TRUE(e);
    hc::RecordingSurface g = hc::RecordingSurface::Screen(600, 430);
    flow::DrawEnergyScreen(g, *e);
    const flow::RatingChartConstants k = flow::RatingScreenConstants();
    const flow::EnergyAxes axes = flow::EnergyChartAxes(*e);
    const double yc = std::cbrt(4 / 9.80665);
    EXPECT_GE(axes.Energy.Max, 2 * 1.5 * yc);
    const std::vector<DrawOp> marks = g.OpsOf(DrawOp::Kind::Circle);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_NEAR(marks[0].x1, flow::EnergyX(k, axes, 1.5 * yc), 1e-6);
    EXPECT_NEAR(marks[0].y1, flow::EnergyY(k, axes, yc), 1e-5);
    const std::vector<DrawOp> curve = Lines(g, kBlue, 0);
    ASSERT_GT(curve.size(), 100u);
    for (const DrawOp& op : curve) {
        EXPECT_GE(std::min(op.x1, op.x2), k.Left - 1e-9);
        EXPECT_LE(std::max(op.x1, op.x2), k.Right + 1e-9);
    }
    hc::RecordingSurface paper = hc::RecordingSurface::Paper();
    flow::PrintEnergyCurve(paper, *e, "/data/rect.txt", flowtest::Params(s, 0.03, 1000),
                           flow::PrintWidths{});
    EXPECT_EQ(paper.TextsEqual(flow::kEnergySheetTitle).size(), 1u);
    EXPECT_EQ(paper.OpsOf(DrawOp::Kind::EndDoc).size(), 1u);
    EXPECT_EQ(paper.GetOrientation(), hc::Orientation::Landscape);
}
