// The numbers behind the probability chart as CSV: every year with its rank, plotting position
// and normal deviate, then the fitted line and the design values.
#pragma once

#include <string>

#include "rainprob/core/analysis.h"
#include "rainprob/core/frequency.h"
#include "rainprob/core/rain_data.h"

namespace rain {

std::string AnalysisCsv(const RainTable& table, const RainAnalysis& analysis);
// The same for the fit in force: the normal fit gives exactly the above, another its
// parameters and the design values printed with it.
std::string AnalysisCsv(const RainTable& table, const RainAnalysis& analysis,
                        const DistributionFit& fit, const NormalTable& normal);

// The return-period table of a fit: the fit and how well it matches the plotted years, then
// the dry-year and wet-year amounts of each return period (as computed and rounded to mm).
std::string ReturnPeriodCsv(const DistributionFit& fit, const NormalTable& normal,
                            PlottingPosition position);

}  // namespace rain
