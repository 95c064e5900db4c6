// The cation and anion proportions of one analysis as the trilinear diagram groups them (Na+K,
// Ca, Mg; chloride group, HCO3, sulfate group under the nitrate type). Shared by the diagram
// and the data check, so that the diamond field named in the check is the field drawn.
#pragma once

#include <array>

#include "waterquality/core/samples.h"

namespace wq {

// Proportions of one sample (0..1). A sum of 0 meq/L leaves its proportions undefined; the
// points that need them are then not drawn (a sample of pure water must not stop the chart).
struct Fractions {
    double CationSum = 0;
    double AnionSum = 0;
    std::array<double, 3> CationFraction{};  // Na+K, Ca, Mg
    std::array<double, 3> AnionFraction{};   // chloride group, HCO3, sulfate group
    bool cationDefined = false;
    bool anionDefined = false;
};

// Proportions of one analysis in meq/L under the nitrate type; carbonate (meq/L, 0 in the
// workbook layout) counts with bicarbonate.
Fractions SampleFractions(const IonValues& meq, NitrateType nitrateType, double co3Meq = 0);

}  // namespace wq
