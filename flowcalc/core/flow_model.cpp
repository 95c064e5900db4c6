#include "flowcalc/core/flow_model.h"

namespace flow {

void ApplyLoad(FlowModel& model, const LoadOutcome& outcome) {
    if (outcome.ok) {
        model.Section = outcome.section;
        model.Scales = outcome.scales;
        model.Parameters.RangeLeft = model.Section.MinX;
        model.Parameters.RangeRight = model.Section.MaxX;
    } else {
        model.Scales.HScale = 0;
        model.Scales.VScale = 0;
    }
    model.Parameters.Depth = 0;
}

void ApplyParameterDefaults(FlowParameters& p) {
    if (p.Roughness == 0)
        p.Roughness = kDefaultRoughness;
    if (p.SlopeDenominator == 0)
        p.SlopeDenominator = kDefaultSlopeDenominator;
    if (p.Depth == 0)
        p.Depth = kDefaultDepth;
}

bool ParametersUsable(const FlowParameters& p) {
    return p.Roughness > 0 && p.SlopeDenominator > 0 && p.Depth >= 0.01;
}

const Computation& Compute(FlowModel& model) {
    Computation c;
    c.Section = model.Section;
    c.Scales = model.Scales;
    c.Parameters = model.Parameters;
    c.Result = ComputeDischarge(model.Section, model.Parameters);
    model.Last = std::move(c);
    return *model.Last;
}

}  // namespace flow
