// The numbers behind a water-quality chart as CSV: one row per sample with its analysis in
// mg/L and meq/L. The column programs add the plotted quantities and the column scale.
#pragma once

#include <string>
#include <vector>

#include "waterquality/core/sample_model.h"
#include "waterquality/core/samples.h"

namespace wq {

// Header fields of the analysis part: "number", "name", "Na (mg/L)" … "NO3 (meq/L)".
std::vector<std::string> AnalysisCsvHeader();
// Sample i's analysis fields; the meq fields stay empty for a sample the diagrams skip.
std::vector<std::string> AnalysisCsvFields(const SampleModel& model, int sample);

// The hexadiagram and Stiff programs' numbers: the analysis, the seven plotted quantities
// (meq/L divided by the column's scale) under the nitrate type in force, the column and its
// scale S (meq/L drawn as 3 cm).
std::string ColumnChartCsv(const SampleModel& model, const PlotSettings& settings);

}  // namespace wq
