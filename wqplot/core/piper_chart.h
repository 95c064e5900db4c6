// Piper's trilinear diagram in its classic form: the cation triangle (Ca left, Na+K right, Mg
// top), the anion triangle (HCO3+CO3 left, Cl right, SO4 top) and the diamond above between
// them, in % of meq/L. A model computed once from the table and its compositions holds every
// point; the one drawing routine draws it on screen or paper.
#pragma once

#include <string>
#include <vector>

#include "waterquality/core/composition.h"
#include "waterquality/core/sample_model.h"
#include "wqplot/core/chart_style.h"

namespace wqp {

// Diagram units: a triangle's side is 1, y upwards; the cation triangle's left corner is the
// origin and the two triangles stand kPiperGap apart.
inline constexpr double kPiperGap = 0.2;
inline constexpr double kTriangleHeight = 0.86602540378443865;  // sqrt(3) / 2
inline constexpr double kPiperWidth = 2 + kPiperGap;
inline constexpr double kPiperHeight = kTriangleHeight * (2 + kPiperGap);
// The largest TDS circle's radius in diagram units; a circle's area is proportional to TDS.
inline constexpr double kMaxTdsRadius = 0.09;

struct Pt {
    double x = 0, y = 0;
};

// The three points of one sample (shares from Fractions).
Pt PiperCationPoint(const wq::Fractions& f);
Pt PiperAnionPoint(const wq::Fractions& f);
Pt PiperDiamondPoint(const wq::Fractions& f);

struct PiperPoint {
    int sample = 0;  // 1-based sample number
    int style = 0;   // index into SampleStyles::styles
    Pt cation, anion, diamond;
    double tdsRadius = 0;  // diagram units, 0 without a circle
    std::string name;
};

struct PiperModel {
    wq::NitrateType nitrate = wq::NitrateType::None;
    wq::DiagramOptions options;
    SampleStyles styles;
    std::vector<PiperPoint> points;  // drawn samples whose cation and anion sums are above 0
    int leftOut = 0;                 // drawn samples that have no point (a sum of 0)
    double tdsMax = 0;               // the largest TDS among the points
    std::vector<double> tdsLegend;   // round TDS values for the circle legend, largest first
};

PiperModel BuildPiperModel(const wq::SampleModel& samples, const wq::PlotSettings& settings);

// The transform of diagram units to the surface: x0 + k x, y0 - k y.
struct PiperFrame {
    double x0 = 0, y0 = 0, k = 1;
    double X(double x) const { return x0 + k * x; }
    double Y(double y) const { return y0 - k * y; }
};

void DrawPiper(hc::Surface& s, const PiperModel& model, const ChartMedia& m);

// Round values for a legend of sizes up to `largest`: 1, 2 or 5 times a power of ten, at most
// three, each about a quarter of the one before.
std::vector<double> RoundLegendValues(double largest);

}  // namespace wqp
