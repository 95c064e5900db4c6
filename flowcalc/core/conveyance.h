// Conveyance of a whole cross-section at one stage: the wetted sub-channels of ComputeDischarge
// cut into subdivisions (at every surveyed point, or with the main channel between the bank
// stations as one element), K = (1/n) A R^(2/3) summed, Q = K I^(1/2), and the velocity
// coefficient alpha. The rating table, the normal depth and the specific energy read it.
#pragma once

#include <vector>

#include "flowcalc/core/cross_section.h"
#include "flowcalc/core/discharge.h"

namespace flow {

// The constants of Manning's formula and of gravity in the units the section is surveyed in.
double ManningFactor(Units u);  // 1 (SI) or 1.486 (US customary)
double Gravity(Units u);        // 9.80665 m/s2 or 32.174 ft/s2

// Unit names for tables and charts: ASCII for CSV and hydrochart, full-width for the windows.
struct UnitNames {
    const char* Length;     // "m" / "ft"
    const char* Area;       // "m2" / "ft2"
    const char* Velocity;   // "m/s" / "ft/s"
    const char* Discharge;  // "m3/s" / "ft3/s"
};
UnitNames AsciiUnits(Units u);
UnitNames WindowUnits(Units u);  // "ｍ", "ｍ2", "ｍ/sec", "ｍ3/sec" as the windows write them
const char* UnitsName(Units u);  // "SI" / "US"
const char* MethodName(ConveyanceMethod m);  // "subdivided" / "parts"

// One element of the section: a piece of bed under the water, or the main channel.
struct Subdivision {
    int Channel = 0;  // index of the wetted sub-channel it belongs to
    double Left = 0, Right = 0;
    double Area = 0, Perimeter = 0;
    double Roughness = 0;   // n of its bed (the main channel: Horton-Einstein over its pieces)
    double Conveyance = 0;  // K = (k/n) A R^(2/3)
    bool MainChannel = false;
};

// The whole wetted section at one depth.
struct SectionFlow {
    double Depth = 0;
    double Level = 0;
    DischargeResult Channels;  // the per-sub-channel result (what the main sheet shows)
    std::vector<Subdivision> Parts;
    double Area = 0;
    double Perimeter = 0;
    double TopWidth = 0;  // as the result block's total width
    double Conveyance = 0;
    double Discharge = 0;
    double Velocity = 0;  // Q / A
    double Alpha = 1;     // sum(K_i^3 / A_i^2) / (K^3 / A^2); 1 where nothing flows
};

// The section at `depth` by the method of p (the per-sub-channel method keeps each sub-channel
// whole with the single n, exactly as the main sheet computes it).
SectionFlow ComputeSectionFlow(const CrossSection& s, const FlowParameters& p, double depth);

// Whether the subdivisions take the section's own n across rather than the single n.
bool UsesSectionRoughness(const CrossSection& s, const FlowParameters& p);

// Composite roughness of a wetted sub-channel from the n of its wetted bed pieces.
struct CompositeRoughness {
    double HortonEinstein = 0;  // (sum P_i n_i^1.5 / P)^(2/3): equal velocities
    double Lotter = 0;          // P R^(5/3) / sum(P_i R_i^(5/3) / n_i) over the zones of one n:
                                // their discharges add
};
// One per sub-channel of ComputeDischarge at p.Depth; a dry one has 0s.
std::vector<CompositeRoughness> ComputeCompositeRoughness(const CrossSection& s,
                                                          const FlowParameters& p);

}  // namespace flow
