// The numbers behind the cross-section chart as CSV: one row per wetted sub-channel and a
// total row, then the water level and the parameters they were computed with.
#pragma once

#include <string>

#include "flowcalc/core/discharge.h"
#include "flowcalc/core/energy.h"
#include "flowcalc/core/rating.h"

namespace flow {

std::string DischargeCsv(const FlowParameters& parameters, const DischargeResult& result);

// The stage-discharge table: one row per stage, then the parameters it was computed with.
std::string RatingCsv(const FlowParameters& parameters, const RatingCurve& curve);

// The specific-energy table for one discharge: its rows, the critical depths, the parameters.
std::string EnergyCsv(const FlowParameters& parameters, const EnergyCurve& curve);

// Each wetted sub-channel with its Froude number, regime and composite n (Horton-Einstein and
// Lotter, from the section's n across; the single n where it gives none).
std::string FroudeCsv(const CrossSection& section, const FlowParameters& parameters,
                      const DischargeResult& result);

}  // namespace flow
