// The chart models' coordinates for analyses whose place is known by construction, the
// Schoeller decades and breaks, and the drawings staying inside their area on screen and paper.
#include <gtest/gtest.h>

#include <cmath>

#include "common/core/recording_surface.h"
#include "tests/wqplot/wqplot_samples.h"
#include "wqplot/core/chadha_chart.h"
#include "wqplot/core/durov_chart.h"
#include "wqplot/core/hfed_chart.h"
#include "wqplot/core/piper_chart.h"
#include "wqplot/core/schoeller_chart.h"
#include "wqplot/core/table_sheet.h"

namespace wqp {
namespace {

using wq::IonValues;
using wqtest::FromMeq;

// Na, K, Ca, Mg, Cl, HCO3, SO4, NO3 in meq/L.
const IonValues kCaHCO3{0, 0, 2, 0, 0, 2, 0, 0};
const IonValues kNaCl{3, 0, 0, 0, 3, 0, 0, 0};
const IonValues kMgSO4{0, 0, 0, 1, 0, 0, 1, 0};
const IonValues kMixed{1, 0, 1, 1, 1, 1, 1, 0};  // a third of each group

wq::SampleTable Table(std::initializer_list<wq::Sample> samples) {
    wq::SampleTable t;
    t.samples = samples;
    return t;
}

void ExpectAt(const Pt& p, double x, double y, const char* what) {
    EXPECT_NEAR(p.x, x, 1e-6) << what;
    EXPECT_NEAR(p.y, y, 1e-6) << what;
}

TEST(PiperModel, PureWatersLandOnTheCorners) {
    wq::Sample empty;
    empty.name = "3";
    const wq::SampleTable t = Table({FromMeq("CaHCO3", kCaHCO3), FromMeq("NaCl", kNaCl), empty,
                                     FromMeq("MgSO4", kMgSO4), FromMeq("mixed", kMixed)});
    wq::PlotSettings settings;
    const PiperModel m = BuildPiperModel(wqtest::Loaded(t).Model(), settings);
    ASSERT_EQ(m.points.size(), 4u);  // the empty column has no point
    const double h = kTriangleHeight, g = kPiperGap;
    // Left corners and the diamond's left corner.
    ExpectAt(m.points[0].cation, 0, 0, "Ca");
    ExpectAt(m.points[0].anion, 1 + g, 0, "HCO3");
    ExpectAt(m.points[0].diamond, 0.5 + g / 2, h * (1 + g), "Ca-HCO3 diamond");
    // Right corners and the diamond's right corner.
    ExpectAt(m.points[1].cation, 1, 0, "Na");
    ExpectAt(m.points[1].anion, 2 + g, 0, "Cl");
    ExpectAt(m.points[1].diamond, 1.5 + g / 2, h * (1 + g), "Na-Cl diamond");
    // Tops: Mg, SO4, and the diamond's top (Ca+Mg and Cl+SO4 both 100 %).
    EXPECT_EQ(m.points[2].sample, 4);
    ExpectAt(m.points[2].cation, 0.5, h, "Mg");
    ExpectAt(m.points[2].anion, 1.5 + g, h, "SO4");
    ExpectAt(m.points[2].diamond, 1 + g / 2, h * (2 + g), "Mg-SO4 diamond");
    // Equal thirds: the centroids, and a diamond point a third of the way from its top...
    ExpectAt(m.points[3].cation, 0.5, h / 3, "centroid");
    ExpectAt(m.points[3].anion, 1.5 + g, h / 3, "centroid");
    ExpectAt(m.points[3].diamond, 1 + g / 2, h * (1 + g) + h / 3, "diamond");
}

TEST(PiperModel, TdsCircleAreaFollowsTds) {
    wq::Sample a = FromMeq("a", kCaHCO3), b = FromMeq("b", kNaCl);
    a.tds = 400;
    b.tds = 100;
    const wq::SampleTable t = Table({a, b});
    wq::PlotSettings settings;
    const PiperModel m = BuildPiperModel(wqtest::Loaded(t).Model(), settings);
    ASSERT_EQ(m.points.size(), 2u);
    EXPECT_DOUBLE_EQ(m.points[0].tdsRadius, kMaxTdsRadius);
    EXPECT_NEAR(m.points[1].tdsRadius, kMaxTdsRadius / 2, 1e-12);  // a quarter of the area
    EXPECT_EQ(m.tdsLegend, (std::vector<double>{200, 50, 10}));
    EXPECT_EQ(RoundLegendValues(1234), (std::vector<double>{1000, 200, 50}));
    EXPECT_EQ(RoundLegendValues(5), (std::vector<double>{5, 1, 0.2}));
}

TEST(Styles, GroupsInFirstAppearanceOrderElseOwnMarks) {
    wq::SampleTable t = Table({FromMeq("1", kMixed, "B"), FromMeq("2", kMixed, "A"),
                               FromMeq("3", kMixed, "B"), FromMeq("4", kMixed)});
    SampleStyles st = AssignStyles(t);
    ASSERT_EQ(st.legend.size(), 3u);
    EXPECT_EQ(st.legend[0].label, "B");
    EXPECT_EQ(st.legend[1].label, "A");
    EXPECT_EQ(st.legend[2].label, kNoGroup);
    EXPECT_EQ(st.styleOf, (std::vector<int>{0, 1, 0, 2}));
    for (wq::Sample& s : t.samples) {
        s.group.clear();
        s.mark = "▲x";
        s.colour = 12;
    }
    st = AssignStyles(t);
    EXPECT_FALSE(st.byGroup);
    EXPECT_EQ(st.styles[0].shape, MarkShape::Text);
    EXPECT_EQ(st.styles[0].text, "▲");
    EXPECT_EQ(st.styles[0].colour, hc::QBColor(12));
    EXPECT_EQ(st.legend[3].label, "4");
}

TEST(Schoeller, DecadesFromTheData) {
    EXPECT_EQ(SchoellerDecades(0.35, 12), std::make_pair(-1, 2));
    EXPECT_EQ(SchoellerDecades(1, 10), std::make_pair(0, 1));
    EXPECT_EQ(SchoellerDecades(0.02, 0.02), std::make_pair(-2, -1));
    EXPECT_EQ(SchoellerDecades(0, 0), std::make_pair(-1, 1));
}

TEST(Schoeller, AZeroBreaksTheLineAndKGetsItsAxis) {
    // Mg is 0: of the five segments between six axes, the two at Mg are not drawn.
    wq::SampleTable t = Table({FromMeq("s", {1, 0.5, 2, 0, 1, 3, 0.4, 0})});
    wq::PlotSettings settings;
    settings.NitrateType = wq::NitrateType::None;
    SchoellerModel m = BuildSchoellerModel(wqtest::Loaded(t).Model(), settings);
    ASSERT_EQ(m.axes.size(), 6u);
    EXPECT_NEAR(m.lines[0].meq[2], 1.5, 1e-9);  // Na+K
    EXPECT_EQ(m.lowDecade, -1);
    EXPECT_EQ(m.highDecade, 1);
    auto rec = hc::RecordingSurface::Screen(900, 600);
    DrawSchoeller(rec, m, ScreenMedia(900, 600));
    const hc::Color colour = m.styles.styles[0].colour;
    int segments = 0;
    for (const hc::DrawOp& op : rec.OpsOf(hc::DrawOp::Kind::Line))
        segments += op.color == colour && std::abs(op.x2 - op.x1) > 20;
    EXPECT_EQ(segments, 3);
    settings.Diagram.potassiumApart = true;
    m = BuildSchoellerModel(wqtest::Loaded(t).Model(), settings);
    EXPECT_EQ(m.axes.size(), 7u);
    EXPECT_NEAR(m.lines[0].meq[3], 0.5, 1e-9);
}

TEST(ChadhaModel, QuadrantsOfThePureWaters) {
    const wq::SampleTable t =
        Table({FromMeq("a", kCaHCO3), FromMeq("b", kNaCl), FromMeq("c", {0, 0, 0, 0, 0, 0, 0, 0})});
    wq::PlotSettings settings;
    const ChadhaModel m = BuildChadhaModel(wqtest::Loaded(t).Model(), settings);
    ASSERT_EQ(m.points.size(), 2u);
    EXPECT_DOUBLE_EQ(m.points[0].x, 100);
    EXPECT_DOUBLE_EQ(m.points[0].y, 100);
    EXPECT_DOUBLE_EQ(m.points[1].x, -100);
    EXPECT_DOUBLE_EQ(m.points[1].y, -100);
    EXPECT_EQ(m.leftOut, 1);
}

// Every line, circle and text of every chart lies inside the area, on screen and on paper,
// with all options on, long names and more groups than the legend holds.
TEST(Drawing, StaysInsideTheArea) {
    wq::SampleTable t;
    for (int i = 0; i < 60; ++i) {
        IonValues q{0.2 + i % 7, 0.1, 1.0 + i % 5, 0.5 + i % 3, 0.3 + i % 4, 2.0 + i % 6, 0.2, 0.1};
        wq::Sample s = FromMeq("試料の名前がとても長い場合 " + std::to_string(i), q,
                               "地点グループ" + std::to_string(i % 45));
        s.tds = 50 + 20 * i;
        t.samples.push_back(s);
    }
    wq::PlotSettings settings;
    settings.NitrateType = wq::NitrateType::WithChloride;
    settings.Diagram = {wq::DiagramKind::Piper, true, false, true, true, true, false};
    const wqtest::Loaded loaded(t);
    for (bool paper : {false, true}) {
        auto rec = paper ? hc::RecordingSurface::Paper() : hc::RecordingSurface::Screen(900, 480);
        const ChartMedia m = paper ? PaperMedia() : ScreenMedia(900, 480);
        for (int chart = 0; chart < 5; ++chart) {
            rec.ClearOps();
            if (chart == 0)
                DrawPiper(rec, BuildPiperModel(loaded.Model(), settings), m);
            else if (chart == 1)
                DrawSchoeller(rec, BuildSchoellerModel(loaded.Model(), settings), m);
            else if (chart == 2)
                DrawChadha(rec, BuildChadhaModel(loaded.Model(), settings), m);
            else if (chart == 3)
                DrawDurov(rec, BuildDurovModel(loaded.Model(), settings), m);
            else
                DrawHfed(rec, BuildHfedModel(loaded.Model(), settings), m);
            // The groups shown and the count of the rest make the 45 groups.
            int shown = 0, rest = 0;
            for (const hc::DrawOp& op : rec.OpsOf(hc::DrawOp::Kind::Text)) {
                shown += op.text.rfind("地点グループ", 0) == 0;
                if (op.text.rfind("ほか ", 0) == 0)
                    rest = std::stoi(op.text.substr(std::string("ほか ").size()));
            }
            EXPECT_EQ(shown + rest, 45) << chart << paper;
            EXPECT_GT(rest, 0);
            for (const hc::DrawOp& op : rec.Ops()) {
                if (op.kind == hc::DrawOp::Kind::Text) {
                    rec.SetFontName(op.font);
                    rec.SetFontSize(op.size);
                    EXPECT_GE(op.x1, 0) << chart << paper << op.text;
                    EXPECT_LE(op.x1 + rec.TextWidth(op.text), m.width + 1e-9)
                        << chart << paper << op.text;
                    EXPECT_LE(op.y1 + rec.TextHeight(op.text), m.height) << chart << op.text;
                } else if (op.kind == hc::DrawOp::Kind::Line || op.kind == hc::DrawOp::Kind::Box) {
                    for (double x : {op.x1, op.x2})
                        EXPECT_TRUE(x >= 0 && x <= m.width) << chart << paper;
                    for (double y : {op.y1, op.y2})
                        EXPECT_TRUE(y >= 0 && y <= m.height) << chart << paper;
                } else if (op.kind == hc::DrawOp::Kind::Circle) {
                    EXPECT_TRUE(op.x1 - op.r >= 0 && op.x1 + op.r <= m.width) << chart;
                }
            }
        }
    }
}

// Ten thousand samples: no text is measured or printed per point unless labels are on.
TEST(Drawing, LongTablesDrawWithoutPerPointText) {
    wq::SampleTable t;
    for (int i = 0; i < wq::kMaxLongTableSamples; ++i)
        t.samples.push_back(FromMeq(std::to_string(i),
                                    {1.0 + i % 13, 0.1, 2, 1.0 + i % 7, 1, 2.0 + i % 5, 1, 0},
                                    i % 2 ? "a" : "b"));
    wq::PlotSettings settings;
    const wqtest::Loaded loaded(t);
    const PiperModel m = BuildPiperModel(loaded.Model(), settings);
    ASSERT_EQ(m.points.size(), t.samples.size());
    auto rec = hc::RecordingSurface::Screen(900, 650);
    DrawPiper(rec, m, ScreenMedia(900, 650));
    EXPECT_LT(rec.OpsOf(hc::DrawOp::Kind::Text).size(), 100u);
}

}  // namespace
}  // namespace wqp

namespace wqp {
namespace {

// The printed table: every sheet begins with the headings, the rows follow in order without a
// gap or a repeat, and the last sheet holds the rest.
TEST(TableSheets, EveryRowOnceUnderHeadingsOnEachSheet) {
    // Text taller than the layout's row pitch spreads the rows; none may be lost for it.
    TableSheetLayout layout;
    layout.textSize = 12;
    hc::RecordingSurface probe = hc::RecordingSurface::Paper();
    probe.SetFontSize(layout.textSize);
    const double pitch = probe.TextHeight("0") * 1.1;
    ASSERT_GT(pitch, layout.rowPitch);
    const int per = RowsPerSheet(layout, pitch);
    wq::TextTable t{{"番号", "試料名"}, {true, false}, {}};
    const int rows = 2 * per + 3;
    for (int i = 1; i <= rows; ++i)
        t.rows.push_back({std::to_string(i), "S" + std::to_string(i)});
    hc::RecordingSurface paper = hc::RecordingSurface::Paper();
    PrintTableSheets(paper, t, "表", layout);
    EXPECT_EQ(SheetCount(t, layout, pitch), 3);
    EXPECT_EQ(paper.OpsOf(hc::DrawOp::Kind::NewPage).size(), 2u);
    const auto headings = paper.TextsEqual("試料名");
    ASSERT_EQ(headings.size(), 3u);
    for (int sheet = 1; sheet <= 3; ++sheet) {
        EXPECT_EQ(headings[static_cast<std::size_t>(sheet - 1)].page, sheet);
        // The sheet's first and last rows.
        const int first = (sheet - 1) * per + 1;
        const int last = std::min(rows, sheet * per);
        for (int row : {first, last}) {
            const auto found = paper.TextsEqual("S" + std::to_string(row));
            ASSERT_EQ(found.size(), 1u) << row;
            EXPECT_EQ(found[0].page, sheet) << row;
        }
    }
    // An empty table still prints its headings on one sheet.
    EXPECT_EQ(SheetCount(wq::TextTable{{"a"}, {false}, {}}, layout), 1);
}

}  // namespace
}  // namespace wqp
