// Beyond one water depth: the Froude number and flow regime of each sub-channel, the
// stage-discharge (rating) table of a section from its bed to its lower bank top, and the normal
// depth at which the section carries a given discharge. The table and the depth add up the
// section by the method of the parameters (ComputeSectionFlow).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/core/result.h"
#include "flowcalc/core/cross_section.h"
#include "flowcalc/core/discharge.h"
#include "flowcalc/core/section_chart.h"

namespace flow {

// Standard gravity (m/s2).
inline constexpr double kGravity = 9.80665;

enum class FlowRegime {
    None,          // no flow (a dry or too narrow sub-channel)
    Subcritical,   // Fr < 1
    Critical,      // Fr = 1
    Supercritical  // Fr > 1
};

// Fr = V / sqrt(g A / B), the velocity over the speed of a shallow wave at the hydraulic depth
// A / B. 0 when nothing flows (A or B of 0).
double FroudeNumber(double V, double A, double B);
FlowRegime RegimeOf(double froude);
const char* RegimeName(FlowRegime r);  // "none", "subcritical", "critical", "supercritical"

struct SubChannelFroude {
    double Froude = 0;
    FlowRegime Regime = FlowRegime::None;
};
// One entry per sub-channel of the result, in the same order.
std::vector<SubChannelFroude> ComputeFroude(const DischargeResult& r);

// The highest ground on either side of the bed (the lowest point inside the analysis range);
// water above the lower of the two spills out of the section.
struct BankTops {
    double Bed = 0;    // elevation of the lowest point inside the range (m)
    double Left = 0;   // highest elevation from the range's left end to the bed
    double Right = 0;  // highest elevation from the bed to the range's right end
    double Lower() const { return Left < Right ? Left : Right; }
};
std::optional<BankTops> FindBankTops(const CrossSection& s, const FlowParameters& p);

// The whole section at one stage: sums over the sub-channels, the mean velocity Q / A and the
// Froude number of the whole wetted section (0 where nothing flows).
struct RatingRow {
    double Depth = 0;      // above BedLevel (m)
    double Level = 0;      // water level (m)
    double Area = 0;       // m2
    double Perimeter = 0;  // m
    double TopWidth = 0;   // m, as the result block's total width
    double Velocity = 0;   // m/s
    double Discharge = 0;  // m3/s
    double Froude = 0;     // subdivided: sqrt(1 - dE/dy) of the specific energy
    double Alpha = 1;      // velocity coefficient from the elements' conveyances
};
// By the method of p: subdivided, or the sub-channels whole (the main sheet's sums).
RatingRow RatingRowAt(const CrossSection& s, const FlowParameters& p, double depth);

// The depth of the lower bank top above the bed level, once the roughness, the slope and the
// range allow a table (the checks the rating table, the normal depth and the energy share).
hc::Result<double> BankFullDepth(const CrossSection& s, const FlowParameters& p);

inline constexpr double kDefaultRatingStep = 0.1;  // m
inline constexpr int kMaxRatingRows = 10000;

struct RatingCurve {
    double BedLevel = 0;
    double BankTop = 0;  // the lower bank top, where the table ends
    double Step = 0;
    Units Unit = Units::SI;
    bool SectionRoughness = false;  // the section's own n across served, not the single n
    std::vector<RatingRow> Rows;  // depth 0, step, 2 step, ... and the bank top itself
};

// Stages from the bed in steps of `step` metres up to the lower bank top (a last row at the
// bank top when it falls between steps), for the roughness, slope and range in force. Refused
// (with the windows' message and an English reason) for unusable parameters or step, and as
// Unusable for a section without ground above its bed on one side inside the range.
hc::Result<RatingCurve> ComputeRatingCurve(const CrossSection& s, const FlowParameters& p,
                                           double step = kDefaultRatingStep);

struct NormalDepth {
    double Depth = 0;          // above BedLevel (m)
    double Level = 0;          // water level (m)
    DischargeResult Result;    // the section at that depth
    double BankFullDepth = 0;  // depth of the lower bank top
    double Capacity = 0;       // largest discharge the section carries up to its lower bank top
};
// The lowest depth at which the section carries Q (m3/s) for the roughness, slope and range in
// force, found by bisection (to 1e-9 m); refused when Q is not above 0, when it exceeds what
// the section carries below its lower bank top (the message then names that discharge), or
// when its depth would be below kMinDepth (the message names the discharge at kMinDepth).
hc::Result<NormalDepth> ComputeNormalDepth(const CrossSection& s, const FlowParameters& p,
                                           double Q);

// The computation at a normal depth, ready for DrawSection and PrintSection: the section chart
// then shows that depth's water level.
Computation NormalDepthComputation(const CrossSection& s, const ChartScales& scales,
                                   const FlowParameters& p, const NormalDepth& n);

}  // namespace flow
