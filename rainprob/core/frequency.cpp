#include "rainprob/core/frequency.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

#include "common/core/numbers.h"

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
            return location + scale * ReducedVariate(F);
    }
    return location;
}

double DistributionFit::AmountAtDeviate(double z) const {
    switch (kind) {
        case Distribution::Normal:
            return location + scale * z;
        case Distribution::LogNormal:
            return std::exp(location + scale * z);
        case Distribution::GumbelMoments:
        case Distribution::GumbelRegression:
            return location + scale * ReducedVariateOfDeviate(z);
    }
    return location;
}

hc::Result<DistributionFit> FitDistribution(const RainTable& t, const RainAnalysis& a,
                                            Distribution d) {
    const std::size_t n = t.Rain.size();
    const std::vector<double> x(t.Rain.begin(), t.Rain.end());
    DistributionFit f;
    f.kind = d;
    // The variates of the plotted positions on the fit's own paper, and the values plotted
    // against them.
    std::vector<double> variate = a.deviate;
    std::vector<double> plotted = x;
    switch (d) {
        case Distribution::Normal:
            f.location = a.mean;
            f.scale = a.slope;
            break;
        case Distribution::LogNormal: {
            for (std::size_t i = 0; i < n; ++i) {
                if (t.Rain[i] <= 0) {
                    const std::string year = std::to_string(t.Years[i]);
                    const std::string amount = std::to_string(t.Rain[i]);
                    return hc::FileError(hc::ErrorKind::BadValue, "",
                                         "対数正規分布には 0 mm より多い降水量が必要です（" + year +
                                             " 年は " + amount + " mm）",
                                         "a log-normal fit needs amounts above 0 mm (year " + year +
                                             " has " + amount + " mm)");
                }
                plotted[i] = std::log(x[i]);
            }
            f.location = Mean(plotted);
            f.scale = SlopeThroughMean(plotted, f.location, variate);
            break;
        }
        case Distribution::GumbelMoments: {
            double ss = 0;
            for (double v : x)
                ss += (v - a.mean) * (v - a.mean);
            const double s = std::sqrt(ss / static_cast<double>(n - 1));  // sample deviation
            f.scale = std::sqrt(6.0) * s / std::numbers::pi;
            f.location = a.mean - kEulerGamma * f.scale;
            for (std::size_t i = 0; i < n; ++i)
                variate[i] = ReducedVariate(a.pp[i]);
            break;
        }
        case Distribution::GumbelRegression: {
            for (std::size_t i = 0; i < n; ++i)
                variate[i] = ReducedVariate(a.pp[i]);
            const double my = Mean(variate);
            double syy = 0, sxy = 0;
            for (std::size_t i = 0; i < n; ++i) {
                syy += (variate[i] - my) * (variate[i] - my);
                sxy += (x[i] - a.mean) * (variate[i] - my);
            }
            f.scale = sxy / syy;
            f.location = a.mean - f.scale * my;
            break;
        }
    }
    f.ppcc = Correlation(plotted, variate);
    if (n > 2) {
        double ss = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const double fitted = d == Distribution::LogNormal
                                      ? std::exp(f.location + f.scale * variate[i])
                                      : f.location + f.scale * variate[i];
            ss += (x[i] - fitted) * (x[i] - fitted);
        }
        f.standardError = std::sqrt(ss / static_cast<double>(n - 2));
    }
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
