// Stiff diagram geometry on the screen canvas and on paper, checked against coordinates worked
// out by hand from the layout (0.1 mm units; x 1.92 on screen; x 0.1 and 30 mm lower on paper):
// cations left of the centre line, Na+K and Cl on the upper row, the legend's labels outside
// its polygon, nitrate triangles on the chloride (type 1) or sulfate (type 2) row.
#include <gtest/gtest.h>

#include <cmath>

#include "common/core/recording_surface.h"
#include "polyplot/core/stiff.h"
#include "support/water_samples.h"

namespace {

using hc::DrawOp;
using hc::RecordingSurface;

constexpr double k = 1.92;  // screen units per layout unit

using hc::test::Settings;
constexpr wq::Direction kUp = wq::Direction::BottomUp;
constexpr wq::Direction kDown = wq::Direction::TopDown;
constexpr wq::NitrateType kWithChloride = wq::NitrateType::WithChloride;
constexpr wq::NitrateType kWithSulfate = wq::NitrateType::WithSulfate;

// n valid samples "P01".."Pnn" with meq values Na, K, Ca, Mg, Cl, HCO3, SO4, NO3. With the
// default and S = 3: qNaK 0.5, qCa 1/3, qMg 1/6, qCl 5/6, qHCO3 1/3, qSO4 1/6; NO3 0.2.
hc::test::Samples Table(int n, wq::IonValues meq = {1.0, 0.5, 1, 0.5, 2.5, 1, 0.5, 0.2}) {
    return hc::test::MeqSamples(n, meq, "P");
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
// The same in layout units on the screen canvas.
std::size_t ScreenLines(const RecordingSurface& r, double x1, double y1, double x2, double y2) {
    return LinesBetween(r, x1 * k, y1 * k, x2 * k, y2 * k).size();
}

struct Extent {
    double w, h;
};
Extent Measure(RecordingSurface& r, const DrawOp& text) {
    r.SetFontName(text.font);
    r.SetFontSize(text.size);
    return {r.TextWidth(text.text), r.TextHeight(text.text)};
}

// The one text equal to t (fails the test when there is not exactly one).
DrawOp Only(const RecordingSurface& r, const std::string& t) {
    auto found = r.TextsEqual(t);
    EXPECT_EQ(found.size(), 1u) << t;
    return found.empty() ? DrawOp{} : found[0];
}

RecordingSurface Screen(const wq::SampleModel& t, const wq::PlotSettings& s) {
    RecordingSurface r = RecordingSurface::Screen(1200, 600);
    stiff::StiffDiagram d;
    wq::DrawScreen(r, t, s, d);
    return r;
}

RecordingSurface Paper(const wq::SampleModel& t, const wq::PlotSettings& s,
                       wq::PrintOffset offset = {}) {
    RecordingSurface r = RecordingSurface::Paper();
    stiff::StiffDiagram d;
    wq::PrintRun(r, t, s, offset, d);
    return r;
}

TEST(StiffScreen, ExampleSampleMirrored) {
    // Sample 1, top-down, "1cm = 1.0": x0 600, row y 550. Na+K 1.5 meq/L -> 150 units to the
    // left on the upper row: layout (450, 500) = canvas (864, 960).
    RecordingSurface r = Screen(Table(1), Settings({.direction = kDown}));
    EXPECT_EQ(LinesBetween(r, 1152, 960, 864, 960).size(), 1u);
    // Cation side on to Ca (500, 550), Mg (550, 600), back to the centre line.
    EXPECT_EQ(ScreenLines(r, 450, 500, 500, 550), 1u);
    EXPECT_EQ(ScreenLines(r, 500, 550, 550, 600), 1u);
    EXPECT_EQ(ScreenLines(r, 550, 600, 600, 600), 1u);
    // Centre line 500..600; anion side to the right: Cl (850, 500), HCO3 (700, 550), SO4
    // (650, 600).
    EXPECT_EQ(ScreenLines(r, 600, 500, 600, 600), 1u);
    EXPECT_EQ(ScreenLines(r, 600, 500, 850, 500), 1u);
    EXPECT_EQ(ScreenLines(r, 850, 500, 700, 550), 1u);
    EXPECT_EQ(ScreenLines(r, 700, 550, 650, 600), 1u);
    EXPECT_EQ(ScreenLines(r, 650, 600, 600, 600), 1u);
    // The hexadiagram's vertex (750, 600) is not drawn.
    EXPECT_EQ(ScreenLines(r, 600, 600, 750, 600), 0u);
    // Name centred on x0 with its middle on y - 100 = 450: canvas (1152, 864).
    DrawOp name = Only(r, "1: P01");
    Extent e = Measure(r, name);
    EXPECT_NEAR(name.x1 + e.w / 2, 1152, 1e-9);
    EXPECT_NEAR(name.y1 + e.h / 2, 864, 1e-9);
    EXPECT_EQ(name.font, hc::kMincho);
    EXPECT_EQ(name.size, 6);
}

TEST(StiffScreen, BottomUpRowsAndSecondColumn) {
    // Bottom-up, sample 1 on row 1550: Na+K vertex (450, 1500) on the upper row. Sample 9
    // opens the second column (x0 1600) at the bottom row again, numbered 9.
    RecordingSurface r = Screen(Table(9), Settings({.direction = kUp}));
    EXPECT_EQ(ScreenLines(r, 600, 1500, 450, 1500), 1u);
    EXPECT_EQ(ScreenLines(r, 600, 1500, 600, 1600), 1u);
    EXPECT_EQ(ScreenLines(r, 600, 100, 450, 100), 1u);  // sample 8, row 150
    EXPECT_EQ(ScreenLines(r, 1600, 1500, 1450, 1500), 1u);
    EXPECT_EQ(ScreenLines(r, 1600, 1500, 1850, 1500), 1u);
    DrawOp nine = Only(r, "9: P09");
    EXPECT_NEAR(nine.x1 + Measure(r, nine).w / 2, 1600 * k, 1e-9);
}

TEST(StiffScreen, SymmetricWhenAllEqual) {
    // Every ion 1 meq/L (K 0): each cation vertex mirrors its anion vertex about x0 = 600.
    RecordingSurface r = Screen(Table(1, {1, 0, 1, 1, 1, 1, 1, 0}), Settings({.direction = kDown}));
    EXPECT_EQ(ScreenLines(r, 600, 500, 500, 500), 1u);
    EXPECT_EQ(ScreenLines(r, 600, 500, 700, 500), 1u);
    EXPECT_EQ(ScreenLines(r, 500, 500, 500, 550), 1u);
    EXPECT_EQ(ScreenLines(r, 700, 500, 700, 550), 1u);
    EXPECT_EQ(ScreenLines(r, 500, 550, 500, 600), 1u);
    EXPECT_EQ(ScreenLines(r, 700, 550, 700, 600), 1u);
}

TEST(StiffScreen, NitrateTriangles) {
    // Lines one sample adds: 4 + 1 + 4, and 3 more for a triangle of type 1 or 2.
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

    // Type 1: qN = (Cl + NO3)/S = 0.9, apex 270 right on the upper (chloride) row:
    // Cl (850, 500) -> (870, 500) -> HCO3 (700, 550) -> back.
    RecordingSurface one =
        Screen(Table(1), Settings({.nitrate = kWithChloride, .direction = kDown}));
    EXPECT_EQ(ScreenLines(one, 850, 500, 870, 500), 1u);
    EXPECT_EQ(ScreenLines(one, 870, 500, 700, 550), 1u);
    EXPECT_EQ(ScreenLines(one, 700, 550, 850, 500), 2u);  // the closing side lies on the polygon
    // Type 2: qN = (SO4 + NO3)/S = 0.7/3, apex 70 right on the lower (sulfate) row:
    // HCO3 (700, 550) -> (670, 600) -> SO4 (650, 600) -> back.
    RecordingSurface two =
        Screen(Table(1), Settings({.nitrate = kWithSulfate, .direction = kDown}));
    EXPECT_EQ(ScreenLines(two, 700, 550, 670, 600), 1u);
    EXPECT_EQ(ScreenLines(two, 670, 600, 650, 600), 1u);
    EXPECT_EQ(ScreenLines(two, 650, 600, 700, 550), 2u);  // the closing side lies on the polygon
    EXPECT_EQ(ScreenLines(two, 850, 500, 870, 500), 0u);
    // Without nitrate a triangle degenerates to a line along the row.
    RecordingSurface none = Screen(Table(1, {1.0, 0.5, 1, 0.5, 2.5, 1, 0.5, 0}),
                                   Settings({.nitrate = kWithChloride, .direction = kDown}));
    EXPECT_EQ(ScreenLines(none, 850, 500, 850, 500), 1u);
}

TEST(StiffScreen, InvalidSampleLeavesItsRowEmpty) {
    hc::test::Samples t = Table(3, {0, 0, 0, 0, 0, 0, 0, 0});
    hc::test::Undraw(t.table, 2);
    t.Recompute();
    RecordingSurface r = Screen(t, Settings({.direction = kDown}));
    // Zero concentrations run the polylines along the centre line: rows 1 and 3 only.
    EXPECT_EQ(ScreenLines(r, 600, 500, 600, 550), 2u);  // row 1: cation and anion side
    EXPECT_EQ(ScreenLines(r, 600, 900, 600, 950), 2u);  // row 3
    EXPECT_EQ(ScreenLines(r, 600, 700, 600, 750), 0u);  // row 2
    for (const DrawOp& op : r.OpsOf(DrawOp::Kind::Line))
        EXPECT_FALSE(op.y1 > 690 * k && op.y1 < 810 * k);
    EXPECT_EQ(r.TextsEqual("3: P03").size(), 1u);
    for (const DrawOp& op : r.OpsOf(DrawOp::Kind::Text))
        EXPECT_NE(op.text.rfind("2:", 0), 0u);
}

TEST(StiffLegend, PolygonAndCationLabels) {
    // Top-down legend: centre row yc 200, x0 600. Cation half to the left with Na+K on the
    // upper row: (600,150) (550,150) (500,200) (550,250) (600,250).
    RecordingSurface r = Screen(Table(1), Settings({.direction = kDown}));
    EXPECT_EQ(ScreenLines(r, 600, 150, 600, 250), 1u);
    EXPECT_EQ(ScreenLines(r, 600, 150, 550, 150), 1u);
    EXPECT_EQ(ScreenLines(r, 550, 150, 500, 200), 1u);
    EXPECT_EQ(ScreenLines(r, 500, 200, 550, 250), 1u);
    EXPECT_EQ(ScreenLines(r, 550, 250, 600, 250), 1u);
    // Type 0 anion half to the right: (650,150) (700,200) (650,250).
    EXPECT_EQ(ScreenLines(r, 600, 150, 650, 150), 1u);
    EXPECT_EQ(ScreenLines(r, 650, 150, 700, 200), 1u);
    EXPECT_EQ(ScreenLines(r, 700, 200, 650, 250), 1u);
    EXPECT_EQ(ScreenLines(r, 650, 250, 600, 250), 1u);

    // Cation labels end half a character left of x0 - 100 = 500 (canvas 960), each centred
    // on its row: Na+K on 150, Ca on 200, Mg on 250.
    struct Row {
        const char* text;
        double row;
        int n;
    };
    for (const Row& c : {Row{"Na+K", 150, 4}, Row{"Ca", 200, 2}, Row{"Mg", 250, 2}}) {
        DrawOp t = Only(r, c.text);
        Extent e = Measure(r, t);
        EXPECT_NEAR(t.x1 + e.w, 500 * k - e.w / (2 * c.n), 1e-9) << c.text;
        EXPECT_NEAR(t.y1 + e.h / 2, c.row * k, 1e-9) << c.text;
        EXPECT_EQ(t.size, 6);
        EXPECT_EQ(t.font, hc::kMincho);
    }
    // Anion labels start half a character right of x0 + 100 = 700 (canvas 1344).
    for (const Row& a : {Row{"Cl", 150, 2}, Row{"HCO ", 200, 4}, Row{"SO ", 250, 3}}) {
        DrawOp t = Only(r, a.text);
        Extent e = Measure(r, t);
        EXPECT_NEAR(t.x1, 700 * k + e.w / (2 * a.n), 1e-9) << a.text;
        EXPECT_NEAR(t.y1 + e.h / 2, a.row * k, 1e-9) << a.text;
    }
    // Subscripts at size 5 in the blank they fill, a quarter line lower: HCO3's 3 in place 3
    // of 4, SO4's 4 in place 2 of 3.
    DrawOp hco = Only(r, "HCO ");
    Extent eh = Measure(r, hco);
    DrawOp four = Only(r, "4");
    EXPECT_EQ(four.size, 5);
    DrawOp so = Only(r, "SO ");
    Extent es = Measure(r, so);
    EXPECT_NEAR(four.x1, so.x1 + es.w * 2 / 3, 1e-9);
    EXPECT_NEAR(four.y1, so.y1 + es.h / 4, 1e-9);
    int threes = 0;
    for (const DrawOp& t : r.TextsEqual("3"))
        if (t.size == 5) {
            ++threes;
            EXPECT_NEAR(t.x1, hco.x1 + eh.w * 3 / 4, 1e-9);
            EXPECT_NEAR(t.y1, hco.y1 + eh.h / 4, 1e-9);
        }
    EXPECT_EQ(threes, 1);
    EXPECT_EQ(r.TextsEqual("試料名").size(), 1u);
    EXPECT_EQ(r.TextsEqual("凡  例").size(), 1u);
}

TEST(StiffLegend, NitrateTypesMoveAVertexIn) {
    const double in = 600 + 100.0 / 3;
    // Type 1: the upper (chloride) vertex moves in; triangle (in,150) (650,150) (700,200).
    RecordingSurface one =
        Screen(Table(1), Settings({.nitrate = kWithChloride, .direction = kDown}));
    EXPECT_EQ(ScreenLines(one, 600, 150, in, 150), 1u);
    EXPECT_EQ(ScreenLines(one, in, 150, 700, 200), 2u);  // polygon side and triangle side
    EXPECT_EQ(ScreenLines(one, 700, 200, 650, 250), 1u);
    EXPECT_EQ(ScreenLines(one, in, 150, 650, 150), 1u);
    EXPECT_EQ(ScreenLines(one, 650, 150, 700, 200), 1u);
    DrawOp cl = Only(one, "Cl(+NO )");
    Extent ec = Measure(one, cl);
    EXPECT_NEAR(cl.x1, 700 * k + ec.w / 16, 1e-9);
    EXPECT_NEAR(cl.y1 + ec.h / 2, 150 * k, 1e-9);
    int nitrogenThrees = 0;
    for (const DrawOp& t : one.TextsEqual("3"))
        if (t.size == 5 && Near(t.x1, cl.x1 + ec.w * 6 / 8) && Near(t.y1, cl.y1 + ec.h / 4))
            ++nitrogenThrees;
    EXPECT_EQ(nitrogenThrees, 1);

    // Type 2: the lower (sulfate) vertex moves in; triangle (700,200) (650,250) (in,250).
    RecordingSurface two =
        Screen(Table(1), Settings({.nitrate = kWithSulfate, .direction = kDown}));
    EXPECT_EQ(ScreenLines(two, 600, 150, 650, 150), 1u);
    EXPECT_EQ(ScreenLines(two, 700, 200, in, 250), 2u);  // polygon side and triangle side
    EXPECT_EQ(ScreenLines(two, in, 250, 600, 250), 1u);
    EXPECT_EQ(ScreenLines(two, 700, 200, 650, 250), 1u);
    EXPECT_EQ(ScreenLines(two, 650, 250, in, 250), 1u);
    DrawOp so = Only(two, "SO (+NO )");
    Extent es = Measure(two, so);
    EXPECT_NEAR(so.x1, 700 * k + es.w / 18, 1e-9);
    EXPECT_NEAR(so.y1 + es.h / 2, 250 * k, 1e-9);
    EXPECT_NEAR(Only(two, "4").x1, so.x1 + es.w * 2 / 9, 1e-9);
}

TEST(StiffLegend, BottomUp) {
    // Bottom-up legend centre row 1900: Na+K and Cl rows at 1850, the box 1750..2000.
    RecordingSurface r = Screen(Table(1), Settings({.direction = kUp}));
    EXPECT_EQ(ScreenLines(r, 600, 1850, 550, 1850), 1u);
    EXPECT_EQ(ScreenLines(r, 600, 1850, 650, 1850), 1u);
    EXPECT_EQ(ScreenLines(r, 250, 2000, 250, 1750), 1u);
    DrawOp nak = Only(r, "Na+K");
    EXPECT_NEAR(nak.y1 + Measure(r, nak).h / 2, 1850 * k, 1e-9);
    DrawOp mg = Only(r, "Mg");
    EXPECT_NEAR(mg.y1 + Measure(r, mg).h / 2, 1950 * k, 1e-9);
}

TEST(StiffPaper, ExampleSampleAndName) {
    // One column at x0 1000, y 300 lower: row 850; Na+K vertex (850, 800) = 85 mm, 80 mm.
    RecordingSurface r = Paper(Table(1), Settings({.direction = kDown}));
    auto v = LinesBetween(r, 100, 80, 85, 80);
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].width, 3);
    auto cl = LinesBetween(r, 100, 80, 125, 80);  // Cl 2.5 meq/L: 25 mm to the right
    ASSERT_EQ(cl.size(), 1u);
    auto centre = LinesBetween(r, 100, 80, 100, 90);
    ASSERT_EQ(centre.size(), 1u);
    EXPECT_EQ(centre[0].width, 1);
    // Name in Gothic 8, bottom half a line above the upper row: y1 + 1.5 TH = 80 mm.
    DrawOp name = Only(r, "1: P01");
    Extent e = Measure(r, name);
    EXPECT_EQ(name.font, hc::kGothic);
    EXPECT_EQ(name.size, 8);
    EXPECT_NEAR(name.x1 + e.w / 2, 100, 1e-9);
    EXPECT_NEAR(name.y1 + 1.5 * e.h, 80, 1e-9);
    // Legend centre row 500: cation half (1000,450) -> (950,450); "Na+K" ends at 90 mm less
    // half a character, subscripts at size 6.
    EXPECT_EQ(LinesBetween(r, 100, 45, 95, 45).size(), 1u);
    DrawOp nak = Only(r, "Na+K");
    Extent en = Measure(r, nak);
    EXPECT_NEAR(nak.x1 + en.w, 90 - en.w / 8, 1e-9);
    EXPECT_EQ(nak.size, 8);
    EXPECT_EQ(Only(r, "4").size, 6);
    EXPECT_EQ(Only(r, "凡    例").size, 10);
}

TEST(StiffPaper, WidthsAndOffsets) {
    wq::PlotSettings s = Settings({.nitrate = kWithSulfate, .direction = kDown});
    s.LineWidths = {5, 4, 3, 2, 1};  // polygon, nitrate, centre, scale, legend box
    RecordingSurface p = Paper(Table(1), s, {50, -30});  // 5 mm right, 3 mm down
    // Type 2 triangle: HCO3 (1100, 850) -> apex (1070, 900), moved to (115, 88) -> (112, 93).
    auto tri = LinesBetween(p, 115, 88, 112, 93);
    ASSERT_EQ(tri.size(), 1u);
    EXPECT_EQ(tri[0].width, 4);
    auto nak = LinesBetween(p, 105, 83, 90, 83);
    ASSERT_EQ(nak.size(), 1u);
    EXPECT_EQ(nak[0].width, 5);
    EXPECT_EQ(LinesBetween(p, 105, 83, 105, 93)[0].width, 3);
    // Legend type 2 triangle from (1100, 500): (115, 53) -> (110, 58).
    auto legendTri = LinesBetween(p, 115, 53, 110, 58);
    ASSERT_EQ(legendTri.size(), 1u);
    EXPECT_EQ(legendTri[0].width, 4);
    // The screen keeps its one-pixel pen.
    for (const DrawOp& op : Screen(Table(1), s).OpsOf(DrawOp::Kind::Line))
        EXPECT_EQ(op.width, 1);
}

}  // namespace
