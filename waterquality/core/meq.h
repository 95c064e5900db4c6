// Milliequivalents: conversion of the loaded analyses from mg/L to meq/L, the automatic scale
// chosen from the largest value, and the seven plotted quantities under each nitrate type.
#pragma once

#include <array>
#include <vector>

#include "waterquality/core/composition.h"
#include "waterquality/core/samples.h"

namespace wq {

// Atomic or formula weights as the programs divide by them; Ca, Mg and SO4 are doubled after
// the division (divalent ions).
inline constexpr std::array<double, kIonCount> kIonWeights{22.9898, 39.0983, 40.078,  24.305,
                                                           35.4527, 61.0171, 96.0636, 62.0049};
inline constexpr std::array<bool, kIonCount> kDivalent{false, false, true, true,
                                                       false, false, true, false};

// The ten scale values S (meq/L drawn as 3 cm) in menu order, and the menu captions.
inline constexpr int kScaleCount = 10;
inline constexpr std::array<double, kScaleCount> kScaleValues{1.5, 3,  6,  9,   15,
                                                              30,  60, 90, 150, 300};
inline constexpr std::array<const char*, kScaleCount> kScaleCaptions{
    "1cm = 0.5",  "1cm = 1.0",  "1cm = 2.0",  "1cm = 3.0",  "1cm = 5.0",
    "1cm = 10.0", "1cm = 20.0", "1cm = 30.0", "1cm = 50.0", "1cm = 100"};

struct ScaleChoice {
    double AutoScale = 1.5;
    int index = 0;  // menu item index 0..9
};

// The automatic scale for a largest value M (meq/L): the first bound M does not exceed.
ScaleChoice ChooseAutoScale(double largestMeq);

// Menu index of a scale value, -1 when it is none of the ten.
int ScaleIndex(double scale);

// The automatic scale of the drawn samples: from the largest of their meq/L.
ScaleChoice AutoScaleOf(const std::vector<Composition>& compositions);

// After a load: all four column scales become the automatic scale.
void ApplyAutoScale(PlotSettings& settings, const ScaleChoice& choice);

// Meq of one analysis (mg/L in, meq/L out).
IonValues ToMeq(const IonValues& mg);

// Plotted quantities of one sample, each meq/L divided by the current scale.
struct PlotValues {
    double qNaK = 0, qCa = 0, qMg = 0;
    double qCl = 0, qHCO3 = 0, qSO4 = 0;
    double qN = 0;
};

// Plotted quantities of one sample's meq values under the nitrate type and scale.
PlotValues ComputeSample(const IonValues& meq, NitrateType nitrateType, double scale);

// Plotted quantities of every sample, in table order (zero for a sample not drawn).
std::vector<PlotValues> ComputePlotValues(const std::vector<Composition>& compositions,
                                          NitrateType nitrateType, double currentScale);

}  // namespace wq
