#include "waterquality/core/meq.h"

#include <algorithm>

namespace wq {

namespace {
constexpr std::array<double, kScaleCount - 1> kScaleBounds{1.5, 3, 6, 9, 15, 30, 60, 90, 150};
}

ScaleChoice ChooseAutoScale(double largestMeq) {
    for (int i = 0; i < kScaleCount - 1; ++i) {
        if (largestMeq <= kScaleBounds[static_cast<std::size_t>(i)])
            return {kScaleValues[static_cast<std::size_t>(i)], i};
    }
    return {kScaleValues.back(), kScaleCount - 1};
}

int ScaleIndex(double scale) {
    for (int i = 0; i < kScaleCount; ++i)
        if (kScaleValues[static_cast<std::size_t>(i)] == scale)
            return i;
    return -1;
}

IonValues ToMeq(const IonValues& mg) {
    IonValues meq{};
    for (std::size_t k = 0; k < kIonCount; ++k) {
        meq[k] = mg[k] / kIonWeights[k];
        if (kDivalent[k])
            meq[k] *= 2.0;
    }
    return meq;
}

ScaleChoice AutoScaleOf(const std::vector<Composition>& compositions) {
    double largest = 0.0;
    for (const Composition& c : compositions)
        if (c.drawn)
            for (double v : c.meq)
                largest = std::max(largest, v);
    return ChooseAutoScale(largest);
}

void ApplyAutoScale(PlotSettings& settings, const ScaleChoice& choice) {
    for (int c = 1; c <= kMaxColumns; ++c)
        settings.ColumnScale[static_cast<std::size_t>(c)] = choice.AutoScale;
}

PlotValues ComputeSample(const IonValues& m, NitrateType nitrateType, double s) {
    PlotValues v;
    v.qNaK = (m[kK] + m[kNa]) / s;
    v.qCa = m[kCa] / s;
    v.qMg = m[kMg] / s;
    v.qCl = m[kCl] / s;
    v.qHCO3 = m[kHCO3] / s;
    v.qSO4 = m[kSO4] / s;
    switch (nitrateType) {
        case NitrateType::WithChloride:
            v.qN = (m[kNO3] + m[kCl]) / s;
            break;
        case NitrateType::WithSulfate:
            v.qN = (m[kNO3] + m[kSO4]) / s;
            break;
        default:
            v.qN = m[kCl] / s;
            break;
    }
    return v;
}

std::vector<PlotValues> ComputePlotValues(const std::vector<Composition>& compositions,
                                          NitrateType nitrateType, double currentScale) {
    std::vector<PlotValues> out(compositions.size());
    for (std::size_t i = 0; i < compositions.size(); ++i)
        if (compositions[i].drawn)
            out[i] = ComputeSample(compositions[i].meq, nitrateType, currentScale);
    return out;
}

}  // namespace wq
