#include "rainprob/core/analysis.h"

#include "common/core/numbers.h"

namespace rain {

namespace {

// The table entry of a position `offset` / 2n away from the median: offset x 1000 / 2n rounded
// half to even. Formed in integers, because the positions are exact fractions whose halves
// (387.5 for 31/80) must stay halves: in doubles 0.8875 - 0.5 falls just below 0.3875 and
// 0.5 - 0.1125 does not, and mirrored ranks would read different entries.
std::size_t TableEntry(int offset, int n) {
    const long long num = 1000LL * offset, den = 2LL * n;
    long long k = num / den;
    const long long twiceRest = 2 * (num % den);
    if (twiceRest > den || (twiceRest == den && k % 2 == 1))
        ++k;
    return static_cast<std::size_t>(k);
}

}  // namespace

hc::Result<RainAnalysis> AnalyseRain(const RainTable& table, const NormalTable& normal) {
    const int n = table.Count();
    if (n == 0)
        return hc::FileError(hc::ErrorKind::BadCount, "", "記録がありません",
                             "the file holds no records");
    if (n == 1)
        return hc::FileError(hc::ErrorKind::BadCount, "",
                             "記録が１年分だけでは解析できません（２年分以上が必要です）",
                             "one record cannot be analysed (at least two are needed)");
    const auto& r = table.Rain;
    RainAnalysis a;
    a.rank.resize(static_cast<std::size_t>(n));
    a.pp.resize(static_cast<std::size_t>(n));
    a.deviate.resize(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        // Equal amounts: the earlier record ranks lower, so the ranks are a permutation.
        std::int32_t rank = 1;
        for (std::size_t j = 0; j < i; ++j)
            if (r[i] >= r[j])
                ++rank;
        for (std::size_t j = i + 1; j < static_cast<std::size_t>(n); ++j)
            if (r[j] < r[i])
                ++rank;
        a.rank[i] = rank;
        a.pp[i] = (2.0 * rank - 1.0) / (2.0 * n);
        const int offset = 2 * rank - 1 - n;  // (pp - 0.5) x 2n
        if (offset == 0) {
            a.deviate[i] = 0.0;  // the middle record of an odd count
        } else {
            const double z = normal[TableEntry(offset < 0 ? -offset : offset, n)];
            a.deviate[i] = offset > 0 ? z : -z;
        }
    }
    double sum = 0;
    a.max = r[0];
    a.min = r[0];
    for (std::int32_t v : r) {
        sum += v;
        if (v > a.max)
            a.max = v;
        if (v < a.min)
            a.min = v;
    }
    a.mean = sum / n;
    double sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        sxx += a.deviate[i] * a.deviate[i];
        sxy += (r[i] - a.mean) * a.deviate[i];
    }
    a.slope = sxy / sxx;  // sxx > 0: with n >= 2 the extreme positions are never 0.5
    a.dev10 = a.slope * NormalDeviate(normal, 0.9);
    a.dev50 = a.slope * NormalDeviate(normal, 0.98);
    return a;
}

DesignValues ComputeDesignValues(const RainAnalysis& a) {
    // |mean| < 2^31 and |dev| < 2^31 x 257 x 3.1, far inside the 64-bit range.
    auto r = [](double v) { return static_cast<std::int64_t>(hc::RoundHalfEven(v)); };
    return {r(a.mean - a.dev10), r(a.mean - a.dev50), r(a.mean + a.dev10), r(a.mean + a.dev50)};
}

std::optional<RegressionSegment> ComputeRegressionSegment(const RainAnalysis& a, double ScaleMin,
                                                          double ScaleMax) {
    const double b = a.slope;
    if (b == 0 && (a.mean > ScaleMax || a.mean < ScaleMin))
        return std::nullopt;
    RegressionSegment s;
    s.upper = {a.mean + 3 * b, 3.0};
    if (s.upper.amount > ScaleMax)
        s.upper = {ScaleMax, (ScaleMax - a.mean) / b};
    s.lower = {a.mean - 3 * b, -3.0};
    if (!(s.lower.amount >= ScaleMin))
        s.lower = {ScaleMin, (ScaleMin - a.mean) / b};
    return s;
}

hc::Status CheckDrawable(const RainAnalysis& a, double ScaleMin, double ScaleMax) {
    if (a.slope == 0 && (a.mean > ScaleMax || a.mean < ScaleMin)) {
        const std::string mean = hc::DoubleToText(a.mean), lo = hc::DoubleToText(ScaleMin),
                          hi = hc::DoubleToText(ScaleMax);
        return hc::FileError(hc::ErrorKind::Unusable, "",
                             "降水量がすべて等しく（" + mean + " mm）、横軸の範囲 " + lo + "～" +
                                 hi + " mm の外にあります",
                             "all amounts are equal (" + mean + " mm), outside the axis range " +
                                 lo + " to " + hi + " mm");
    }
    return {};
}

}  // namespace rain
