#include "ternaryplot/core/trilinear.h"

namespace tri {

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
