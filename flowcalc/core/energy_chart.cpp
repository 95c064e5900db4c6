#include "flowcalc/core/energy_chart.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

#include "common/core/language.h"
#include "common/core/numbers.h"

namespace flow {

namespace {

constexpr hc::Color kRed{255, 0, 0};
constexpr hc::Color kGrey{160, 160, 160};
constexpr int kThinPen = 1;
// The E axis reaches this many times the largest least energy, so the minima sit inside.
constexpr double kMinimaRoom = 2;
constexpr double kBankRoom = 1.05;
constexpr double kLevelTitleOffsets[] = {-2.5, -0.5, 1.5};
constexpr double kTitleDrop = 2;
constexpr double kLabelRaise = 1.1;
constexpr double kSheetLineY[] = {18, 24, 32, 38};
constexpr double kSheetFontSize = 11;

void SetFont(hc::Surface& g, const std::string& name, double size) {
    g.SetFontName(name);
    g.SetFontSize(size);
}

void PrintAt(hc::Surface& g, double x, double y, const std::string& text) {
    g.CurrentX = x;
    g.CurrentY = y;
    g.Print(text);
}

std::vector<double> Ticks(const AxisScale& a) {
    std::vector<double> v;
    const int n = static_cast<int>(std::lround((a.Max - a.Min) / a.Step));
    for (int i = 0; i <= n; ++i)
        v.push_back(a.Min + i * a.Step);
    return v;
}

// Three decimals: a depth as the tables show it.
std::string Fixed3(double v) {
    return hc::DoubleToText(std::round(v * 1000) / 1000);
}

}  // namespace

EnergyAxes EnergyChartAxes(const EnergyCurve& c) {
    const double full = c.BankTop - c.BedLevel;
    double top = full;
    if (!c.Trace.empty() && std::isfinite(c.Trace.back().Energy))
        top = std::max(top, c.Trace.back().Energy);
    for (const CriticalDepth& m : c.Critical)
        top = std::max(top, kMinimaRoom * m.Energy);
    EnergyAxes a;
    a.Energy = NiceAxis(0, top > 0 ? top : 1);
    // Room above the bank top, so that its line and name stand inside the frame.
    a.Depth = NiceAxis(0, full > 0 ? full * kBankRoom : 1);
    return a;
}

double EnergyX(const RatingChartConstants& k, const EnergyAxes& a, double energy) {
    return k.Left + (energy - a.Energy.Min) / (a.Energy.Max - a.Energy.Min) * (k.Right - k.Left);
}

double EnergyY(const RatingChartConstants& k, const EnergyAxes& a, double depth) {
    return k.Bottom - (depth - a.Depth.Min) / (a.Depth.Max - a.Depth.Min) * (k.Bottom - k.Top);
}

void DrawEnergyChart(hc::Surface& g, const RatingChartConstants& k, const EnergyCurve& c) {
    const EnergyAxes axes = EnergyChartAxes(c);
    const UnitNames u = WindowUnits(c.Unit);
    const std::vector<double> eTicks = Ticks(axes.Energy), yTicks = Ticks(axes.Depth);
    DrawChartFrame(
        g, k, eTicks, [&](double e) { return EnergyX(k, axes, e); }, yTicks,
        [&](double y) { return EnergyY(k, axes, y); });
    SetFont(g, k.TitleFont, k.TitleSize);
    const std::string across = hc::TS("比エネルギー  Ｅ  （%1）", {hc::TS(u.Length)});
    const double th = g.TextHeight(across);
    PrintAt(g, (k.Left + k.Right) / 2 - g.TextWidth(across) / 2, k.Bottom + kTitleDrop * th,
            across);
    const std::string upwards[] = {hc::TS("水"), hc::TS("深"),
                                   hc::TS("（%1）", {hc::TS(u.Length)})};
    const double mid = (k.Top + k.Bottom) / 2;
    for (std::size_t i = 0; i < std::size(kLevelTitleOffsets); ++i)
        PrintAt(g, k.VerticalTitleX - g.TextWidth(upwards[i]) / 2, mid + kLevelTitleOffsets[i] * th,
                upwards[i]);
    // E = y: the energy of still water, which the curve approaches as the depth grows.
    const double reach = std::min(axes.Energy.Max, axes.Depth.Max);
    g.SetDrawStyle(hc::PenStyle::Dash);
    g.Line(EnergyX(k, axes, 0), EnergyY(k, axes, 0), EnergyX(k, axes, reach),
           EnergyY(k, axes, reach), kGrey);
    const double bank = EnergyY(k, axes, c.BankTop - c.BedLevel);
    g.Line(k.Left, bank, k.Right, bank, k.BankColor);
    g.SetDrawStyle(hc::PenStyle::Solid);
    SetFont(g, k.LabelFont, k.LabelSize);
    // Named at its left end: the line E = y and the curve reach the bank top on the right.
    const std::string bankLabel = hc::TS(kRatingBankLabel);
    PrintAt(g, k.Left + 2 * k.TickLength, bank - kLabelRaise * g.TextHeight(bankLabel), bankLabel);
    // The curve, where it lies inside the frame (it runs off to the right near the bed).
    g.SetDrawWidth(k.CurveWidth);
    for (std::size_t i = 1; i < c.Trace.size(); ++i) {
        const EnergyRow& a = c.Trace[i - 1];
        const EnergyRow& b = c.Trace[i];
        if (!(a.Energy <= axes.Energy.Max && b.Energy <= axes.Energy.Max))
            continue;
        g.Line(EnergyX(k, axes, a.Energy), EnergyY(k, axes, a.Depth), EnergyX(k, axes, b.Energy),
               EnergyY(k, axes, b.Depth), k.CurveColor);
    }
    // Each critical depth: a mark on the curve, named to its right.
    g.SetDrawWidth(kThinPen);
    g.SetFillStyle(0);
    g.SetFillColor(kRed);
    g.SetForeColor(kRed);
    for (const CriticalDepth& m : c.Critical) {
        const double x = EnergyX(k, axes, m.Energy), y = EnergyY(k, axes, m.Depth);
        g.Circle(x, y, 2 * k.MarkRadius);
        const std::string label =
            hc::TS(kEnergyCriticalLabel) + Fixed3(m.Depth) + " " + hc::TS(u.Length);
        PrintAt(g, x + 3 * k.MarkRadius, y - g.TextHeight(label) / 2, label);
    }
    g.SetForeColor(hc::kBlack);
    g.SetFillStyle(1);
    g.SetDrawWidth(k.FrameWidth);
}

void DrawEnergyScreen(hc::Surface& g, const EnergyCurve& c) {
    g.SetScale(kRatingScreenWidth, kRatingScreenHeight);
    g.Cls();
    g.SetDrawStyle(hc::PenStyle::Solid);
    g.SetForeColor(hc::kBlack);
    DrawEnergyChart(g, RatingScreenConstants(), c);
}

void PrintEnergyCurve(hc::Surface& printer, const EnergyCurve& c, const std::string& dataPath,
                      const FlowParameters& p, const PrintWidths& widths) {
    using hc::DoubleToText;
    const UnitNames u = WindowUnits(c.Unit);
    const std::string savedFont = printer.FontName();
    printer.SetOrientation(hc::Orientation::Landscape);
    printer.SetDrawStyle(hc::PenStyle::Solid);
    printer.SetForeColor(hc::kBlack);
    const RatingChartConstants k = RatingPaperConstants(widths);
    DrawEnergyChart(printer, k, c);
    const std::string length = hc::TS(u.Length);
    std::string critical = hc::TS("  限界水深");
    if (c.Critical.empty())
        critical += hc::TS("  なし（岸の天端まで常流）");
    for (const CriticalDepth& m : c.Critical)
        critical +=
            "  " + Fixed3(m.Depth) + " " + hc::TS("%1（Ｅ＝ %2）", {length, Fixed3(m.Energy)});
    SetFont(printer, hc::kMincho, kSheetFontSize);
    const std::pair<double, std::string> lines[] = {
        {kSheetLineY[0], hc::TS(kEnergySheetTitle)},
        {kSheetLineY[1], hc::TS("ファイル名") + " < " + dataPath + " >"},
        {kSheetLineY[2],
         hc::TS("  流量  Ｑ＝ ") + DoubleToText(c.Discharge) + " " + hc::TS(u.Discharge) +
             hc::TS("    粗度係数  ") +
             (c.SectionRoughness ? hc::TS("区間ごと")
                                 : hc::TS("ｎ＝ %1", {DoubleToText(p.Roughness)})) +
             hc::TS("    河床勾配  Ｉ＝ １／%1", {std::to_string(p.SlopeDenominator)}) +
             hc::TS(p.Method == ConveyanceMethod::Parts ? hc::N("    水路ごとに計算")
                                                        : hc::N("    断面を分割して計算"))},
        {kSheetLineY[3], critical},
    };
    for (const auto& [y, text] : lines)
        PrintAt(printer, k.Left, y, text);
    printer.EndDoc();
    printer.SetFontName(savedFont);
}

}  // namespace flow
