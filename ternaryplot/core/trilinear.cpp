#include "ternaryplot/core/trilinear.h"

#include "waterquality/core/meq.h"

namespace tri {

using wq::kCa;
using wq::kCl;
using wq::kHCO3;
using wq::kK;
using wq::kMg;
using wq::kNa;
using wq::kNO3;
using wq::kSO4;

Fractions SampleFractions(const wq::IonValues& m, int nitrateType) {
    Fractions f;
    f.CationSum = m[kK] + m[kNa] + m[kCa] + m[kMg];
    double chloride = m[kCl];
    double sulfate = m[kSO4];
    f.AnionSum = m[kCl] + m[kHCO3] + m[kSO4];
    if (nitrateType == wq::kNitrateWithChloride) {
        chloride += m[kNO3];
        f.AnionSum += m[kNO3];
    } else if (nitrateType == wq::kNitrateWithSulfate) {
        sulfate += m[kNO3];
        f.AnionSum += m[kNO3];
    }
    // Written so that a sum of 0 (or no number at all) counts as undefined.
    if (f.CationSum > 0) {
        f.CationFraction = {(m[kK] + m[kNa]) / f.CationSum, m[kCa] / f.CationSum,
                            m[kMg] / f.CationSum};
        f.cationDefined = true;
    }
    if (f.AnionSum > 0) {
        f.AnionFraction = {chloride / f.AnionSum, m[kHCO3] / f.AnionSum, sulfate / f.AnionSum};
        f.anionDefined = true;
    }
    return f;
}

FractionTable ComputeFractions(const wq::SampleTable& table, int nitrateType) {
    FractionTable out{};
    for (int i = 1; i <= table.SampleCount && i <= wq::kMaxSamples; ++i) {
        auto ui = static_cast<std::size_t>(i);
        if (table.SampleValid[ui] >= 1)
            out[ui] = SampleFractions(wq::ToMeq(table.RawMg[ui]), nitrateType);
    }
    return out;
}

Point CationPoint(const Fractions& f) {
    const auto& c = f.CationFraction;
    return {900 - (2 * c[1] + c[2]) * 350, 1700 - c[2] * kHeight};
}

Point AnionPoint(const Fractions& f) {
    const auto& a = f.AnionFraction;
    return {1800 - (2 * a[1] + a[2]) * 350, 1700 - a[2] * kHeight};
}

Point DiamondPoint(const Fractions& f) {
    const auto& c = f.CationFraction;
    const auto& a = f.AnionFraction;
    const double caMg = c[2] + c[1];
    const double clSo4 = a[2] + a[0];
    return {1000 + (clSo4 - caMg) * 350, 920.57714 - (caMg + clSo4 - 1) * kHeight};
}

}  // namespace tri
