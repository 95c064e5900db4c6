// The normal-probability chart of a precipitation record, drawn through hc::Surface: on the
// window's picture in chart units (4000 x 5000) and on an A4 portrait sheet in millimetres.
// Screen and paper share one routine per chart element; a ChartLayout carries what differs.
#pragma once

#include <cstdint>
#include <string>

#include "common/core/language.h"
#include "common/core/surface.h"
#include "rainprob/core/analysis.h"
#include "rainprob/core/rain_data.h"
#include "rainprob/core/settings.h"

namespace rain {

struct DistributionFit;
struct ChartBand;

// The window's picture at its design size, in twips.
inline constexpr int kPictureWidthTwips = 5655;
inline constexpr int kPictureHeightTwips = 7095;

// The user scale of the window's picture.
inline constexpr double kScreenScaleWidth = 4000;
inline constexpr double kScreenScaleHeight = 5000;

// The fifteen probability ticks and their labels, blanks included.
struct ProbabilityTick {
    double p;
    const char* label;
};
inline constexpr ProbabilityTick kProbabilityTicks[] = {
    {0.001, " 0.1"}, {0.01, "   1"}, {0.05, "   5"}, {0.1, "  10"},  {0.2, "  20"},
    {0.3, "  30"},   {0.4, "  40"},  {0.5, "  50"},  {0.6, "  60"},  {0.7, "  70"},
    {0.8, "  80"},   {0.9, "  90"},  {0.95, "  95"}, {0.99, "  99"}, {0.999, "99.9"}};

// Texts of the chart, drawn through hc::TS.
inline constexpr const char* kScreenAmountTitle = hc::N("年降水量（mm）");
inline constexpr const char* kPaperAmountTitle = hc::N("年  降  水  量  （mm）");
inline constexpr const char* kYearNote = hc::N("数字は西暦年の下２桁");
inline constexpr const char* kResultHeader = hc::N("< 直線回帰による解析結果 >");
inline constexpr const char* kDry10Label = hc::N("    1/10渇水年降水量 = ");
inline constexpr const char* kDry50Label = hc::N("    1/50渇水年降水量 = ");
inline constexpr const char* kWet10Label = hc::N("    1/10豊水年降水量 = ");
inline constexpr const char* kWet50Label = hc::N("    1/50豊水年降水量 = ");

// Where the chart's elements go on one target. Positions are formed in layout units (screen:
// chart units; paper: tenths of a millimetre) and divided by `div` for the surface; the screen
// rounds them to whole chart units, the paper does not.
struct ChartLayout {
    bool paper = false;
    double div = 1;
    double ScaleMin = 0, ScaleMax = 3000;
    double ox = 0, oy = 0;          // print offset (layout units; oy positive downwards)
    double left = 700;              // ScaleMin on the amount axis
    double length = 3000;           // axis length
    double median = 2300;           // deviate 0
    double perDeviate = 700;        // layout units per unit deviate
    double gridOverhang = 30;       // probability lines start this far left of the axis
    double labelOverhang = 0;       // their labels end 1.25 (1.125) widths before axis - this
    double labelGap = 1.25;         // label right gap, in label widths
    double tickDrop = 30;           // 500 mm lines reach below the bottom line (surface units)
    double axisLabelDrop = 0;       // amount labels: below the bottom line by this ...
    double axisLabelHeights = 0.5;  // ... plus this many text heights
    double frameFont = 8;           // probability and amount labels (Mincho)
    double titleFont = 9;           // axis titles
    double titleX = 100, titleY = 1000, titleStep = 500;  // "非超過確率", one character a line
    double percentX = 70, percentY = 3500;                // "(%)"
    double amountTitleX = 1700, amountTitleY = 4800;
    const char* amountTitle = kScreenAmountTitle;
    int solidWidth = 1;
    int dottedWidth = 1;
    hc::Color dottedColor = hc::QBColor(1);
    int regressionWidth = 1;
    hc::Color regressionColor = hc::QBColor(12);
    double pointRadius = 20;  // surface units

    // Rounds on the screen, leaves paper positions as they are.
    double Rnd(double v) const;
    // Position of an amount (mm) and of a deviate on the surface.
    double X(double amount) const;
    double Y(double deviate) const;
};

ChartLayout ScreenLayout(const ChartSettings& s);
ChartLayout PaperLayout(const ChartSettings& s);

// The grid ends found while drawing the probability lines.
struct GridExtent {
    double yTop = 0;     // the 99.9 % line
    double yBottom = 0;  // the 0.1 % line
};

// Chart elements, each used for both targets.
GridExtent DrawProbabilityGrid(hc::Surface& s, const ChartLayout& l, const NormalTable& normal);
void DrawProbabilityTitle(hc::Surface& s, const ChartLayout& l, const GridExtent& g);
void DrawAmountAxis(hc::Surface& s, const ChartLayout& l, const GridExtent& g);
void DrawAmountTitle(hc::Surface& s, const ChartLayout& l);
void DrawYearNote(hc::Surface& s, const ChartLayout& l, const GridExtent& g);
void DrawResultLines(hc::Surface& s, const ChartLayout& l, const RainAnalysis& a);
// The block of results under a header, with the four design values given.
void DrawResultBlock(hc::Surface& s, const ChartLayout& l, const char* header,
                     const DesignValues& v);
void DrawYearLabels(hc::Surface& s, const ChartLayout& l, const RainTable& t,
                    const RainAnalysis& a);
void DrawPoints(hc::Surface& s, const ChartLayout& l, const RainTable& t, const RainAnalysis& a);
void DrawRegressionLine(hc::Surface& s, const ChartLayout& l, const RainAnalysis& a);

// The two digits printed beside a point: the last two characters of the year ("05", "7").
std::string YearLabel(std::int32_t year);

// The halves of the window's chart and of the printed sheet. With a fit, its line or curve and
// its values replace the regression line and the regression's values; without one (or with the
// normal fit of `a`) the chart is the regression's. With a band, the ±1 standard-error band of
// the line is drawn beside it, dashed.
GridExtent DrawScreenFrame(hc::Surface& s, const ChartLayout& l, const NormalTable& normal);
void DrawScreenData(hc::Surface& s, const ChartLayout& l, const RainTable& t, const RainAnalysis& a,
                    AnalysisMode analysisMode, const DistributionFit* fit = nullptr,
                    const ChartBand* band = nullptr);
GridExtent PrintFrame(hc::Surface& s, const ChartLayout& l, const RainAnalysis& a,
                      const NormalTable& normal, AnalysisMode analysisMode,
                      const DistributionFit* fit = nullptr);
void PrintData(hc::Surface& s, const ChartLayout& l, const RainTable& t, const RainAnalysis& a,
               AnalysisMode analysisMode, const DistributionFit* fit = nullptr,
               const ChartBand* band = nullptr);

// The window's chart: frame, then points and (modes 1 and 2) the regression line or the fit.
// Sets the chart's user scale; does not clear. Needs ScaleMin < ScaleMax.
void DrawScreenChart(hc::Surface& s, const RainTable& t, const RainAnalysis& a,
                     const NormalTable& normal, const ChartSettings& settings,
                     const DistributionFit* fit = nullptr, const ChartBand* band = nullptr);

// One A4 portrait sheet on the printer, ended with EndDoc. Needs ScaleMin < ScaleMax.
void PrintChart(hc::Surface& printer, const RainTable& t, const RainAnalysis& a,
                const NormalTable& normal, const ChartSettings& settings,
                const DistributionFit* fit = nullptr, const ChartBand* band = nullptr);

}  // namespace rain
