#include "rainprob/core/fit_chart.h"

#include <algorithm>
#include <cmath>

namespace rain {

namespace {

constexpr double kDeviateLimit = 3;  // the line and the curves run between deviates -3 and +3

// The deviate in lo..hi at which the non-decreasing curve reaches `amount`.
double DeviateOfAmount(const DistributionFit& fit, double amount, double lo, double hi) {
    for (int i = 0; i < 200 && hi - lo > 1e-12; ++i) {
        const double mid = (lo + hi) / 2;
        if (fit.AmountAtDeviate(mid) < amount)
            lo = mid;
        else
            hi = mid;
    }
    return (lo + hi) / 2;
}

}  // namespace

const char* ResultHeader(Distribution d) {
    switch (d) {
        case Distribution::Normal:
            return kResultHeader;
        case Distribution::LogNormal:
            return kLogNormalResultHeader;
        case Distribution::GumbelMoments:
            return kGumbelMomentsResultHeader;
        case Distribution::GumbelRegression:
            return kGumbelRegressionResultHeader;
        case Distribution::GumbelLMoments:
            return hc::N("< グンベル分布（L 積率法）による解析結果 >");
        case Distribution::LogNormal3:
            return hc::N("< 3 母数対数正規分布による解析結果 >");
        case Distribution::Pearson3:
            return hc::N("< ピアソンⅢ型分布による解析結果 >");
        case Distribution::LogPearson3:
            return hc::N("< 対数ピアソンⅢ型分布による解析結果 >");
        case Distribution::Gev:
            return hc::N("< 一般化極値分布による解析結果 >");
        case Distribution::GenLogistic:
            return hc::N("< 一般化ロジスティック分布による解析結果 >");
        case Distribution::SqrtEt:
            return hc::N("< SQRT-ET 分布による解析結果 >");
        case Distribution::Exponential:
            return hc::N("< 指数分布による解析結果 >");
    }
    return kResultHeader;
}

std::vector<SegmentEnd> FitCurvePoints(const DistributionFit& fit, double ScaleMin,
                                       double ScaleMax) {
    SegmentEnd lower{fit.AmountAtDeviate(-kDeviateLimit), -kDeviateLimit};
    SegmentEnd upper{fit.AmountAtDeviate(kDeviateLimit), kDeviateLimit};
    if (upper.amount < ScaleMin || lower.amount > ScaleMax)
        return {};
    if (!(lower.amount >= ScaleMin))
        lower = {ScaleMin, DeviateOfAmount(fit, ScaleMin, -kDeviateLimit, kDeviateLimit)};
    if (upper.amount > ScaleMax)
        upper = {ScaleMax, DeviateOfAmount(fit, ScaleMax, lower.deviate, kDeviateLimit)};
    std::vector<SegmentEnd> points{lower};
    // The samples on the fixed grid -3 + k x step strictly between the two ends.
    const int steps = static_cast<int>(std::lround(2 * kDeviateLimit / kCurveStep));
    for (int k = 1; k < steps; ++k) {
        const double z = -kDeviateLimit + k * kCurveStep;
        if (z > lower.deviate && z < upper.deviate)
            points.push_back({fit.AmountAtDeviate(z), z});
    }
    points.push_back(upper);
    return points;
}

void DrawFitLine(hc::Surface& s, const ChartLayout& l, const DistributionFit& fit) {
    if (fit.kind == Distribution::Normal) {
        RainAnalysis line;
        line.mean = fit.location;
        line.slope = fit.scale;
        DrawRegressionLine(s, l, line);
        return;
    }
    const std::vector<SegmentEnd> points = FitCurvePoints(fit, l.ScaleMin, l.ScaleMax);
    s.SetDrawWidth(l.regressionWidth);
    s.SetDrawStyle(hc::PenStyle::Solid);
    bool first = true;
    double px = 0, py = 0;
    for (const SegmentEnd& p : points) {
        const double x = l.X(p.amount), y = l.Y(p.deviate);
        // On the screen neighbouring samples often fall on the same whole chart unit.
        if (!first && (x != px || y != py))
            s.Line(px, py, x, y, l.regressionColor);
        if (first || x != px || y != py) {
            px = x;
            py = y;
        }
        first = false;
    }
}

void DrawFitBands(hc::Surface& s, const ChartLayout& l, const ChartBand& band) {
    DrawFitBand(s, l, band.standardError, 1.0 / 25, 1.0 / 40);
    DrawFitBand(s, l, band.limits, 1.0 / 150, 1.0 / 60);
}

void DrawFitBand(hc::Surface& s, const ChartLayout& l, const std::vector<BandPoint>& band,
                 double dashPerDeviate, double gapPerDeviate) {
    // The dashes are laid along each edge here, not by the pen's pattern, which would start
    // afresh at every short piece of the curve and leave a steep edge looking solid.
    const double dash = l.perDeviate * dashPerDeviate / l.div;
    const double gap = l.perDeviate * gapPerDeviate / l.div;
    s.SetDrawWidth(l.regressionWidth);
    s.SetDrawStyle(hc::PenStyle::Solid);
    for (double BandPoint::*edge : {&BandPoint::lower, &BandPoint::upper}) {
        double phase = 0;  // distance walked into the current dash and gap
        for (std::size_t i = 1; i < band.size(); ++i) {
            SegmentEnd a{band[i - 1].*edge, band[i - 1].deviate};
            SegmentEnd b{band[i].*edge, band[i].deviate};
            if ((a.amount < l.ScaleMin && b.amount < l.ScaleMin) ||
                (a.amount > l.ScaleMax && b.amount > l.ScaleMax))
                continue;
            // A piece crossing an end of the axis is cut there, also where its other end lies
            // on that end exactly.
            auto cut = [&](SegmentEnd& p, const SegmentEnd& q) {
                const double edge = std::clamp(p.amount, l.ScaleMin, l.ScaleMax);
                if (edge == p.amount)
                    return;
                const double f = (edge - p.amount) / (q.amount - p.amount);
                p = {edge, p.deviate + f * (q.deviate - p.deviate)};
            };
            cut(a, b);
            cut(b, a);
            const double x1 = l.X(a.amount), y1 = l.Y(a.deviate);
            const double x2 = l.X(b.amount), y2 = l.Y(b.deviate);
            if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
                continue;
            const double length = std::hypot(x2 - x1, y2 - y1);
            double at = 0;
            while (at < length) {
                const bool on = phase < dash;
                const double step = std::min(length - at, on ? dash - phase : dash + gap - phase);
                if (on && step > 0)
                    s.Line(x1 + (x2 - x1) * at / length, y1 + (y2 - y1) * at / length,
                           x1 + (x2 - x1) * (at + step) / length,
                           y1 + (y2 - y1) * (at + step) / length, l.regressionColor);
                at += step;
                phase += step;
                if (phase >= dash + gap)
                    phase = 0;
            }
        }
    }
}

void DrawFitResultLines(hc::Surface& s, const ChartLayout& l, const DistributionFit& fit,
                        const NormalTable& normal) {
    DrawResultBlock(s, l, ResultHeader(fit.kind), FitDesignValues(fit, normal));
}

}  // namespace rain
