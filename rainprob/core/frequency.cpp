#include "rainprob/core/frequency.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

#include "common/core/numbers.h"
#include "rainprob/core/frequency_models.h"
#include "rainprob/core/messages.h"

namespace rain {

namespace {

constexpr double kEulerGamma = 0.57721566490153286;
// The normal table holds deviates up to probability 0.999: entry 499.
constexpr long long kLastEntry = 499;

const PositionFormula& FormulaOf(PlottingPosition p) {
    for (const PositionFormula& f : kPositionFormulas)
        if (f.id == p)
            return f;
    return kPositionFormulas[0];
}

// num / den rounded half to even, for num >= 0 and den > 0.
long long RoundedRatio(long long num, long long den) {
    long long k = num / den;
    const long long twiceRest = 2 * (num % den);
    if (twiceRest > den || (twiceRest == den && k % 2 == 1))
        ++k;
    return k;
}

// The table entry of a position |offset| / (2 (n + 1 - 2a)) away from the median, where
// offset = 2 rank - n - 1: 1000 x that distance rounded half to even. Formed in integers (a in
// thousandths) so that mirrored ranks read the same entry and halves stay halves.
std::size_t TableEntry(int offset, int n, int aThousandths) {
    const long long num = 1000LL * 1000LL * std::abs(offset);
    const long long den = 2LL * (1000LL * (n + 1) - 2LL * aThousandths);
    return static_cast<std::size_t>(std::min(RoundedRatio(num, den), kLastEntry));
}

// Standard normal deviate of return period T on the wet side, non-exceedance 1 - 1/T. The 10
// and 50 years are read from the table as the program reads 0.9 and 0.98, so that they stay the
// printed design values; every other period is the exact quantile (the table's entry 467 would
// put 30 years at 0.967 instead of 1 - 1/30).
double DeviateOfReturnPeriod(const NormalTable& normal, int years) {
    if (years == 10 || years == 50) {
        const long long k = RoundedRatio(1000LL * (years - 2), 2LL * years);
        return normal[static_cast<std::size_t>(std::min(k, kLastEntry))];
    }
    return InverseNormal(1.0 - 1.0 / years);
}

// Gumbel's reduced variate y = -ln(-ln F), with -ln F taken from the smaller tail so that F
// near 1 keeps its precision.
double ReducedVariate(double F) {
    return -std::log(-std::log(F));
}
double ReducedVariateOfDeviate(double z) {
    const double upper = 0.5 * std::erfc(z / std::numbers::sqrt2);  // 1 - F
    const double minusLnF = z > 0 ? -std::log1p(-upper) : -std::log(1.0 - upper);
    return -std::log(minusLnF);
}

double Mean(const std::vector<double>& v) {
    double sum = 0;
    for (double x : v)
        sum += x;
    return sum / static_cast<double>(v.size());
}

// Correlation of two series; none when either does not vary.
std::optional<double> Correlation(const std::vector<double>& v, const std::vector<double>& w) {
    const double mv = Mean(v), mw = Mean(w);
    double svv = 0, sww = 0, svw = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        svv += (v[i] - mv) * (v[i] - mv);
        sww += (w[i] - mw) * (w[i] - mw);
        svw += (v[i] - mv) * (w[i] - mw);
    }
    if (svv == 0 || sww == 0)
        return std::nullopt;
    return svw / std::sqrt(svv * sww);
}

// The regression of values on deviates through their mean, as AnalyseRain forms it: the
// deviates of mirrored positions cancel, so the line passes through the mean at deviate 0.
double SlopeThroughMean(const std::vector<double>& v, double mean, const std::vector<double>& z) {
    double sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        sxx += z[i] * z[i];
        sxy += (v[i] - mean) * z[i];
    }
    return sxy / sxx;
}

std::int64_t RoundToMm(double v) {
    // A steep log-normal line of a two-year record can put a 1/100 amount beyond any integer.
    constexpr double kLimit = 9.2e18;
    if (!(v < kLimit))
        return std::numeric_limits<std::int64_t>::max();
    if (!(v > -kLimit))
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(hc::RoundHalfEven(v));
}

// ReturnPeriodAmounts for a period already known to lie in 2..1000.
ReturnPeriodValue AmountsOfPeriod(const DistributionFit& fit, const NormalTable& normal,
                                  int years) {
    ReturnPeriodValue v;
    v.years = years;
    switch (fit.kind) {
        case Distribution::Normal: {
            // As the design values are formed: mean -/+ (slope x deviate).
            const double z = DeviateOfReturnPeriod(normal, years);
            v.dry = fit.location - fit.scale * z;
            v.wet = fit.location + fit.scale * z;
            break;
        }
        case Distribution::LogNormal: {
            const double z = DeviateOfReturnPeriod(normal, years);
            v.dry = std::exp(fit.location - fit.scale * z);
            v.wet = std::exp(fit.location + fit.scale * z);
            break;
        }
        case Distribution::GumbelMoments:
        case Distribution::GumbelRegression: {
            const double inverse = 1.0 / years;
            v.dry = fit.location + fit.scale * ReducedVariate(inverse);
            // -ln(1 - 1/T) by log1p, which keeps its digits for long return periods.
            v.wet = fit.location - fit.scale * std::log(-std::log1p(-inverse));
            break;
        }
        default:
            v.dry = fit.AmountAt(1.0 / years);
            v.wet = fit.AmountAt(1.0 - 1.0 / years);
            break;
    }
    v.dryMm = RoundToMm(v.dry);
    v.wetMm = RoundToMm(v.wet);
    return v;
}

}  // namespace

const char* PositionName(PlottingPosition p) {
    return FormulaOf(p).name;
}

std::optional<PlottingPosition> ParsePosition(std::string_view name) {
    for (const PositionFormula& f : kPositionFormulas)
        if (name == f.name)
            return f.id;
    return std::nullopt;
}

double PlottingPositionOf(PlottingPosition p, int rank, int n) {
    const long long a = FormulaOf(p).aThousandths;
    // (1000 rank - 1000a) / (1000 (n + 1) - 2000a): one rounding, from exact integers.
    return static_cast<double>(1000LL * rank - a) / static_cast<double>(1000LL * (n + 1) - 2 * a);
}

hc::Result<RainAnalysis> AnalyseRain(const RainTable& table, const NormalTable& normal,
                                     PlottingPosition p) {
    hc::Result<RainAnalysis> hazen = AnalyseRain(table, normal);
    if (!hazen || p == PlottingPosition::Hazen)
        return hazen;
    RainAnalysis a = std::move(*hazen);
    const int n = table.Count();
    const int aThousandths = FormulaOf(p).aThousandths;
    for (std::size_t i = 0; i < a.rank.size(); ++i) {
        a.pp[i] = PlottingPositionOf(p, a.rank[i], n);
        // Every position is symmetric about the median: the middle record of an odd count is 0.
        const int offset = 2 * a.rank[i] - 1 - n;
        const double z = offset == 0 ? 0.0 : normal[TableEntry(offset, n, aThousandths)];
        a.deviate[i] = offset < 0 ? -z : z;
    }
    const std::vector<double> amounts(table.Rain.begin(), table.Rain.end());
    a.slope = SlopeThroughMean(amounts, a.mean, a.deviate);
    a.dev10 = a.slope * NormalDeviate(normal, 0.9);
    a.dev50 = a.slope * NormalDeviate(normal, 0.98);
    return a;
}

const char* DistributionNameOf(Distribution d) {
    for (const DistributionName& n : kDistributionNames)
        if (n.id == d)
            return n.name;
    return "";
}

const char* EstimationMethod(Distribution d) {
    switch (d) {
        case Distribution::Normal:
        case Distribution::LogNormal:
            return "regression on the normal deviates";
        case Distribution::GumbelRegression:
            return "regression on the reduced variates";
        case Distribution::GumbelMoments:
        case Distribution::Pearson3:
        case Distribution::LogPearson3:
            return "moments";
        case Distribution::SqrtEt:
            return "maximum likelihood";
        default:
            return "L-moments";
    }
}

std::optional<Distribution> ParseDistribution(std::string_view name) {
    for (const DistributionName& n : kDistributionNames)
        if (name == n.name)
            return n.id;
    return std::nullopt;
}

double DistributionFit::AmountAt(double F) const {
    switch (kind) {
        case Distribution::Normal:
            return location + scale * InverseNormal(F);
        case Distribution::LogNormal:
            return std::exp(location + scale * InverseNormal(F));
        case Distribution::GumbelMoments:
        case Distribution::GumbelRegression:
        case Distribution::GumbelLMoments:
            return location + scale * ReducedVariate(F);
        case Distribution::LogNormal3:
            return models::GeneralNormalQuantile({location, scale, shape}, F);
        case Distribution::Pearson3:
            return location + scale * models::PearsonFactor(shape, F);
        case Distribution::LogPearson3:
            return std::pow(10.0, location + scale * models::PearsonFactor(shape, F));
        case Distribution::Gev:
            return models::GevQuantile({location, scale, shape}, F);
        case Distribution::GenLogistic:
            return models::LogisticQuantile({location, scale, shape}, F);
        case Distribution::SqrtEt:
            return models::SqrtEtQuantile({shape, scale}, F);
        case Distribution::Exponential:
            return location - scale * std::log1p(-F);
    }
    return location;
}

std::optional<double> DistributionFit::StandardVariate(double x) const {
    switch (kind) {
        case Distribution::LogNormal:
            if (!(x > 0))
                return std::nullopt;
            return (std::log(x) - location) / scale;
        case Distribution::LogPearson3:
            if (!(x > 0))
                return std::nullopt;
            return (std::log10(x) - location) / scale;
        case Distribution::LogNormal3:
            return models::GeneralNormalVariate({location, scale, shape}, x);
        case Distribution::SqrtEt:
            return scale * x;
        default:
            return (x - location) / scale;
    }
}

bool NeedsPositiveAmounts(Distribution d) {
    return d == Distribution::LogNormal || d == Distribution::LogPearson3;
}

double DistributionFit::AmountAtDeviate(double z) const {
    switch (kind) {
        case Distribution::Normal:
            return location + scale * z;
        case Distribution::LogNormal:
            return std::exp(location + scale * z);
        case Distribution::GumbelMoments:
        case Distribution::GumbelRegression:
        case Distribution::GumbelLMoments:
            return location + scale * ReducedVariateOfDeviate(z);
        default:
            // F from the smaller tail, so that both ends keep their digits.
            return AmountAt(0.5 * std::erfc(-z / std::numbers::sqrt2));
    }
}

namespace {

// A fit the record does not allow, in the words of the log-normal refusal.
hc::Error Refusal(Distribution d, const std::string& ja, const std::string& en) {
    return hc::FileError(
        hc::ErrorKind::BadValue, "",
        std::string(text::DistributionLabel(d)) + "は当てはめられません（" + ja + "）",
        std::string("a ") + DistributionNameOf(d) + " fit is not possible: " + en);
}

// The record's first amount not above 0 mm (not below 0 mm for SQRT-ET), as an Error.
std::optional<hc::Error> NonPositiveAmount(const RainTable& t, Distribution d) {
    const bool zeroAllowed = d == Distribution::SqrtEt;
    for (std::size_t i = 0; i < t.Rain.size(); ++i) {
        if (t.Rain[i] > 0 || (zeroAllowed && t.Rain[i] == 0))
            continue;
        const std::string year = std::to_string(t.Years[i]);
        const std::string amount = std::to_string(t.Rain[i]);
        if (d == Distribution::LogNormal)
            return hc::FileError(hc::ErrorKind::BadValue, "",
                                 "対数正規分布には 0 mm より多い降水量が必要です（" + year +
                                     " 年は " + amount + " mm）",
                                 "a log-normal fit needs amounts above 0 mm (year " + year +
                                     " has " + amount + " mm)");
        const char* least = zeroAllowed ? " mm 以上" : " mm より多い";
        return hc::FileError(hc::ErrorKind::BadValue, "",
                             std::string(text::DistributionLabel(d)) + "には 0" + least +
                                 "降水量が必要です（" + year + " 年は " + amount + " mm）",
                             std::string("a ") + DistributionNameOf(d) + " fit needs amounts " +
                                 (zeroAllowed ? "of 0 mm or more" : "above 0 mm") + " (year " +
                                 year + " has " + amount + " mm)");
    }
    return std::nullopt;
}

bool ThreeParameters(Distribution d) {
    switch (d) {
        case Distribution::LogNormal3:
        case Distribution::Pearson3:
        case Distribution::LogPearson3:
        case Distribution::Gev:
        case Distribution::GenLogistic:
            return true;
        default:
            return false;
    }
}

}  // namespace

hc::Result<DistributionFit> FitParameters(const RainTable& t, const RainAnalysis& a, Distribution d,
                                          const DistributionFit* near) {
    const std::size_t n = t.Rain.size();
    std::vector<double> x(t.Rain.begin(), t.Rain.end());
    if (NeedsPositiveAmounts(d) || d == Distribution::SqrtEt)
        if (std::optional<hc::Error> e = NonPositiveAmount(t, d))
            return *e;
    if (ThreeParameters(d) && n < 3)
        return Refusal(d, "3 年以上の記録が必要です", "it needs 3 years or more");
    DistributionFit f;
    f.kind = d;
    auto fromParameters = [&](const models::Parameters& p) {
        f.location = p.location;
        f.scale = p.scale;
        f.shape = p.shape;
    };
    const models::LMoments lm = models::SampleLMoments(x);
    const bool lmomentFit = d == Distribution::GumbelLMoments || d == Distribution::LogNormal3 ||
                            d == Distribution::Gev || d == Distribution::GenLogistic ||
                            d == Distribution::Exponential;
    if (lmomentFit && !(lm.l2 > 0))
        return Refusal(d, "降水量がすべて等しい記録です", "all amounts are equal");
    switch (d) {
        case Distribution::Normal:
            f.location = a.mean;
            f.scale = a.slope;
            break;
        case Distribution::LogNormal: {
            std::vector<double> logs(n);
            for (std::size_t i = 0; i < n; ++i)
                logs[i] = std::log(x[i]);
            f.location = Mean(logs);
            f.scale = SlopeThroughMean(logs, f.location, a.deviate);
            break;
        }
        case Distribution::GumbelMoments: {
            double ss = 0;
            for (double v : x)
                ss += (v - a.mean) * (v - a.mean);
            const double s = std::sqrt(ss / static_cast<double>(n - 1));  // sample deviation
            f.scale = std::sqrt(6.0) * s / std::numbers::pi;
            f.location = a.mean - kEulerGamma * f.scale;
            break;
        }
        case Distribution::GumbelRegression: {
            std::vector<double> y(n);
            for (std::size_t i = 0; i < n; ++i)
                y[i] = ReducedVariate(a.pp[i]);
            const double my = Mean(y);
            double syy = 0, sxy = 0;
            for (std::size_t i = 0; i < n; ++i) {
                syy += (y[i] - my) * (y[i] - my);
                sxy += (x[i] - a.mean) * (y[i] - my);
            }
            f.scale = sxy / syy;
            f.location = a.mean - f.scale * my;
            break;
        }
        case Distribution::GumbelLMoments:
            fromParameters(models::GumbelByLMoments(lm));
            break;
        case Distribution::Exponential:
            fromParameters(models::ExponentialByLMoments(lm));
            break;
        case Distribution::Gev:
            fromParameters(models::GevByLMoments(lm));
            // Hosking's approximation holds for L-skewness within -0.5..0.5; beyond k = -1 the
            // mean is infinite.
            if (!(f.shape > -1) || std::abs(lm.t3) > 0.5)
                return Refusal(
                    d,
                    "L 歪度 " + hc::FixedDecimals(lm.t3, 3) +
                        " で形状母数 k = " + hc::FixedDecimals(f.shape, 3) + " が範囲外です",
                    "the shape k = " + hc::FixedDecimals(f.shape, 3) +
                        " is out of range (L-skewness " + hc::FixedDecimals(lm.t3, 3) + ")");
            break;
        case Distribution::GenLogistic:
            fromParameters(models::LogisticByLMoments(lm));
            break;
        case Distribution::LogNormal3: {
            if (std::abs(lm.t3) >= 0.95)
                return Refusal(
                    d, "L 歪度 " + hc::FixedDecimals(lm.t3, 3) + " が範囲外です",
                    "the L-skewness " + hc::FixedDecimals(lm.t3, 3) + " is out of range");
            fromParameters(models::GeneralNormalByLMoments(lm));
            break;
        }
        case Distribution::Pearson3:
        case Distribution::LogPearson3: {
            if (d == Distribution::LogPearson3)
                for (double& v : x)
                    v = std::log10(v);
            const models::Moments m = models::SampleMoments(x);
            if (!(m.deviation > 0))
                return Refusal(d, "降水量がすべて等しい記録です", "all amounts are equal");
            f.location = m.mean;
            f.scale = m.deviation;
            f.shape = m.skew;
            break;
        }
        case Distribution::SqrtEt: {
            std::optional<models::SqrtEt> p =
                models::FitSqrtEt(x, near ? std::optional<double>(near->scale) : std::nullopt);
            if (!p)
                return Refusal(d, "最尤法の解が求まりません", "the likelihood has no maximum");
            f.shape = p->a;
            f.scale = p->b;
            break;
        }
    }
    if (!std::isfinite(f.location) || !std::isfinite(f.scale) || !std::isfinite(f.shape))
        return Refusal(d, "母数が求まりません", "the parameters cannot be computed");
    return f;
}

hc::Result<DistributionFit> FitDistribution(const RainTable& t, const RainAnalysis& a,
                                            Distribution d) {
    hc::Result<DistributionFit> fitted = FitParameters(t, a, d);
    if (!fitted)
        return fitted;
    DistributionFit f = *fitted;
    const std::size_t n = t.Rain.size();
    const std::vector<double> x(t.Rain.begin(), t.Rain.end());
    if (!(f.scale > 0)) {
        // A level line through equal amounts (the regressions): nothing to correlate.
        const double level = f.AmountAtDeviate(0);
        double ss = 0;
        for (double v : x)
            ss += (v - level) * (v - level);
        if (n > 2)
            f.standardError = std::sqrt(ss / static_cast<double>(n - 2));
        return f;
    }
    // The standard variates of the plotted amounts, and of the fit at their positions.
    std::vector<double> observed(n), expected(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::optional<double> s = f.StandardVariate(x[i]);
        if (!s)
            return Refusal(d,
                           std::to_string(t.Years[i]) + " 年の " + std::to_string(t.Rain[i]) +
                               " mm が分布の範囲外です",
                           "year " + std::to_string(t.Years[i]) + " (" + std::to_string(t.Rain[i]) +
                               " mm) lies outside its range");
        observed[i] = *s;
    }
    switch (d) {
        case Distribution::Normal:
        case Distribution::LogNormal:
            // On the program's own paper: the deviates of the positions from the table.
            for (std::size_t i = 0; i < n; ++i)
                expected[i] = a.deviate[i];
            break;
        case Distribution::GumbelMoments:
        case Distribution::GumbelRegression:
        case Distribution::GumbelLMoments:
            for (std::size_t i = 0; i < n; ++i)
                expected[i] = ReducedVariate(a.pp[i]);
            break;
        default:
            for (std::size_t i = 0; i < n; ++i)
                expected[i] = f.StandardVariate(f.AmountAt(a.pp[i])).value_or(NAN);
            break;
    }
    // The fit's amounts at the plotted positions, for the standard error: the normal, log-normal
    // and Gumbel lines at the variates above (the table's deviates, as drawn), the exact
    // quantile for the others.
    const bool onVariates = d == Distribution::Normal || d == Distribution::LogNormal ||
                            d == Distribution::GumbelMoments ||
                            d == Distribution::GumbelRegression ||
                            d == Distribution::GumbelLMoments;
    std::vector<double> amounts(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double v = f.location + f.scale * expected[i];
        amounts[i] = !onVariates                    ? f.AmountAt(a.pp[i])
                     : d == Distribution::LogNormal ? std::exp(v)
                                                    : v;
    }
    f.ppcc = Correlation(observed, expected);
    double ss = 0, sd = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ss += (x[i] - amounts[i]) * (x[i] - amounts[i]);
        sd += (observed[i] - expected[i]) * (observed[i] - expected[i]);
    }
    if (n > 2)
        f.standardError = std::sqrt(ss / static_cast<double>(n - 2));
    const std::optional<double> s99 = f.StandardVariate(f.AmountAt(0.99));
    const std::optional<double> s01 = f.StandardVariate(f.AmountAt(0.01));
    if (s99 && s01 && *s99 != *s01 && std::isfinite(sd))
        f.slsc = std::sqrt(sd / static_cast<double>(n)) / std::abs(*s99 - *s01);
    return f;
}

std::vector<FitComparison> CompareFits(const RainTable& t, const RainAnalysis& a) {
    std::vector<FitComparison> out;
    for (const DistributionName& d : kDistributionNames)
        out.push_back({d.id, FitDistribution(t, a, d.id)});
    return out;
}

hc::Result<ReturnPeriodValue> ReturnPeriodAmounts(const DistributionFit& fit,
                                                  const NormalTable& normal, int years) {
    // Beyond 1 in 1000 a record of a few decades says nothing.
    if (years < 2 || years > 1000)
        return hc::FileError(
            hc::ErrorKind::BadValue, "",
            "再現期間 " + std::to_string(years) + " 年は計算できません（2～1000 年を計算します）",
            "return period of " + std::to_string(years) + " years (2 to 1000 are computed)");
    return AmountsOfPeriod(fit, normal, years);
}

std::vector<ReturnPeriodValue> ReturnPeriodTable(const DistributionFit& fit,
                                                 const NormalTable& normal) {
    std::vector<ReturnPeriodValue> rows;
    for (int years : kReturnPeriods)
        rows.push_back(AmountsOfPeriod(fit, normal, years));
    return rows;
}

DesignValues FitDesignValues(const DistributionFit& fit, const NormalTable& normal) {
    const ReturnPeriodValue ten = AmountsOfPeriod(fit, normal, 10);
    const ReturnPeriodValue fifty = AmountsOfPeriod(fit, normal, 50);
    return {ten.dryMm, fifty.dryMm, ten.wetMm, fifty.wetMm};
}

}  // namespace rain
