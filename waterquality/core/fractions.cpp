#include "waterquality/core/fractions.h"

namespace wq {

Fractions SampleFractions(const IonValues& m, NitrateType nitrateType, double co3Meq) {
    Fractions f;
    f.CationSum = m[kK] + m[kNa] + m[kCa] + m[kMg];
    double chloride = m[kCl];
    double sulfate = m[kSO4];
    const double carbonate = m[kHCO3] + co3Meq;
    f.AnionSum = m[kCl] + carbonate + m[kSO4];
    if (nitrateType == NitrateType::WithChloride) {
        chloride += m[kNO3];
        f.AnionSum += m[kNO3];
    } else if (nitrateType == NitrateType::WithSulfate) {
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
        f.AnionFraction = {chloride / f.AnionSum, carbonate / f.AnionSum, sulfate / f.AnionSum};
        f.anionDefined = true;
    }
    return f;
}

}  // namespace wq
