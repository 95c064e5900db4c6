// The goodness of fit of every distribution at once (the 適合度 table, ranked by SLSC) and the
// jackknife of a fit: its leave-one-out refits, the jackknife estimate, bias-corrected value and
// standard error of each return period, and the ±1 standard-error band of its line.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/core/result.h"
#include "rainprob/core/frequency.h"

namespace rain {

// The conventional acceptance of a fit: SLSC of 0.04 or less.
inline constexpr double kSlscAcceptance = 0.04;
// The return period whose wet-year amount and jackknife error the fit table shows.
inline constexpr int kFitTableYears = 100;

// The jackknife of `full` from its leave-one-out values (JackknifeValue).
JackknifeValue Jackknife(double full, const std::vector<double>& leaveOneOut);

// The fit refitted to the record without each year in turn, with the same positions; an Error
// (naming the year left out) when one of them is not possible, or for fewer than 3 years.
hc::Result<std::vector<DistributionFit>> LeaveOneOutFits(const RainTable& t,
                                                         const NormalTable& normal,
                                                         PlottingPosition position,
                                                         const DistributionFit& full);

// The return-period table with the jackknife of every amount.
std::vector<ReturnPeriodValue> ReturnPeriodTable(const DistributionFit& fit,
                                                 const NormalTable& normal,
                                                 const std::vector<DistributionFit>& leaveOneOut);

struct FitTableRow {
    Distribution kind = Distribution::Normal;
    hc::Result<DistributionFit> fit = DistributionFit{};
    int rank = 0;                       // 1 for the smallest SLSC; 0 for a refused fit
    bool accepted = false;              // SLSC <= kSlscAcceptance
    std::optional<double> wet100;       // the 1 in kFitTableYears wet-year amount (mm)
    std::optional<double> wet100Error;  // its jackknife standard error (mm)
};
// Every distribution fitted to the record as analysed, ranked by SLSC (ties in the order of
// the menu), refused fits last with their reasons.
std::vector<FitTableRow> BuildFitTable(const RainTable& t, const RainAnalysis& a,
                                       const NormalTable& normal, PlottingPosition position);

// The ±1 standard-error band of a fit's line on the chart: at deviates from -3 to +3 in steps of
// kBandStep, the fit's amount minus and plus the jackknife standard error there.
inline constexpr double kBandStep = 0.05;
struct BandPoint {
    double deviate = 0;
    double lower = 0;
    double upper = 0;
};
std::vector<BandPoint> ConfidenceBand(const DistributionFit& fit,
                                      const std::vector<DistributionFit>& leaveOneOut);

// Log-Pearson III's approximate confidence limits of the US federal guidelines (Bulletin 17B,
// section 9: the non-central t of the normal, with K for the skew): K_U,L = (K +/- sqrt(K^2 -
// a b)) / a, a = 1 - z^2 / (2 (n - 1)), b = K^2 - z^2 / n, z the normal deviate of the level's
// one-sided tail. At the band's deviates, the amounts 10^(mean + K_L,U deviation); empty for
// another fit. kLimitLevel is two-sided: 5 % above and 5 % below.
inline constexpr double kLimitLevel = 0.90;
std::vector<BandPoint> LogPearsonLimits(const DistributionFit& fit, int years);
// The factors K_L and K_U of one K (none where K^2 < a b, close to the mean of short records).
std::optional<std::pair<double, double>> LogPearsonLimitFactors(double K, int years);

// What the chart draws beside the line: the ±1 standard-error band, dashed, and for
// log-Pearson III its 90 % limits, dotted.
struct ChartBand {
    std::vector<BandPoint> standardError;
    std::vector<BandPoint> limits;
};

}  // namespace rain
