// The expanded Durov diagram and the HFE-D: points of pure waters and of shares worked by hand,
// the facies on both sides of every boundary, the sea-water mixing line's ends, and the TDS and
// pH panels left out where the table has no such column.
#include <gtest/gtest.h>

#include "common/core/recording_surface.h"
#include "tests/wqplot/wqplot_samples.h"
#include "wqplot/core/classification.h"
#include "wqplot/core/durov_chart.h"
#include "wqplot/core/hfed_chart.h"
#include "wqplot/core/wqplot_chart.h"

namespace wqp {
namespace {

using wqtest::FromMeq;

// Shares in %: Na+K, Ca, Mg and the chloride group, HCO3+CO3, the sulfate group.
wq::Fractions Shares(double nak, double ca, double mg, double cl, double hco3, double so4) {
    wq::Fractions f;
    f.CationSum = f.AnionSum = 1;
    f.CationFraction = {nak / 100, ca / 100, mg / 100};
    f.AnionFraction = {cl / 100, hco3 / 100, so4 / 100};
    f.cationDefined = f.anionDefined = true;
    return f;
}

// Each boundary from both sides, worked by hand from Giménez-Forcada (2010): x = c + 33.4 where
// c = max(Ca, Mg) exceeds Na+K, else 100 - Na+K (likewise y). Her axis marks put c = 50 % at
// 83.4, c = 33.3 % at 66.7 and Na+K = 50 % at 50, as WQChartPy's drawing of the diagram does.
TEST(Hfed, FaciesOnBothSidesOfEveryBoundary) {
    struct Case {
        wq::Fractions f;
        double x, y;
        const char* facies;
    };
    const Case cases[] = {
        {Shares(50.1, 30, 19.9, 50.1, 30, 19.9), 49.9, 49.9, "Na-Cl"},
        {Shares(49.9, 30.1, 20, 49.9, 30.1, 20), 50.1, 50.1, "MixNa-MixCl"},
        // Na+K and Cl just above the dominant Ca and HCO3, then just below them.
        {Shares(40, 39.9, 20.1, 40, 39.9, 20.1), 60, 60, "MixNa-MixCl"},
        {Shares(39.9, 40, 20.1, 39.9, 40, 20.1), 73.4, 73.4, "MixCa-MixHCO3"},
        // A tie names no dominant ion; a tie of HCO3 with SO4 is named by HCO3.
        {Shares(40, 40, 20, 40, 40, 20), 60, 60, "MixNa-MixCl"},
        {Shares(20, 40, 40, 20, 40, 40), 73.4, 73.4, "MixCa-MixHCO3"},
        {Shares(30.1, 49.9, 20, 30.1, 20, 49.9), 83.3, 83.3, "MixCa-MixSO4"},
        {Shares(30, 50.1, 19.9, 30, 19.9, 50.1), 83.5, 83.5, "Ca-SO4"},
        {Shares(25, 20, 55, 10, 80, 10), 88.4, 113.4, "Mg-HCO3"},
        {Shares(0, 100, 0, 0, 100, 0), 133.4, 133.4, "Ca-HCO3"},
        {Shares(100, 0, 0, 100, 0, 0), 0, 0, "Na-Cl"},
    };
    for (const Case& c : cases) {
        const HfedPoint p = HfedCoordinates(c.f);
        ASSERT_TRUE(p.defined);
        EXPECT_NEAR(p.x, c.x, 1e-9) << c.facies;
        EXPECT_NEAR(p.y, c.y, 1e-9) << c.facies;
        EXPECT_EQ(HfedFaciesName(p), c.facies);
    }
    EXPECT_FALSE(HfedCoordinates(wq::Fractions{}).defined);
    EXPECT_EQ(HfedFaciesName(HfedPoint{}), "");
}

// Nitrate joins the group of its type: meq/L Cl 1, HCO3 1.5, SO4 0.5, NO3 1 (cations Ca 4).
TEST(Hfed, NitrateJoinsItsGroup) {
    wq::SampleTable t;
    t.samples.push_back(FromMeq("n", {0, 0, 4, 0, 1, 1.5, 0.5, 1}));
    const wqtest::Loaded loaded(t);
    const wq::Composition& c = loaded.compositions[0];
    struct Case {
        wq::NitrateType type;
        double y;
        const char* facies;
    };
    const Case cases[] = {
        {wq::NitrateType::None, 83.4, "Ca-MixHCO3"},         // HCO3 1.5 of 3: half, not above
        {wq::NitrateType::WithChloride, 50, "Ca-MixCl"},     // Cl+NO3 2 of 4
        {wq::NitrateType::WithSulfate, 70.9, "Ca-MixHCO3"},  // HCO3 = SO4+NO3 = 37.5 %
    };
    for (const Case& k : cases) {
        const HfedPoint p = HfedCoordinates(wq::SharesUnder(c, k.type));
        EXPECT_NEAR(p.y, k.y, 1e-6) << k.facies;
        EXPECT_EQ(HfedFaciesName(p), k.facies);
    }
}

// The line runs from the sample of least chloride to sea water, whose place by hand from the
// mg/L of kSeawaterMg and the suite's weights is Na+K 79.02 %, Cl 90.27 % of meq/L.
TEST(Hfed, MixingLineFromTheFreshestSampleToSeaWater) {
    wq::SampleTable t;
    t.samples.push_back(FromMeq("salty", {3, 0, 1, 0, 3, 1, 0, 0}));
    t.samples.push_back(FromMeq("fresh", {0, 0, 2, 0, 0.1, 1.9, 0, 0}));
    wq::PlotSettings settings;
    settings.Diagram.mixingLine = true;
    const HfedModel m = BuildHfedModel(wqtest::Loaded(t).Model(), settings);
    EXPECT_EQ(m.mixingFrom, 2);
    EXPECT_EQ(m.mixingFromName, "fresh");
    ASSERT_FALSE(m.mixing.empty());
    EXPECT_NEAR(m.mixing.front().front().x, 133.4, 1e-9);
    EXPECT_NEAR(m.mixing.front().front().y, 95.0 + 33.4, 1e-9);
    EXPECT_NEAR(m.mixing.back().back().x, 20.98, 0.01);
    EXPECT_NEAR(m.mixing.back().back().y, 9.73, 0.01);
    // The transform jumps where Ca stops dominating and where HCO3 does: more than one piece.
    EXPECT_GT(m.mixing.size(), 1u);
    settings.Diagram.mixingLine = false;
    EXPECT_TRUE(BuildHfedModel(wqtest::Loaded(t).Model(), settings).mixing.empty());
}

// Pure waters at the corners: Ca with HCO3 at the square's top-left, Na with Cl at its
// bottom-right, Mg and SO4 at the apexes and the square's centre.
TEST(Durov, PureWatersAtTheCorners) {
    wq::SampleTable t;
    t.samples.push_back(FromMeq("CaHCO3", {0, 0, 2, 0, 0, 2, 0, 0}));
    t.samples.push_back(FromMeq("NaCl", {3, 0, 0, 0, 3, 0, 0, 0}));
    t.samples.push_back(FromMeq("MgSO4", {0, 0, 0, 1, 0, 0, 1, 0}));
    wq::PlotSettings settings;
    const DurovModel m = BuildDurovModel(wqtest::Loaded(t).Model(), settings);
    ASSERT_EQ(m.points.size(), 3u);
    struct Case {
        double sx, sy, cx, cy, ax, ay;
    };
    const double h = kDurovTriangle;
    const Case cases[] = {{0, 0, 0, 0, 0, 0}, {100, 100, 0, 1, 1, 0}, {50, 50, -h, 0.5, 0.5, -h}};
    for (std::size_t i = 0; i < 3; ++i) {
        const DurovMark& p = m.points[i];
        const Case& c = cases[i];
        EXPECT_NEAR(p.square.x, c.sx, 1e-9) << i;
        EXPECT_NEAR(p.square.y, c.sy, 1e-9) << i;
        EXPECT_NEAR(p.cation.x, c.cx, 1e-9) << i;
        EXPECT_NEAR(p.cation.y, c.cy, 1e-9) << i;
        EXPECT_NEAR(p.anion.x, c.ax, 1e-9) << i;
        EXPECT_NEAR(p.anion.y, c.ay, 1e-9) << i;
    }
    // Nitrate with chloride: NO3 1 and Cl 1 of anions 4 (HCO3 2) puts the point half way.
    wq::SampleTable n;
    n.samples.push_back(FromMeq("n", {0, 0, 4, 0, 1, 2, 0, 1}));
    settings.NitrateType = wq::NitrateType::WithChloride;
    EXPECT_NEAR(BuildDurovModel(wqtest::Loaded(n).Model(), settings).points[0].square.x, 50, 1e-9);
}

// TDS and pH panels exist only with their columns; a sample without a value leaves that panel.
TEST(Durov, PanelsFollowTheColumns) {
    wq::SampleTable t;
    t.samples.push_back(FromMeq("a", {1, 0, 1, 0, 1, 1, 0, 0}));
    t.samples.push_back(FromMeq("b", {1, 0, 1, 0, 1, 1, 0, 0}));
    wq::PlotSettings settings;
    DurovModel m = BuildDurovModel(wqtest::Loaded(t).Model(), settings);
    EXPECT_FALSE(m.tdsPanel);
    EXPECT_FALSE(m.phPanel);
    EXPECT_EQ(m.tdsLeftOut + m.phLeftOut, 0);
    t.samples[0].tds = 1800;
    t.samples[1].ph = 10.4;
    m = BuildDurovModel(wqtest::Loaded(t).Model(), settings);
    EXPECT_TRUE(m.tdsPanel && m.phPanel);
    EXPECT_EQ(m.tdsLeftOut, 1);
    EXPECT_EQ(m.phLeftOut, 1);
    EXPECT_EQ(m.tdsMax, 2000);  // the next 1, 2, 2.5 or 5 x 10^n
    EXPECT_EQ(m.phLow, kDurovPhLow);
    EXPECT_EQ(m.phHigh, 11);
    ASSERT_EQ(m.points.size(), 2u);  // both samples stay in the triangles and the square
}

// What the sheet says: the panels left out and why, or the counts left out of each; the HFE-D
// names the sample its mixing line starts from.
TEST(Durov, SheetSaysWhatIsLeftOut) {
    wq::SampleTable t;
    t.samples.push_back(FromMeq("a", {1, 0, 1, 0, 1, 1, 0, 0}));
    t.samples.push_back(FromMeq("b", {2, 0, 1, 0, 2, 1, 0, 0}));
    wq::PlotSettings settings;
    settings.Diagram.mixingLine = true;
    auto texts = [&](bool hfed) {
        hc::RecordingSurface paper = hc::RecordingSurface::Paper();
        const wqtest::Loaded loaded(t);
        if (hfed)
            DrawHfed(paper, BuildHfedModel(loaded.Model(), settings), PaperMedia());
        else
            DrawDurov(paper, BuildDurovModel(loaded.Model(), settings), PaperMedia());
        return paper;
    };
    hc::RecordingSurface none = texts(false);
    EXPECT_EQ(none.TextsEqual("TDS の列がないため").size(), 1u);
    EXPECT_EQ(none.TextsEqual("pH の列がないため").size(), 1u);
    EXPECT_TRUE(none.TextsEqual("TDS (mg/L)").empty());
    t.samples[1].tds = 300;
    t.samples[0].ph = 7;
    hc::RecordingSurface some = texts(false);
    EXPECT_TRUE(some.TextsEqual("TDS の列がないため").empty());
    EXPECT_EQ(some.TextsEqual("TDS のない試料: 1").size(), 1u);
    EXPECT_EQ(some.TextsEqual("pH のない試料: 1").size(), 1u);
    EXPECT_EQ(texts(true).TextsEqual("青線: 海水と Cl の最も少ない試料「a」との混合線").size(), 1u);
}

// The facies in the classification table's last column and in the chart's CSV, empty for an
// empty workbook column.
TEST(Hfed, FaciesInTheTableAndCsv) {
    wq::SampleTable t;
    t.samples.push_back(FromMeq("sea", {3, 0, 0.5, 0, 3, 0.5, 0, 0}));
    wq::Sample empty;
    empty.name = "2";
    t.samples.push_back(empty);
    const wqtest::Loaded loaded(t);
    const std::vector<ClassRow> rows = ClassificationRows(loaded.Model(), wq::NitrateType::None);
    EXPECT_EQ(ClassificationCells(rows[0], wq::Language::English, CellUse::Csv)[kColHfed],
              "Na-Cl");
    EXPECT_EQ(std::string(kClassColumns[kColHfed].key), "hfed_facies");
    wq::PlotSettings settings;
    const std::string csv = HfedCsv(loaded.Model(), settings);
    // Na+K and Cl 6/7 of their sides: 100 - 85.71 = 14.29.
    EXPECT_NE(csv.find("\n1,sea,,1,14.29,14.29,Na-Cl\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\n2,2,,0,,,\n"), std::string::npos) << csv;
}

}  // namespace
}  // namespace wqp
