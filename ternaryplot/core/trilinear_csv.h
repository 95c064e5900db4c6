// The trilinear chart's numbers as CSV: each sample's analysis, its cation and anion
// proportions and its place in the diamond, in percent, under the nitrate type in force.
#pragma once

#include <string>

#include "waterquality/core/samples.h"

namespace tri {

std::string TrilinearCsv(const wq::SampleTable& table, const wq::PlotSettings& settings);

}  // namespace tri
