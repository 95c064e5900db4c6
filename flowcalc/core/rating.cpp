#include "flowcalc/core/rating.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/core/numbers.h"
#include "flowcalc/core/energy.h"
#include "flowcalc/core/flow_app.h"
#include "flowcalc/core/messages.h"

namespace flow {

namespace {

// Depths of the scan that brackets a normal depth: evenly spaced, plus every surveyed elevation
// in between, where the section's shape changes.
constexpr int kScanSteps = 1000;
constexpr double kDepthTolerance = 1e-9;  // m, where the bisection stops

hc::Error Refused(hc::ErrorKind kind, std::string en, std::string ja) {
    return hc::FileError(kind, {}, std::move(ja), std::move(en));
}

}  // namespace

hc::Result<double> BankFullDepth(const CrossSection& s, const FlowParameters& p) {
    if (!RoughnessAndSlopeUsable(p))
        return Refused(hc::ErrorKind::BadValue,
                       "the roughness must be above 0 and the slope denominator at least 1",
                       text::kParametersUnusable);
    const std::optional<BankTops> tops = FindBankTops(s, p);
    if (!tops)
        return Refused(hc::ErrorKind::Unusable, "no surveyed point lies inside the analysis range",
                       text::kNoBank);
    if (tops->Lower() <= tops->Bed)
        return Refused(hc::ErrorKind::Unusable,
                       std::string("the section has no ground above its bed on the ") +
                           (tops->Left <= tops->Bed ? "left" : "right") +
                           " inside the analysis range",
                       text::kNoBank);
    return tops->Lower() - s.BedLevel;
}

namespace {

// Three significant figures, rounded up.
std::string SignificantUp(double v) {
    if (!(v > 0) || !std::isfinite(v))
        return hc::DoubleToText(v);
    const double unit = std::pow(10.0, std::floor(std::log10(v)) - 2);
    // The standard text, not %.3g, which would write 999.6 rounded up as "1e+03".
    return hc::DoubleToText(std::ceil(v / unit) * unit);
}

}  // namespace

double FroudeNumber(double V, double A, double B) {
    if (!(A > 0 && B > 0))
        return 0;
    return V / std::sqrt(kGravity * A / B);
}

FlowRegime RegimeOf(double froude) {
    if (!(froude > 0))
        return FlowRegime::None;
    if (froude < 1)
        return FlowRegime::Subcritical;
    if (froude > 1)
        return FlowRegime::Supercritical;
    return FlowRegime::Critical;
}

const char* RegimeName(FlowRegime r) {
    switch (r) {
        case FlowRegime::None:
            return "none";
        case FlowRegime::Subcritical:
            return "subcritical";
        case FlowRegime::Critical:
            return "critical";
        case FlowRegime::Supercritical:
            return "supercritical";
    }
    return "none";
}

std::vector<SubChannelFroude> ComputeFroude(const DischargeResult& r) {
    std::vector<SubChannelFroude> out;
    for (const WetSection& w : r.Sections) {
        const double fr = FroudeNumber(w.V, w.A, w.B);
        out.push_back({fr, RegimeOf(fr)});
    }
    return out;
}

std::optional<BankTops> FindBankTops(const CrossSection& s, const FlowParameters& p) {
    std::vector<int> inRange;
    for (int k = 1; k <= s.PointCount; ++k)
        if (s.X(k) >= p.RangeLeft && s.X(k) <= p.RangeRight)
            inRange.push_back(k);
    if (inRange.empty())
        return std::nullopt;
    std::size_t bed = 0;
    for (std::size_t i = 1; i < inRange.size(); ++i)
        if (s.Y(inRange[i]) < s.Y(inRange[bed]))
            bed = i;
    BankTops t;
    t.Bed = t.Left = t.Right = s.Y(inRange[bed]);
    for (std::size_t i = 0; i < inRange.size(); ++i) {
        const double y = s.Y(inRange[i]);
        if (i <= bed)
            t.Left = std::max(t.Left, y);
        if (i >= bed)
            t.Right = std::max(t.Right, y);
    }
    return t;
}

RatingRow RatingRowAt(const CrossSection& s, const FlowParameters& p, double depth) {
    const SectionFlow f = ComputeSectionFlow(s, p, depth);
    RatingRow row;
    row.Depth = depth;
    row.Level = f.Level;
    row.Area = f.Area;
    row.Perimeter = f.Perimeter;
    row.TopWidth = f.TopWidth;
    row.Discharge = f.Discharge;
    row.Velocity = f.Velocity;
    row.Alpha = f.Alpha;
    // A section cut into elements is judged by its specific energy; a sub-channel kept whole,
    // by the velocity against the wave speed at the hydraulic depth.
    row.Froude = p.Method == ConveyanceMethod::Subdivided
                     ? CompoundFroude(s, p, row.Discharge, depth)
                 : row.Area > 0 && row.TopWidth > 0
                     ? row.Velocity / std::sqrt(Gravity(p.Unit) * row.Area / row.TopWidth)
                     : 0;
    return row;
}

hc::Result<RatingCurve> ComputeRatingCurve(const CrossSection& s, const FlowParameters& p,
                                           double step) {
    const hc::Result<double> full = BankFullDepth(s, p);
    if (!full)
        return full.error();
    if (!(step > 0 && std::isfinite(step)))
        return Refused(hc::ErrorKind::BadValue, "the stage step must be above 0 m",
                       text::kStepInvalid);
    // Stages k x step; one that lands within rounding of the bank top is the bank top.
    const double close = hc::NoiseMargin(*full);
    const double steps = std::floor((*full + close) / step);
    if (steps + 2 > kMaxRatingRows)
        return Refused(hc::ErrorKind::BadValue,
                       "a stage step of " + hc::DoubleToText(step) + " m gives more than " +
                           std::to_string(kMaxRatingRows) + " rows up to the bank top",
                       text::kStepInvalid);
    RatingCurve c;
    c.BedLevel = s.BedLevel;
    c.BankTop = s.BedLevel + *full;
    c.Step = step;
    c.Unit = p.Unit;
    c.SectionRoughness = UsesSectionRoughness(s, p);
    for (int k = 0; k <= static_cast<int>(steps); ++k) {
        double depth = k * step;
        if (std::fabs(depth - *full) <= close)
            depth = *full;
        c.Rows.push_back(RatingRowAt(s, p, depth));
    }
    if (c.Rows.back().Depth < *full)
        c.Rows.push_back(RatingRowAt(s, p, *full));
    return c;
}

hc::Result<NormalDepth> ComputeNormalDepth(const CrossSection& s, const FlowParameters& p,
                                           double Q) {
    if (!(Q > 0 && std::isfinite(Q)))
        return Refused(hc::ErrorKind::BadValue, "the discharge must be above 0 m3/s",
                       text::kDischargeInvalid);
    const hc::Result<double> full = BankFullDepth(s, p);
    if (!full)
        return full.error();
    NormalDepth out;
    out.BankFullDepth = *full;
    const bool us = p.Unit == Units::US;
    const UnitNames en = AsciiUnits(p.Unit), ja = WindowUnits(p.Unit);
    auto discharge = [&](double depth) { return ComputeSectionFlow(s, p, depth).Discharge; };
    // The discharge need not rise everywhere with the depth (a sub-channel joining another or
    // spilling onto a flat bank loses conveyance), so the scan looks for the first depth that
    // carries Q rather than bisecting over the whole height at once.
    std::vector<double> depths;
    for (int j = 0; j <= kScanSteps; ++j)
        depths.push_back(*full * j / kScanSteps);
    for (double y : s.PointY)
        if (y - s.BedLevel > 0 && y - s.BedLevel < *full)
            depths.push_back(y - s.BedLevel);
    std::sort(depths.begin(), depths.end());
    std::size_t first = 0;
    for (std::size_t i = 0; i < depths.size(); ++i) {
        const double q = discharge(depths[i]);
        out.Capacity = std::max(out.Capacity, q);
        if (first == 0 && q >= Q)
            first = i;
    }
    if (first == 0) {
        // To the litre per second: enough to choose a discharge that fits.
        const std::string cap = hc::DoubleToText(std::round(out.Capacity * 1000) / 1000);
        return Refused(hc::ErrorKind::BadValue,
                       "a discharge of " + hc::DoubleToText(Q) + " " + en.Discharge +
                           " exceeds the " + cap + " " + en.Discharge +
                           " the section carries below its lower bank top (level " +
                           hc::DoubleToText(s.BedLevel + *full) + " " + en.Length + ")",
                       std::string(text::kAboveBankFull) + cap +
                           (us ? " ft3／sec を超えています" : text::kAboveBankFullUnit));
    }
    double lo = depths[first - 1], hi = depths[first];
    for (int i = 0; i < 200 && hi - lo > kDepthTolerance; ++i) {
        const double mid = (lo + hi) / 2;
        if (discharge(mid) >= Q)
            hi = mid;
        else
            lo = mid;
    }
    if (hi < kMinDepth) {
        // Shallower than the program computes at: say which discharge the minimum depth takes,
        // rounded up so that the figure shown is accepted.
        const std::string least = SignificantUp(discharge(kMinDepth));
        const std::string minimum = hc::DoubleToText(kMinDepth);
        return Refused(hc::ErrorKind::BadValue,
                       "a discharge of " + hc::DoubleToText(Q) + " " + en.Discharge +
                           " flows below the least depth of " + minimum + " " + en.Length + " (" +
                           least + " " + en.Discharge + " flows at " + minimum + " " + en.Length +
                           ")",
                       "この流量では水深が最小の " + minimum + " " + ja.Length +
                           " より浅くなります\r水深 " + minimum + " " + ja.Length +
                           " で流れる流量は " + least + (us ? " ft3／sec です" : " ｍ3／sec です"));
    }
    out.Depth = hi;
    FlowParameters at = p;
    at.Depth = hi;
    out.Result = ComputeDischarge(s, at);
    out.Level = out.Result.WaterLevel;
    return out;
}

Computation NormalDepthComputation(const CrossSection& s, const ChartScales& scales,
                                   const FlowParameters& p, const NormalDepth& n) {
    Computation c;
    c.Section = s;
    c.Scales = scales;
    c.Parameters = p;
    c.Parameters.Depth = n.Depth;
    c.Result = n.Result;
    return c;
}

}  // namespace flow
