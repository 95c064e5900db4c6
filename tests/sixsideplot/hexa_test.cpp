// Hexadiagram geometry on the screen canvas and on paper, checked against coordinates worked
// out by hand from the layout (0.1 mm units, x 1.92 on screen, x 0.1 + 30 mm down on paper).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "common/core/recording_surface.h"
#include "sixsideplot/core/hexa.h"
#include "support/water_samples.h"

namespace {

using hc::DrawOp;
using hc::RecordingSurface;

using hc::test::Settings;
constexpr wq::Direction kUp = wq::Direction::BottomUp;
constexpr wq::Direction kDown = wq::Direction::TopDown;
constexpr wq::NitrateType kWithChloride = wq::NitrateType::WithChloride;
constexpr wq::NitrateType kWithSulfate = wq::NitrateType::WithSulfate;

// n valid samples "S01".."Snn", by default Na 1.5, Ca 1, Mg 0.5, Cl 2.5, HCO3 1, SO4 0.5 and
// NO3 0.2 meq/L.
hc::test::Samples Table(int n, wq::IonValues meq = {1.5, 0, 1, 0.5, 2.5, 1, 0.5, 0.2}) {
    return hc::test::MeqSamples(n, meq, "S");
}

bool Near(double a, double b) {
    return std::abs(a - b) < 1e-6;
}

// Lines between the two points, in either direction.
std::vector<DrawOp> LinesBetween(const RecordingSurface& r, double x1, double y1, double x2,
                                 double y2) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : r.OpsOf(DrawOp::Kind::Line)) {
        bool fwd = Near(op.x1, x1) && Near(op.y1, y1) && Near(op.x2, x2) && Near(op.y2, y2);
        bool back = Near(op.x1, x2) && Near(op.y1, y2) && Near(op.x2, x1) && Near(op.y2, y1);
        if (fwd || back)
            out.push_back(op);
    }
    return out;
}

// Vertical lines at x (the centre lines and ticks).
std::vector<DrawOp> VerticalsAt(const RecordingSurface& r, double x, double length) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : r.OpsOf(DrawOp::Kind::Line))
        if (Near(op.x1, x) && Near(op.x2, x) && Near(std::abs(op.y2 - op.y1), length))
            out.push_back(op);
    return out;
}

// Width and height of a recorded text in its own font.
struct Extent {
    double w, h;
};
Extent Measure(RecordingSurface& r, const DrawOp& text) {
    r.SetFontName(text.font);
    r.SetFontSize(text.size);
    return {r.TextWidth(text.text), r.TextHeight(text.text)};
}

RecordingSurface Screen(const wq::SampleModel& t, const wq::PlotSettings& s) {
    RecordingSurface r = RecordingSurface::Screen(1200, 600);
    hexa::HexaDiagram d;
    wq::DrawScreen(r, t, s, d);
    return r;
}

RecordingSurface Paper(const wq::SampleModel& t, const wq::PlotSettings& s,
                       wq::PrintOffset offset = {}) {
    RecordingSurface r = RecordingSurface::Paper();
    hexa::HexaDiagram d;
    wq::PrintRun(r, t, s, offset, d);
    return r;
}

TEST(HexaScreen, ExampleVertexAndName) {
    // Sample 1, Na + K = 1.5 meq/L at "1cm = 1.0" (S = 3), top-down: row y = 550, x0 = 600;
    // the Na+K vertex is layout (750, 600) = canvas (1440, 1152).
    RecordingSurface r = Screen(Table(1), Settings({.direction = kDown}));
    EXPECT_EQ(LinesBetween(r, 1152, 1152, 1440, 1152).size(), 1u);
    auto names = r.TextsEqual("1: S01");
    ASSERT_EQ(names.size(), 1u);
    Extent e = Measure(r, names[0]);
    EXPECT_NEAR(names[0].x1 + e.w / 2, 1152, 1e-9);
    EXPECT_NEAR(names[0].y1 + e.h / 2, 864, 1e-9);  // middle on layout y 450
    EXPECT_EQ(names[0].font, hc::kMincho);
    EXPECT_EQ(names[0].size, 6);
}

TEST(HexaScreen, BottomUpRowsAndFrame) {
    // Bottom-up: sample 1 on row 1550, sample 8 on row 150; axis at 1700, legend box 1750..2000.
    RecordingSurface r = Screen(Table(8), Settings({.direction = kUp}));
    EXPECT_EQ(LinesBetween(r, 1152, 1600 * 1.92, 1152, 1500 * 1.92).size(), 1u);
    EXPECT_EQ(LinesBetween(r, 1152, 200 * 1.92, 1152, 100 * 1.92).size(), 1u);
    EXPECT_EQ(LinesBetween(r, 300 * 1.92, 1700 * 1.92, 900 * 1.92, 1700 * 1.92).size(), 1u);
    EXPECT_EQ(LinesBetween(r, 250 * 1.92, 2000 * 1.92, 250 * 1.92, 1750 * 1.92).size(), 1u);
    // Ticks point upwards (20 units) bottom-up.
    EXPECT_EQ(LinesBetween(r, 800 * 1.92, 1700 * 1.92, 800 * 1.92, 1680 * 1.92).size(), 1u);
}

TEST(HexaScreen, ColumnsOfSeventeenSamples) {
    // Three columns at x0 600, 1600, 2600; the third holds sample 17 only, numbered as 17.
    RecordingSurface r = Screen(Table(17), Settings({.direction = kDown}));
    EXPECT_EQ(VerticalsAt(r, 600 * 1.92, 100 * 1.92).size(), 8u + 1u);  // 8 samples + legend
    EXPECT_EQ(VerticalsAt(r, 1600 * 1.92, 100 * 1.92).size(), 8u + 1u);
    EXPECT_EQ(VerticalsAt(r, 2600 * 1.92, 100 * 1.92).size(), 1u + 1u);
    EXPECT_EQ(VerticalsAt(r, 3600 * 1.92, 100 * 1.92).size(), 0u);
    auto nine = r.TextsEqual("9: S09");
    ASSERT_EQ(nine.size(), 1u);
    EXPECT_NEAR(nine[0].x1 + Measure(r, nine[0]).w / 2, 1600 * 1.92, 1e-9);
    EXPECT_EQ(r.TextsEqual("17: S17").size(), 1u);
}

TEST(HexaScreen, ScaleBarTexts) {
    struct Case {
        double scale;
        std::vector<std::string> texts;
    };
    for (const Case& c : {Case{1.5, {"0.5", "1", "1.5"}}, Case{9, {"3", "6", "9"}},
                          Case{300, {"100", "200", "300"}}}) {
        RecordingSurface r = Screen(Table(1), Settings({.direction = kDown, .scale = c.scale}));
        for (const std::string& t : c.texts) {
            auto found = r.TextsEqual(t);  // the subscript 3 of HCO3 is size 5
            auto labels = std::count_if(found.begin(), found.end(),
                                        [](const DrawOp& op) { return op.size == 6; });
            EXPECT_EQ(labels, 2) << c.scale << " " << t;
        }
        EXPECT_EQ(r.TextsEqual("0").size(), 1u);
        EXPECT_EQ(r.TextsEqual("me/l").size(), 2u);
    }
}

TEST(HexaScreen, LegendLabelsAndSubscripts) {
    RecordingSurface r = Screen(Table(1), Settings({.nitrate = kWithSulfate, .direction = kDown}));
    // Top-down legend centre row 200. "Cl" ends half a character left of x0 - 100.
    auto cl = r.TextsEqual("Cl");
    ASSERT_EQ(cl.size(), 1u);
    Extent ec = Measure(r, cl[0]);
    EXPECT_NEAR(cl[0].x1 + ec.w, 500 * 1.92 - ec.w / 4, 1e-9);
    EXPECT_NEAR(cl[0].y1 + ec.h / 2, 250 * 1.92, 1e-9);
    // "Na+K" starts half a character right of x0 + 100.
    auto nak = r.TextsEqual("Na+K");
    ASSERT_EQ(nak.size(), 1u);
    EXPECT_NEAR(nak[0].x1, 700 * 1.92 + Measure(r, nak[0]).w / 8, 1e-9);
    // Type 2: "SO (+NO )" on the upper row with a 4 in place 2 and a 3 in place 7, size 5,
    // a quarter line lower than the label.
    auto so = r.TextsEqual("SO (+NO )");
    ASSERT_EQ(so.size(), 1u);
    Extent es = Measure(r, so[0]);
    auto four = r.TextsEqual("4");
    auto three = r.TextsEqual("3");  // also the scale bar's "3"s
    ASSERT_EQ(four.size(), 1u);
    EXPECT_EQ(four[0].size, 5);
    EXPECT_NEAR(four[0].x1, so[0].x1 + es.w * 2 / 9, 1e-9);
    EXPECT_NEAR(four[0].y1, so[0].y1 + es.h / 4, 1e-9);
    int subscriptThrees = 0;
    for (const DrawOp& t : three) {
        if (t.size != 5)
            continue;
        ++subscriptThrees;
        bool inSo = Near(t.x1, so[0].x1 + es.w * 7 / 9) && Near(t.y1, so[0].y1 + es.h / 4);
        auto hco = r.TextsEqual("HCO ");
        ASSERT_EQ(hco.size(), 1u);
        Extent eh = Measure(r, hco[0]);
        bool inHco = Near(t.x1, hco[0].x1 + eh.w * 3 / 4) && Near(t.y1, hco[0].y1 + eh.h / 4);
        EXPECT_TRUE(inSo || inHco);
    }
    EXPECT_EQ(subscriptThrees, 2);
    // The legend's type-2 triangle: (x0-100, yc), (x0-50, yc-50), (x0-100/3, yc-50).
    EXPECT_EQ(LinesBetween(r, 500 * 1.92, 200 * 1.92, 550 * 1.92, 150 * 1.92).size(), 1u);
    EXPECT_EQ(r.TextsEqual("凡  例").size(), 1u);
    EXPECT_EQ(r.TextsEqual("試料名").size(), 1u);
}

TEST(HexaScreen, NitrateTrianglesByType) {
    // One sample: 4 cation + 1 centre + 4 anion lines, plus 3 for a triangle (types 1, 2).
    // The frame draws the same number of lines whatever the type except its own triangle.
    auto sampleLines = [](wq::NitrateType type) {
        hc::test::Samples t = Table(1);
        RecordingSurface with = Screen(t, Settings({.nitrate = type, .direction = kDown}));
        hc::test::Undraw(t.table, 1);
        t.Recompute();
        RecordingSurface without = Screen(t, Settings({.nitrate = type, .direction = kDown}));
        return with.OpsOf(DrawOp::Kind::Line).size() - without.OpsOf(DrawOp::Kind::Line).size();
    };
    EXPECT_EQ(sampleLines(wq::NitrateType::None), 9u);
    EXPECT_EQ(sampleLines(kWithChloride), 12u);
    EXPECT_EQ(sampleLines(kWithSulfate), 12u);
    // Type 2 apex on the upper row at x0 - 300 (SO4 + NO3)/S = 600 - 300 * 0.7 / 3.
    RecordingSurface r = Screen(Table(1), Settings({.nitrate = kWithSulfate, .direction = kDown}));
    double apex = (600 - 300 * 0.7 / 3) * 1.92;
    EXPECT_EQ(LinesBetween(r, (600 - 100) * 1.92, 550 * 1.92, apex, 500 * 1.92).size(), 1u);
}

TEST(HexaScreen, InvalidAndZeroSamples) {
    hc::test::Samples t = Table(3, {0, 0, 0, 0, 0, 0, 0, 0});
    hc::test::Undraw(t.table, 2);
    t.Recompute();
    RecordingSurface r = Screen(t, Settings({.direction = kDown}));
    // Zero concentrations still draw their polylines along the centre line.
    EXPECT_EQ(VerticalsAt(r, 1152, 192).size(), 2u + 1u);
    EXPECT_EQ(r.TextsEqual("1: S01").size(), 1u);
    EXPECT_EQ(r.TextsEqual("3: S03").size(), 1u);
    for (const DrawOp& op : r.OpsOf(DrawOp::Kind::Text))
        EXPECT_NE(op.text.rfind("2:", 0), 0u);
    // Row 2 (y 750) carries nothing.
    for (const DrawOp& op : r.OpsOf(DrawOp::Kind::Line))
        EXPECT_FALSE(op.y1 > 690 * 1.92 && op.y1 < 810 * 1.92);
}

TEST(HexaScreen, NamesWithoutNumbers) {
    wq::PlotSettings s = Settings({.direction = kDown});
    s.Numbering = wq::Numbering::Off;
    RecordingSurface r = Screen(Table(2), s);
    EXPECT_EQ(r.TextsEqual("S02").size(), 1u);
    EXPECT_EQ(r.TextsEqual("2: S02").size(), 0u);
}

// Texts of the given size only (the scale bar's "3" shares its text with a subscript digit).
std::vector<DrawOp> TextsOfSize(const RecordingSurface& r, const std::string& t, double size) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : r.TextsEqual(t))
        if (op.size == size)
            out.push_back(op);
    return out;
}

TEST(HexaFrame, ScaleNumbersAndUnitsStandByTheAxis) {
    // Numbers: top at Y(370) + TH/4 top-down, Y(1680) - TH bottom-up; "me/l" at Y(370) + 1.5 TH
    // or Y(1680) - 2 TH; each centred on its tick. Screen: x 1.92; paper: (y + 300) x 0.1.
    struct Case {
        bool paper;
        wq::Direction direction;
        double x0, numberTop, unitTop;  // surface units; TH multiples added below
        double thNumber, thUnit;        // TH multiples of the two placements
        double size;
    };
    for (const Case& c : {Case{false, kDown, 600 * 1.92, 370 * 1.92, 370 * 1.92, 0.25, 1.5, 6},
                          Case{false, kUp, 600 * 1.92, 1680 * 1.92, 1680 * 1.92, -1, -2, 6},
                          Case{true, kDown, 100, 67, 67, 0.25, 1.5, 8},
                          Case{true, kUp, 100, 198, 198, -1, -2, 8}}) {
        RecordingSurface r = c.paper ? Paper(Table(1), Settings({.direction = c.direction}))
                                     : Screen(Table(1), Settings({.direction = c.direction}));
        SCOPED_TRACE(std::string(c.paper ? "paper " : "screen ") +
                     (c.direction == kUp ? "up" : "down"));
        auto zero = TextsOfSize(r, "0", c.size);
        ASSERT_EQ(zero.size(), 1u);
        Extent e = Measure(r, zero[0]);
        EXPECT_NEAR(zero[0].x1 + e.w / 2, c.x0, 1e-9);
        EXPECT_NEAR(zero[0].y1, c.numberTop + c.thNumber * e.h, 1e-9);
        // S = 3: "2" stands on the ticks at x0 +- 200 layout units.
        auto two = TextsOfSize(r, "2", c.size);
        ASSERT_EQ(two.size(), 2u);
        double tick = 200 * (c.paper ? 0.1 : 1.92);
        std::set<double> centres;
        for (const DrawOp& t : two) {
            EXPECT_NEAR(t.y1, c.numberTop + c.thNumber * e.h, 1e-9);
            centres.insert(std::round((t.x1 + Measure(r, t).w / 2 - c.x0) / tick));
        }
        EXPECT_EQ(centres, (std::set<double>{-1, 1}));
        auto units = TextsOfSize(r, "me/l", c.size);
        ASSERT_EQ(units.size(), 2u);
        double end = 300 * (c.paper ? 0.1 : 1.92);
        EXPECT_NEAR(units[0].x1 + Measure(r, units[0]).w / 2, c.x0 + end, 1e-9);  // right first
        EXPECT_NEAR(units[1].x1 + Measure(r, units[1]).w / 2, c.x0 - end, 1e-9);
        for (const DrawOp& u : units)
            EXPECT_NEAR(u.y1, c.unitTop + c.thUnit * e.h, 1e-9);
    }
}

TEST(HexaFrame, DrawingOrder) {
    // Scale bar, legend box, legend centre line and cation half with its labels, anion half with
    // its triangle, anion labels and subscripts, "試料名", "凡  例"; then the hexagons.
    RecordingSurface r = Screen(Table(1), Settings({.nitrate = kWithChloride, .direction = kDown}));
    const auto& ops = r.Ops();
    auto lineIndex = [&](double x1, double y1, double x2, double y2) {
        for (std::size_t i = 0; i < ops.size(); ++i)
            if (ops[i].kind == DrawOp::Kind::Line && Near(ops[i].x1, x1 * 1.92) &&
                Near(ops[i].y1, y1 * 1.92) && Near(ops[i].x2, x2 * 1.92) &&
                Near(ops[i].y2, y2 * 1.92))
                return static_cast<long>(i);
        return -1L;
    };
    auto textIndex = [&](const std::string& t) {
        for (std::size_t i = 0; i < ops.size(); ++i)
            if (ops[i].kind == DrawOp::Kind::Text && ops[i].text == t)
                return static_cast<long>(i);
        return -1L;
    };
    // Top-down, x0 = 600: axis y 350, legend box x 250..950 y 50..300, legend centre row 200.
    std::vector<long> order{lineIndex(300, 350, 900, 350),              // axis
                            textIndex("me/l"),                          // end of the scale bar
                            lineIndex(250, 300, 250, 50),               // legend box
                            lineIndex(600, 250, 600, 150),              // legend centre line
                            lineIndex(600, 250, 650, 250),              // cation half
                            textIndex("Na+K"),                          // cation labels
                            lineIndex(600, 250, 600 - 100.0 / 3, 250),  // anion half, type 1
                            lineIndex(600 - 100.0 / 3, 250, 550, 250),  // its triangle
                            textIndex("Cl(+NO )"),                      // anion labels
                            textIndex("試料名"),
                            textIndex("凡  例"),            // titles
                            lineIndex(600, 600, 750, 600),  // the sample's hexagon
                            textIndex("1: S01")};           // and its name
    for (std::size_t i = 0; i < order.size(); ++i) {
        ASSERT_GE(order[i], 0) << "element " << i;
        if (i > 0) {
            EXPECT_LT(order[i - 1], order[i]) << "element " << i;
        }
    }
}

TEST(HexaPaper, LegendLabelsAndSubscriptsOnPaper) {
    // Nitrate with chloride, one column at x0 = 1000, top-down: legend centre row 500 on paper.
    RecordingSurface r = Paper(Table(1), Settings({.nitrate = kWithChloride, .direction = kDown}));
    auto cl = r.TextsEqual("Cl(+NO )");
    ASSERT_EQ(cl.size(), 1u);
    EXPECT_EQ(cl[0].size, 8);
    EXPECT_EQ(cl[0].font, hc::kMincho);
    Extent e = Measure(r, cl[0]);
    // Ends half a character (of eight) left of x0 - 100; centred on the row yc + 50 = 550.
    EXPECT_NEAR(cl[0].x1 + e.w, 90 - e.w / 16, 1e-9);
    EXPECT_NEAR(cl[0].y1 + e.h / 2, 55, 1e-9);
    // The "3" of NO3 in place 6, size 6 on paper, a quarter line lower than the label.
    bool found = false;
    for (const DrawOp& t : r.TextsEqual("3")) {
        if (t.size == 6 && Near(t.x1, cl[0].x1 + e.w * 6 / 8) && Near(t.y1, cl[0].y1 + e.h / 4))
            found = true;
    }
    EXPECT_TRUE(found);
    // The cation labels start half a character right of x0 + 100.
    auto mg = r.TextsEqual("Mg");
    ASSERT_EQ(mg.size(), 1u);
    EXPECT_NEAR(mg[0].x1, 110 + Measure(r, mg[0]).w / 4, 1e-9);
    EXPECT_NEAR(mg[0].y1 + Measure(r, mg[0]).h / 2, 45, 1e-9);
    // Legend triangle of type 1 on paper: (x0 - 100/3, yc + 50) to (x0 - 50, yc + 50).
    auto tri = LinesBetween(r, 100 - 10.0 / 3, 55, 95, 55);
    ASSERT_EQ(tri.size(), 1u);
    EXPECT_EQ(tri[0].width, 1);  // the nitrate width
}

TEST(HexaPaper, ExampleVertexAndName) {
    // At most eight samples print one column at x0 = 1000; y + 300: vertex (1150, 900).
    RecordingSurface r = Paper(Table(1), Settings({.direction = kDown}));
    auto v = LinesBetween(r, 100, 90, 115, 90);
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].width, 3);
    auto names = r.TextsEqual("1: S01");
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].font, hc::kGothic);
    EXPECT_EQ(names[0].size, 8);
    Extent e = Measure(r, names[0]);
    EXPECT_NEAR(names[0].x1 + e.w / 2, 100, 1e-9);
    EXPECT_NEAR(names[0].y1 + 1.5 * e.h, 80, 1e-9);  // half a line above y - 50 = 800
    // Legend title in Gothic 10 with four blanks; "試料名" a quarter line higher than on screen.
    auto title = r.TextsEqual("凡    例");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].size, 10);
    auto caption = r.TextsEqual("試料名");
    ASSERT_EQ(caption.size(), 1u);
    EXPECT_NEAR(caption[0].y1 + 1.25 * Measure(r, caption[0]).h, 45, 1e-9);  // yc - 50 = 450
}

TEST(HexaPaper, OffsetsMoveEverything) {
    // 5 mm right and 3 mm down (-3 upwards): every coordinate moves by (+5, +3).
    const hc::test::Samples t = Table(12);
    RecordingSurface a = Paper(t, Settings({.direction = kUp}));
    RecordingSurface b = Paper(t, Settings({.direction = kUp}), {50, -30});
    ASSERT_EQ(a.Ops().size(), b.Ops().size());
    for (std::size_t i = 0; i < a.Ops().size(); ++i) {
        const DrawOp &p = a.Ops()[i], &q = b.Ops()[i];
        if (p.kind != DrawOp::Kind::Line && p.kind != DrawOp::Kind::Text)
            continue;
        EXPECT_NEAR(q.x1 - p.x1, 5, 1e-9);
        EXPECT_NEAR(q.y1 - p.y1, 3, 1e-9);
    }
    EXPECT_EQ(
        LinesBetween(Paper(Table(1), Settings({.direction = kDown}), {50, -30}), 105, 93, 120, 93)
            .size(),
        1u);
}

TEST(HexaPaper, SheetsBySampleCount) {
    struct Case {
        int n;
        int docs;
        std::vector<double> doc1, doc2;  // centre-line x (mm) of each document
    };
    for (const Case& c : {Case{8, 1, {100}, {}}, Case{16, 1, {60, 140}, {}},
                          Case{17, 2, {60, 140}, {60}}, Case{32, 2, {60, 140}, {60, 140}}}) {
        RecordingSurface r = Paper(Table(c.n), Settings({.direction = kUp}));
        EXPECT_EQ(r.Documents(), c.docs) << c.n;
        ASSERT_FALSE(r.Ops().empty());
        EXPECT_EQ(r.Ops().back().kind, DrawOp::Kind::EndDoc);
        EXPECT_TRUE(r.OpsOf(DrawOp::Kind::NewPage).empty());
        for (int doc = 1; doc <= 2; ++doc) {
            const auto& xs = doc == 1 ? c.doc1 : c.doc2;
            std::set<double> seen;
            for (const DrawOp& op : r.OpsOf(DrawOp::Kind::Line))
                if (op.doc == doc && Near(op.x1, op.x2) && Near(std::abs(op.y1 - op.y2), 10))
                    seen.insert(std::round(op.x1 * 1000) / 1000);
            EXPECT_EQ(seen, std::set<double>(xs.begin(), xs.end())) << c.n << " doc " << doc;
        }
    }
    // The second sheet carries samples 17.. only.
    RecordingSurface r = Paper(Table(17), Settings({.direction = kUp}));
    for (const DrawOp& op : r.OpsOf(DrawOp::Kind::Text))
        if (op.text.find(": S") != std::string::npos) {
            EXPECT_EQ(op.doc, op.text == "17: S17" ? 2 : 1) << op.text;
        }
}

TEST(HexaPaper, LineWidthsOnlyOnPaper) {
    wq::PlotSettings s = Settings({.nitrate = kWithChloride, .direction = kDown});
    s.LineWidths = {5, 4, 3, 2, 1};  // hexagon, nitrate, centre, scale, legend box
    RecordingSurface p = Paper(Table(1), s);
    // Top-down on paper: legend box x 65..135 mm, y 35..60; axis at 65 mm; row at 85 mm.
    auto box = LinesBetween(p, 65, 60, 65, 35);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].width, 1);
    auto axis = LinesBetween(p, 70, 65, 130, 65);
    ASSERT_EQ(axis.size(), 1u);
    EXPECT_EQ(axis[0].width, 2);
    auto centre = LinesBetween(p, 100, 90, 100, 80);
    ASSERT_EQ(centre.size(), 1u);
    EXPECT_EQ(centre[0].width, 3);
    EXPECT_EQ(LinesBetween(p, 100, 90, 115, 90)[0].width, 5);
    // Type 1 triangle from the Cl vertex (x0 - 300 * 2.5/3) to (Cl + NO3).
    auto tri = LinesBetween(p, 100 - 25, 90, 100 - 27, 90);
    ASSERT_EQ(tri.size(), 1u);
    EXPECT_EQ(tri[0].width, 4);

    RecordingSurface screen = Screen(Table(1), s);
    for (const DrawOp& op : screen.OpsOf(DrawOp::Kind::Line))
        EXPECT_EQ(op.width, 1);
}

TEST(HexaPaper, PrinterFontRestored) {
    RecordingSurface r = RecordingSurface::Paper();
    r.SetFontName("Courier");
    hexa::HexaDiagram d;
    wq::PrintRun(r, Table(3), Settings({.direction = kUp}), {}, d);
    EXPECT_EQ(r.FontName(), "Courier");
}

}  // namespace
