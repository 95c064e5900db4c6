// The analysis of a precipitation record: rank, Hazen plotting position and normal deviate of
// every year, the mean, the extremes, the regression of amount on deviate through the mean,
// the dry-year and wet-year values, and the regression segment as drawn.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "common/core/result.h"
#include "rainprob/core/rain_data.h"

namespace rain {

struct RainAnalysis {
    // Parallel to the records of the table, in file order.
    std::vector<std::int32_t> rank;  // 1 = smallest amount; of equal amounts the earlier is lower
    std::vector<double> pp;          // plotting position: Hazen (2 rank - 1) / 2n by default
    std::vector<double> deviate;     // standard normal deviate of pp, by table lookup

    double mean = 0;
    std::int32_t max = 0;  // the true largest amount
    std::int32_t min = 0;  // the true smallest amount
    double slope = 0;      // regression slope b in mm per unit deviate
    double dev10 = 0;      // b x deviate(0.9)
    double dev50 = 0;      // b x deviate(0.98)
};

// The analysis of a record of at least two years; a BadCount Error (naming no file) for fewer.
hc::Result<RainAnalysis> AnalyseRain(const RainTable& table, const NormalTable& normal);

// The four design values as printed, in mm, each rounded half to even. They are 64-bit: a
// record of extreme amounts can put them outside the 32-bit range, which must not stop printing.
struct DesignValues {
    std::int64_t dry10 = 0;  // round(mean - dev10), non-exceedance 0.1
    std::int64_t dry50 = 0;  // round(mean - dev50), non-exceedance 0.02
    std::int64_t wet10 = 0;  // round(mean + dev10), non-exceedance 0.9
    std::int64_t wet50 = 0;  // round(mean + dev50), non-exceedance 0.98
};
DesignValues ComputeDesignValues(const RainAnalysis& a);

// One end of the drawn regression line: an amount (mm) and a deviate.
struct SegmentEnd {
    double amount = 0;
    double deviate = 0;
};
struct RegressionSegment {
    SegmentEnd lower;
    SegmentEnd upper;
};

// The fitted line between deviates -3 and +3, each end cut where the line leaves the axis
// range ScaleMin..ScaleMax. Nothing when a horizontal line (zero slope) lies outside the range,
// where cutting would divide by zero.
std::optional<RegressionSegment> ComputeRegressionSegment(const RainAnalysis& a, double ScaleMin,
                                                          double ScaleMax);

// Whether an analysed record can be drawn on the axis range: an Unusable Error (naming no file)
// when a zero slope puts the mean outside the range, which leaves no line to draw.
hc::Status CheckDrawable(const RainAnalysis& a, double ScaleMin, double ScaleMax);

}  // namespace rain
