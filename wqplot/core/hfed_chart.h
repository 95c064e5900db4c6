// The hydrochemical facies evolution diagram (HFE-D) of Giménez-Forcada (2010, Ground Water
// 48(2):212-216): each of the cation and anion sides reduced to one coordinate, in % of meq/L.
// With c = max(Ca, Mg) and a = max(HCO3+CO3, SO4 group):
//   x = c + 33.4 where c > Na+K, else 100 - (Na+K);
//   y = a + 33.4 where a > Cl group, else 100 - Cl group;
// on a square of 0..133.4 whose lines at 50, 66.7 and 83.4 part the 16 facies: cation Na,
// MixNa, MixCa, Ca (or Mg, the larger naming it) against anion Cl, MixCl, MixHCO3 (or MixSO4),
// HCO3 (or SO4). Sea water (Na-Cl) lies at the bottom-left corner, recharge water (Ca-HCO3) at
// the top-right. Nitrate joins the chloride or sulfate group under its type.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "waterquality/core/composition.h"
#include "waterquality/core/sample_model.h"
#include "wqplot/core/chart_style.h"
#include "wqplot/core/piper_chart.h"

namespace wqp {

inline constexpr double kHfedShift = 33.4;  // a dominant ion's share is moved up by this
inline constexpr double kHfedSide = 100 + kHfedShift;
inline constexpr std::array<double, 3> kHfedLines{50, 66.7, 83.4};

enum class HfedCation { Na, MixNa, MixCa, Ca, Mg, Undefined };
enum class HfedAnion { Cl, MixCl, MixHCO3, MixSO4, HCO3, SO4, Undefined };

struct HfedPoint {
    bool defined = false;  // both sums above 0
    double x = 0, y = 0;   // 0..133.4
    HfedCation cation = HfedCation::Undefined;
    HfedAnion anion = HfedAnion::Undefined;
};
HfedPoint HfedCoordinates(const wq::Fractions& f);
// "MixCa-MixHCO3", "Na-Cl"; empty where undefined.
std::string HfedFaciesName(const HfedPoint& p);

// Sea water, mg/L in the suite's ion order (Na, K, Ca, Mg, Cl, HCO3, SO4, NO3).
inline constexpr wq::IonValues kSeawaterMg{11150, 414, 429, 1339, 20066, 146, 2815, 0};
// Mixtures of the fresh end-member with sea water, from 0 to 100 % sea water, spaced finely
// where the facies change fastest (the first few per cent).
inline constexpr int kHfedMixingSteps = 200;

struct HfedMark {
    int sample = 0;
    int style = 0;
    double x = 0, y = 0;
    std::string name;
};

struct HfedModel {
    wq::NitrateType nitrate = wq::NitrateType::None;
    wq::DiagramOptions options;
    SampleStyles styles;
    std::vector<HfedMark> points;
    int leftOut = 0;  // drawn samples without a point (a sum of 0)
    // The mixing line (options.mixingLine): conservative mixing of sea water with the drawn
    // sample of least chloride (mg/L), as HFE-D points from the sample (0 %) to sea water. The
    // transform jumps where an ion group stops dominating its side (x from c + 33.4 to
    // 100 - Na+K), so the line is cut there into pieces.
    std::vector<std::vector<Pt>> mixing;
    int mixingFrom = 0;  // that sample's number; 0 without a line
    std::string mixingFromName;
};

HfedModel BuildHfedModel(const wq::SampleModel& samples, const wq::PlotSettings& settings);

void DrawHfed(hc::Surface& s, const HfedModel& model, const ChartMedia& m);

}  // namespace wqp
