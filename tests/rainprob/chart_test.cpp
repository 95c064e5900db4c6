#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "common/core/recording_surface.h"
#include "rainprob/core/chart.h"
#include "test_data.h"

using namespace rain;
using hc::DrawOp;
using hc::RecordingSurface;

namespace {

struct Record {
    RainTable table;
    RainAnalysis analysis;
};

Record Make(const std::vector<std::int32_t>& amounts, int firstYear = 1981) {
    Record r;
    r.table = ParseRainText(test::RecordText(amounts, firstYear)).value();
    r.analysis = AnalyseRain(r.table, StandardNormalTable()).value();
    return r;
}

RecordingSurface Screen(const Record& r, const ChartSettings& s) {
    RecordingSurface surface = RecordingSurface::Screen(377, 473);
    DrawScreenChart(surface, r.table, r.analysis, StandardNormalTable(), s);
    return surface;
}

RecordingSurface Paper(const Record& r, const ChartSettings& s) {
    RecordingSurface surface = RecordingSurface::Paper();
    PrintChart(surface, r.table, r.analysis, StandardNormalTable(), s);
    return surface;
}

// Vertical lines (x1 == x2), by style.
std::vector<DrawOp> Verticals(const RecordingSurface& s, int style) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Line))
        if (op.x1 == op.x2 && op.style == style && op.y1 != op.y2)
            out.push_back(op);
    return out;
}

std::vector<DrawOp> Horizontals(const RecordingSurface& s) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Line))
        if (op.y1 == op.y2 && op.x1 != op.x2)
            out.push_back(op);
    return out;
}

std::vector<double> Xs(const std::vector<DrawOp>& ops) {
    std::vector<double> xs;
    for (const DrawOp& op : ops)
        xs.push_back(op.x1);
    std::sort(xs.begin(), xs.end());
    return xs;
}

const Record& Textbook() {
    static const Record r = Make(test::kTextbookMm);
    return r;
}

}  // namespace

TEST(ScreenChart, DefaultRangeHasSixIntervals) {
    RecordingSurface s = Screen(Textbook(), {});
    EXPECT_EQ(s.ScaleWidth(), 4000);
    EXPECT_EQ(s.ScaleHeight(), 5000);
    EXPECT_EQ(Xs(Verticals(s, 0)), (std::vector<double>{700, 1200, 1700, 2200, 2700, 3200, 3700}));
    std::vector<DrawOp> dotted = Verticals(s, 2);
    ASSERT_EQ(dotted.size(), 24u);
    for (const DrawOp& op : dotted) {
        EXPECT_EQ(op.color, hc::QBColor(1));
        // 100 mm steps: x = 700 + P, never on a 500 mm line.
        EXPECT_NE(static_cast<int>(op.x1 - 700) % 500, 0);
        EXPECT_EQ(static_cast<int>(op.x1 - 700) % 100, 0);
    }
    for (const char* label : {"0", "500", "1000", "1500", "2000", "2500", "3000"})
        EXPECT_EQ(s.TextsEqual(label).size(), 1u) << label;
}

TEST(ScreenChart, NarrowRangeHasOneInterval) {
    ChartSettings set;
    set.ScaleMin = 1000;
    set.ScaleMax = 1500;
    RecordingSurface s = Screen(Textbook(), set);
    EXPECT_EQ(Xs(Verticals(s, 0)), (std::vector<double>{700, 3700}));
    // 1100..1400 mm at 6 units per mm.
    EXPECT_EQ(Xs(Verticals(s, 2)), (std::vector<double>{1300, 1900, 2500, 3100}));
    EXPECT_EQ(s.TextsEqual("1000").size(), 1u);
    EXPECT_EQ(s.TextsEqual("1500").size(), 1u);
}

TEST(ScreenChart, ProbabilityLinesAndLabels) {
    RecordingSurface s = Screen(Textbook(), {});
    std::vector<DrawOp> h = Horizontals(s);
    ASSERT_EQ(h.size(), 15u);
    // 0.1 % first (bottom), 99.9 % last (top); the median exactly at 2300.
    EXPECT_EQ(h[0].y1, 2300 + 2163);  // round(700 x 3.0902)
    EXPECT_EQ(h[7].y1, 2300);
    EXPECT_EQ(h[14].y1, 2300 - 2163);
    EXPECT_EQ(h[11].y1, 2300 - 897);  // 90 %: round(700 x 1.28155)
    for (const DrawOp& op : h) {
        EXPECT_EQ(op.x1, 670);
        EXPECT_EQ(op.x2, 3700);
    }
    // Labels end a quarter of their width before the axis, centred on their line.
    auto label = s.TextsEqual("  90");
    ASSERT_EQ(label.size(), 1u);
    s.SetFontName(hc::kMincho);
    s.SetFontSize(8);
    EXPECT_EQ(label[0].x1, 700 - std::round(1.25 * s.TextWidth("  90")));
    EXPECT_EQ(label[0].y1, 1403 - std::round(s.TextHeight("  90") / 2));
    EXPECT_EQ(label[0].size, 8);
    // The 500 mm lines reach 30 units below the bottom line, the dotted ones stop on it.
    for (const DrawOp& op : Verticals(s, 0))
        EXPECT_EQ(op.y2, 4463 + 30);
    for (const DrawOp& op : Verticals(s, 2))
        EXPECT_EQ(op.y2, 4463);
    EXPECT_EQ(s.TextsEqual("年降水量（mm）").at(0).x1, 1700);
    EXPECT_EQ(s.TextsEqual("年降水量（mm）").at(0).y1, 4800);
    EXPECT_EQ(s.TextsEqual("非").at(0).y1, 1000);
    EXPECT_EQ(s.TextsEqual("率").at(0).y1, 3000);
    EXPECT_EQ(s.TextsEqual("(%)").at(0).x1, 70);
}

TEST(ScreenChart, PointsAndRegressionLine) {
    Record r = Make({1000, 3000, 2000});
    ChartSettings set;
    RecordingSurface s0 = Screen(r, set);
    auto circles = s0.OpsOf(DrawOp::Kind::Circle);
    ASSERT_EQ(circles.size(), 3u);
    EXPECT_EQ(circles[1].x1, 3700);  // an amount equal to ScaleMax on the right end
    EXPECT_EQ(circles[2].x1, 2700);
    EXPECT_EQ(circles[2].y1, 2300);  // the middle record
    EXPECT_EQ(circles[0].r, 20);
    EXPECT_TRUE(circles[0].fill);
    auto red = [](const RecordingSurface& s) {
        std::vector<DrawOp> out;
        for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Line))
            if (op.color == hc::QBColor(12))
                out.push_back(op);
        return out;
    };
    EXPECT_TRUE(red(s0).empty());
    set.analysisMode = AnalysisMode::Line;
    auto line1 = red(Screen(r, set));
    set.analysisMode = AnalysisMode::LineAndValues;
    auto line2 = red(Screen(r, set));
    ASSERT_EQ(line1.size(), 1u);
    ASSERT_EQ(line2.size(), 1u);
    EXPECT_EQ(line1[0].x1, line2[0].x1);
    EXPECT_EQ(line1[0].width, 1);
    // Slope 1000 / z(5/6) runs out of the range at both ends: cut at 0 and 3000 mm.
    EXPECT_EQ(line1[0].x1, 700);
    EXPECT_EQ(line1[0].x2, 3700);
    double b = r.analysis.slope;
    EXPECT_EQ(line1[0].y2, 2300 - std::round(700 * (1000 / b)));
}

TEST(PaperChart, PositionsWithoutOffset) {
    RecordingSurface s = Paper(Textbook(), {});
    std::vector<double> solid = Xs(Verticals(s, 0));
    ASSERT_EQ(solid.size(), 7u);
    EXPECT_DOUBLE_EQ(solid.front(), 40);
    EXPECT_DOUBLE_EQ(solid.back(), 190);
    std::vector<DrawOp> h = Horizontals(s);
    ASSERT_EQ(h.size(), 15u);
    EXPECT_DOUBLE_EQ(h[7].y1, 120);
    EXPECT_NEAR(h[14].y1, 120 - 30 * 3.0902, 1e-3);  // 99.9 % about 27 mm from the top
    EXPECT_DOUBLE_EQ(h[0].x1, 38.5);
    EXPECT_DOUBLE_EQ(h[0].x2, 190);
    EXPECT_EQ(h[0].width, 3);
    for (const DrawOp& op : Verticals(s, 2))
        EXPECT_EQ(op.width, 2);
    EXPECT_EQ(s.Documents(), 1);
    EXPECT_EQ(s.Ops().back().kind, DrawOp::Kind::EndDoc);
    EXPECT_EQ(s.TextsEqual("  50").at(0).size, 10);
    EXPECT_EQ(s.TextsEqual("年  降  水  量  （mm）").at(0).x1, 90);
    EXPECT_EQ(s.TextsEqual("年  降  水  量  （mm）").at(0).y1, 225);
    EXPECT_EQ(s.TextsEqual("非").at(0).x1, 20);
    EXPECT_EQ(s.TextsEqual("非").at(0).y1, 70);
    EXPECT_DOUBLE_EQ(s.TextsEqual("(%)").at(0).x1, 18.5);
    EXPECT_EQ(s.TextsEqual("(%)").at(0).y1, 170);
    auto note = s.TextsEqual("数字は西暦年の下２桁");
    ASSERT_EQ(note.size(), 1u);
    EXPECT_NEAR(note[0].x1, 190 - 10 * 10 * 25.4 / 72, 1e-9);  // ten wide characters at 10 pt
}

TEST(PaperChart, OffsetsMoveEverything) {
    ChartSettings set;
    set.analysisMode = AnalysisMode::LineAndValues;
    RecordingSurface base = Paper(Textbook(), set);
    set.offsetRight = 10;
    set.offsetUp = 10;
    RecordingSurface moved = Paper(Textbook(), set);
    EXPECT_DOUBLE_EQ(Xs(Verticals(moved, 0)).front(), 50);
    EXPECT_DOUBLE_EQ(Horizontals(moved)[7].y1, 110);
    auto header = [](const RecordingSurface& s) {
        return s.TextsEqual("< 直線回帰による解析結果 >").at(0);
    };
    EXPECT_DOUBLE_EQ(header(base).x1, 40);
    EXPECT_DOUBLE_EQ(header(base).y1, 235);
    EXPECT_DOUBLE_EQ(header(moved).x1, 50);
    EXPECT_DOUBLE_EQ(header(moved).y1, 225);
    // Every drawing operation moved by the same amount.
    ASSERT_EQ(base.Ops().size(), moved.Ops().size());
    for (std::size_t i = 0; i < base.Ops().size(); ++i) {
        const DrawOp& a = base.Ops()[i];
        const DrawOp& b = moved.Ops()[i];
        if (a.kind == DrawOp::Kind::Line && a.width == 5)
            continue;  // the regression line is rounded to whole millimetres
        if (a.kind == DrawOp::Kind::Text || a.kind == DrawOp::Kind::Circle ||
            a.kind == DrawOp::Kind::Line) {
            EXPECT_NEAR(b.x1 - a.x1, 10, 1e-9) << i;
            EXPECT_NEAR(b.y1 - a.y1, -10, 1e-9) << i;
        }
    }
    set.offsetRight = 0;
    set.offsetUp = -10;
    EXPECT_DOUBLE_EQ(Horizontals(Paper(Textbook(), set))[7].y1, 130);
}

TEST(PaperChart, AnalysisModes) {
    ChartSettings set;
    auto regression = [](const RecordingSurface& s) {
        std::vector<DrawOp> out;
        for (const DrawOp& op : s.OpsOf(DrawOp::Kind::Line))
            if (op.width == 5)
                out.push_back(op);
        return out;
    };
    RecordingSurface m0 = Paper(Textbook(), set);
    EXPECT_TRUE(regression(m0).empty());
    EXPECT_TRUE(m0.TextsEqual("< 直線回帰による解析結果 >").empty());
    set.analysisMode = AnalysisMode::Line;
    RecordingSurface m1 = Paper(Textbook(), set);
    ASSERT_EQ(regression(m1).size(), 1u);
    EXPECT_TRUE(m1.TextsEqual("< 直線回帰による解析結果 >").empty());
    set.analysisMode = AnalysisMode::LineAndValues;
    RecordingSurface m2 = Paper(Textbook(), set);
    ASSERT_EQ(regression(m2).size(), 1u);
    EXPECT_EQ(m2.TextsEqual("    1/10渇水年降水量 = 1008mm      1/50渇水年降水量 = 899mm").size(),
              1u);
    EXPECT_EQ(m2.TextsEqual("    1/10豊水年降水量 = 1371mm      1/50豊水年降水量 = 1481mm").size(),
              1u);
    EXPECT_EQ(m2.TextsEqual("< 直線回帰による解析結果 >").at(0).size, 11);
    // Ends at deviates -3 and 3 in whole millimetres: x = 40 + 150 P / 3000, y = 120 -+ 90.
    DrawOp line = regression(m2)[0];
    const RainAnalysis& a = Textbook().analysis;
    EXPECT_EQ(line.x1, std::round((400 + 1500 * (a.mean - 3 * a.slope) / 3000) / 10));
    EXPECT_EQ(line.y1, 210);
    EXPECT_EQ(line.x2, std::round((400 + 1500 * (a.mean + 3 * a.slope) / 3000) / 10));
    EXPECT_EQ(line.y2, 30);
}

TEST(PaperChart, YearLabelsAndPoints) {
    Record r = Make({1000, 2000, 1500}, 2004);
    r.table.Years[2] = 7;
    RecordingSurface s = Paper(r, {});
    EXPECT_EQ(YearLabel(2005), "05");
    EXPECT_EQ(YearLabel(1998), "98");
    EXPECT_EQ(YearLabel(7), "7");
    auto five = s.TextsEqual("05");
    ASSERT_EQ(five.size(), 1u);
    EXPECT_DOUBLE_EQ(five[0].x1, 40 + 100 + 0.5);  // 2000 mm
    EXPECT_EQ(five[0].font, hc::kGothic);
    EXPECT_EQ(five[0].size, 7);
    auto seven = s.TextsEqual("7");
    ASSERT_EQ(seven.size(), 1u);
    EXPECT_DOUBLE_EQ(seven[0].x1, 40 + 75 + 0.5);
    EXPECT_DOUBLE_EQ(seven[0].y1, 120 + 0.3);
    auto circles = s.OpsOf(DrawOp::Kind::Circle);
    ASSERT_EQ(circles.size(), 3u);
    EXPECT_EQ(circles[0].r, 0.75);
    EXPECT_TRUE(circles[0].fill);
    EXPECT_EQ(circles[0].fillColor, hc::kBlack);
}

TEST(PaperChart, LineWidthsOnlyChangeThePaper) {
    ChartSettings set;
    set.LineWidths.solid = 5;
    set.LineWidths.dotted = 1;
    RecordingSurface p = Paper(Textbook(), set);
    for (const DrawOp& op : Verticals(p, 0))
        EXPECT_EQ(op.width, 5);
    for (const DrawOp& op : Verticals(p, 2))
        EXPECT_EQ(op.width, 1);
    RecordingSurface a = Screen(Textbook(), {});
    RecordingSurface b = Screen(Textbook(), set);
    ASSERT_EQ(a.Ops().size(), b.Ops().size());
    for (std::size_t i = 0; i < a.Ops().size(); ++i)
        EXPECT_EQ(a.Ops()[i].ToJson(), b.Ops()[i].ToJson());
}

TEST(PaperChart, PrinterFontIsPutBack) {
    RecordingSurface s = RecordingSurface::Paper();
    s.SetFontName("Sans");
    PrintChart(s, Textbook().table, Textbook().analysis, StandardNormalTable(), {});
    EXPECT_EQ(s.FontName(), "Sans");
}
