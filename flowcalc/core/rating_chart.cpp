#include "flowcalc/core/rating_chart.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <utility>

#include "common/core/language.h"
#include "common/core/numbers.h"
#include "flowcalc/core/conveyance.h"

namespace flow {

namespace {

constexpr hc::Color kRed{255, 0, 0};
constexpr hc::Color kBlue{0, 0, 255};
constexpr hc::Color kGrey{160, 160, 160};

// The stacked level title: each piece's top, in title heights from the frame's middle.
constexpr double kLevelTitleOffsets[] = {-2.5, -0.5, 1.5};
static_assert(std::size(kLevelTitleOffsets) == std::size(kRatingLevelTitle));
// The discharge title stands this many title heights below the frame, under the labels.
constexpr double kDischargeTitleDrop = 2;
// The bank label: this many tick lengths right of the frame, and its text heights above the
// dashed line.
constexpr double kBankLabelIndent = 2;
constexpr double kBankLabelRaise = 1.1;
// One-unit pens for the grid and the marks' outlines.
constexpr int kThinPen = 1;

// The printed sheet's heading lines above the chart: top of each line (mm) and font size.
constexpr double kSheetLineY[] = {18, 24, 32, 38};
constexpr double kSheetFontSize = 11;
// The bank-full discharge is shown to the litre per second, as the table shows it.
constexpr double kLitresPerCubicMetre = 1000;

void SetFont(hc::Surface& g, const std::string& name, double size) {
    g.SetFontName(name);
    g.SetFontSize(size);
}

void PrintAt(hc::Surface& g, double x, double y, const std::string& text) {
    g.CurrentX = x;
    g.CurrentY = y;
    g.Print(text);
}

// Tick values Min, Min + Step, ... Max, each formed from its index so that no sum drifts.
std::vector<double> Ticks(const AxisScale& a) {
    std::vector<double> v;
    const int n = static_cast<int>(std::lround((a.Max - a.Min) / a.Step));
    for (int i = 0; i <= n; ++i)
        v.push_back(a.Min + i * a.Step);
    return v;
}

}  // namespace

RatingChartConstants RatingScreenConstants() {
    return RatingChartConstants{.Left = 22,
                                .Top = 8,
                                .Right = 134,
                                .Bottom = 80,
                                .TickLength = 1.5,
                                .LabelFont = hc::kGothic,
                                .LabelSize = 8,
                                .TitleFont = hc::kMincho,
                                .TitleSize = 9,
                                .VerticalTitleX = 5,
                                .MarkRadius = 0.6,
                                .FrameWidth = 1,
                                .CurveWidth = 1,
                                .CurveColor = kBlue,
                                .GridColor = kGrey,
                                .BankColor = kRed};
}

RatingChartConstants RatingPaperConstants(const PrintWidths& w) {
    return RatingChartConstants{.Left = 45,
                                .Top = 55,
                                .Right = 265,
                                .Bottom = 175,
                                .TickLength = 2,
                                .LabelFont = hc::kGothic,
                                .LabelSize = 10,
                                .TitleFont = hc::kGothic,
                                .TitleSize = 11,
                                .VerticalTitleX = 20,
                                .MarkRadius = 0.7,
                                .FrameWidth = w.Frame,
                                .CurveWidth = w.Section,
                                .CurveColor = kBlue,
                                .GridColor = kGrey,
                                .BankColor = kRed};
}

AxisScale NiceAxis(double lo, double hi, int ticks) {
    if (!(hi > lo))
        hi = lo + 1;
    const double raw = (hi - lo) / std::max(ticks, 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * magnitude;
    for (double m : {1.0, 2.0, 5.0})
        if (m * magnitude >= raw * (1 - 1e-9)) {
            step = m * magnitude;
            break;
        }
    // Ends on whole steps; a bound already on a step (within rounding) stays where it is.
    AxisScale a;
    a.Step = step;
    a.Min = std::floor(lo / step + 1e-9) * step;
    a.Max = std::ceil(hi / step - 1e-9) * step;
    return a;
}

RatingAxes RatingChartAxes(const RatingCurve& c) {
    double qMax = 0;
    for (const RatingRow& r : c.Rows)
        qMax = std::max(qMax, r.Discharge);
    RatingAxes a;
    a.Discharge = NiceAxis(0, qMax > 0 ? qMax : 1);
    a.Level = NiceAxis(c.BedLevel, c.BankTop);
    return a;
}

double RatingX(const RatingChartConstants& k, const RatingAxes& a, double discharge) {
    const AxisScale& d = a.Discharge;
    return k.Left + (discharge - d.Min) / (d.Max - d.Min) * (k.Right - k.Left);
}

double RatingY(const RatingChartConstants& k, const RatingAxes& a, double level) {
    const AxisScale& l = a.Level;
    return k.Bottom - (level - l.Min) / (l.Max - l.Min) * (k.Bottom - k.Top);
}

void DrawChartFrame(hc::Surface& g, const RatingChartConstants& k,
                    const std::vector<double>& xTicks, const std::function<double(double)>& x,
                    const std::vector<double>& yTicks, const std::function<double(double)>& y) {
    // Dotted grid first, so that the frame and the line lie on top of it.
    g.SetDrawWidth(kThinPen);
    g.SetDrawStyle(hc::PenStyle::Dot);
    for (double t : xTicks)
        g.Line(x(t), k.Top, x(t), k.Bottom, k.GridColor);
    for (double t : yTicks)
        g.Line(k.Left, y(t), k.Right, y(t), k.GridColor);
    g.SetDrawStyle(hc::PenStyle::Solid);
    g.SetDrawWidth(k.FrameWidth);
    g.Line(k.Left, k.Top, k.Right, k.Top);
    g.Line(k.Right, k.Top, k.Right, k.Bottom);
    g.Line(k.Right, k.Bottom, k.Left, k.Bottom);
    g.Line(k.Left, k.Bottom, k.Left, k.Top);
    SetFont(g, k.LabelFont, k.LabelSize);
    for (double t : xTicks) {
        g.Line(x(t), k.Bottom, x(t), k.Bottom - k.TickLength);
        const std::string label = hc::DoubleToText(t);
        PrintAt(g, x(t) - g.TextWidth(label) / 2, k.Bottom + g.TextHeight(label) / 2, label);
    }
    for (double t : yTicks) {
        g.Line(k.Left, y(t), k.Left + k.TickLength, y(t));
        // The label ends half a digit before the frame.
        const std::string label = hc::DoubleToText(t);
        PrintAt(g, k.Left - g.TextWidth(label) - g.TextWidth("0") / 2,
                y(t) - g.TextHeight(label) / 2, label);
    }
}

void DrawRatingChart(hc::Surface& g, const RatingChartConstants& k, const RatingCurve& c) {
    const RatingAxes axes = RatingChartAxes(c);
    const std::vector<double> qTicks = Ticks(axes.Discharge), zTicks = Ticks(axes.Level);
    DrawChartFrame(
        g, k, qTicks, [&](double q) { return RatingX(k, axes, q); }, zTicks,
        [&](double z) { return RatingY(k, axes, z); });
    SetFont(g, k.TitleFont, k.TitleSize);
    const bool us = c.Unit == Units::US;
    const std::string across = hc::TS(us ? kRatingDischargeTitleUs : kRatingDischargeTitle);
    const char* const* upwardKeys = us ? kRatingLevelTitleUs : kRatingLevelTitle;
    std::string upwards[std::size(kRatingLevelTitle)];
    for (std::size_t i = 0; i < std::size(upwards); ++i)
        upwards[i] = hc::TS(upwardKeys[i]);
    const double th = g.TextHeight(across);
    PrintAt(g, (k.Left + k.Right) / 2 - g.TextWidth(across) / 2,
            k.Bottom + kDischargeTitleDrop * th, across);
    const double mid = (k.Top + k.Bottom) / 2;
    for (std::size_t i = 0; i < std::size(kLevelTitleOffsets); ++i)
        PrintAt(g, k.VerticalTitleX - g.TextWidth(upwards[i]) / 2, mid + kLevelTitleOffsets[i] * th,
                upwards[i]);
    // The lower bank top, dashed, named at its left end, where the line of discharges rising
    // with the stage is furthest from it.
    const double bank = RatingY(k, axes, c.BankTop);
    g.SetDrawStyle(hc::PenStyle::Dash);
    g.Line(k.Left, bank, k.Right, bank, k.BankColor);
    g.SetDrawStyle(hc::PenStyle::Solid);
    SetFont(g, k.LabelFont, k.LabelSize);
    PrintAt(g, k.Left + kBankLabelIndent * k.TickLength,
            bank - kBankLabelRaise * g.TextHeight(hc::TS(kRatingBankLabel)),
            hc::TS(kRatingBankLabel));
    // The rating line through the tabulated stages.
    g.SetDrawWidth(k.CurveWidth);
    for (std::size_t i = 1; i < c.Rows.size(); ++i)
        g.Line(RatingX(k, axes, c.Rows[i - 1].Discharge), RatingY(k, axes, c.Rows[i - 1].Level),
               RatingX(k, axes, c.Rows[i].Discharge), RatingY(k, axes, c.Rows[i].Level),
               k.CurveColor);
    if (c.Rows.size() <= kMaxMarkedRows) {
        g.SetDrawWidth(kThinPen);
        g.SetFillStyle(0);
        g.SetFillColor(k.CurveColor);
        g.SetForeColor(k.CurveColor);
        for (const RatingRow& r : c.Rows)
            g.Circle(RatingX(k, axes, r.Discharge), RatingY(k, axes, r.Level), k.MarkRadius);
        g.SetForeColor(hc::kBlack);
        g.SetFillStyle(1);
    }
    g.SetDrawWidth(k.FrameWidth);
}

void DrawRatingScreen(hc::Surface& g, const RatingCurve& c) {
    g.SetScale(kRatingScreenWidth, kRatingScreenHeight);
    g.Cls();
    g.SetDrawStyle(hc::PenStyle::Solid);
    g.SetForeColor(hc::kBlack);
    DrawRatingChart(g, RatingScreenConstants(), c);
}

void PrintRatingCurve(hc::Surface& printer, const RatingCurve& c, const std::string& dataPath,
                      const FlowParameters& p, const PrintWidths& widths) {
    using hc::DoubleToText;
    const std::string savedFont = printer.FontName();
    printer.SetOrientation(hc::Orientation::Landscape);
    printer.SetDrawStyle(hc::PenStyle::Solid);
    printer.SetForeColor(hc::kBlack);
    const RatingChartConstants k = RatingPaperConstants(widths);
    DrawRatingChart(printer, k, c);
    const double bankFull = c.Rows.empty() ? 0 : c.Rows.back().Discharge;
    const std::string bankFullText =
        DoubleToText(std::round(bankFull * kLitresPerCubicMetre) / kLitresPerCubicMetre);
    SetFont(printer, hc::kMincho, kSheetFontSize);
    const UnitNames u = WindowUnits(c.Unit);
    const std::string length = " " + hc::TS(u.Length);
    const std::pair<double, std::string> lines[] = {
        {kSheetLineY[0], hc::TS(kRatingSheetTitle)},
        {kSheetLineY[1], hc::TS("ファイル名") + " < " + dataPath + " >"},
        {kSheetLineY[2],
         hc::TS("  粗度係数  ") +
             (c.SectionRoughness ? hc::TS("区間ごと")
                                 : hc::TS("ｎ＝ %1", {DoubleToText(p.Roughness)})) +
             hc::TS("    河床勾配  Ｉ＝ １／%1", {std::to_string(p.SlopeDenominator)}) +
             hc::TS("    水位の刻み  ") + DoubleToText(c.Step) + length +
             hc::TS(p.Method == ConveyanceMethod::Parts ? hc::N("    水路ごとに計算")
                                                        : hc::N("    断面を分割して計算"))},
        {kSheetLineY[3], hc::TS("  河床高  ") + DoubleToText(c.BedLevel) + length +
                             hc::TS("    岸の天端（低い方）  ") + DoubleToText(c.BankTop) + length +
                             hc::TS("    天端での流量  Ｑ＝ ") + bankFullText + " " +
                             (c.Unit == Units::US ? "ft3/sec" : hc::TS("ｍ3/sec"))},
    };
    for (const auto& [y, text] : lines)
        PrintAt(printer, k.Left, y, text);
    printer.EndDoc();
    printer.SetFontName(savedFont);
}

}  // namespace flow
