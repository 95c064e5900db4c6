#include "rainprob/core/fit_table.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "rainprob/core/frequency_models.h"

namespace rain {

namespace {

// The fits that read the positions and deviates of the analysis besides the amounts; Gumbel by
// moments reads only its mean.
bool ReadsAnalysis(Distribution d) {
    return d == Distribution::Normal || d == Distribution::LogNormal ||
           d == Distribution::GumbelRegression;
}

}  // namespace

JackknifeValue Jackknife(double full, const std::vector<double>& leaveOneOut) {
    const double n = static_cast<double>(leaveOneOut.size());
    JackknifeValue v;
    for (double x : leaveOneOut)
        v.mean += x;
    v.mean /= n;
    double ss = 0;
    for (double x : leaveOneOut)
        ss += (x - v.mean) * (x - v.mean);
    v.corrected = n * full - (n - 1) * v.mean;
    v.standardError = std::sqrt((n - 1) / n * ss);
    return v;
}

hc::Result<std::vector<DistributionFit>> LeaveOneOutFits(const RainTable& t,
                                                         const NormalTable& normal,
                                                         PlottingPosition position,
                                                         const DistributionFit& full) {
    const std::size_t n = t.Rain.size();
    if (n < 3)
        return hc::FileError(hc::ErrorKind::BadCount, "",
                             "ジャックナイフ法には 3 年以上の記録が必要です",
                             "the jackknife needs 3 years or more");
    std::vector<DistributionFit> fits;
    fits.reserve(n);
    RainTable part;
    for (std::size_t out = 0; out < n; ++out) {
        part.Years.clear();
        part.Rain.clear();
        for (std::size_t i = 0; i < n; ++i)
            if (i != out) {
                part.Years.push_back(t.Years[i]);
                part.Rain.push_back(t.Rain[i]);
            }
        RainAnalysis a;
        hc::Result<DistributionFit> f = DistributionFit{};
        if (ReadsAnalysis(full.kind)) {
            hc::Result<RainAnalysis> analysed = AnalyseRain(part, normal, position);
            if (!analysed)
                f = analysed.error();
            else
                a = std::move(*analysed);
        } else {
            double sum = 0;
            for (std::int32_t v : part.Rain)
                sum += v;
            a.mean = sum / static_cast<double>(part.Rain.size());
        }
        if (f)
            f = FitParameters(part, a, full.kind, &full);
        if (!f) {
            const std::string year = std::to_string(t.Years[out]);
            return hc::FileError(hc::ErrorKind::BadValue, "",
                                 "ジャックナイフ法：" + year + " 年を除いた記録では" + f.error().ja,
                                 "jackknife: without year " + year + ", " + f.error().en);
        }
        fits.push_back(*f);
    }
    return fits;
}

std::vector<ReturnPeriodValue> ReturnPeriodTable(const DistributionFit& fit,
                                                 const NormalTable& normal,
                                                 const std::vector<DistributionFit>& leaveOneOut) {
    std::vector<ReturnPeriodValue> rows = ReturnPeriodTable(fit, normal);
    if (leaveOneOut.empty())
        return rows;
    std::vector<std::vector<double>> dry(rows.size()), wet(rows.size());
    for (const DistributionFit& f : leaveOneOut) {
        const std::vector<ReturnPeriodValue> part = ReturnPeriodTable(f, normal);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            dry[r].push_back(part[r].dry);
            wet[r].push_back(part[r].wet);
        }
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
        rows[r].dryJackknife = Jackknife(rows[r].dry, dry[r]);
        rows[r].wetJackknife = Jackknife(rows[r].wet, wet[r]);
    }
    return rows;
}

std::vector<FitTableRow> BuildFitTable(const RainTable& t, const RainAnalysis& a,
                                       const NormalTable& normal, PlottingPosition position) {
    std::vector<FitTableRow> rows;
    for (const DistributionName& d : kDistributionNames) {
        FitTableRow row;
        row.kind = d.id;
        row.fit = FitDistribution(t, a, d.id);
        if (row.fit) {
            const ReturnPeriodValue full =
                ReturnPeriodAmounts(*row.fit, normal, kFitTableYears).value();
            row.wet100 = full.wet;
            hc::Result<std::vector<DistributionFit>> loo =
                LeaveOneOutFits(t, normal, position, *row.fit);
            if (loo) {
                std::vector<double> wet;
                for (const DistributionFit& f : *loo)
                    wet.push_back(ReturnPeriodAmounts(f, normal, kFitTableYears).value().wet);
                row.wet100Error = Jackknife(full.wet, wet).standardError;
            }
            row.accepted = row.fit->slsc && *row.fit->slsc <= kSlscAcceptance;
        }
        rows.push_back(std::move(row));
    }
    auto key = [](const FitTableRow& r) {
        return r.fit && r.fit->slsc ? *r.fit->slsc : std::numeric_limits<double>::infinity();
    };
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const FitTableRow& x, const FitTableRow& y) { return key(x) < key(y); });
    int rank = 0;
    for (FitTableRow& r : rows)
        if (r.fit && r.fit->slsc)
            r.rank = ++rank;
    return rows;
}

std::vector<BandPoint> ConfidenceBand(const DistributionFit& fit,
                                      const std::vector<DistributionFit>& leaveOneOut) {
    std::vector<BandPoint> band;
    if (leaveOneOut.empty())
        return band;
    const int steps = static_cast<int>(std::lround(6 / kBandStep));
    std::vector<double> partial(leaveOneOut.size());
    for (int k = 0; k <= steps; ++k) {
        const double z = -3 + k * kBandStep;
        for (std::size_t i = 0; i < leaveOneOut.size(); ++i)
            partial[i] = leaveOneOut[i].AmountAtDeviate(z);
        const double amount = fit.AmountAtDeviate(z);
        const double se = Jackknife(amount, partial).standardError;
        band.push_back({z, amount - se, amount + se});
    }
    return band;
}

std::optional<std::pair<double, double>> LogPearsonLimitFactors(double K, int years) {
    const double z = InverseNormal(1 - (1 - kLimitLevel) / 2);
    const double n = years;
    const double a = 1 - z * z / (2 * (n - 1));
    const double b = K * K - z * z / n;
    const double root = K * K - a * b;
    if (!(a > 0) || root < 0)
        return std::nullopt;
    return std::pair{(K - std::sqrt(root)) / a, (K + std::sqrt(root)) / a};
}

std::vector<BandPoint> LogPearsonLimits(const DistributionFit& fit, int years) {
    std::vector<BandPoint> limits;
    if (fit.kind != Distribution::LogPearson3 || years < 3)
        return limits;
    const int steps = static_cast<int>(std::lround(6 / kBandStep));
    for (int k = 0; k <= steps; ++k) {
        const double z = -3 + k * kBandStep;
        const double K =
            models::PearsonFactor(fit.shape, 0.5 * std::erfc(-z / std::numbers::sqrt2));
        const std::optional<std::pair<double, double>> f = LogPearsonLimitFactors(K, years);
        if (!f)
            continue;
        limits.push_back({z, std::pow(10.0, fit.location + f->first * fit.scale),
                          std::pow(10.0, fit.location + f->second * fit.scale)});
    }
    return limits;
}

}  // namespace rain
