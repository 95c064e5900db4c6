// The numbers behind the probability chart as CSV: every year with its rank, plotting position
// and normal deviate, then the fitted line and the design values.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rainprob/core/analysis.h"
#include "rainprob/core/fit_table.h"
#include "rainprob/core/frequency.h"
#include "rainprob/core/rain_data.h"

namespace rain {

std::string AnalysisCsv(const RainTable& table, const RainAnalysis& analysis);
// The same for the fit in force: the normal fit gives exactly the above, another its
// parameters and the design values printed with it.
std::string AnalysisCsv(const RainTable& table, const RainAnalysis& analysis,
                        const DistributionFit& fit, const NormalTable& normal);

// The return-period table of a fit: the fit and how well it matches the plotted years, then
// the dry-year and wet-year amounts of each return period (as computed and rounded to mm) and,
// where the rows carry it, their jackknife; otherwise the reason there is none.
std::string ReturnPeriodCsv(const DistributionFit& fit, PlottingPosition position,
                            const std::vector<ReturnPeriodValue>& rows,
                            const std::optional<hc::Error>& jackknifeRefused);

// The 適合度 table: every distribution in the order of its SLSC, refused ones with the reason.
std::string FitTableCsv(const std::vector<FitTableRow>& rows, PlottingPosition position);

}  // namespace rain
