// Where the columns of eight samples go: on the screen canvas and on the printed sheets, plus
// the print offsets read from the main window's boxes. Pure functions of the sample count and
// the settings, in layout units of 0.1 mm.
#pragma once

#include <string>
#include <vector>

#include "common/core/result.h"
#include "waterquality/core/samples.h"

namespace wq {

// One column of a page: origin of its centre line, its samples and its scale value S.
struct Column {
    int index = 1;  // 1..4, the scale submenu it takes its scale from
    double x0 = 0;
    int first = 1;
    int last = 0;
    double scale = 1.5;
    friend bool operator==(const Column&, const Column&) = default;
};

// Columns less one for n samples: (n - 1) div 8, 0..3.
int LastColumnIndex(int sampleCount);

// The screen canvas: column k at x0 = 1000 k + 600.
inline constexpr double kScreenFirstX0 = 600;
inline constexpr double kScreenColumnStep = 1000;
std::vector<Column> ScreenColumns(int sampleCount, const PlotSettings& settings);

// The scroll bar is needed once a third column exists (two fit the visible area).
bool ScrollBarShown(int sampleCount);

// Printed sheets: one column at 1000, or two at 600 and 1400; samples 17.. on a second sheet.
inline constexpr double kPaperSingleX0 = 1000;
inline constexpr double kPaperLeftX0 = 600;
inline constexpr double kPaperRightX0 = 1400;
using Sheet = std::vector<Column>;
std::vector<Sheet> PrintSheets(int sampleCount, const PlotSettings& settings);

// The column (1..4) of sample i on the screen.
int ColumnOfSample(int sample);

// Print offset in layout units (0.1 mm) from the text of an offset box: its number of
// millimetres times 10, rounded half to even. A text that is not a number reads as its
// leading number (0 when there is none); a value that cannot be held reads as 0.
int PrintOffsetFromText(const std::string& text);

struct PrintOffset {
    int offX = 0;  // to the right
    int offY = 0;  // upwards
};

// The print shifts as texts of millimetres, kept as typed: the print converts them again.
struct Shifts {
    std::string right = "0";
    std::string up = "0";
};
PrintOffset OffsetOf(const Shifts& shifts);

// The check of "設定終了": a box whose value exceeds 100 mm goes back to "0" (the horizontal
// box first; when it was reset the vertical one is taken as typed). A text that is no number
// is refused (BadValue) with the box in `line`: 1 horizontal, 2 vertical.
inline constexpr int kMaxShiftMm = 100;
hc::Result<Shifts> CheckShifts(const Shifts& typed);

}  // namespace wq
