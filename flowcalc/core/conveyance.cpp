#include "flowcalc/core/conveyance.h"

#include <algorithm>
#include <cmath>

#include "common/core/language.h"

namespace flow {

namespace {

constexpr double kUsManningFactor = 1.486;
constexpr double kSiGravity = 9.80665;  // m/s2
constexpr double kUsGravity = 32.174;   // ft/s2

double Roughness(const CrossSection& s, const FlowParameters& p, int segment) {
    const auto k = static_cast<std::size_t>(segment - 1);
    return k < s.SegmentN.size() && s.SegmentN[k] > 0 ? s.SegmentN[k] : p.Roughness;
}

// A piece of the bed of one segment under the water level H, from (x1, y1) to (x2, y2).
struct Piece {
    double x1, x2, area, perimeter, n;
    bool wall;    // no width: its perimeter belongs to a neighbour
    bool rising;  // a wall going up, whose foot is on the element before it
};

Piece PieceOf(double x1, double y1, double x2, double y2, double H, double n) {
    const double d1 = std::max(H - y1, 0.0), d2 = std::max(H - y2, 0.0);
    // A wall's wet length goes to the element at its foot, the deeper side.
    const bool wall = !(x2 > x1);
    return Piece{x1,
                 x2,
                 wall ? 0 : (d1 + d2) / 2 * (x2 - x1),
                 std::hypot(x2 - x1, y2 - y1),
                 n,
                 wall,
                 wall && y2 > y1};
}

// The wetted bed of one sub-channel as pieces, walls folded into their neighbours.
std::vector<Piece> PiecesOf(const CrossSection& s, const FlowParameters& p, const WetSection& w,
                            double H) {
    std::vector<Piece> raw;
    const int a = w.LeftSegment + 1, b = w.RightSegment;
    raw.push_back(PieceOf(w.xl, H, s.X(a), s.Y(a), H, Roughness(s, p, w.LeftSegment)));
    for (int k = a; k <= b - 1; ++k)
        raw.push_back(PieceOf(s.X(k), s.Y(k), s.X(k + 1), s.Y(k + 1), H, Roughness(s, p, k)));
    raw.push_back(PieceOf(s.X(b), s.Y(b), w.xr, H, H, Roughness(s, p, b)));
    std::vector<Piece> out;
    double carried = 0, carriedNP = 0;  // a descending wall waits for the piece at its foot
    for (const Piece& q : raw) {
        if (q.wall) {
            if (q.rising && !out.empty()) {
                Piece& prev = out.back();
                prev.n = std::pow(
                    (prev.perimeter * std::pow(prev.n, 1.5) + q.perimeter * std::pow(q.n, 1.5)) /
                        (prev.perimeter + q.perimeter),
                    2.0 / 3.0);
                prev.perimeter += q.perimeter;
            } else {
                carried += q.perimeter;
                carriedNP += q.perimeter * std::pow(q.n, 1.5);
            }
            continue;
        }
        Piece r = q;
        if (carried > 0) {
            r.n = std::pow((r.perimeter * std::pow(r.n, 1.5) + carriedNP) / (r.perimeter + carried),
                           2.0 / 3.0);
            r.perimeter += carried;
            carried = carriedNP = 0;
        }
        out.push_back(r);
    }
    if (carried > 0 && !out.empty()) {
        Piece& last = out.back();
        last.n = std::pow(
            (last.perimeter * std::pow(last.n, 1.5) + carriedNP) / (last.perimeter + carried),
            2.0 / 3.0);
        last.perimeter += carried;
    }
    return out;
}

double Conveyance(double area, double perimeter, double n, double factor) {
    if (!(area > 0 && perimeter > 0 && n > 0))
        return 0;
    return factor / n * area * std::pow(area / perimeter, 2.0 / 3.0);
}

}  // namespace

double ManningFactor(Units u) {
    return u == Units::US ? kUsManningFactor : 1.0;
}

double Gravity(Units u) {
    return u == Units::US ? kUsGravity : kSiGravity;
}

UnitNames AsciiUnits(Units u) {
    return u == Units::US ? UnitNames{"ft", "ft2", "ft/s", "ft3/s"}
                          : UnitNames{"m", "m2", "m/s", "m3/s"};
}

UnitNames WindowUnits(Units u) {
    return u == Units::US ? UnitNames{"ft", "ft2", "ft/sec", "ft3/sec"}
                          : UnitNames{hc::N("ｍ"), hc::N("ｍ2"), hc::N("ｍ/sec"), hc::N("ｍ3/sec")};
}

const char* UnitsName(Units u) {
    return u == Units::US ? "US" : "SI";
}

const char* MethodName(ConveyanceMethod m) {
    return m == ConveyanceMethod::Parts ? "parts" : "subdivided";
}

SectionFlow ComputeSectionFlow(const CrossSection& s, const FlowParameters& p, double depth) {
    FlowParameters at = p;
    at.Depth = depth;
    SectionFlow f;
    f.Depth = depth;
    f.Channels = ComputeDischarge(s, at);
    f.Level = f.Channels.WaterLevel;
    f.TopWidth = f.Channels.TotalWidth;
    const double factor = ManningFactor(p.Unit);
    const double root = std::sqrt(1.0 / p.SlopeDenominator);
    Subdivision main{0, 0, 0, 0, 0, 0, 0, true};
    double mainNP = 0;  // sum P_i n_i^1.5 of the main channel's pieces
    for (std::size_t c = 0; c < f.Channels.Sections.size(); ++c) {
        const WetSection& w = f.Channels.Sections[c];
        if (p.Method == ConveyanceMethod::Parts) {
            // The sub-channel whole: in metres its discharge is the main sheet's own.
            Subdivision d{static_cast<int>(c), w.xl, w.xr, w.A, w.P, p.Roughness, 0, false};
            d.Conveyance =
                p.Unit == Units::SI ? w.Q / root : Conveyance(w.A, w.P, p.Roughness, factor);
            f.Parts.push_back(d);
            continue;
        }
        if (w.A <= 0)
            continue;  // dry or too narrow: no flow, as on the main sheet
        for (const Piece& q : PiecesOf(s, p, w, f.Level)) {
            const double mid = (q.x1 + q.x2) / 2;
            if (p.Banks.Set && mid >= p.Banks.Left && mid <= p.Banks.Right) {
                // The main channel is one element, whatever bars part its water.
                if (!(main.Perimeter > 0)) {
                    main.Channel = static_cast<int>(c);
                    main.Left = q.x1;
                }
                main.Right = q.x2;
                main.Area += q.area;
                main.Perimeter += q.perimeter;
                mainNP += q.perimeter * std::pow(q.n, 1.5);
                continue;
            }
            f.Parts.push_back(Subdivision{static_cast<int>(c), q.x1, q.x2, q.area, q.perimeter, q.n,
                                          Conveyance(q.area, q.perimeter, q.n, factor), false});
        }
    }
    if (main.Perimeter > 0) {
        main.Roughness = std::pow(mainNP / main.Perimeter, 2.0 / 3.0);
        main.Conveyance = Conveyance(main.Area, main.Perimeter, main.Roughness, factor);
        f.Parts.push_back(main);
    }
    double energy = 0;  // sum K_i^3 / A_i^2
    for (const Subdivision& d : f.Parts) {
        f.Area += d.Area;
        f.Perimeter += d.Perimeter;
        f.Conveyance += d.Conveyance;
        if (d.Area > 0)
            energy += d.Conveyance * d.Conveyance * d.Conveyance / (d.Area * d.Area);
    }
    f.Discharge = f.Conveyance * root;
    if (p.Method == ConveyanceMethod::Parts && p.Unit == Units::SI)
        f.Discharge = f.Channels.TotalDischarge;  // the sheet's own sum, to the last digit
    if (f.Area > 0) {
        f.Velocity = f.Discharge / f.Area;
        const double whole = f.Conveyance * f.Conveyance * f.Conveyance / (f.Area * f.Area);
        if (whole > 0)
            f.Alpha = energy / whole;
    }
    return f;
}

bool UsesSectionRoughness(const CrossSection& s, const FlowParameters& p) {
    return p.Method == ConveyanceMethod::Subdivided && !s.SegmentN.empty();
}

std::vector<CompositeRoughness> ComputeCompositeRoughness(const CrossSection& s,
                                                          const FlowParameters& p) {
    const DischargeResult r = ComputeDischarge(s, p);
    std::vector<CompositeRoughness> out;
    for (const WetSection& w : r.Sections) {
        CompositeRoughness c;
        if (w.A > 0) {
            double np = 0, perimeter = 0, area = 0, lotter = 0;
            // Lotter's subareas are the zones of one n, not every surveyed point.
            double zoneA = 0, zoneP = 0, zoneN = 0;
            auto closeZone = [&] {
                if (zoneA > 0 && zoneP > 0)
                    lotter += zoneP * std::pow(zoneA / zoneP, 5.0 / 3.0) / zoneN;
                zoneA = zoneP = 0;
            };
            for (const Piece& q : PiecesOf(s, p, w, r.WaterLevel)) {
                np += q.perimeter * std::pow(q.n, 1.5);
                perimeter += q.perimeter;
                area += q.area;
                if (zoneP > 0 && std::fabs(q.n - zoneN) > 1e-9 * zoneN)
                    closeZone();
                zoneN = q.n;
                zoneA += q.area;
                zoneP += q.perimeter;
            }
            closeZone();
            c.HortonEinstein = std::pow(np / perimeter, 2.0 / 3.0);
            if (lotter > 0)
                c.Lotter = perimeter * std::pow(area / perimeter, 5.0 / 3.0) / lotter;
        }
        out.push_back(c);
    }
    return out;
}

}  // namespace flow
