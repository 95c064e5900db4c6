#include "wqplot/core/piper_chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "common/core/numbers.h"
#include "waterquality/core/ion_label.h"

namespace wqp {

namespace {

constexpr double kH = kTriangleHeight;
// Corners, diagram units.
constexpr Pt kCa{0, 0}, kNaK{1, 0}, kMg{0.5, kH};
constexpr Pt kHCO3{1 + kPiperGap, 0}, kCl{2 + kPiperGap, 0}, kSO4{1.5 + kPiperGap, kH};
constexpr Pt kBottom{1 + kPiperGap / 2, kPiperGap* kH};
constexpr Pt kLeft{kBottom.x - 0.5, kBottom.y + kH};
constexpr Pt kTop{kBottom.x, kBottom.y + 2 * kH};
constexpr Pt kRight{kBottom.x + 0.5, kBottom.y + kH};

Pt Mix(const Pt& a, const Pt& b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}
Pt Bary(const Pt& p0, const Pt& p1, const Pt& p2, double w1, double w2) {
    return {p0.x + (p1.x - p0.x) * w1 + (p2.x - p0.x) * w2,
            p0.y + (p1.y - p0.y) * w1 + (p2.y - p0.y) * w2};
}
// A point of the diamond: a the Na+K share, b the chloride and sulfate share.
Pt DiamondAt(double a, double b) {
    return {kLeft.x + 0.5 * a + 0.5 * b, kLeft.y - kH * a + kH * b};
}

void Seg(hc::Surface& s, const PiperFrame& f, const Pt& a, const Pt& b) {
    s.Line(f.X(a.x), f.Y(a.y), f.X(b.x), f.Y(b.y));
}

// Lines of every 10 % in a triangle: constant share of each corner.
void TriangleGrid(hc::Surface& s, const PiperFrame& f, const Pt& p0, const Pt& p1, const Pt& p2) {
    for (int i = 1; i < 10; ++i) {
        const double t = i / 10.0;
        Seg(s, f, Mix(p0, p1, t), Mix(p0, p2, t));
        Seg(s, f, Mix(p1, p0, t), Mix(p1, p2, t));
        Seg(s, f, Mix(p2, p0, t), Mix(p2, p1, t));
    }
}

void Outline(hc::Surface& s, const PiperFrame& f, std::initializer_list<Pt> pts) {
    const Pt* prev = nullptr;
    for (const Pt& p : pts) {
        if (prev)
            Seg(s, f, *prev, p);
        prev = &p;
    }
}

std::string Percent(int i) {
    return std::to_string(i);
}

std::string ChlorideLabel(wq::NitrateType t) {
    return t == wq::NitrateType::WithChloride ? "Cl+NO " : "Cl";
}
std::string SulfateLabel(wq::NitrateType t) {
    return t == wq::NitrateType::WithSulfate ? "SO +NO " : "SO ";
}
std::string StrongLabel(wq::NitrateType t) {
    return t == wq::NitrateType::None ? "Cl+SO " : "Cl+SO +NO ";
}

void Ticks(hc::Surface& s, const ChartMedia& m, const PiperFrame& f, wq::NitrateType nitrate) {
    s.SetFontSize(m.tickSize);
    const double th = s.TextHeight("0");
    const double gap = th * 0.3;
    for (int i = 20; i <= 80; i += 20) {
        const double t = i / 100.0;
        // Cation base: Ca, 100 at the left corner. Left side: Mg upwards.
        Pt p = Mix(kNaK, kCa, t);
        TextCentred(s, f.X(p.x), f.Y(p.y) + gap, Percent(i));
        p = Mix(kCa, kMg, t);
        TextRight(s, f.X(p.x) - gap, f.Y(p.y) - th / 2, Percent(i));
        // Anion base: Cl to the right. Right side: SO4 upwards.
        p = Mix(kHCO3, kCl, t);
        TextCentred(s, f.X(p.x), f.Y(p.y) + gap, Percent(i));
        p = Mix(kCl, kSO4, t);
        TextAt(s, f.X(p.x) + gap, f.Y(p.y) - th / 2, Percent(i));
        // Diamond, upper sides: the strong acids up the left, Ca+Mg up the right.
        p = Mix(kLeft, kTop, t);
        TextRight(s, f.X(p.x) - gap, f.Y(p.y) - th / 2, Percent(i));
        p = Mix(kRight, kTop, t);
        TextAt(s, f.X(p.x) + gap, f.Y(p.y) - th / 2, Percent(i));
    }
    // Axis names, each beside the middle of its side, outside the ticks.
    s.SetFontSize(m.textSize);
    const double lh = s.TextHeight("Ca");
    const double tickW = s.TextWidth("00") * m.tickSize / m.textSize;
    Pt p = Mix(kCa, kNaK, 0.5);
    TextCentred(s, f.X(p.x), f.Y(p.y) + gap + th * 1.1, "Ca");
    p = Mix(kHCO3, kCl, 0.5);
    IonLabelCentred(s, m, f.X(p.x), f.Y(p.y) + gap + th * 1.1, ChlorideLabel(nitrate));
    p = Mix(kCa, kMg, 0.5);
    TextRight(s, f.X(p.x) - gap * 2 - tickW, f.Y(p.y) - lh / 2, "Mg");
    p = Mix(kCl, kSO4, 0.5);
    wq::PrintIonLabel(s, f.X(p.x) + gap * 2 + tickW, f.Y(p.y) - lh / 2, SulfateLabel(nitrate),
                      m.subscriptSize, 0.45);
    p = Mix(kLeft, kTop, 0.5);
    const std::string strong = StrongLabel(nitrate);
    wq::PrintIonLabel(s, f.X(p.x) - gap * 2 - tickW - s.TextWidth(strong), f.Y(p.y) - lh / 2,
                      strong, m.subscriptSize, 0.45);
    p = Mix(kRight, kTop, 0.5);
    TextAt(s, f.X(p.x) + gap * 2 + tickW, f.Y(p.y) - lh / 2, "Ca+Mg");
    // The two corners no side names: Na+K and HCO3+CO3, on the line of the base names, each
    // reaching away from the gap between the triangles so that they never meet.
    const double nameY = f.Y(kNaK.y) + gap + th * 1.1;
    TextRight(s, f.X(kNaK.x), nameY, "Na+K");
    wq::PrintIonLabel(s, f.X(kHCO3.x), nameY, "HCO +CO ", m.subscriptSize, 0.45);
}

void FieldLines(hc::Surface& s, const ChartMedia& m, const PiperFrame& f) {
    s.SetDrawWidth(m.frameWidth);
    s.SetForeColor(hc::Color{90, 90, 90});
    for (const auto& [p0, p1, p2] :
         {std::array<Pt, 3>{kCa, kNaK, kMg}, std::array<Pt, 3>{kHCO3, kCl, kSO4}}) {
        const Pt a = Mix(p0, p1, 0.5), b = Mix(p1, p2, 0.5), c = Mix(p2, p0, 0.5);
        Outline(s, f, {a, b, c, a});
    }
    Seg(s, f, DiamondAt(0.5, 0), DiamondAt(0.5, 1));
    Seg(s, f, DiamondAt(0, 0.5), DiamondAt(1, 0.5));
    s.SetForeColor(hc::kBlack);
    s.SetFontSize(m.tickSize);
    const double th = s.TextHeight("Ca");
    const struct {
        double a, b;
        const char* name;
    } names[] = {{0.25, 0.25, "Ca-Mg-HCO "},
                 {0.25, 0.75, "Ca-Mg-Cl/SO "},
                 {0.75, 0.75, "Na-Cl/SO "},
                 {0.75, 0.25, "Na-HCO "}};
    for (const auto& n : names) {
        const Pt p = DiamondAt(n.a, n.b);
        IonLabelCentred(s, m, f.X(p.x), f.Y(p.y) - th / 2, n.name);
    }
}

}  // namespace

Pt PiperCationPoint(const wq::Fractions& f) {
    return Bary(kCa, kNaK, kMg, f.CationFraction[0], f.CationFraction[2]);
}

Pt PiperAnionPoint(const wq::Fractions& f) {
    return Bary(kHCO3, kCl, kSO4, f.AnionFraction[0], f.AnionFraction[2]);
}

Pt PiperDiamondPoint(const wq::Fractions& f) {
    return DiamondAt(f.CationFraction[0], f.AnionFraction[0] + f.AnionFraction[2]);
}

std::vector<double> RoundLegendValues(double largest) {
    std::vector<double> out;
    if (!(largest > 0) || !std::isfinite(largest))
        return out;
    double v = std::pow(10.0, std::floor(std::log10(largest)));
    for (double step : {5.0, 2.0})
        if (v * step <= largest * (1 + hc::kDecimalNoise)) {
            v *= step;
            break;
        }
    // v is now the largest 1, 2 or 5 x 10^n not above `largest`.
    for (int n = 0; n < 3 && v > 0; ++n) {
        out.push_back(v);
        const double e = std::pow(10.0, std::floor(std::log10(v) + 1e-9));
        const double lead = std::round(v / e);
        // 5 -> 1, 2 -> 0.5, 1 -> 0.2: a quarter to a fifth of the area each time.
        v = lead == 5 ? e : lead == 2 ? e / 2 : e / 5;
    }
    return out;
}

PiperModel BuildPiperModel(const wq::SampleModel& samples, const wq::PlotSettings& settings) {
    const wq::SampleTable& table = samples.table;
    const std::vector<wq::Composition>& compositions = samples.compositions;
    PiperModel model;
    model.nitrate = settings.NitrateType == wq::NitrateType::Unset ? wq::NitrateType::None
                                                                   : settings.NitrateType;
    model.options = settings.Diagram;
    model.styles = AssignStyles(table);
    const std::size_t n = std::min(table.samples.size(), compositions.size());
    model.points.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const wq::Composition& c = compositions[i];
        if (!c.drawn)
            continue;
        const wq::Fractions& f = wq::SharesUnder(c, model.nitrate);
        if (!f.cationDefined || !f.anionDefined) {
            ++model.leftOut;
            continue;
        }
        PiperPoint p;
        p.sample = static_cast<int>(i) + 1;
        p.style = model.styles.styleOf[i];
        p.cation = PiperCationPoint(f);
        p.anion = PiperAnionPoint(f);
        p.diamond = PiperDiamondPoint(f);
        p.tdsRadius = c.tds > 0 ? c.tds : 0;  // TDS for now; radius below
        if (model.options.labels)
            p.name = table.samples[i].name;
        model.tdsMax = std::max(model.tdsMax, p.tdsRadius);
        model.points.push_back(std::move(p));
    }
    for (PiperPoint& p : model.points)
        p.tdsRadius = model.tdsMax > 0 ? kMaxTdsRadius * std::sqrt(p.tdsRadius / model.tdsMax) : 0;
    model.tdsLegend = RoundLegendValues(model.tdsMax);
    return model;
}

void DrawPiper(hc::Surface& s, const PiperModel& model, const ChartMedia& m) {
    BeginChart(s, m);
    const Box box = PlotBox(m);
    s.SetFontSize(m.tickSize);
    const double th = s.TextHeight("0");
    s.SetFontSize(m.textSize);
    // The outer sides' names and ticks stand beside the triangles; the diamond's upper side
    // names stand over the empty corners above the triangles.
    // A side's name stands at the middle of its side, a quarter of a triangle's side in from
    // the diagram's outer corner: only what reaches beyond that needs room at the sides.
    const double sideLabel = s.TextWidth("Cl+SO +NO ") + 3 * th;
    const double bottomRoom = th * 3.2;
    const double topRoom = th * 1.5;
    PiperFrame f;
    const double high = (box.Height() - bottomRoom - topRoom) / kPiperHeight;
    f.k = std::min(box.Width() / kPiperWidth, high);
    for (int pass = 0; pass < 2; ++pass) {
        const double sideRoom = std::max(0.0, sideLabel - 0.25 * f.k);
        f.k = std::min((box.Width() - 2 * sideRoom) / kPiperWidth, high);
    }
    f.x0 = box.left + (box.Width() - f.k * kPiperWidth) / 2;
    const double spare = box.Height() - bottomRoom - topRoom - f.k * kPiperHeight;
    // On screen the diagram stands in the middle; on paper at the top, the legend below it.
    f.y0 = box.top + topRoom + f.k * kPiperHeight + (m.paper ? 0 : spare / 2);

    s.SetDrawWidth(m.gridWidth);
    s.SetForeColor(m.grid);
    TriangleGrid(s, f, kCa, kNaK, kMg);
    TriangleGrid(s, f, kHCO3, kCl, kSO4);
    for (int i = 1; i < 10; ++i) {
        const double t = i / 10.0;
        Seg(s, f, DiamondAt(t, 0), DiamondAt(t, 1));
        Seg(s, f, DiamondAt(0, t), DiamondAt(1, t));
    }
    s.SetForeColor(hc::kBlack);
    if (model.options.fields)
        FieldLines(s, m, f);
    s.SetDrawWidth(m.frameWidth);
    Outline(s, f, {kCa, kNaK, kMg, kCa});
    Outline(s, f, {kHCO3, kCl, kSO4, kHCO3});
    Outline(s, f, {kBottom, kRight, kTop, kLeft, kBottom});
    s.SetDrawWidth(1);
    Ticks(s, m, f, model.nitrate);

    // Circles first, so that no circle hides a mark.
    const std::vector<PointStyle>& styles = model.styles.styles;
    if (model.options.tdsCircles) {
        s.SetDrawWidth(m.gridWidth);
        s.SetFillStyle(1);
        for (const PiperPoint& p : model.points) {
            if (p.tdsRadius <= 0)
                continue;
            s.SetForeColor(styles[static_cast<std::size_t>(p.style)].colour);
            s.Circle(f.X(p.diamond.x), f.Y(p.diamond.y), f.k * p.tdsRadius);
        }
        s.SetForeColor(hc::kBlack);
    }
    s.SetFontSize(m.textSize);
    const double r = m.markPoints * m.unitsPerPoint;
    MarkPainter marks(s, styles, r);
    s.SetDrawWidth(m.lineWidth);
    for (const PiperPoint& p : model.points)
        for (const Pt& q : {p.cation, p.anion, p.diamond})
            marks.Draw(p.style, f.X(q.x), f.Y(q.y));
    s.SetDrawWidth(1);
    if (model.options.labels) {
        s.SetFontSize(m.tickSize);
        const double lh = s.TextHeight("0");
        for (const PiperPoint& p : model.points)
            TextAt(s, f.X(p.diamond.x) + r * 1.6, f.Y(p.diamond.y) - lh / 2, p.name);
    }

    // The circle legend below the entries (or in a column of its own on paper): each circle
    // with its value beside it, as large as in the diamond.
    const bool circles = model.options.tdsCircles && !model.tdsLegend.empty();
    s.SetFontSize(m.textSize);
    const double lh = s.TextHeight("0");
    double reserve = 0;
    if (circles) {
        if (m.legendHeight > 0) {
            reserve = m.legendColumn;
        } else {
            reserve = lh * 2.5;
            for (double v : model.tdsLegend)
                reserve += 2 * f.k * kMaxTdsRadius * std::sqrt(v / model.tdsMax) + lh * 0.6;
        }
    }
    const Box free = DrawLegend(s, m, model.styles, reserve, f.y0 + bottomRoom + th);
    if (circles) {
        s.SetFontSize(m.textSize);
        double y = free.top + (m.legendHeight > 0 ? 0 : lh);
        TextAt(s, free.left + 4 * m.unitsPerPoint, y, "TDS (mg/L)");
        y += lh * 1.5;
        const double rMax = f.k * kMaxTdsRadius;
        const double cx = free.left + 4 * m.unitsPerPoint + rMax;
        s.SetFillStyle(1);
        s.SetDrawWidth(m.gridWidth);
        for (double v : model.tdsLegend) {
            const double rr = f.k * kMaxTdsRadius * std::sqrt(v / model.tdsMax);
            s.Circle(cx, y + rr, rr);
            TextAt(s, cx + rMax + 4 * m.unitsPerPoint, y + rr - lh / 2,
                   hc::FixedDecimals(v, v < 1 ? 1 : 0));
            y += 2 * rr + lh * 0.6;
        }
        s.SetDrawWidth(1);
    }
    if (model.leftOut > 0) {
        s.SetFontSize(m.tickSize);
        const double lh = s.TextHeight("0");
        TextAt(s, box.left, box.bottom - lh,
               ZeroSumNote(model.leftOut));
    }
    EndChart(s, m);
}

}  // namespace wqp
