// The trilinear diagram: proportions and points worked out by hand and by barycentric
// weighting of the vertices, the frame on screen and paper, the marks, the printed table and
// the print shift, all read back from the recorded drawing.
#include <gtest/gtest.h>

#include <cmath>

#include "common/core/recording_surface.h"
#include "support/water_samples.h"
#include "ternaryplot/core/trilinear.h"
#include "ternaryplot/core/trilinear_chart.h"
#include "waterquality/core/meq.h"

namespace {

using hc::DrawOp;
using hc::RecordingSurface;
using tri::Point;

constexpr double kEps = 1e-3;

// Writes a sample given in meq/L (Na, K, Ca, Mg, Cl, HCO3, SO4, NO3) as mg/L.
void SetSample(wq::SampleTable& t, int i, const wq::IonValues& meq, const std::string& name = "S",
               const std::string& mark = "●", int colour = 0) {
    hc::test::SetSample(t, i, name, hc::test::MgOfMeq(meq));
    t.At(i).mark = mark;
    t.At(i).colour = colour;
}

// Each sample's shares under the nitrate type, as the charts read them: sample i's at [i].
std::vector<tri::Fractions> SharesOf(const wq::SampleTable& t, wq::NitrateType type) {
    std::vector<tri::Fractions> f(1);
    for (const wq::Composition& c : wq::ComputeCompositions(t))
        f.push_back(wq::SharesUnder(c, type));
    return f;
}

using hc::test::Computed;

void ExpectPoint(const Point& p, double x, double y) {
    EXPECT_NEAR(p.x, x, kEps);
    EXPECT_NEAR(p.y, y, kEps);
}

// Barycentric weighting of the three vertices, a second way to the same point.
Point Weighted(const std::array<double, 3>& w, Point a, Point b, Point c) {
    return {w[0] * a.x + w[1] * b.x + w[2] * c.x, w[0] * a.y + w[1] * b.y + w[2] * c.y};
}

TEST(TrilinearFractions, PureWatersLieOnTheVertices) {
    wq::SampleTable t;
    SetSample(t, 1, {0, 0, 2, 0, 0, 2, 0, 0});      // calcium bicarbonate
    SetSample(t, 2, {1.5, 0.5, 0, 0, 2, 0, 0, 0});  // sodium/potassium chloride
    SetSample(t, 3, {0, 0, 0, 3, 0, 0, 3, 0});      // magnesium sulfate
    std::vector<tri::Fractions> f = SharesOf(t, wq::NitrateType::None);
    ExpectPoint(tri::CationPoint(f[1]), 200, 1700);
    ExpectPoint(tri::AnionPoint(f[1]), 1100, 1700);
    ExpectPoint(tri::DiamondPoint(f[1]), 650, 920.577);  // Ca+Mg 1, Cl+SO4 0
    ExpectPoint(tri::CationPoint(f[2]), 900, 1700);
    ExpectPoint(tri::AnionPoint(f[2]), 1800, 1700);
    ExpectPoint(tri::DiamondPoint(f[2]), 1350, 920.577);
    ExpectPoint(tri::CationPoint(f[3]), 550, 1093.782);
    ExpectPoint(tri::AnionPoint(f[3]), 1450, 1093.782);
    ExpectPoint(tri::DiamondPoint(f[3]), 1000, 314.359);  // top vertex
    EXPECT_NEAR(f[1].CationSum, 2, 1e-9);
    EXPECT_NEAR(f[2].CationFraction[0], 1, 1e-12);

    // Na+K with HCO3: the bottom vertex of the diamond.
    SetSample(t, 4, {1, 0, 0, 0, 0, 1, 0, 0});
    f = SharesOf(t, wq::NitrateType::None);
    ExpectPoint(tri::DiamondPoint(f[4]), 1000, 1526.795);
}

TEST(TrilinearFractions, MixedSampleAgreesWithVertexWeighting) {
    wq::SampleTable t;
    SetSample(t, 1, {0.5, 0.5, 1, 1, 1, 1, 1, 1});
    SetSample(t, 2, {0.7, 0.2, 2.4, 1.1, 0.9, 3.3, 0.6, 0.4});
    std::vector<tri::Fractions> f = SharesOf(t, wq::NitrateType::None);
    // Equal meq/L of Na+K, Ca and Mg: the centroid of the cation triangle.
    ExpectPoint(tri::CationPoint(f[1]), 550, (1700 + 1700 + 1093.782) / 3);
    ExpectPoint(tri::CationPoint(f[1]), 550, 1497.927);

    // Sample 2: Na+K 0.9, Ca 2.4, Mg 1.1 of 4.4; Cl 0.9, HCO3 3.3, SO4 0.6 of 4.8.
    const std::array<double, 3> c{0.9 / 4.4, 2.4 / 4.4, 1.1 / 4.4};
    const std::array<double, 3> a{0.9 / 4.8, 3.3 / 4.8, 0.6 / 4.8};
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(f[2].CationFraction[static_cast<std::size_t>(k)],
                    c[static_cast<std::size_t>(k)], 1e-9);
        EXPECT_NEAR(f[2].AnionFraction[static_cast<std::size_t>(k)], a[static_cast<std::size_t>(k)],
                    1e-9);
    }
    Point cp = Weighted(c, {900, 1700}, {200, 1700}, {550, 1093.782});
    Point ap = Weighted(a, {1800, 1700}, {1100, 1700}, {1450, 1093.782});
    ExpectPoint(tri::CationPoint(f[2]), cp.x, cp.y);
    ExpectPoint(tri::AnionPoint(f[2]), ap.x, ap.y);
    // The diamond point along the diamond's own edges from its bottom vertex: Ca+Mg up the
    // lower-left edge, Cl+SO4 up the lower-right edge.
    const double caMg = c[1] + c[2];
    const double clSo4 = a[0] + a[2];
    Point bottom{1000, 1526.795};
    Point d{bottom.x - caMg * 350 + clSo4 * 350, bottom.y - (caMg + clSo4) * 606.21778};
    ExpectPoint(tri::DiamondPoint(f[2]), d.x, d.y);
}

TEST(TrilinearFractions, NitrateJoinsTheChosenGroupOnly) {
    wq::SampleTable t;
    SetSample(t, 1, {1, 0, 1, 0, 1, 1, 1, 1});
    const auto f0 = SharesOf(t, wq::NitrateType::None)[1];
    const auto f1 = SharesOf(t, wq::NitrateType::WithChloride)[1];
    const auto f2 = SharesOf(t, wq::NitrateType::WithSulfate)[1];
    const auto fUnset = SharesOf(t, wq::NitrateType::Unset)[1];
    EXPECT_NEAR(f0.AnionSum, 3, 1e-9);
    EXPECT_NEAR(f1.AnionSum, 4, 1e-9);
    EXPECT_NEAR(f2.AnionSum, 4, 1e-9);
    EXPECT_NEAR(fUnset.AnionSum, 3, 1e-9);
    EXPECT_NEAR(f0.AnionFraction[0], 1.0 / 3, 1e-9);
    EXPECT_NEAR(f1.AnionFraction[0], 0.5, 1e-9);
    EXPECT_NEAR(f1.AnionFraction[2], 0.25, 1e-9);
    EXPECT_NEAR(f2.AnionFraction[0], 0.25, 1e-9);
    EXPECT_NEAR(f2.AnionFraction[2], 0.5, 1e-9);
    // The cation point never moves with the type.
    for (const auto* f : {&f1, &f2}) {
        EXPECT_DOUBLE_EQ(tri::CationPoint(*f).x, tri::CationPoint(f0).x);
        EXPECT_DOUBLE_EQ(tri::CationPoint(*f).y, tri::CationPoint(f0).y);
    }
}

TEST(TrilinearFractions, ZeroSumsLeaveOnlyTheDefinedPoints) {
    wq::SampleTable t;
    SetSample(t, 1, {0, 0, 0, 0, 0, 0, 0, 0}, "blank", "A");
    SetSample(t, 2, {0, 0, 0, 0, 0, 2, 0, 0}, "anions only", "B");
    const auto f = SharesOf(t, wq::NitrateType::None);
    EXPECT_FALSE(f[1].cationDefined);
    EXPECT_FALSE(f[1].anionDefined);
    EXPECT_FALSE(f[2].cationDefined);
    EXPECT_TRUE(f[2].anionDefined);

    wq::PlotSettings s;
    s.NitrateType = wq::NitrateType::None;
    s.Numbering = wq::Numbering::On;
    s.SampleList = wq::SampleList::On;
    RecordingSurface screen = RecordingSurface::Screen(513, 513);
    tri::DrawScreen(screen, Computed(t), s);
    EXPECT_TRUE(screen.TextsEqual("A").empty());
    ASSERT_EQ(screen.TextsEqual("B").size(), 1u);  // the anion point alone
    for (const DrawOp& op : screen.Ops()) {
        EXPECT_TRUE(std::isfinite(op.x1) && std::isfinite(op.y1));
    }
}

// ---- Screen ----

constexpr wq::Numbering kNumbersOff = wq::Numbering::Off;
constexpr wq::SampleList kTableOff = wq::SampleList::Off;

// The settings after a first load, with the program's start widths.
wq::PlotSettings Settings(hc::test::SettingsChoice choice = {}) {
    choice.widths = {2, 1, 1, 2, 2};
    return hc::test::Settings(choice);
}

TEST(TrilinearScreen, MarksAreCentredAndNumbersLowerRight) {
    wq::SampleTable t;
    SetSample(t, 1, {0, 0, 2, 0, 0, 2, 0, 0}, "P", "▲", 12);
    RecordingSurface screen = RecordingSurface::Screen(513, 513);
    tri::DrawScreen(screen, Computed(t), Settings());
    auto marks = screen.TextsEqual("▲");
    ASSERT_EQ(marks.size(), 3u);
    // Recorded metrics: a wide character is one em wide, a narrow one (the digit, and this
    // symbol of ambiguous width) half an em; every text is one em high.
    const double em7 = 7 * screen.UnitsPerPoint();
    const double markW7 = hc::DisplayCells("▲") * em7 / 2;
    const double em8 = 8 * screen.UnitsPerPoint();
    const std::array<Point, 3> at{{{50, 425}, {275, 425}, {162.5, 230.144}}};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_NEAR(marks[k].x1 + markW7 / 2, at[k].x, kEps);
        EXPECT_NEAR(marks[k].y1 + em7 / 2, at[k].y, kEps);
        EXPECT_EQ(marks[k].color, (hc::Color{255, 0, 0}));
        EXPECT_EQ(marks[k].size, 7);
    }
    auto numbers = screen.TextsEqual("1");
    ASSERT_EQ(numbers.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_NEAR(numbers[k].x1, at[k].x + em8 / 2 / 8, kEps);
        EXPECT_NEAR(numbers[k].y1, at[k].y + em8 / 8, kEps);
        EXPECT_EQ(numbers[k].color, hc::kBlack);
        EXPECT_EQ(numbers[k].size, 8);
    }
}

TEST(TrilinearScreen, NumberingOffDrawsOnlyMarksAndSkipsEmptySamples) {
    wq::SampleTable t;
    SetSample(t, 1, {0, 0, 2, 0, 0, 2, 0, 0}, "P", "■");
    SetSample(t, 2, {1, 0, 2, 0, 0, 2, 0, 0}, "", "■");
    t.At(2).drawn = false;
    SetSample(t, 3, {1, 0, 2, 0, 0, 2, 0, 0}, "Q", "");
    RecordingSurface screen = RecordingSurface::Screen(513, 513);
    tri::DrawScreen(screen, Computed(t), Settings({.numbering = kNumbersOff}));
    EXPECT_EQ(screen.TextsEqual("■").size(), 3u);
    EXPECT_TRUE(screen.TextsEqual("1").empty());
    EXPECT_EQ(screen.TextsEqual("3").size(), 1u);  // only the subscript of HCO3
    screen.ClearOps();
    tri::DrawScreen(screen, Computed(t), Settings());
    EXPECT_EQ(screen.TextsEqual("1").size(), 3u);
    EXPECT_TRUE(screen.TextsEqual("2").empty());        // marked empty: nothing at all
    EXPECT_EQ(screen.TextsEqual("3").size(), 1u + 3u);  // an empty mark still gets numbers
}

TEST(TrilinearScreen, FrameHalfLinesDottedAndNoteFollowsTheTableSetting) {
    wq::SampleTable t;
    SetSample(t, 1, {1, 0, 1, 1, 1, 1, 1, 0});
    RecordingSurface screen = RecordingSurface::Screen(513, 513);
    tri::DrawScreen(screen, Computed(t), Settings());
    int dotted = 0;
    for (const DrawOp& op : screen.OpsOf(DrawOp::Kind::Line)) {
        dotted += op.style == 2;
        EXPECT_EQ(op.width, 1);
    }
    EXPECT_EQ(dotted, 8);  // 3 + 3 + 2 half lines
    ASSERT_EQ(screen.TextsEqual(tri::kNoteWithTable).size(), 1u);
    const DrawOp note = screen.TextsEqual(tri::kNoteWithTable)[0];
    EXPECT_NEAR(note.x1, 0, kEps);
    EXPECT_NEAR(note.y1 + 9 * screen.UnitsPerPoint() / 2, 487.5, kEps);
    const auto lines = screen.OpsOf(DrawOp::Kind::Line);
    screen.ClearOps();
    tri::DrawScreen(screen, Computed(t), Settings({.sampleList = kTableOff}));
    EXPECT_EQ(screen.TextsEqual(tri::kNoteWithoutTable).size(), 1u);
    EXPECT_TRUE(screen.TextsEqual(tri::kNoteWithTable).empty());
    EXPECT_EQ(screen.OpsOf(DrawOp::Kind::Line).size(), lines.size());
}

TEST(TrilinearScreen, AxisLabelsFollowTheNitrateType) {
    wq::SampleTable t;
    SetSample(t, 1, {1, 0, 1, 1, 1, 1, 1, 1});
    auto texts = [&](wq::NitrateType type) {
        RecordingSurface screen = RecordingSurface::Screen(513, 513);
        tri::DrawScreen(screen, Computed(t), Settings({.nitrate = type}));
        return screen;
    };
    RecordingSurface s0 = texts(wq::NitrateType::None);
    EXPECT_EQ(s0.TextsEqual("Cl").size(), 1u);
    EXPECT_EQ(s0.TextsEqual("SO ").size(), 1u);
    EXPECT_EQ(s0.TextsEqual("Cl+SO ").size(), 1u);
    EXPECT_EQ(s0.TextsEqual("4").size(), 2u);  // SO4, Cl+SO4
    EXPECT_EQ(s0.TextsEqual("3").size(), 1u);  // HCO3
    for (const DrawOp& op : s0.TextsEqual("4"))
        EXPECT_EQ(op.size, 6);
    RecordingSurface s1 = texts(wq::NitrateType::WithChloride);
    EXPECT_EQ(s1.TextsEqual("Cl+NO ").size(), 1u);
    EXPECT_EQ(s1.TextsEqual("Cl+SO +NO ").size(), 1u);
    EXPECT_EQ(s1.TextsEqual("3").size(), 3u);  // Cl+NO3, HCO3, Cl+SO4+NO3
    RecordingSurface s2 = texts(wq::NitrateType::WithSulfate);
    EXPECT_EQ(s2.TextsEqual("Cl").size(), 1u);
    EXPECT_EQ(s2.TextsEqual("SO +NO ").size(), 1u);
    EXPECT_EQ(s2.TextsEqual("3").size(), 3u);  // SO4+NO3, HCO3, Cl+SO4+NO3
    // "Ca" sits centred under the cation base, one line below it.
    const DrawOp ca = s0.TextsEqual("Ca")[0];
    const double em9 = 9 * s0.UnitsPerPoint();
    EXPECT_NEAR(ca.x1 + em9 / 2, 137.5, kEps);
    EXPECT_NEAR(ca.y1, 425 + em9, kEps);
}

// ---- Paper ----

bool HasLine(const RecordingSurface& p, double x1, double y1, double x2, double y2) {
    for (const DrawOp& op : p.OpsOf(DrawOp::Kind::Line))
        if (std::abs(op.x1 - x1) < kEps && std::abs(op.y1 - y1) < kEps &&
            std::abs(op.x2 - x2) < kEps && std::abs(op.y2 - y2) < kEps)
            return true;
    return false;
}

wq::SampleTable Samples(int n) {
    wq::SampleTable t;
    for (int i = 1; i <= n; ++i)
        SetSample(t, i, {1, 0, 1, 1, 1, 1, 1, 0}, "W" + std::to_string(i));
    return t;
}

TEST(TrilinearPrint, SheetGeometryWithoutShift) {
    wq::SampleTable t = Samples(1);
    RecordingSurface p = RecordingSurface::Paper();
    tri::PrintChart(p, Computed(t), Settings(), {0, 0});
    EXPECT_EQ(p.Documents(), 1);
    EXPECT_EQ(p.OpsOf(DrawOp::Kind::EndDoc).size(), 1u);
    EXPECT_TRUE(HasLine(p, 90, 220, 20, 220));            // cation base
    EXPECT_TRUE(HasLine(p, 180, 220, 110, 220));          // anion base
    EXPECT_TRUE(HasLine(p, 65, 142.0577, 100, 81.4359));  // diamond up to its top vertex
    int frame = 0, half = 0;
    for (const DrawOp& op : p.OpsOf(DrawOp::Kind::Line)) {
        frame += op.width == 2;
        EXPECT_EQ(op.style, 0);  // solid on paper
    }
    // 3 + 3 + 4 frame sides plus the 4 box sides, all two units wide by default.
    EXPECT_EQ(frame, 14);
    for (const DrawOp& op : p.OpsOf(DrawOp::Kind::Line))
        half += op.width == 1;
    EXPECT_EQ(half, 8 + 30);  // half lines and arrows
    EXPECT_TRUE(p.TextsEqual(tri::kNoteWithTable).empty());
    for (const DrawOp& op : p.TextsEqual("Ca+Mg"))
        EXPECT_EQ(op.size, 11);
    for (const DrawOp& op : p.TextsEqual("100%"))
        EXPECT_EQ(op.size, 9);
}

TEST(TrilinearPrint, ArrowsHaveTenMillimetreShaftsAndQuarterHeads) {
    wq::SampleTable t = Samples(1);
    wq::PlotSettings s = Settings();
    s.LineWidths = {2, 1, 4, 2, 2};  // arrows stand out by their width
    RecordingSurface p = RecordingSurface::Paper();
    tri::PrintChart(p, Computed(t), s, {0, 0});
    int shafts = 0, heads = 0;
    for (const DrawOp& op : p.OpsOf(DrawOp::Kind::Line)) {
        if (op.width != 4)
            continue;
        const double len = std::hypot(op.x2 - op.x1, op.y2 - op.y1);
        if (std::abs(len - 10) < kEps)
            ++shafts;
        else if (std::abs(len - 2.5) < kEps)
            ++heads;
        else
            ADD_FAILURE() << "arrow stroke of " << len << " mm";
    }
    EXPECT_EQ(shafts, 10);
    EXPECT_EQ(heads, 20);
}

TEST(TrilinearPrint, TableLayoutBySampleCount) {
    {
        RecordingSurface p = RecordingSurface::Paper();
        tri::PrintChart(p, Computed(Samples(3)), Settings(), {0, 0});
        const std::array<double, 3> rows{51, 56, 61};
        for (int i = 1; i <= 3; ++i) {
            auto e = p.TextsEqual("  " + std::to_string(i) + ": W" + std::to_string(i));
            ASSERT_EQ(e.size(), 1u);
            EXPECT_NEAR(e[0].x1, 120, kEps);
            EXPECT_NEAR(e[0].y1, rows[static_cast<std::size_t>(i - 1)], kEps);
            EXPECT_EQ(e[0].size, 8);
        }
        EXPECT_TRUE(HasLine(p, 120, 50, 151, 50));
        EXPECT_TRUE(HasLine(p, 151, 50, 151, 70));
        EXPECT_TRUE(HasLine(p, 151, 70, 120, 70));
        EXPECT_TRUE(HasLine(p, 120, 70, 120, 50));
    }
    {
        RecordingSurface p = RecordingSurface::Paper();
        tri::PrintChart(p, Computed(Samples(5)), Settings(), {0, 0});
        auto e = p.TextsEqual("  5: W5");
        ASSERT_EQ(e.size(), 1u);
        EXPECT_NEAR(e[0].x1, 151, kEps);
        EXPECT_NEAR(e[0].y1, 51, kEps);
        EXPECT_TRUE(HasLine(p, 120, 50, 182, 50));
        EXPECT_TRUE(HasLine(p, 182, 70, 120, 70));
    }
    {
        RecordingSurface p = RecordingSurface::Paper();
        wq::SampleTable t = Samples(25);
        t.At(12).drawn = false;  // marked empty: number, no name
        tri::PrintChart(p, Computed(t), Settings(), {0, 0});
        auto first = p.TextsEqual("  1: W1");
        ASSERT_EQ(first.size(), 1u);
        EXPECT_NEAR(first[0].x1, 120, kEps);
        EXPECT_NEAR(first[0].y1, 21, kEps);
        auto sixteen = p.TextsEqual(" 16: W16");
        ASSERT_EQ(sixteen.size(), 1u);
        EXPECT_NEAR(sixteen[0].y1, 21 + 75, kEps);
        auto seventeen = p.TextsEqual(" 17: W17");
        ASSERT_EQ(seventeen.size(), 1u);
        EXPECT_NEAR(seventeen[0].x1, 151, kEps);
        EXPECT_NEAR(seventeen[0].y1, 21, kEps);
        auto last = p.TextsEqual(" 25: W25");
        ASSERT_EQ(last.size(), 1u);
        EXPECT_NEAR(last[0].y1, 61, kEps);
        EXPECT_EQ(p.TextsEqual(" 12: ").size(), 1u);
        EXPECT_TRUE(HasLine(p, 120, 20, 182, 20));
        EXPECT_TRUE(HasLine(p, 182, 100, 120, 100));
    }
    for (int n : {1, 4, 8, 9, 16, 17, 24, 25, 32}) {
        const tri::TableLayout l = tri::SampleTableLayout(n);
        // Every entry's line lies inside the box.
        EXPECT_LE(l.top + 1 + 5 * (l.rows - 1) + 4, l.bottom) << n;
        EXPECT_GE(l.rows * l.columns, n) << n;
    }
}

// Display cells counted generously: only ASCII and half-width katakana are narrow, since the
// Japanese faces draw the Roman numerals full width.
double WideCells(const std::string& s) {
    double cells = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) == 0x80)
            continue;
        // U+FF61..U+FF9F: EF BD A1..BF and EF BE 80..9F
        const bool halfKana = c == 0xEF && i + 2 < s.size() &&
                              ((s[i + 1] == '\xBD' && s[i + 2] >= '\xA1') ||
                               (s[i + 1] == '\xBE' && s[i + 2] <= '\x9F'));
        cells += (c < 0x80 || halfKana) ? 1 : 2;
    }
    return cells;
}

// Where the last sample's entry and the box's bottom fall at each side of every change of the
// table's layout: entries fill a column of 4, 8, 12 or 16 rows, 5 mm apart, before the next
// column 31 mm to the right.
TEST(TrilinearPrint, TheLastEntryAtEachChangeOfLayout) {
    const struct {
        int n;
        double x, y;   // of the last entry
        double right;  // of the box
        double top, bottom;
    } cases[] = {
        {4, 120, 66, 151, 50, 70},   {5, 151, 51, 182, 50, 70},   {8, 151, 66, 182, 50, 70},
        {9, 151, 51, 182, 50, 90},   {16, 151, 86, 182, 50, 90},  {17, 151, 61, 182, 40, 100},
        {24, 151, 96, 182, 40, 100}, {25, 151, 61, 182, 20, 100}, {32, 151, 96, 182, 20, 100},
    };
    for (const auto& c : cases) {
        RecordingSurface p = RecordingSurface::Paper();
        tri::PrintChart(p, Computed(Samples(c.n)), Settings(), {0, 0});
        auto e = p.TextsEqual(tri::SampleTableEntry(c.n, "W" + std::to_string(c.n)));
        ASSERT_EQ(e.size(), 1u) << c.n;
        EXPECT_NEAR(e[0].x1, c.x, kEps) << c.n;
        EXPECT_NEAR(e[0].y1, c.y, kEps) << c.n;
        EXPECT_TRUE(HasLine(p, 120, c.top, c.right, c.top)) << c.n;
        EXPECT_TRUE(HasLine(p, c.right, c.bottom, 120, c.bottom)) << c.n;
    }
}

TEST(TrilinearPrint, DiamondFieldsInTheTableOnlyWhenAsked) {
    wq::SampleTable t;
    SetSample(t, 1, {0, 0, 2, 0, 0, 2, 0, 0}, "W17-2001-06");  // Ca-HCO3
    SetSample(t, 2, {2, 0, 0, 0, 0, 2, 0, 0}, "W17-2002-09");  // Na-HCO3
    SetSample(t, 3, {0, 0, 0, 3, 0, 0, 3, 0}, "W17-2003-06");  // Mg-SO4
    SetSample(t, 4, {2, 0, 0, 0, 2, 0, 0, 0}, "W17-2013-07");  // Na-Cl
    SetSample(t, 5, {1, 0, 1, 0, 0, 2, 0, 0}, "仮想井戸05");   // Na+K exactly half
    SetSample(t, 6, {0, 0, 2, 0, 0, 0, 0, 0}, "W17-2014-12");  // no anions: no diamond point
    SetSample(t, 7, {0, 0, 2, 0, 0, 2, 0, 0}, "W17-2014-08");
    t.At(7).drawn = false;  // marked empty
    RecordingSurface off = RecordingSurface::Paper();
    tri::PrintChart(off, Computed(t), Settings(), {0, 0});
    wq::PlotSettings s = Settings();
    s.SampleListField = true;
    RecordingSurface on = RecordingSurface::Paper();
    tri::PrintChart(on, Computed(t), s, {0, 0});

    const char* plain[] = {"  1: W17-2001-06",
                           "  2: W17-2002-09",
                           "  3: W17-2003-06",
                           "  4: W17-2013-07",
                           "  5: 仮想井戸05",
                           "  6: W17-2014-12",
                           "  7: "};
    const char* fields[] = {"  1: W17-2001-06 Ⅰ",
                            "  2: W17-2002-09 Ⅱ",
                            "  3: W17-2003-06 Ⅲ",
                            "  4: W17-2013-07 Ⅳ",
                            "  5: 仮想井戸05 Ⅰ/Ⅱ",
                            "  6: W17-2014-12",
                            "  7: "};
    for (std::size_t k = 0; k < 7; ++k) {
        auto a = off.TextsEqual(plain[k]);
        auto b = on.TextsEqual(fields[k]);
        ASSERT_EQ(a.size(), 1u) << plain[k];
        ASSERT_EQ(b.size(), 1u) << fields[k];
        EXPECT_NEAR(a[0].x1, b[0].x1, kEps);
        EXPECT_NEAR(a[0].y1, b[0].y1, kEps);
    }
    for (const char* legend : tri::kFieldLegend) {
        EXPECT_TRUE(off.TextsEqual(legend).empty());
        ASSERT_EQ(on.TextsEqual(legend).size(), 1u) << legend;
    }
    // The box grows by the legend's two rows, which a line parts from the entries.
    EXPECT_TRUE(HasLine(on, 120, 40, 182, 40));
    EXPECT_TRUE(HasLine(on, 120, 50, 182, 50));
    EXPECT_TRUE(HasLine(on, 182, 70, 120, 70));
    EXPECT_TRUE(HasLine(off, 120, 50, 182, 50));
    // After the table both sheets are drawn alike.
    const std::size_t tableOff = 7 + 4, tableOn = 7 + 4 + 1 + 4;
    ASSERT_EQ(off.Ops().size() - tableOff, on.Ops().size() - tableOn);
    for (std::size_t k = tableOff; k < off.Ops().size(); ++k)
        EXPECT_EQ(off.Ops()[k].ToJson(), on.Ops()[k - tableOff + tableOn].ToJson());
}

TEST(TrilinearPrint, TableWithFieldsFitsItsColumnsAndClearsTheDiagram) {
    for (int n : {1, 4, 5, 8, 9, 16, 17, 24, 25, 32}) {
        wq::SampleTable t;
        for (int i = 1; i <= n; ++i)  // names as long as the examples', the widest numeral
            SetSample(t, i, {0, 0, 0, 3, 0, 0, 3, 0}, "W17-2001-" + std::to_string(10 + i));
        wq::PlotSettings s = Settings();
        s.SampleListField = true;
        RecordingSurface p = RecordingSurface::Paper();
        tri::PrintChart(p, Computed(t), s, {0, 0});
        RecordingSurface diagram = RecordingSurface::Paper();
        tri::PrintChart(diagram, Computed(t), Settings({.sampleList = kTableOff}), {0, 0});

        const tri::TableLayout l = tri::SampleTableLayout(n);
        const double left = 120, right = 182, top = l.top - 10, bottom = l.bottom;
        ASSERT_TRUE(HasLine(p, left, top, right, top)) << n;
        ASSERT_TRUE(HasLine(p, right, bottom, left, bottom)) << n;
        EXPECT_GE(top, 10) << n;
        const double upp = p.UnitsPerPoint();
        const auto texts = p.OpsOf(DrawOp::Kind::Text);
        for (std::size_t k = 0; k < static_cast<std::size_t>(n) + 4; ++k) {
            const DrawOp& op = texts[k];
            const double column = left + 31 * std::floor((op.x1 - left + kEps) / 31);
            EXPECT_LE(op.x1 + WideCells(op.text) * op.size * upp / 2, column + 31) << op.text;
            EXPECT_GE(op.y1, top) << op.text;
            EXPECT_LE(op.y1 + op.size * upp, bottom) << op.text;
        }
        // Nothing of the diagram inside the box: lines sampled along, texts by their extent.
        auto inside = [&](double x, double y) {
            return x > left && x < right && y > top && y < bottom;
        };
        for (const DrawOp& op : diagram.OpsOf(DrawOp::Kind::Line))
            for (int k = 0; k <= 20; ++k)
                EXPECT_FALSE(
                    inside(op.x1 + (op.x2 - op.x1) * k / 20, op.y1 + (op.y2 - op.y1) * k / 20))
                    << n << ": line from " << op.x1 << ", " << op.y1;
        for (const DrawOp& op : diagram.OpsOf(DrawOp::Kind::Text)) {
            const double w = WideCells(op.text) * op.size * upp / 2, h = op.size * upp;
            const bool overlaps =
                op.x1 < right && op.x1 + w > left && op.y1 < bottom && op.y1 + h > top;
            EXPECT_FALSE(overlaps) << n << ": " << op.text;
        }
    }
}

TEST(TrilinearPrint, ShiftMovesTableAndDiagram) {
    struct Case {
        wq::PrintOffset offset;
        double dx, dy;  // mm, right and down
    };
    for (const Case& c : {Case{{30, -70}, 3, 7}, Case{{25, 0}, 2.5, 0}, Case{{0, 25}, 0, -2.5}}) {
        RecordingSurface p = RecordingSurface::Paper();
        tri::PrintChart(p, Computed(Samples(3)), Settings(), c.offset);
        auto e = p.TextsEqual("  1: W1");
        ASSERT_EQ(e.size(), 1u);
        EXPECT_NEAR(e[0].x1, 120 + c.dx, kEps);
        EXPECT_NEAR(e[0].y1, 51 + c.dy, kEps);
        EXPECT_TRUE(HasLine(p, 120 + c.dx, 50 + c.dy, 151 + c.dx, 50 + c.dy));
        EXPECT_TRUE(HasLine(p, 90 + c.dx, 220 + c.dy, 20 + c.dx, 220 + c.dy));
        EXPECT_TRUE(HasLine(p, 65 + c.dx, 142.0577 + c.dy, 100 + c.dx, 81.4359 + c.dy));
    }
}

TEST(TrilinearPrint, TableOffNumbersOffAndPaperMarkPlacement) {
    wq::SampleTable t = Samples(2);
    SetSample(t, 1, {0, 0, 2, 0, 0, 2, 0, 0}, "P", "◆", 9);
    RecordingSurface withTable = RecordingSurface::Paper();
    tri::PrintChart(withTable, Computed(t), Settings(), {0, 0});
    RecordingSurface p = RecordingSurface::Paper();
    tri::PrintChart(p, Computed(t), Settings({.sampleList = kTableOff}), {0, 0});
    EXPECT_TRUE(p.TextsEqual("  1: P").empty());
    EXPECT_EQ(p.OpsOf(DrawOp::Kind::Line).size() + 4, withTable.OpsOf(DrawOp::Kind::Line).size());

    // Pure Ca at (200, 1700): 20 mm, 220 mm; the mark 8 points centred, in light blue.
    const double em7 = 7 * p.UnitsPerPoint();
    const double em8 = 8 * p.UnitsPerPoint();
    const double cells = hc::DisplayCells("◆");
    auto marks = p.TextsEqual("◆");
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_NEAR(marks[0].x1 + cells * em8 / 4, 20, kEps);
    EXPECT_NEAR(marks[0].y1 + em8 / 2, 220, kEps);
    EXPECT_EQ(marks[0].color, (hc::Color{0, 0, 255}));
    // The number at a quarter of the mark's 7-point extent, in 7 points.
    auto numbers = p.TextsEqual("1");
    ASSERT_EQ(numbers.size(), 3u);
    EXPECT_NEAR(numbers[0].x1, 20 + cells * em7 / 8, kEps);
    EXPECT_NEAR(numbers[0].y1, 220 + em7 / 4, kEps);
    EXPECT_EQ(numbers[0].size, 7);

    RecordingSurface off = RecordingSurface::Paper();
    tri::PrintChart(off, Computed(t), Settings({.numbering = kNumbersOff}), {0, 0});
    EXPECT_TRUE(off.TextsEqual("1").empty());
    EXPECT_EQ(off.TextsEqual("◆").size(), 3u);
}

TEST(TrilinearPrint, VertexLabelsFollowTheLabelRuleOnShiftedPaper) {
    RecordingSurface p = RecordingSurface::Paper();
    tri::PrintChart(p, Computed(Samples(1)), Settings(), {30, -70});  // 3 mm right, 7 mm down
    const double em = 9 * p.UnitsPerPoint();                // 9-point vertex labels
    const double tw100 = 2 * em;                            // "100%": four narrow characters
    const double tw0 = 1 * em;                              // "0%"
    auto has = [&](const std::string& text, double x, double y) {
        for (const DrawOp& op : p.TextsEqual(text))
            if (std::abs(op.x1 - x) < kEps && std::abs(op.y1 - y) < kEps && op.size == 9)
                return true;
        return false;
    };
    // Mg vertex (550, 1093.782) -> (58, 166.3782) mm: "100%" left of it, "0%" right of it.
    EXPECT_TRUE(has("100%", 58 - 19 * tw100 / 16, 166.3782 - em / 2));
    EXPECT_TRUE(has("0%", 58 + 3 * tw0 / 8, 166.3782 - em / 2));
    // Diamond top (1000, 314.359) -> (103, 88.4359) mm, label above it, centred.
    EXPECT_TRUE(has("100%", 103 - tw100 / 2, 88.4359 - 5 * em / 4));
    // Anion Cl vertex (1800, 1700) -> (183, 227) mm: "0%" above and right.
    EXPECT_TRUE(has("0%", 183, 227 - 5 * em / 4));
    // Axis label "Ca+Mg" at 11 points, beside the diamond's upper-right side.
    const double em11 = 11 * p.UnitsPerPoint();
    auto caMg = p.TextsEqual("Ca+Mg");
    ASSERT_EQ(caMg.size(), 1u);
    EXPECT_NEAR(caMg[0].x1, 124.25, kEps);
    EXPECT_NEAR(caMg[0].y1, 0.1 * (617.468 + 570) - em11 / 2, kEps);
}

}  // namespace
