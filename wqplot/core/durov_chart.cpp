#include "wqplot/core/durov_chart.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "common/core/language.h"
#include "common/core/numbers.h"
#include "waterquality/core/ion_label.h"

namespace wqp {

namespace {

constexpr double kH = kDurovTriangle;
// Corners, diagram units (y down).
constexpr Pt kCa{0, 0}, kNaK{0, 1}, kMg{-kH, 0.5};
constexpr Pt kHCO3{0, 0}, kCl{1, 0}, kSO4{0.5, -kH};
constexpr double kTdsLeft = 1 + kDurovPanelGap;
constexpr double kPhTop = 1 + kDurovPanelGap;

Pt Mix(const Pt& a, const Pt& b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// 1, 2, 2.5 or 5 x 10^n at or above v.
double NiceCeil(double v) {
    if (!(v > 0))
        return 1;
    const double e = std::pow(10.0, std::floor(std::log10(v)));
    for (double lead : {1.0, 2.0, 2.5, 5.0})
        if (lead * e >= v * (1 - hc::kDecimalNoise))
            return lead * e;
    return 10 * e;
}

std::string AxisNumber(double v) {
    return hc::FixedDecimals(v, std::abs(v) >= 10 || v == std::round(v) ? 0 : 1);
}

struct Frame {
    double k = 1, ox = 0, oy = 0;
    double X(double x) const { return ox + x * k; }
    double Y(double y) const { return oy + y * k; }
};

void Seg(hc::Surface& s, const Frame& f, const Pt& a, const Pt& b, hc::Color c) {
    s.Line(f.X(a.x), f.Y(a.y), f.X(b.x), f.Y(b.y), c);
}

void Triangle(hc::Surface& s, const ChartMedia& m, const Frame& f, const Pt& p0, const Pt& p1,
              const Pt& p2) {
    s.SetDrawWidth(m.gridWidth);
    for (int i = 2; i < 10; i += 2) {
        const double t = i / 10.0;
        Seg(s, f, Mix(p0, p1, t), Mix(p0, p2, t), m.grid);
        Seg(s, f, Mix(p1, p0, t), Mix(p1, p2, t), m.grid);
        Seg(s, f, Mix(p2, p0, t), Mix(p2, p1, t), m.grid);
    }
    s.SetDrawWidth(m.frameWidth);
    Seg(s, f, p0, p1, hc::kBlack);
    Seg(s, f, p1, p2, hc::kBlack);
    Seg(s, f, p2, p0, hc::kBlack);
}

std::string ChlorideLabel(wq::NitrateType t) {
    return t == wq::NitrateType::WithChloride ? "Cl+NO " : "Cl";
}
std::string SulfateLabel(wq::NitrateType t) {
    return t == wq::NitrateType::WithSulfate ? "SO +NO " : "SO ";
}

// A note of one or two lines centred in a panel's place.
void PanelNote(hc::Surface& s, double cx, double cy, const std::string& a, const std::string& b) {
    const double th = s.TextHeight("あ");
    TextCentred(s, cx, cy - th * 1.1, a);
    TextCentred(s, cx, cy + th * 0.1, b);
}

}  // namespace

DurovSquare DurovSquarePoint(const wq::Fractions& f) {
    return {(f.AnionFraction[0] + f.AnionFraction[2] / 2) * 100,
            (f.CationFraction[0] + f.CationFraction[2] / 2) * 100};
}

Pt DurovCationPoint(const wq::Fractions& f) {
    return {kCa.x + (kNaK.x - kCa.x) * f.CationFraction[0] + (kMg.x - kCa.x) * f.CationFraction[2],
            kCa.y + (kNaK.y - kCa.y) * f.CationFraction[0] + (kMg.y - kCa.y) * f.CationFraction[2]};
}

Pt DurovAnionPoint(const wq::Fractions& f) {
    return {
        kHCO3.x + (kCl.x - kHCO3.x) * f.AnionFraction[0] + (kSO4.x - kHCO3.x) * f.AnionFraction[2],
        kHCO3.y + (kCl.y - kHCO3.y) * f.AnionFraction[0] + (kSO4.y - kHCO3.y) * f.AnionFraction[2]};
}

DurovModel BuildDurovModel(const wq::SampleModel& samples, const wq::PlotSettings& settings) {
    const wq::SampleTable& table = samples.table;
    const std::vector<wq::Composition>& compositions = samples.compositions;
    DurovModel model;
    model.nitrate = settings.NitrateType == wq::NitrateType::Unset ? wq::NitrateType::None
                                                                   : settings.NitrateType;
    model.options = settings.Diagram;
    model.styles = AssignStyles(table);
    for (const wq::Sample& s : table.samples) {
        model.tdsPanel = model.tdsPanel || s.tds.has_value();
        model.phPanel = model.phPanel || s.ph.has_value();
    }
    double phMin = kDurovPhLow, phMax = kDurovPhHigh;
    const std::size_t n = std::min(table.samples.size(), compositions.size());
    for (std::size_t i = 0; i < n; ++i) {
        const wq::Composition& c = compositions[i];
        if (!c.drawn)
            continue;
        const wq::Fractions& f = wq::SharesUnder(c, model.nitrate);
        if (!f.cationDefined || !f.anionDefined) {
            ++model.leftOut;
            continue;
        }
        const wq::Sample& s = table.samples[i];
        DurovMark mark{static_cast<int>(i) + 1,
                       model.styles.styleOf[i],
                       DurovSquarePoint(f),
                       DurovCationPoint(f),
                       DurovAnionPoint(f),
                       std::nullopt,
                       std::nullopt,
                       ""};
        if (s.tds && std::isfinite(*s.tds) && *s.tds >= 0) {
            mark.tds = s.tds;
            model.tdsMax = std::max(model.tdsMax, *s.tds);
        } else if (model.tdsPanel) {
            ++model.tdsLeftOut;
        }
        if (s.ph && std::isfinite(*s.ph)) {
            mark.ph = s.ph;
            phMin = std::min(phMin, std::floor(*s.ph));
            phMax = std::max(phMax, std::ceil(*s.ph));
        } else if (model.phPanel) {
            ++model.phLeftOut;
        }
        if (model.options.labels)
            mark.name = s.name;
        model.points.push_back(std::move(mark));
    }
    model.tdsMax = NiceCeil(model.tdsMax);
    model.phLow = phMin;
    model.phHigh = phMax;
    return model;
}

void DrawDurov(hc::Surface& s, const DurovModel& model, const ChartMedia& m) {
    BeginChart(s, m);
    const Box box = PlotBox(m);
    s.SetFontSize(m.textSize);
    const double lh = s.TextHeight("Ca");
    s.SetFontSize(m.tickSize);
    const double th = s.TextHeight("0");
    const double gap = th * 0.3;
    // Room outside the diagram units: names of the apexes, the axes of the panels, the notes.
    const double leftRoom = s.TextWidth("Mg") + lh, topRoom = lh * 2.5;
    const double rightRoom = s.TextWidth("0000") / 2 + gap, bottomRoom = lh * 4;
    Frame f;
    f.k = std::min((box.Width() - leftRoom - rightRoom) / kDurovWidth,
                   (box.Height() - topRoom - bottomRoom) / kDurovHeight);
    f.ox = box.left + leftRoom + kH * f.k +
           (box.Width() - leftRoom - rightRoom - kDurovWidth * f.k) / 2;
    f.oy = box.top + topRoom + kH * f.k;

    // The square with the projections of the triangles' 20 % lines.
    s.SetDrawWidth(m.gridWidth);
    for (int i = 2; i < 10; i += 2) {
        const double t = i / 10.0;
        Seg(s, f, {t, 0}, {t, 1}, m.grid);
        Seg(s, f, {0, t}, {1, t}, m.grid);
    }
    s.SetDrawWidth(m.frameWidth);
    s.Box(f.X(0), f.Y(0), f.X(1), f.Y(1));
    Triangle(s, m, f, kCa, kNaK, kMg);
    Triangle(s, m, f, kHCO3, kCl, kSO4);
    s.SetDrawWidth(1);

    // Corner names.
    s.SetFontSize(m.textSize);
    TextRight(s, f.X(0) - gap, f.Y(0) - lh * 1.1, "Ca");
    // Left of its corner, clear of the pH panel's scale below.
    TextRight(s, f.X(kNaK.x) - gap * 2 - s.TextWidth("00"), f.Y(kNaK.y) - lh / 2, "Na+K");
    TextRight(s, f.X(kMg.x) - gap, f.Y(kMg.y) - lh / 2, "Mg");
    const std::string hco3 = "HCO +CO ";
    wq::PrintIonLabel(s, f.X(0) - gap - s.TextWidth(hco3), f.Y(0) - lh * 2.2, hco3, m.subscriptSize,
                      0.45);
    wq::PrintIonLabel(s, f.X(kCl.x) + gap, f.Y(kCl.y) - lh * 1.1, ChlorideLabel(model.nitrate),
                      m.subscriptSize, 0.45);
    IonLabelCentred(s, m, f.X(kSO4.x), f.Y(kSO4.y) - lh * 1.2, SulfateLabel(model.nitrate));
    const std::string ofMeq = hc::TS("（meq/L の %）");
    TextAt(s, f.X(-kH), f.Y(-kH * 0.6), hc::TS("陽イオン"));
    TextAt(s, f.X(-kH), f.Y(-kH * 0.6) + lh * 1.2, ofMeq);
    TextAt(s, f.X(0.8), f.Y(-kH * 0.6), hc::TS("陰イオン"));
    TextAt(s, f.X(0.8), f.Y(-kH * 0.6) + lh * 1.2, ofMeq);

    // The TDS panel: the square's cation axis against TDS.
    const double tdsRight = kTdsLeft + kDurovTdsWidth;
    auto TdsX = [&](double v) { return kTdsLeft + v / model.tdsMax * kDurovTdsWidth; };
    if (model.tdsPanel) {
        s.SetDrawWidth(m.gridWidth);
        for (int q = 1; q < 4; ++q)
            Seg(s, f, {TdsX(model.tdsMax * q / 4), 0}, {TdsX(model.tdsMax * q / 4), 1}, m.grid);
        s.SetDrawWidth(m.frameWidth);
        s.Box(f.X(kTdsLeft), f.Y(0), f.X(tdsRight), f.Y(1));
        s.SetDrawWidth(1);
        s.SetFontSize(m.tickSize);
        for (int q = 0; q <= 2; ++q)
            TextCentred(s, f.X(TdsX(model.tdsMax * q / 2)), f.Y(1) + gap,
                        AxisNumber(model.tdsMax * q / 2));
        s.SetFontSize(m.textSize);
        TextCentred(s, f.X((kTdsLeft + tdsRight) / 2), f.Y(1) + gap + th * 1.2, "TDS (mg/L)");
        if (model.tdsLeftOut > 0) {
            s.SetFontSize(m.tickSize);
            TextCentred(s, f.X((kTdsLeft + tdsRight) / 2), f.Y(1) + gap + th * 1.2 + lh * 1.2,
                        hc::TS("TDS のない試料: %1", {std::to_string(model.tdsLeftOut)}));
        }
    } else {
        s.SetFontSize(m.tickSize);
        PanelNote(s, f.X((kTdsLeft + tdsRight) / 2), f.Y(0.5), hc::TS("TDS の列がないため"),
                  hc::TS("TDS 図は省略"));
    }

    // The pH panel: the square's anion axis against pH, rising upwards.
    const double phBottom = kPhTop + kDurovPhHeight;
    auto PhY = [&](double v) {
        return phBottom - (v - model.phLow) / (model.phHigh - model.phLow) * kDurovPhHeight;
    };
    if (model.phPanel) {
        const double step = model.phHigh - model.phLow > 6 ? 2 : 1;
        s.SetDrawWidth(m.gridWidth);
        for (double v = model.phLow + step; v < model.phHigh - 1e-9; v += step)
            Seg(s, f, {0, PhY(v)}, {1, PhY(v)}, m.grid);
        s.SetDrawWidth(m.frameWidth);
        s.Box(f.X(0), f.Y(kPhTop), f.X(1), f.Y(phBottom));
        s.SetDrawWidth(1);
        s.SetFontSize(m.tickSize);
        for (double v = model.phLow; v <= model.phHigh + 1e-9; v += step)
            TextRight(s, f.X(0) - gap, f.Y(PhY(v)) - th / 2, AxisNumber(v));
        s.SetFontSize(m.textSize);
        TextRight(s, f.X(0) - gap * 2 - s.TextWidth("00"), f.Y((kPhTop + phBottom) / 2) - lh / 2,
                  "pH");
        if (model.phLeftOut > 0) {
            s.SetFontSize(m.tickSize);
            TextAt(s, f.X(0), f.Y(phBottom) + gap,
                   hc::TS("pH のない試料: %1", {std::to_string(model.phLeftOut)}));
        }
    } else {
        s.SetFontSize(m.tickSize);
        PanelNote(s, f.X(0.5), f.Y((kPhTop + phBottom) / 2), hc::TS("pH の列がないため"),
                  hc::TS("pH 図は省略"));
    }

    // Marks: each sample in both triangles, the square and the panels it has values for.
    const std::vector<PointStyle>& styles = model.styles.styles;
    s.SetFontSize(m.textSize);
    const double r = m.markPoints * m.unitsPerPoint;
    MarkPainter marks(s, styles, r);
    s.SetDrawWidth(m.lineWidth);
    for (const DurovMark& p : model.points) {
        const double sx = p.square.x / 100, sy = p.square.y / 100;
        marks.Draw(p.style, f.X(p.cation.x), f.Y(p.cation.y));
        marks.Draw(p.style, f.X(p.anion.x), f.Y(p.anion.y));
        marks.Draw(p.style, f.X(sx), f.Y(sy));
        if (model.tdsPanel && p.tds)
            marks.Draw(p.style, f.X(TdsX(std::min(*p.tds, model.tdsMax))), f.Y(sy));
        if (model.phPanel && p.ph)
            marks.Draw(p.style, f.X(sx), f.Y(PhY(*p.ph)));
    }
    s.SetDrawWidth(1);
    if (model.options.labels) {
        s.SetFontSize(m.tickSize);
        for (const DurovMark& p : model.points)
            TextAt(s, f.X(p.square.x / 100) + r * 1.6, f.Y(p.square.y / 100) - th / 2, p.name);
    }
    DrawLegend(s, m, model.styles, 0, f.Y(phBottom) + lh * 3);
    if (model.leftOut > 0) {
        s.SetFontSize(m.tickSize);
        TextAt(s, box.left, box.bottom - th,
               ZeroSumNote(model.leftOut));
    }
    EndChart(s, m);
}

}  // namespace wqp
