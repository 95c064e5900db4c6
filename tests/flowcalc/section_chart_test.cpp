// The chart on the screen's user scale and on the A4 landscape sheet, through the recording
// surface: frame, grid labels, section and water lines, marks, result block and pen widths.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/core/recording_surface.h"
#include "flowcalc/core/section_chart.h"
#include "tests/flowcalc/sections.h"

namespace {

using hc::DrawOp;

flow::Computation Computed(const std::string& file, double depth, int hscale = 0, int vscale = 0) {
    flow::LoadedSection o = flowtest::Read(file);
    flow::Computation c;
    c.Section = o.Section;
    c.Section.DataPath = "/data/v.txt";
    c.Scales = o.Scales;
    if (hscale)
        c.Scales.HScale = hscale;
    if (vscale)
        c.Scales.VScale = vscale;
    c.Parameters = flowtest::Params(o.Section, 0.03, 100, depth);
    c.Result = flow::ComputeDischarge(c.Section, c.Parameters);
    return c;
}

const std::string kV = "3\n0 10\n5 0\n10 10\n";  // HScale 100, VScale 200, YCentre 4

bool HasLine(const std::vector<DrawOp>& ops, double x1, double y1, double x2, double y2,
             double tol = 1e-9) {
    return std::any_of(ops.begin(), ops.end(), [&](const DrawOp& o) {
        return o.kind == DrawOp::Kind::Line && std::abs(o.x1 - x1) < tol &&
               std::abs(o.y1 - y1) < tol && std::abs(o.x2 - x2) < tol && std::abs(o.y2 - y2) < tol;
    });
}

std::vector<DrawOp> LinesIn(const hc::RecordingSurface& g, hc::Color c) {
    std::vector<DrawOp> out;
    for (const DrawOp& o : g.OpsOf(DrawOp::Kind::Line))
        if (o.color == c)
            out.push_back(o);
    return out;
}

constexpr hc::Color kRed{255, 0, 0};
constexpr hc::Color kBlue{0, 0, 255};

TEST(FlowcalcScreenChart, FrameMappingAndWater) {
    auto g = hc::RecordingSurface::Screen(649, 321);
    flow::Computation c = Computed(kV, 5);
    flow::DrawSection(g, c);
    EXPECT_DOUBLE_EQ(g.ScaleWidth(), 140);
    EXPECT_DOUBLE_EQ(g.ScaleHeight(), 70);
    auto ops = g.OpsOf(DrawOp::Kind::Line);
    EXPECT_TRUE(HasLine(ops, 10, 10, 135, 10));
    EXPECT_TRUE(HasLine(ops, 135, 10, 135, 60));
    // HScale 100: 0..25 m across; VScale 200: 20 m around 4, so 0 m lies 20 units below 35.
    auto red = LinesIn(g, kRed);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_DOUBLE_EQ(red[0].x1, 10);
    EXPECT_DOUBLE_EQ(red[0].y1, 35 - 6 * 2.5);  // elevation 10
    EXPECT_DOUBLE_EQ(red[0].x2, 10 + 5 * 5);
    EXPECT_DOUBLE_EQ(red[0].y2, 35 + 4 * 2.5);  // elevation 0
    // Water at 5 m from x 2.5 to 7.5, plus the three lines of the mark at the middle.
    auto blue = LinesIn(g, kBlue);
    ASSERT_EQ(blue.size(), 4u);
    double y = 35 - 1 * 2.5;
    EXPECT_TRUE(HasLine(blue, 22.5, y, 47.5, y));
    EXPECT_TRUE(HasLine(blue, 34, y - 2, 36, y - 2));
    EXPECT_TRUE(HasLine(blue, 34, y - 2, 35, y));
    EXPECT_TRUE(HasLine(blue, 36, y - 2, 35, y));
    for (const DrawOp& o : ops)
        EXPECT_EQ(o.width, 1);
}

TEST(FlowcalcScreenChart, GridLabelsAndTitles) {
    auto g = hc::RecordingSurface::Screen(649, 321);
    flow::Computation c = Computed("4\n0 10\n2 8.5\n6 8.4\n8 10\n", 1);  // 100 / 20 / 9.2
    flow::DrawSection(g, c);
    // Distance labels every 5 ticks, centred on their ticks, half a text height below.
    const char* distance[] = {"0", "5", "10", "15", "20", "25"};
    g.SetFontName(hc::kGothic);  // measured in the labels' font
    g.SetFontSize(8);
    for (int i = 0; i < 6; ++i) {
        auto t = g.TextsEqual(distance[i]);
        ASSERT_EQ(t.size(), 1u) << distance[i];
        double tw = g.TextWidth(distance[i]);
        EXPECT_NEAR(t[0].x1 + tw / 2, 10 + 25 * i, 1e-9);
        EXPECT_NEAR(t[0].y1, 60 + g.TextHeight("0") / 2, 1e-9);
        EXPECT_EQ(t[0].font, hc::kGothic);
        EXPECT_EQ(t[0].size, 8);
    }
    // Elevation labels at the bottom, middle and top, ending half a character before the frame.
    struct L {
        const char* text;
        double y;
    };
    for (L l : {L{"8.2", 60}, L{"9.2", 35}, L{"10.2", 10}}) {
        auto t = g.TextsEqual(l.text);
        ASSERT_EQ(t.size(), 1u) << l.text;
        double tw = g.TextWidth(l.text);
        double n = static_cast<double>(std::string(l.text).size());
        EXPECT_NEAR(t[0].x1 + tw + tw / n / 2, 10, 1e-9) << l.text;
        EXPECT_NEAR(t[0].y1 + g.TextHeight(l.text) / 2, l.y, 1e-9);
    }
    auto title = g.TextsEqual("距  離  （ｍ）");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].font, hc::kMincho);
    EXPECT_EQ(title[0].size, 9);
    for (const char* piece : {"標", "高", "（ｍ）"})
        EXPECT_EQ(g.TextsEqual(piece).size(), 1u) << piece;
    EXPECT_LT(g.TextsEqual("標")[0].y1, g.TextsEqual("高")[0].y1);
    // Minor ticks: 20 across (top and bottom) and 8 up (both sides) of length 1.
    int minor = 0;
    for (const DrawOp& o : g.OpsOf(DrawOp::Kind::Line))
        if (std::abs(std::abs(o.x2 - o.x1) + std::abs(o.y2 - o.y1) - 1) < 1e-9)
            ++minor;
    EXPECT_EQ(minor, 2 * 20 + 2 * 8);
}

// Where a recorded text stands, measured in its own font.
flow::TextBox BoxOf(hc::RecordingSurface& g, const DrawOp& t) {
    g.SetFontName(t.font);
    g.SetFontSize(t.size);
    return {t.x1, t.y1, t.x1 + g.TextWidth(t.text), t.y1 + g.TextHeight(t.text)};
}

bool Overlap(const flow::TextBox& a, const flow::TextBox& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

TEST(FlowcalcChartTitles, ElevationLabelsNeverOverprintTheStackedTitle) {
    // Sections whose middle label is as short as the example's (the title stays at the frame's
    // middle) and ones whose labels reach into the title's column: at about 100 m and 1500 m,
    // and below 0 m. The labels keep their places and values; only the title moves.
    struct Case {
        const char* file;
        const char* labels[3];  // bottom, middle, top
        bool titleAtMiddle[2];  // on screen, on paper
    };
    const Case cases[] = {
        {"4\n0 10\n2 8.5\n6 8.4\n8 10\n", {"8.2", "9.2", "10.2"}, {true, true}},
        {"3\n0 101\n5 99.6\n10 101\n", {"99.4", "100.4", "101.4"}, {false, false}},
        {"3\n0 1510\n20 1490\n40 1510\n", {"1480", "1500", "1520"}, {false, false}},
        {"3\n0 -5\n5 -8\n10 -5\n", {"-9", "-6.5", "-4"}, {false, false}},
    };
    for (const Case& c : cases) {
        for (bool paper : {false, true}) {
            SCOPED_TRACE(std::string(c.file) + (paper ? " on paper" : " on screen"));
            auto g = paper ? hc::RecordingSurface::Paper() : hc::RecordingSurface::Screen(649, 321);
            if (paper)
                flow::PrintSection(g, Computed(c.file, 1), flow::PrintWidths{});
            else
                flow::DrawSection(g, Computed(c.file, 1));
            const double left = paper ? 25 : 10, top = paper ? 80 : 10, middle = paper ? 130 : 35;
            std::vector<flow::TextBox> labels;
            for (int i = 0; i < 3; ++i) {
                auto t = g.TextsEqual(c.labels[i]);
                ASSERT_EQ(t.size(), 1u) << c.labels[i];
                labels.push_back(BoxOf(g, t[0]));
                EXPECT_NEAR(labels.back().Right + (labels.back().Right - labels.back().Left) /
                                                      std::string(c.labels[i]).size() / 2,
                            left, 1e-9);
                EXPECT_NEAR((labels.back().Top + labels.back().Bottom) / 2,
                            middle + (i - 1) * (top - middle), 1e-9);
            }
            std::vector<flow::TextBox> title;
            for (const char* piece : {"標", "高", "（ｍ）"}) {
                auto t = g.TextsEqual(piece);
                ASSERT_EQ(t.size(), 1u) << piece;
                title.push_back(BoxOf(g, t[0]));
            }
            for (const flow::TextBox& t : title)
                for (const flow::TextBox& l : labels)
                    EXPECT_FALSE(Overlap(t, l));
            // The stack keeps its spacing; it stands at the middle only where it fits there.
            const double th = title[0].Bottom - title[0].Top;
            const double stackMiddle = title[1].Top + th / 2;
            EXPECT_NEAR(title[0].Top, stackMiddle - 2.5 * th, 1e-9);
            EXPECT_NEAR(title[2].Top, stackMiddle + 1.5 * th, 1e-9);
            EXPECT_EQ(std::abs(stackMiddle - middle) < 1e-9, c.titleAtMiddle[paper]);
            EXPECT_GT(title[0].Top, labels[2].Bottom);
        }
    }
}

TEST(FlowcalcScreenChart, DryChartHasNoWaterAndUnusableScalesDrawOnlyTheGrid) {
    auto g = hc::RecordingSurface::Screen(649, 321);
    flow::Computation c = Computed(kV, 11);
    flow::DrawSection(g, c);
    EXPECT_TRUE(LinesIn(g, kBlue).empty());
    EXPECT_EQ(LinesIn(g, kRed).size(), 2u);
    c.Scales.HScale = 0;
    g.ClearOps();
    flow::DrawSection(g, c);
    EXPECT_TRUE(LinesIn(g, kRed).empty());
    EXPECT_FALSE(g.OpsOf(DrawOp::Kind::Line).empty());
}

TEST(FlowcalcPrintedChart, TrueScaleOnLandscapePaper) {
    // True scale: at 1:500 one metre is 2 mm, so a 125 m wide section fills the 250 mm frame
    // and a 100 m one reaches 200 mm; at 1:1000 the 125 m section fills half the frame.
    const std::string wide = "3\n0 10\n60 5\n125 10\n";
    for (auto [hscale, right] : {std::pair{500, 275.0}, std::pair{1000, 150.0}}) {
        auto g = hc::RecordingSurface::Paper();
        flow::PrintSection(g, Computed(wide, 2, hscale), flow::PrintWidths{});
        auto red = LinesIn(g, kRed);
        ASSERT_EQ(red.size(), 2u);
        EXPECT_DOUBLE_EQ(red[0].x1, 25);
        EXPECT_DOUBLE_EQ(red[1].x2, right);
        EXPECT_EQ(g.GetOrientation(), hc::Orientation::Landscape);
    }
    // 1:200 vertically: 1 m is 5 mm; the centre elevation sits at 130 mm.
    auto g = hc::RecordingSurface::Paper();
    flow::Computation c = Computed(kV, 5);  // YCentre 4
    c.Scales.VScale = 200;
    flow::PrintSection(g, c, flow::PrintWidths{});
    auto red = LinesIn(g, kRed);
    EXPECT_DOUBLE_EQ(red[0].y1, 130 - 6 * 5);
    EXPECT_DOUBLE_EQ(red[0].y2, 130 + 4 * 5);
    auto ops = g.OpsOf(DrawOp::Kind::Line);
    EXPECT_TRUE(HasLine(ops, 25, 80, 275, 80));
    EXPECT_TRUE(HasLine(ops, 25, 180, 25, 80));
    EXPECT_EQ(g.OpsOf(DrawOp::Kind::EndDoc).size(), 1u);
}

TEST(FlowcalcPrintedChart, PenWidthsFollowThePrintWidths) {
    auto g = hc::RecordingSurface::Paper();
    flow::PrintSection(g, Computed(kV, 5), flow::PrintWidths{4, 5, 1});
    for (const DrawOp& o : g.OpsOf(DrawOp::Kind::Line)) {
        int expected = o.color == kRed ? 5 : o.color == kBlue ? 1 : 4;
        EXPECT_EQ(o.width, expected);
    }
    EXPECT_EQ(LinesIn(g, kBlue).size(), 4u);
}

TEST(FlowcalcPrintedChart, ResultBlock) {
    auto g = hc::RecordingSurface::Paper();
    flow::Computation c = Computed(kV, 5);
    flow::PrintSection(g, c, flow::PrintWidths{});
    struct Expect {
        double x, y;
        std::string text;
    };
    for (const Expect& e : {
             Expect{25, 30, "マニング式による河川流量解析結果"},
             Expect{25, 35, "ファイル名 < /data/v.txt >"},
             Expect{25, 45, "  粗度係数  ｎ＝ 0.03"},
             Expect{25, 50, "  河床勾配  Ｉ＝ １／100"},
             Expect{25, 55, "  最大水深  ｄ＝ 5 ｍ"},
             Expect{25, 60, "  総流路幅  Ｈ＝ 5 ｍ"},
             Expect{25, 65, "  最大流速  Ｖ＝ 3.59072448338647 ｍ/sec"},
             Expect{25, 70, "  合計流量  Ｑ＝ 44.8840560423309 ｍ3/sec"},
             Expect{235, 60, "縮尺"},
             Expect{235, 65, "水平方向  1:100"},
             Expect{235, 70, "鉛直方向  1:200"},
         }) {
        auto t = g.TextsEqual(e.text);
        ASSERT_EQ(t.size(), 1u) << e.text;
        EXPECT_DOUBLE_EQ(t[0].x1, e.x);
        EXPECT_DOUBLE_EQ(t[0].y1, e.y);
        EXPECT_EQ(t[0].font, hc::kMincho);
        EXPECT_EQ(t[0].size, 11);
    }
    // Tick labels in the printer's Gothic 10, titles in Gothic 11.
    EXPECT_EQ(g.TextsEqual("25")[0].size, 10);
    EXPECT_EQ(g.TextsEqual("距  離  （ｍ）")[0].font, hc::kGothic);
    EXPECT_EQ(g.TextsEqual("距  離  （ｍ）")[0].size, 11);
}

}  // namespace

// A section with n across: a dotted green line up from each point where the n changes, and
// each zone's n along the frame's top; none without n across.
TEST(SectionChart, RoughnessZones) {
    auto read =
        flow::ParseSectionCsv("0,10,0.06\n2,6,0.06\n4,0,0.03\n6,0,0.06\n8,6,0.06\n10,10,0.06\n");
    ASSERT_TRUE(read);
    flow::Computation c;
    c.Section = read->Section;
    c.Scales = read->Scales;
    c.Parameters = flowtest::Params(c.Section, 0.03, 100, 3);
    c.Result = flow::ComputeDischarge(c.Section, c.Parameters);
    hc::RecordingSurface g = hc::RecordingSurface::Screen(649, 321);
    flow::DrawSection(g, c);
    const flow::ChartConstants k = flow::ScreenConstants();
    std::vector<DrawOp> breaks;
    for (const DrawOp& op : LinesIn(g, hc::Color{0, 128, 0}))
        breaks.push_back(op);
    // Zones 0.06 | 0.03 | 0.06: breaks at the points 4 m and 6 m, both up to the frame's top.
    ASSERT_EQ(breaks.size(), 2u);
    EXPECT_DOUBLE_EQ(breaks[0].x1, flow::ChartX(k, c.Scales, 4));
    EXPECT_DOUBLE_EQ(breaks[1].x1, flow::ChartX(k, c.Scales, 6));
    EXPECT_DOUBLE_EQ(breaks[0].y2, k.Top);
    EXPECT_EQ(breaks[0].style, static_cast<int>(hc::PenStyle::Dot));
    EXPECT_EQ(g.TextsEqual("n=0.06").size(), 2u);
    EXPECT_EQ(g.TextsEqual("n=0.03").size(), 1u);
    c.Section.SegmentN.clear();
    hc::RecordingSurface plain = hc::RecordingSurface::Screen(649, 321);
    flow::DrawSection(plain, c);
    EXPECT_TRUE(LinesIn(plain, hc::Color{0, 128, 0}).empty());
}
