// The expanded Durov diagram: the cation triangle (Ca, Mg, Na+K) on the left and the anion
// triangle (HCO3+CO3, SO4, Cl) on top, each sample projected from both into the square between
// them, in % of meq/L; TDS in a panel right of the square (sharing its cation axis) and pH in a
// panel below it (sharing its anion axis), where the table gives those columns.
//
// Layout after Durov (1948) and the expanded form of Lloyd & Heathcote (1985): cation triangle
// left, anion triangle above the square, TDS to the right, pH below (also as Golden Software's
// and Origin's descriptions of the extended diagram give it). Authors differ on which corner
// takes which ion; here Ca and HCO3+CO3 meet at the square's top-left corner and Na+K and Cl
// at its bottom-right, so that recharge water lies at the top-left and sea water at the
// bottom-right.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "waterquality/core/composition.h"
#include "waterquality/core/sample_model.h"
#include "wqplot/core/chart_style.h"
#include "wqplot/core/piper_chart.h"

namespace wqp {

// Diagram units, x to the right and y DOWN: the square's side is 1 with its top-left corner at
// the origin; the triangles stand on its left and top sides; the panels keep a gap from it.
inline constexpr double kDurovTriangle = kTriangleHeight;  // height of a triangle of side 1
inline constexpr double kDurovPanelGap = 0.06;
inline constexpr double kDurovTdsWidth = 0.5;   // the TDS panel, right of the square
inline constexpr double kDurovPhHeight = 0.45;  // the pH panel, below the square
inline constexpr double kDurovWidth = kDurovTriangle + 1 + kDurovPanelGap + kDurovTdsWidth;
inline constexpr double kDurovHeight = kDurovTriangle + 1 + kDurovPanelGap + kDurovPhHeight;
// The pH panel shows at least this range, widened to whole units around the samples.
inline constexpr double kDurovPhLow = 6;
inline constexpr double kDurovPhHigh = 9;

// A sample's place in the square, % of meq/L: x = Cl group + half the SO4 group (0 at the
// HCO3+CO3 corner, 100 at Cl), y = Na+K + half of Mg (0 at Ca, 100 at Na+K).
struct DurovSquare {
    double x = 0, y = 0;
};
DurovSquare DurovSquarePoint(const wq::Fractions& f);
// The points in the triangles, diagram units (y down).
Pt DurovCationPoint(const wq::Fractions& f);
Pt DurovAnionPoint(const wq::Fractions& f);

struct DurovMark {
    int sample = 0;
    int style = 0;
    DurovSquare square;
    Pt cation, anion;
    std::optional<double> tds;  // mg/L as the table gives it
    std::optional<double> ph;
    std::string name;
};

struct DurovModel {
    wq::NitrateType nitrate = wq::NitrateType::None;
    wq::DiagramOptions options;
    SampleStyles styles;
    std::vector<DurovMark> points;
    int leftOut = 0;  // drawn samples without a point (a sum of 0)
    // A panel is drawn where the table has its column; a sample without a value is left out
    // of that panel only.
    bool tdsPanel = false, phPanel = false;
    int tdsLeftOut = 0, phLeftOut = 0;
    double tdsMax = 0;  // the TDS axis: 0..tdsMax mg/L
    double phLow = kDurovPhLow, phHigh = kDurovPhHigh;
};

DurovModel BuildDurovModel(const wq::SampleModel& samples, const wq::PlotSettings& settings);

void DrawDurov(hc::Surface& s, const DurovModel& model, const ChartMedia& m);

}  // namespace wqp
