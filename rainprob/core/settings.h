// The drawing settings of rainprob and their rules: the values the menus offer, the defaults of
// the first load and the checks on the axis range, the printer line widths, the analysis mode
// and the print position. The window and hydrochart both take them from here.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "common/core/result.h"

namespace rain {

// What the chart shows of the regression; the number is the one the menus and --mode use.
enum class AnalysisMode { None = 0, Line = 1, LineAndValues = 2 };

inline bool DrawsRegressionLine(AnalysisMode m) {
    return m != AnalysisMode::None;
}
inline bool PrintsDesignValues(AnalysisMode m) {
    return m == AnalysisMode::LineAndValues;
}
// The mode of a number, or a BadValue Error for one other than 0, 1 and 2.
hc::Result<AnalysisMode> AnalysisModeOf(int number);

// The panel's texts of a mode: the heading (Label18) and the note on printing (Label17).
struct AnalysisModeText {
    const char* heading;
    const char* note;
};
AnalysisModeText ModeText(AnalysisMode m);

// Printer DrawWidth (0.1 mm units) of the 500 mm grid, the dotted 100 mm grid and the
// regression line.
// In the order of the panel and the menus.
enum class PrintLine { Solid, Dotted, Regression };
struct LineWidthSet {
    int solid = 3;
    int dotted = 2;
    int regression = 5;

    int& Of(PrintLine line);
    int Of(PrintLine line) const;
};
inline constexpr int kMinLineWidth = 1;
inline constexpr int kMaxLineWidth = 5;
hc::Status CheckLineWidth(int width);

// The amount axis: the values the two scale menus offer, in mm.
inline constexpr std::array<std::int32_t, 9> kScaleMinChoices = {0,    500,  1000, 1500, 2000,
                                                                 2500, 3000, 3500, 4000};
inline constexpr std::array<std::int32_t, 14> kScaleMaxChoices = {
    1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500, 5000, 5500, 6000, 6500, 7000, 7500};
// The widest range drawn: 200 intervals of 500 mm (the menus stay far below it).
inline constexpr std::int64_t kMaxAxisRange = 100000;
// The message of a refused pair, for drawing and printing alike.
inline constexpr const char* kBadScaleMessage = "スケールを正しく選択してね";
// The axis needs ScaleMin < ScaleMax (BadValue with kBadScaleMessage) and a range of at most
// kMaxAxisRange (BadValue).
hc::Status CheckScalePair(std::int32_t ScaleMin, std::int32_t ScaleMax);

// The print position: the leading number of a box's text in mm, 0 when there is none ("10mm"
// gives 10, "abc" 0). The window takes any number; hydrochart's --offset at most
// kMaxPrintOffset either way.
double PrintOffsetOf(std::string_view text);
inline constexpr double kMaxPrintOffset = 1000;
hc::Status CheckPrintOffset(double mm);

// The settings in force. The member initialisers are the defaults the first load applies.
struct ChartSettings {
    std::int32_t ScaleMin = 0;  // mm at the left end of the amount axis
    std::int32_t ScaleMax = 3000;
    LineWidthSet LineWidths;
    AnalysisMode analysisMode = AnalysisMode::None;
    double offsetRight = 0;  // print position shift in mm, positive to the right
    double offsetUp = 0;     // positive upwards
};

}  // namespace rain
