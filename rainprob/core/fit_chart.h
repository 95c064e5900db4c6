// The fit in force on the normal probability paper of the chart: the normal fit as the straight
// regression line, the log-normal and Gumbel fits as curves sampled along the deviate axis, and
// the printed values of the fit. Used by the window's chart and the printed sheet alike.
#pragma once

#include <vector>

#include "common/core/surface.h"
#include "rainprob/core/chart.h"
#include "rainprob/core/fit_table.h"
#include "rainprob/core/frequency.h"

namespace rain {

// Headers of the printed results; the normal fit keeps the regression's kResultHeader.
inline constexpr const char* kLogNormalResultHeader = hc::N("< 対数正規分布による解析結果 >");
inline constexpr const char* kGumbelMomentsResultHeader =
    hc::N("< グンベル分布（積率法）による解析結果 >");
inline constexpr const char* kGumbelRegressionResultHeader =
    hc::N("< グンベル分布（回帰）による解析結果 >");
const char* ResultHeader(Distribution d);

// Spacing of the curve's samples in deviate units: 600 pieces between -3 and +3, below a
// tenth of a millimetre apart on paper where the curve bends most.
inline constexpr double kCurveStep = 0.01;

// The curve of a fit as drawn, in (amount, deviate) pairs from deviate -3 to +3, cut where it
// leaves the axis range ScaleMin..ScaleMax as the regression line is (the cut ends lie on the
// range's edge). Empty when the curve lies wholly outside the range.
std::vector<SegmentEnd> FitCurvePoints(const DistributionFit& fit, double ScaleMin,
                                       double ScaleMax);

// The fit's line in the regression's pen: the normal fit exactly as DrawRegressionLine draws
// it, the others as a polyline through FitCurvePoints.
void DrawFitLine(hc::Surface& s, const ChartLayout& l, const DistributionFit& fit);

// The ±1 standard-error band: its lower and upper edges dashed in the line's colour and width,
// cut where they leave the axis range.
// `dash` and `gap` in layout units per unit deviate.
void DrawFitBand(hc::Surface& s, const ChartLayout& l, const std::vector<BandPoint>& band,
                 double dash, double gap);
// The standard-error band dashed, the limits dotted.
void DrawFitBands(hc::Surface& s, const ChartLayout& l, const ChartBand& band);

// The printed block of results for the fit: its header and its 1/10 and 1/50 values.
void DrawFitResultLines(hc::Surface& s, const ChartLayout& l, const DistributionFit& fit,
                        const NormalTable& normal);

}  // namespace rain
