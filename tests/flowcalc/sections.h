// Cross-sections for the flowcalc core tests, read by the program's own reader, and analysis
// parameters over a whole section.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "flowcalc/core/cross_section.h"
#include "flowcalc/core/discharge.h"

namespace flowtest {

// The text of a section file, read; a refusal fails the test.
inline flow::LoadedSection Read(const std::string& text) {
    hc::Result<flow::LoadedSection> r = flow::ParseSection(text);
    EXPECT_TRUE(r) << (r ? "" : r.error().English());
    return r ? *r : flow::LoadedSection{};
}

// A section of the given (distance, elevation) points.
inline flow::CrossSection Section(std::initializer_list<std::pair<double, double>> pts) {
    std::string t = std::to_string(pts.size()) + "\n";
    for (auto [x, y] : pts)
        t += std::to_string(x) + " " + std::to_string(y) + "\n";
    return Read(t).Section;
}

// One of the example files shipped in examples/flowcalc.
inline flow::CrossSection Example(const std::string& name) {
    hc::Result<flow::LoadedSection> r =
        flow::LoadSection(std::string(HC_SOURCE_DIR) + "/examples/flowcalc/" + name);
    EXPECT_TRUE(r) << (r ? "" : r.error().English());
    return r ? r->Section : flow::CrossSection{};
}

// Roughness n, slope 1/N and depth over the whole section; each sub-channel whole unless
// another method is asked for (the values by hand of the older cases are the undivided ones).
inline flow::FlowParameters Params(const flow::CrossSection& s, double n, int slope,
                                   double depth = 0,
                                   flow::ConveyanceMethod m = flow::ConveyanceMethod::Parts) {
    flow::FlowParameters p;
    p.RangeLeft = s.MinX;
    p.RangeRight = s.MaxX;
    p.Roughness = n;
    p.SlopeDenominator = slope;
    p.Depth = depth;
    p.Method = m;
    return p;
}

}  // namespace flowtest
