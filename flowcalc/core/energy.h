// Specific energy E = y + alpha V^2 / 2g of a section carrying a given discharge, against the
// depth: the curve, every critical depth (each local minimum of E; a section with floodplains
// can have two or more), and the Froude number judged from the curve's slope, Fr^2 = 1 - dE/dy,
// which for a simple channel is V^2 / (g A / B).
#pragma once

#include <vector>

#include "common/core/result.h"
#include "flowcalc/core/conveyance.h"

namespace flow {

// E at `depth` when the section carries Q, by the method of p (alpha from its subdivisions).
double SpecificEnergy(const CrossSection& s, const FlowParameters& p, double Q, double depth);
// sqrt(1 - dE/dy) at `depth` for Q (0 where E rises faster than the depth).
double CompoundFroude(const CrossSection& s, const FlowParameters& p, double Q, double depth);

struct EnergyRow {
    double Depth = 0, Level = 0;
    double Area = 0, TopWidth = 0;
    double Alpha = 1;
    double Velocity = 0;  // Q / A
    double Energy = 0;    // above the bed level
    double Froude = 0;
    bool Critical = false;  // a row at a critical depth
};

struct CriticalDepth {
    double Depth = 0, Level = 0, Energy = 0, Alpha = 1;
};

inline constexpr double kDefaultEnergyStep = 0.1;  // m (ft in US units)

struct EnergyCurve {
    double Discharge = 0;
    double BedLevel = 0, BankTop = 0, Step = 0;
    Units Unit = Units::SI;
    bool SectionRoughness = false;  // the section's own n across served, not the single n
    std::vector<EnergyRow> Rows;    // step, 2 step, ... to the bank top, with the critical depths
    std::vector<CriticalDepth> Critical;  // every local minimum of E, shallowest first
    std::vector<EnergyRow> Trace;         // a dense line for the chart
};

// Refused like the rating table (unusable parameters, no bank, a bad step) and for Q not above 0.
hc::Result<EnergyCurve> ComputeEnergyCurve(const CrossSection& s, const FlowParameters& p, double Q,
                                           double step = kDefaultEnergyStep);

}  // namespace flow
