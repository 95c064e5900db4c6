// The one model object of flowcalc: the loaded section, the chart scales, the analysis
// parameters, the last computation (what the picture and the printout show) and the print
// widths. The windows read and write it; the procedures take what they need from it.
#pragma once

#include <optional>
#include <string>

#include "flowcalc/core/cross_section.h"
#include "flowcalc/core/discharge.h"
#include "flowcalc/core/section_chart.h"

namespace flow {

struct FlowModel {
    CrossSection Section;
    ChartScales Scales;
    FlowParameters Parameters;
    std::optional<Computation> Last;
    PrintWidths Widths;
    std::string StartDir;
    std::string HelpText;
};

// Takes a load into the model. A good file replaces the section and sets the automatic scales,
// the whole analysis range and a depth of 0 (so the parameter window proposes its default);
// a refused file keeps the previous section but clears the scales and the depth.
void ApplyLoad(FlowModel& model, const LoadOutcome& outcome);

// The defaults the parameter window puts into values still 0.
inline constexpr double kDefaultRoughness = 0.03;
inline constexpr std::int32_t kDefaultSlopeDenominator = 100;
inline constexpr double kDefaultDepth = 1.0;
void ApplyParameterDefaults(FlowParameters& p);

// Whether the stored parameters allow a computation (the parameter window's cancel rule).
bool ParametersUsable(const FlowParameters& p);

// Computes at the stored settings and keeps the result as the last computation.
const Computation& Compute(FlowModel& model);

}  // namespace flow
