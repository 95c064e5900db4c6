#include "flowcalc/core/discharge.h"

#include <algorithm>
#include <cmath>

#include "common/core/numbers.h"

namespace flow {

namespace {

// Where the water level crosses segment k (from point k to k + 1).
double Crossing(const CrossSection& s, int k, double level) {
    double x1 = s.X(k), x2 = s.X(k + 1), y1 = s.Y(k), y2 = s.Y(k + 1);
    if (x1 == x2)
        return x1;
    return x1 + (x2 - x1) * (level - y1) / (y2 - y1);
}

void Hydraulics(const CrossSection& s, const FlowParameters& p, double H, WetSection& w) {
    const double h = p.Depth;
    const double Z = s.BedLevel;
    const int a = w.LeftSegment + 1;
    const int b = w.RightSegment;
    // Area between the surface and the bed: the rectangle B x h less the band between the bed
    // and the bed level Z, taken as trapezoids under each wet piece of the bed.
    double below =
        (H + s.Y(a) - 2 * Z) * (s.X(a) - w.xl) / 2 + (H + s.Y(b) - 2 * Z) * (w.xr - s.X(b)) / 2;
    double perimeter =
        std::hypot(s.X(a) - w.xl, s.Y(a) - H) + std::hypot(w.xr - s.X(b), H - s.Y(b));
    for (int k = a; k <= b - 1; ++k) {
        below += (s.Y(k + 1) + s.Y(k) - 2 * Z) * (s.X(k + 1) - s.X(k)) / 2;
        perimeter += std::hypot(s.X(k + 1) - s.X(k), s.Y(k + 1) - s.Y(k));
    }
    w.P = perimeter;
    w.A = w.B * h - below;
    if (w.A < kMinArea) {
        w.A = w.R = w.V = w.Q = 0;
        return;
    }
    w.R = w.A / w.P;
    // Manning's formula in SI form: V = R^(2/3) I^(1/2) / n.
    w.V = std::pow(w.R, 2.0 / 3.0) * std::sqrt(1.0 / p.SlopeDenominator) / p.Roughness;
    w.Q = w.A * w.V;
}

}  // namespace

DischargeResult ComputeDischarge(const CrossSection& s, const FlowParameters& p) {
    DischargeResult r;
    const double H = s.BedLevel + p.Depth;
    r.WaterLevel = H;
    // A point level with the water is dry. Bed level plus depth is a sum of decimals that may
    // land a hair above the bank it was meant to reach (0.1 + 0.2 > 0.3), which would flood a
    // brim-full channel over its banks; such points are taken as level with the water.
    const double dryFrom = H - hc::NoiseMargin(H);
    auto dry = [dryFrom](double y) { return y >= dryFrom; };
    const int n = s.PointCount;
    for (int i = 1; i <= n - 1; ++i) {
        // A left bank: the bed goes down into the water inside the range.
        if (!(s.X(i) >= p.RangeLeft && s.X(i + 1) <= p.RangeRight && dry(s.Y(i)) &&
              !dry(s.Y(i + 1))))
            continue;
        for (int j = i + 1;; ++j) {
            if (j == n)
                break;  // no segment left
            if (s.X(j + 1) > p.RangeRight)
                break;  // the range cuts the wetted part
            if (!dry(s.Y(j)) && dry(s.Y(j + 1))) {
                WetSection w;
                w.LeftSegment = i;
                w.RightSegment = j;
                r.Sections.push_back(w);
                break;
            }
        }
    }
    for (WetSection& w : r.Sections) {
        w.xl = Crossing(s, w.LeftSegment, H);
        w.xr = Crossing(s, w.RightSegment, H);
        w.B = w.xr - w.xl;
        if (w.B >= kMinWidth)
            Hydraulics(s, p, H, w);
        r.TotalDischarge += w.Q;
        if (w.V > r.MaxVelocity)
            r.MaxVelocity = w.V;
        r.TotalWidth += w.B;
    }
    return r;
}

}  // namespace flow
