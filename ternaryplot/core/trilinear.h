// The trilinear diagram's numbers: the cation and anion proportions of each sample and where
// they fall in the diagram's own units (side 700, origin top left, y downwards), shared by the
// screen picture and the printed sheet.
#pragma once

#include <array>

#include "common/core/surface.h"
#include "waterquality/core/fractions.h"
#include "waterquality/core/samples.h"

namespace tri {

// The root of three as the diagram's heights are built from it.
inline constexpr double kSqrt3 = 1.7320508;
inline constexpr double kSide = 700;
inline constexpr double kHeight = kSide * kSqrt3 / 2;  // 606.21778

struct Point {
    double x = 0;
    double y = 0;
};

// The proportions are formed in waterquality, where the data check names the diamond field.
using Fractions = wq::Fractions;
using wq::SampleFractions;

// The three points of a sample in diagram units.
Point CationPoint(const Fractions& f);
Point AnionPoint(const Fractions& f);
Point DiamondPoint(const Fractions& f);

// The 16-colour palette of the marks.
inline hc::Color PaletteColor(int index) {
    return hc::QBColor(index);
}

}  // namespace tri
