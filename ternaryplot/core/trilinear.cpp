#include "ternaryplot/core/trilinear.h"

#include "waterquality/core/meq.h"

namespace tri {

FractionTable ComputeFractions(const wq::SampleTable& table, wq::NitrateType nitrateType) {
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
