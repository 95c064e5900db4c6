// The numbers behind the probability chart as CSV: every year with its rank, plotting position
// and normal deviate, then the fitted line and the design values.
#pragma once

#include <string>

#include "rainprob/core/analysis.h"
#include "rainprob/core/rain_data.h"

namespace rain {

std::string AnalysisCsv(const RainTable& table, const RainAnalysis& analysis);

}  // namespace rain
