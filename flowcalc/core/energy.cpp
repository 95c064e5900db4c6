#include "flowcalc/core/energy.h"

#include <algorithm>
#include <cmath>

#include "flowcalc/core/messages.h"
#include "flowcalc/core/rating.h"

namespace flow {

namespace {

constexpr int kScanSteps = 2000;   // depths scanned for minima of E
constexpr int kTracePoints = 400;  // the chart's line
constexpr double kDepthTolerance = 1e-9;
constexpr double kSlopeStep = 1e-5;  // of the central difference dE/dy, relative

double Energy(const SectionFlow& f, double Q, double g) {
    if (!(f.Area > 0))
        return HUGE_VAL;
    const double v = Q / f.Area;
    return f.Depth + f.Alpha * v * v / (2 * g);
}

EnergyRow RowAt(const CrossSection& s, const FlowParameters& p, double Q, double depth) {
    const SectionFlow f = ComputeSectionFlow(s, p, depth);
    EnergyRow r;
    r.Depth = depth;
    r.Level = f.Level;
    r.Area = f.Area;
    r.TopWidth = f.TopWidth;
    r.Alpha = f.Alpha;
    r.Velocity = f.Area > 0 ? Q / f.Area : 0;
    r.Energy = Energy(f, Q, Gravity(p.Unit));
    r.Froude = CompoundFroude(s, p, Q, depth);
    return r;
}

}  // namespace

double SpecificEnergy(const CrossSection& s, const FlowParameters& p, double Q, double depth) {
    return Energy(ComputeSectionFlow(s, p, depth), Q, Gravity(p.Unit));
}

double CompoundFroude(const CrossSection& s, const FlowParameters& p, double Q, double depth) {
    if (!(Q > 0 && depth > 0))
        return 0;
    const double h = kSlopeStep * std::max(depth, 1.0);
    const double lo = std::max(depth - h, depth / 2);
    const double e1 = SpecificEnergy(s, p, Q, lo), e2 = SpecificEnergy(s, p, Q, depth + h);
    if (!std::isfinite(e1) || !std::isfinite(e2))
        return 0;
    const double slope = (e2 - e1) / (depth + h - lo);
    return slope < 1 ? std::sqrt(1 - slope) : 0;
}

hc::Result<EnergyCurve> ComputeEnergyCurve(const CrossSection& s, const FlowParameters& p, double Q,
                                           double step) {
    if (!(Q > 0 && std::isfinite(Q)))
        return hc::FileError(hc::ErrorKind::BadValue, {}, text::kDischargeInvalid,
                             "the discharge must be above 0");
    const hc::Result<double> full = BankFullDepth(s, p);
    if (!full)
        return full.error();
    if (!(step > 0 && std::isfinite(step)) || *full / step + 2 > kMaxRatingRows)
        return hc::FileError(hc::ErrorKind::BadValue, {}, text::kStepInvalid,
                             "the depth step must be above 0 and give at most " +
                                 std::to_string(kMaxRatingRows) + " rows up to the bank top");
    EnergyCurve c;
    c.Discharge = Q;
    c.BedLevel = s.BedLevel;
    c.BankTop = s.BedLevel + *full;
    c.Step = step;
    c.Unit = p.Unit;
    c.SectionRoughness = UsesSectionRoughness(s, p);
    const double g = Gravity(p.Unit);
    auto energy = [&](double y) { return SpecificEnergy(s, p, Q, y); };
    // Minima of E: a scan (evenly spaced, and every surveyed elevation, where the shape
    // changes), then a golden-section search inside each bracket.
    std::vector<double> depths;
    for (int j = 1; j <= kScanSteps; ++j)
        depths.push_back(*full * j / kScanSteps);
    for (double y : s.PointY)
        if (y - s.BedLevel > 0 && y - s.BedLevel < *full)
            depths.push_back(y - s.BedLevel);
    std::sort(depths.begin(), depths.end());
    depths.erase(std::unique(depths.begin(), depths.end()), depths.end());
    std::vector<double> e;
    for (double y : depths)
        e.push_back(energy(y));
    const double phi = (std::sqrt(5.0) - 1) / 2;
    for (std::size_t i = 1; i + 1 < depths.size(); ++i) {
        if (!(e[i] < e[i - 1] && e[i] <= e[i + 1]))
            continue;
        double a = depths[i - 1], b = depths[i + 1];
        double x1 = b - phi * (b - a), x2 = a + phi * (b - a);
        double f1 = energy(x1), f2 = energy(x2);
        while (b - a > kDepthTolerance) {
            if (f1 <= f2) {
                b = x2;
                x2 = x1;
                f2 = f1;
                x1 = b - phi * (b - a);
                f1 = energy(x1);
            } else {
                a = x1;
                x1 = x2;
                f1 = f2;
                x2 = a + phi * (b - a);
                f2 = energy(x2);
            }
        }
        const double y = (a + b) / 2;
        const SectionFlow f = ComputeSectionFlow(s, p, y);
        if (c.Critical.empty() || y - c.Critical.back().Depth > 1e-6)
            c.Critical.push_back({y, f.Level, Energy(f, Q, g), f.Alpha});
    }
    const double close = 1e-9 * std::max(*full, 1.0);
    const int steps = static_cast<int>(std::floor((*full + close) / step));
    std::vector<double> tabulated;
    for (int k = 1; k <= steps; ++k)
        tabulated.push_back(std::min(k * step, *full));
    if (tabulated.empty() || tabulated.back() < *full - close)
        tabulated.push_back(*full);
    for (double y : tabulated)
        c.Rows.push_back(RowAt(s, p, Q, y));
    for (const CriticalDepth& cd : c.Critical) {
        EnergyRow r = RowAt(s, p, Q, cd.Depth);
        r.Critical = true;
        c.Rows.push_back(r);
    }
    std::stable_sort(c.Rows.begin(), c.Rows.end(),
                     [](const EnergyRow& a, const EnergyRow& b) { return a.Depth < b.Depth; });
    for (int j = 1; j <= kTracePoints; ++j) {
        const double y = *full * j / kTracePoints;
        const SectionFlow f = ComputeSectionFlow(s, p, y);
        EnergyRow r;
        r.Depth = y;
        r.Level = f.Level;
        r.Energy = Energy(f, Q, g);
        c.Trace.push_back(r);
    }
    for (const CriticalDepth& cd : c.Critical) {
        EnergyRow r;
        r.Depth = cd.Depth;
        r.Level = cd.Level;
        r.Energy = cd.Energy;
        r.Critical = true;
        c.Trace.push_back(r);
    }
    std::stable_sort(c.Trace.begin(), c.Trace.end(),
                     [](const EnergyRow& a, const EnergyRow& b) { return a.Depth < b.Depth; });
    return c;
}

}  // namespace flow
