// The stage-discharge chart of a rating table: discharge across, water level upwards, the
// rating line with a mark at each tabulated stage and the lower bank top dashed. One routine
// draws it on a window's picture and on an A4 landscape sheet; the constants differ.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/core/language.h"
#include "common/core/surface.h"
#include "flowcalc/core/rating.h"
#include "flowcalc/core/section_chart.h"

namespace flow {

// Texts of the chart and its sheet.
inline constexpr const char* kRatingDischargeTitle = hc::N("流  量  （ｍ3／sec）");
inline constexpr const char* kRatingLevelTitle[] = {hc::N("水"), hc::N("位"), hc::N("（ｍ）")};
inline constexpr const char* kRatingDischargeTitleUs = hc::N("流  量  （ft3／sec）");
inline constexpr const char* kRatingLevelTitleUs[] = {hc::N("水"), hc::N("位"), hc::N("（ft）")};
inline constexpr const char* kRatingBankLabel = hc::N("岸の天端（低い方）");
inline constexpr const char* kRatingSheetTitle = hc::N("マニング式による水位流量曲線");

// Where and how one target draws the chart.
struct RatingChartConstants {
    double Left, Top, Right, Bottom;  // the frame, in user units
    double TickLength;
    std::string LabelFont;
    double LabelSize;
    std::string TitleFont;
    double TitleSize;
    double VerticalTitleX;  // the stacked level title is centred on this x
    double MarkRadius;      // the marks at the tabulated stages
    int FrameWidth, CurveWidth;
    hc::Color CurveColor, GridColor, BankColor;
};

// A window's picture of 140 x 100 user units.
inline constexpr double kRatingScreenWidth = 140;
inline constexpr double kRatingScreenHeight = 100;
RatingChartConstants RatingScreenConstants();
// The A4 landscape sheet in millimetres, with the frame's and the section line's print widths.
RatingChartConstants RatingPaperConstants(const PrintWidths& widths);

// An axis from Min to Max with a tick every Step: a step of 1, 2 or 5 times a power of ten
// giving about `ticks` intervals, the ends on whole steps around lo..hi.
struct AxisScale {
    double Min = 0, Max = 1, Step = 1;
};
AxisScale NiceAxis(double lo, double hi, int ticks = 5);

struct RatingAxes {
    AxisScale Discharge;  // 0 to the largest discharge
    AxisScale Level;      // the bed to the lower bank top
};
RatingAxes RatingChartAxes(const RatingCurve& c);

// Chart position of a discharge and of a water level.
double RatingX(const RatingChartConstants& k, const RatingAxes& a, double discharge);
double RatingY(const RatingChartConstants& k, const RatingAxes& a, double level);

// Marks are drawn while a table has at most this many rows; denser tables show the line alone.
inline constexpr std::size_t kMaxMarkedRows = 100;

// The chart itself: grid, frame, tick labels, axis titles, the bank top and the rating line.
void DrawRatingChart(hc::Surface& g, const RatingChartConstants& k, const RatingCurve& c);

// The dotted grid at the ticks, the frame over it, and the ticks with their numbers, of a
// chart with the constants k: `xTicks` along the bottom at x(tick), `yTicks` up the left side
// at y(tick). The rating and specific-energy charts share it.
void DrawChartFrame(hc::Surface& g, const RatingChartConstants& k,
                    const std::vector<double>& xTicks, const std::function<double(double)>& x,
                    const std::vector<double>& yTicks, const std::function<double(double)>& y);

// A window's picture, drawn from scratch (sets the 140 x 100 user scale).
void DrawRatingScreen(hc::Surface& g, const RatingCurve& c);

// One A4 landscape sheet: the title block (file, roughness, slope, step, bed, bank top and the
// discharge there) above the chart; ends the document.
void PrintRatingCurve(hc::Surface& printer, const RatingCurve& c, const std::string& dataPath,
                      const FlowParameters& p, const PrintWidths& widths);

}  // namespace flow
