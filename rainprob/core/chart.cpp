#include "rainprob/core/chart.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "common/core/numbers.h"
#include "rainprob/core/fit_chart.h"

namespace rain {

namespace {

// One character a line, or, where the language shown gives it in one line, turned upright.
constexpr const char* kProbabilityTitle = hc::N("非\n超\n過\n確\n率");

// The amount axis: a solid line every kAmountStep mm, kDottedPerStep dotted ones between.
constexpr double kAmountStep = 500;
constexpr int kDottedPerStep = 4;

// The year note stands this many of its text heights above the top grid line.
constexpr double kYearNoteRaise = 1.1;

// The printed block of results under the chart, in layout units (tenths of a millimetre).
constexpr double kResultFont = 11;
constexpr double kResultTop = 2350;
constexpr double kResultLineStep = 75;

// The two year digits beside each printed point: font size, and offset from the point (mm).
constexpr double kYearLabelFont = 7;
constexpr double kYearLabelDx = 0.5;
constexpr double kYearLabelDy = 0.3;

// The printer's font size when a sheet begins.
constexpr double kPrinterFont = 10;

// Screen positions that end far outside any picture still map to finite whole numbers.
double Clamp(double v) {
    constexpr double kFar = 1e9;
    return v > kFar ? kFar : v < -kFar ? -kFar : v;
}

void PrintAt(hc::Surface& s, double x, double y, const std::string& text) {
    s.CurrentX = x;
    s.CurrentY = y;
    s.Print(text);
}

// Font set-up as the chart code does it: size, name, and the size again because a name change
// may reset it.
void SetFont(hc::Surface& s, const char* name, double size) {
    s.SetFontSize(size);
    s.SetFontName(name);
    s.SetFontSize(size);
}

// The regression of the analysis, or the fit in force when one is given.
void DrawLineOrFit(hc::Surface& s, const ChartLayout& l, const RainAnalysis& a,
                   const DistributionFit* fit) {
    if (fit)
        DrawFitLine(s, l, *fit);
    else
        DrawRegressionLine(s, l, a);
}

void DrawResultsOrFit(hc::Surface& s, const ChartLayout& l, const RainAnalysis& a,
                      const NormalTable& normal, const DistributionFit* fit) {
    if (fit)
        DrawFitResultLines(s, l, *fit, normal);
    else
        DrawResultLines(s, l, a);
}

}  // namespace

double ChartLayout::Rnd(double v) const {
    return paper ? v : hc::RoundHalfEven(Clamp(v));
}

double ChartLayout::X(double amount) const {
    return (Rnd(length * (amount - ScaleMin) / (ScaleMax - ScaleMin)) + left) / div;
}

double ChartLayout::Y(double deviate) const {
    return (median - Rnd(perDeviate * deviate)) / div;
}

ChartLayout ScreenLayout(const ChartSettings& s) {
    ChartLayout l;
    l.ScaleMin = s.ScaleMin;
    l.ScaleMax = s.ScaleMax;
    return l;  // the defaults are the screen's
}

ChartLayout PaperLayout(const ChartSettings& s) {
    ChartLayout l;
    l.paper = true;
    l.div = 10;  // tenths of a millimetre to millimetres
    l.ScaleMin = s.ScaleMin;
    l.ScaleMax = s.ScaleMax;
    // The shift is read in tenths of a millimetre, upwards positive.
    l.ox = hc::RoundHalfEven(Clamp(10 * s.offsetRight));
    l.oy = -hc::RoundHalfEven(Clamp(10 * s.offsetUp));
    l.left = 400 + l.ox;
    l.length = 1500;
    l.median = 1200 + l.oy;
    l.perDeviate = 300;
    l.gridOverhang = 15;
    l.labelOverhang = 15;
    l.labelGap = 1.125;
    l.tickDrop = 1.5;
    l.axisLabelDrop = 1.5;
    l.axisLabelHeights = 0.25;
    l.frameFont = 10;
    l.titleFont = 12;
    l.titleX = 200 + l.ox;  // X0 - 200
    l.titleY = 700 + l.oy;
    l.titleStep = 200;
    l.percentX = 185 + l.ox;  // X0 - 215
    l.percentY = 1700 + l.oy;
    l.amountTitleX = 900 + l.ox;  // X0 + 500
    l.amountTitleY = 2250 + l.oy;
    l.amountTitle = kPaperAmountTitle;
    l.solidWidth = s.LineWidths.solid;
    l.dottedWidth = s.LineWidths.dotted;
    l.dottedColor = hc::kBlack;
    l.regressionWidth = s.LineWidths.regression;
    l.regressionColor = hc::kBlack;
    l.pointRadius = 0.75;
    return l;
}

GridExtent DrawProbabilityGrid(hc::Surface& s, const ChartLayout& l, const NormalTable& normal) {
    SetFont(s, hc::kMincho, l.frameFont);
    s.SetDrawWidth(l.solidWidth);
    s.SetDrawStyle(hc::PenStyle::Solid);
    const double xFrom = (l.left - l.gridOverhang) / l.div;
    const double xTo = (l.left + l.length) / l.div;
    const double labelAnchor = (l.left - l.labelOverhang) / l.div;
    GridExtent g;
    bool first = true;
    for (const ProbabilityTick& t : kProbabilityTicks) {
        double y = l.Y(NormalDeviate(normal, t.p));
        s.Line(xFrom, y, xTo, y);
        s.CurrentX = labelAnchor - l.Rnd(l.labelGap * s.TextWidth(t.label));
        s.CurrentY = y - l.Rnd(s.TextHeight(t.label) / 2);
        s.Print(t.label);
        if (first)
            g.yBottom = y;
        g.yTop = y;
        first = false;
    }
    return g;
}

void DrawProbabilityTitle(hc::Surface& s, const ChartLayout& l, const GridExtent& g) {
    SetFont(s, hc::kMincho, l.titleFont);
    const std::string title = hc::TS(kProbabilityTitle);
    if (title.find('\n') == std::string::npos) {
        // Centred on the grid's height; the line holds its unit.
        const double bottom = (g.yTop + g.yBottom + s.TextWidth(title)) / 2;
        s.PrintUpward(l.titleX / l.div, l.Rnd(bottom), title);
        return;
    }
    std::size_t from = 0;
    for (int line = 0; from <= title.size(); ++line) {
        const std::size_t end = std::min(title.find('\n', from), title.size());
        PrintAt(s, l.titleX / l.div, (l.titleY + l.titleStep * line) / l.div,
                title.substr(from, end - from));
        from = end + 1;
    }
    PrintAt(s, l.percentX / l.div, l.percentY / l.div, "(%)");
}

void DrawAmountAxis(hc::Surface& s, const ChartLayout& l, const GridExtent& g) {
    SetFont(s, hc::kMincho, l.frameFont);
    s.SetDrawWidth(l.solidWidth);
    s.SetDrawStyle(hc::PenStyle::Solid);
    auto label = [&](double x, std::int64_t amount) {
        std::string text = std::to_string(amount);
        s.CurrentX = x - l.Rnd(s.TextWidth(text) / 2);
        s.CurrentY = g.yBottom + l.axisLabelDrop + l.Rnd(l.axisLabelHeights * s.TextHeight(text));
        s.Print(text);
    };
    const double x0 = l.left / l.div;
    s.Line(x0, g.yTop, x0, g.yBottom + l.tickDrop);
    const auto ScaleMin = static_cast<std::int64_t>(l.ScaleMin);
    label(x0, ScaleMin);
    const double intervals = hc::RoundHalfEven((l.ScaleMax - l.ScaleMin) / kAmountStep);
    for (int k = 1; k <= intervals; ++k) {
        const double step = l.Rnd(l.length * k / intervals);
        const double x = (step + l.left) / l.div;
        s.Line(x, g.yTop, x, g.yBottom + l.tickDrop);
        label(x, ScaleMin + static_cast<std::int64_t>(kAmountStep) * k);
        s.SetDrawWidth(l.dottedWidth);
        s.SetDrawStyle(hc::PenStyle::Dot);
        for (int m = 1; m <= kDottedPerStep; ++m) {
            const double xm =
                (step - l.Rnd(l.length * m / intervals / (kDottedPerStep + 1)) + l.left) / l.div;
            s.Line(xm, g.yTop, xm, g.yBottom, l.dottedColor);
        }
        s.SetDrawWidth(l.solidWidth);
        s.SetDrawStyle(hc::PenStyle::Solid);
    }
}

void DrawAmountTitle(hc::Surface& s, const ChartLayout& l) {
    SetFont(s, hc::kMincho, l.titleFont);
    // A translation stands where the Japanese title's middle is.
    const std::string title = hc::TS(l.amountTitle);
    const double shift = (s.TextWidth(l.amountTitle) - s.TextWidth(title)) / 2;
    PrintAt(s, l.amountTitleX / l.div + shift, l.amountTitleY / l.div, title);
}

void DrawYearNote(hc::Surface& s, const ChartLayout& l, const GridExtent& g) {
    SetFont(s, hc::kMincho, l.frameFont);
    const double xRight = (l.left + l.length) / l.div;
    const std::string note = hc::TS(kYearNote);
    PrintAt(s, xRight - s.TextWidth(note), g.yTop - kYearNoteRaise * s.TextHeight(note), note);
}

void DrawResultLines(hc::Surface& s, const ChartLayout& l, const RainAnalysis& a) {
    DrawResultBlock(s, l, kResultHeader, ComputeDesignValues(a));
}

void DrawResultBlock(hc::Surface& s, const ChartLayout& l, const char* header,
                     const DesignValues& v) {
    SetFont(s, hc::kMincho, kResultFont);
    const double x = l.left / l.div;
    auto mm = [](std::int64_t n) { return std::to_string(n) + "mm"; };
    auto lineY = [&l](int line) { return (kResultTop + kResultLineStep * line + l.oy) / l.div; };
    PrintAt(s, x, lineY(0), hc::TS(header));
    PrintAt(s, x, lineY(1),
            hc::TS(kDry10Label) + mm(v.dry10) + "  " + hc::TS(kDry50Label) + mm(v.dry50));
    PrintAt(s, x, lineY(2),
            hc::TS(kWet10Label) + mm(v.wet10) + "  " + hc::TS(kWet50Label) + mm(v.wet50));
}

std::string YearLabel(std::int32_t year) {
    std::string text = std::to_string(year);
    return text.size() <= 2 ? text : text.substr(text.size() - 2);
}

void DrawYearLabels(hc::Surface& s, const ChartLayout& l, const RainTable& t,
                    const RainAnalysis& a) {
    SetFont(s, hc::kGothic, kYearLabelFont);
    s.SetFontTransparent(true);
    for (std::size_t i = 0; i < t.Rain.size(); ++i) {
        PrintAt(s, l.X(t.Rain[i]) + kYearLabelDx, l.Y(a.deviate[i]) + kYearLabelDy,
                YearLabel(t.Years[i]));
    }
}

void DrawPoints(hc::Surface& s, const ChartLayout& l, const RainTable& t, const RainAnalysis& a) {
    s.SetFillStyle(0);
    s.SetFillColor(hc::kBlack);
    for (std::size_t i = 0; i < t.Rain.size(); ++i)
        s.Circle(l.X(t.Rain[i]), l.Y(a.deviate[i]), l.pointRadius);
}

void DrawRegressionLine(hc::Surface& s, const ChartLayout& l, const RainAnalysis& a) {
    auto seg = ComputeRegressionSegment(a, l.ScaleMin, l.ScaleMax);
    if (!seg)
        return;
    // The ends are whole layout units, then whole surface units (millimetres on paper).
    auto at = [&](const SegmentEnd& e, double& x, double& y) {
        double xl = l.left + l.length * (e.amount - l.ScaleMin) / (l.ScaleMax - l.ScaleMin);
        double yl = l.median - l.perDeviate * e.deviate;
        x = hc::RoundHalfEven(hc::RoundHalfEven(Clamp(xl)) / l.div);
        y = hc::RoundHalfEven(hc::RoundHalfEven(Clamp(yl)) / l.div);
    };
    double x1, y1, x2, y2;
    at(seg->lower, x1, y1);
    at(seg->upper, x2, y2);
    s.SetDrawWidth(l.regressionWidth);
    s.SetDrawStyle(hc::PenStyle::Solid);
    s.Line(x1, y1, x2, y2, l.regressionColor);
}

GridExtent DrawScreenFrame(hc::Surface& s, const ChartLayout& l, const NormalTable& normal) {
    GridExtent g = DrawProbabilityGrid(s, l, normal);
    DrawProbabilityTitle(s, l, g);
    DrawAmountAxis(s, l, g);
    DrawAmountTitle(s, l);
    return g;
}

void DrawScreenData(hc::Surface& s, const ChartLayout& l, const RainTable& t, const RainAnalysis& a,
                    AnalysisMode analysisMode, const DistributionFit* fit, const ChartBand* band) {
    DrawPoints(s, l, t, a);
    if (DrawsRegressionLine(analysisMode)) {
        DrawLineOrFit(s, l, a, fit);
        if (band)
            DrawFitBands(s, l, *band);
    }
}

GridExtent PrintFrame(hc::Surface& s, const ChartLayout& l, const RainAnalysis& a,
                      const NormalTable& normal, AnalysisMode analysisMode,
                      const DistributionFit* fit) {
    GridExtent g = DrawProbabilityGrid(s, l, normal);
    DrawProbabilityTitle(s, l, g);
    DrawAmountAxis(s, l, g);
    DrawAmountTitle(s, l);
    DrawYearNote(s, l, g);
    if (PrintsDesignValues(analysisMode))
        DrawResultsOrFit(s, l, a, normal, fit);
    return g;
}

void PrintData(hc::Surface& s, const ChartLayout& l, const RainTable& t, const RainAnalysis& a,
               AnalysisMode analysisMode, const DistributionFit* fit, const ChartBand* band) {
    DrawYearLabels(s, l, t, a);
    s.SetFontName(hc::kMincho);
    DrawPoints(s, l, t, a);
    if (DrawsRegressionLine(analysisMode)) {
        DrawLineOrFit(s, l, a, fit);
        if (band)
            DrawFitBands(s, l, *band);
    }
    s.SetFillStyle(1);
}

void DrawScreenChart(hc::Surface& s, const RainTable& t, const RainAnalysis& a,
                     const NormalTable& normal, const ChartSettings& settings,
                     const DistributionFit* fit, const ChartBand* band) {
    s.SetScale(kScreenScaleWidth, kScreenScaleHeight);
    s.SetForeColor(hc::kBlack);
    const ChartLayout l = ScreenLayout(settings);
    DrawScreenFrame(s, l, normal);
    DrawScreenData(s, l, t, a, settings.analysisMode, fit, band);
}

void PrintChart(hc::Surface& printer, const RainTable& t, const RainAnalysis& a,
                const NormalTable& normal, const ChartSettings& settings,
                const DistributionFit* fit, const ChartBand* band) {
    const std::string savedFont = printer.FontName();
    const ChartLayout l = PaperLayout(settings);
    printer.SetDrawStyle(hc::PenStyle::Solid);
    printer.SetDrawWidth(l.solidWidth);
    printer.SetFillStyle(1);
    printer.SetForeColor(hc::kBlack);
    printer.SetFontName(hc::kMincho);
    printer.SetFontSize(kPrinterFont);
    printer.SetFontTransparent(true);
    printer.SetOrientation(hc::Orientation::Portrait);
    PrintFrame(printer, l, a, normal, settings.analysisMode, fit);
    PrintData(printer, l, t, a, settings.analysisMode, fit, band);
    printer.SetFontName(savedFont);
    printer.EndDoc();
}

}  // namespace rain
