// Frequency analysis of a precipitation record beyond the Hazen line: four more plotting
// positions, the log-normal and Gumbel fits beside the normal regression, how well each fits the
// plotted years, and the dry-year and wet-year amounts of the usual return periods.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/result.h"
#include "rainprob/core/analysis.h"
#include "rainprob/core/rain_data.h"

namespace rain {

// Every position is (rank - a) / (n + 1 - 2a); Hazen (a = 1/2) is the program's own.
enum class PlottingPosition { Hazen, Weibull, Cunnane, Gringorten, Blom };

struct PositionFormula {
    PlottingPosition id;
    const char* name;  // as the headless command spells it
    int aThousandths;  // a x 1000, so that positions stay exact fractions of integers
};
inline constexpr PositionFormula kPositionFormulas[] = {
    {PlottingPosition::Hazen, "hazen", 500},
    {PlottingPosition::Weibull, "weibull", 0},
    {PlottingPosition::Cunnane, "cunnane", 400},
    {PlottingPosition::Gringorten, "gringorten", 440},
    {PlottingPosition::Blom, "blom", 375}};

const char* PositionName(PlottingPosition p);
std::optional<PlottingPosition> ParsePosition(std::string_view name);

// Non-exceedance probability of rank 1..n (1 = smallest amount) of n records.
double PlottingPositionOf(PlottingPosition p, int rank, int n);

// AnalyseRain with the chosen positions: the deviates, the regression and dev10/dev50 follow
// them, so that the chart, the line and the printed values all use the same positions. Hazen
// gives exactly what AnalyseRain gives, and so do its Errors.
hc::Result<RainAnalysis> AnalyseRain(const RainTable& table, const NormalTable& normal,
                                     PlottingPosition p);

enum class Distribution {
    Normal,            // amount = mean + b z, the regression through the mean (the default)
    LogNormal,         // ln amount = mean of ln + b z, the same regression on log amounts
    GumbelMoments,     // amount = u + alpha y, y = -ln(-ln F), from mean and sample deviation
    GumbelRegression,  // the same line by least squares of amount on y of the positions
    GumbelLMoments,    // Gumbel from the L-moments l1 and l2
    LogNormal3,        // ln(amount - c) normal, from l1, l2 and t3 (Hosking's generalised normal)
    Pearson3,          // Pearson type III from the mean, deviation and corrected skew
    LogPearson3,       // the same of log10 amount
    Gev,               // generalised extreme value from the L-moments
    GenLogistic,       // generalised logistic from the L-moments
    SqrtEt,            // SQRT-ET by maximum likelihood
    Exponential,       // two-parameter exponential from l1 and l2
};

struct DistributionName {
    Distribution id;
    const char* name;
};
inline constexpr DistributionName kDistributionNames[] = {
    {Distribution::Normal, "normal"},
    {Distribution::LogNormal, "lognormal"},
    {Distribution::GumbelMoments, "gumbel"},
    {Distribution::GumbelRegression, "gumbel-regression"},
    {Distribution::GumbelLMoments, "gumbel-lmom"},
    {Distribution::LogNormal3, "lognormal3"},
    {Distribution::Pearson3, "pearson3"},
    {Distribution::LogPearson3, "logpearson3"},
    {Distribution::Gev, "gev"},
    {Distribution::GenLogistic, "glo"},
    {Distribution::SqrtEt, "sqrtet"},
    {Distribution::Exponential, "exponential"}};

const char* DistributionNameOf(Distribution d);
// How the fit estimates its parameters ("L-moments", "maximum likelihood", ...), for the tables.
const char* EstimationMethod(Distribution d);
std::optional<Distribution> ParseDistribution(std::string_view name);

struct DistributionFit {
    Distribution kind = Distribution::Normal;
    // Normal: mean (mm) and mm per unit deviate. Log-normal: the same of ln(amount in mm).
    // Gumbel: the mode u (mm) and the scale alpha (mm per unit reduced variate). Pearson III:
    // mean, deviation and skew (log-Pearson III: of log10 amount). GEV, generalised logistic,
    // exponential and three-parameter log-normal: Hosking's location xi, scale alpha and shape k
    // (the log-normal's lower bound is xi + alpha / k). SQRT-ET: scale b (1/mm), shape a. The
    // shape is 0 where a fit has none.
    double location = 0;
    double scale = 0;
    double shape = 0;
    // Probability-plot correlation coefficient: the correlation of the plotted years' standard
    // variates (below) with those of their positions (for the normal and log-normal fits the
    // table's deviates). None when either does not vary (all amounts equal).
    std::optional<double> ppcc;
    // Standard error of the fitted amounts at the plotted positions (mm, n - 2 degrees of
    // freedom), comparable between fits. None for two records.
    std::optional<double> standardError;
    // Takara and Takasao's standard least-squares criterion: the root mean square difference of
    // the standard variates of the plotted amounts and of the fit at their positions, over the
    // range of the standard variate from 0.01 to 0.99. None for a level line (all amounts
    // equal).
    std::optional<double> slsc;

    // The amount of non-exceedance probability F (0 < F < 1), computed exactly.
    double AmountAt(double F) const;
    // The amount at standard normal deviate z: the fit as it lies on normal probability paper.
    double AmountAtDeviate(double z) const;
    // The standard variate of an amount: the fit's quantile function without location and scale
    // (the normal deviate of the log-normal fits, Gumbel's y, (x - mean) / deviation of Pearson
    // III); none outside the fit's range.
    std::optional<double> StandardVariate(double amount) const;
};

// The distributions fitted from logs (amounts must be above 0 mm).
bool NeedsPositiveAmounts(Distribution d);

// Fits the parameters only, to the amounts of `t` as analysed in `a`, without the measures of
// fit: the jackknife's refits, which pass the whole record's fit as `near` (the likelihood fit
// searches from there). FitDistribution adds the measures.
hc::Result<DistributionFit> FitParameters(const RainTable& t, const RainAnalysis& a, Distribution d,
                                          const DistributionFit* near = nullptr);

// Fits a distribution to the record as analysed (ranks, positions and deviates of `a`). The
// normal fit is a's own regression (location a.mean, scale a.slope). A BadValue Error for a
// log-normal fit of a record with an amount of 0 mm or less; for the others an Error saying why
// the record does not allow the fit (too few years, equal amounts, a shape out of range, no
// convergence, amounts beyond the fitted range).
hc::Result<DistributionFit> FitDistribution(const RainTable& t, const RainAnalysis& a,
                                            Distribution d);

// All fits side by side, for comparing them; a fit the record does not allow carries its
// Error instead.
struct FitComparison {
    Distribution kind;
    hc::Result<DistributionFit> fit;
};
std::vector<FitComparison> CompareFits(const RainTable& t, const RainAnalysis& a);

// Return periods of the table, in years.
inline constexpr int kReturnPeriods[] = {2, 3, 5, 10, 20, 30, 50, 80, 100, 150, 200, 500};

// The dry-year amount (non-exceedance 1/T) and the wet-year amount (non-exceedance 1 - 1/T) of
// a return period, and both rounded half to even as the printed design values are. Every
// amount is the fit's exact quantile, except that the normal and log-normal fits read the 10 and
// 50 years' deviates from the normal table as the program does for its printed design values,
// which those rows therefore equal.
// The jackknife of one estimate from its n leave-one-out values (Efron 1982): their mean, the
// bias-corrected n x full - (n - 1) x mean, and the standard error
// sqrt((n - 1) / n x sum (value - mean)^2).
struct JackknifeValue {
    double mean = 0;
    double corrected = 0;
    double standardError = 0;
};

struct ReturnPeriodValue {
    int years = 0;
    double dry = 0;
    double wet = 0;
    std::int64_t dryMm = 0;
    std::int64_t wetMm = 0;
    // With the jackknife (fit_table.h), the jackknife of dry and wet.
    std::optional<JackknifeValue> dryJackknife;
    std::optional<JackknifeValue> wetJackknife;
};
// years from 2 to 1000; a BadValue Error otherwise.
hc::Result<ReturnPeriodValue> ReturnPeriodAmounts(const DistributionFit& fit,
                                                  const NormalTable& normal, int years);
std::vector<ReturnPeriodValue> ReturnPeriodTable(const DistributionFit& fit,
                                                 const NormalTable& normal);

// The four printed design values (1/10 and 1/50 dry and wet years) of a fit. For the normal fit
// they equal ComputeDesignValues of its analysis.
DesignValues FitDesignValues(const DistributionFit& fit, const NormalTable& normal);

}  // namespace rain
