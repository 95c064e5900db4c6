// The trilinear chart's numbers as CSV: each sample's analysis, its cation and anion
// proportions and its place in the diamond, in percent, under the nitrate type in force.
#pragma once

#include <string>

#include "waterquality/core/sample_model.h"
#include "waterquality/core/samples.h"

namespace tri {

std::string TrilinearCsv(const wq::SampleModel& model, const wq::PlotSettings& settings);

}  // namespace tri
