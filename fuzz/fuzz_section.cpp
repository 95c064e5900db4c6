// A cross-section file through everything flowcalc does with it: parse, the automatic scales,
// Manning's discharge at depths from dry to above the banks, and the chart on screen and on
// paper.
#include <algorithm>
#include <cstdint>
#include <string>

#include "common/core/recording_surface.h"
#include "flowcalc/core/conveyance.h"
#include "flowcalc/core/cross_section.h"
#include "flowcalc/core/discharge.h"
#include "flowcalc/core/section_chart.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Both forms of a section file: the text form and, led by a comma, the CSV form with n.
    const std::string text(reinterpret_cast<const char*>(data), size);
    hc::Result<flow::LoadedSection> loaded =
        text.find(',') < text.find('\n') ? flow::ParseSectionCsv(text) : flow::ParseSection(text);
    if (!loaded)
        return 0;
    flow::Computation c;
    c.Section = std::move(loaded->Section);
    c.Scales = loaded->Scales;
    if (c.Scales.HScale <= 1 || c.Scales.VScale <= 1)
        return 0;
    flow::FlowParameters& p = c.Parameters;
    p.RangeLeft = c.Section.MinX;
    p.RangeRight = c.Section.MaxX;
    if (!(p.RangeLeft < p.RangeRight))
        return 0;
    p.Roughness = 0.03;
    p.SlopeDenominator = 1000;
    const auto [low, high] = std::minmax_element(c.Section.PointY.begin(), c.Section.PointY.end());
    for (double share : {0.0, 1.5, 0.5}) {
        p.Depth = std::max(0.01, (*high - *low) * share);
        c.Result = flow::ComputeDischarge(c.Section, p);
        (void)flow::ComputeSectionFlow(c.Section, p, p.Depth);
        (void)flow::ComputeCompositeRoughness(c.Section, p);
    }
    hc::RecordingSurface screen = hc::RecordingSurface::Screen(649, 321);
    flow::DrawSection(screen, c);
    hc::RecordingSurface paper = hc::RecordingSurface::Paper();
    flow::PrintSection(paper, c, flow::PrintWidths{});
    return 0;
}
