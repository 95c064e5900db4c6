// The trilinear diagram on a surface: the frame with its 50 % lines, arrows and labels, the
// sample marks and numbers, and the printed number/name table. One routine per element serves
// the screen and the paper; TrilinearMedia carries what differs between them.
#pragma once

#include <array>
#include <string>

#include "common/core/language.h"
#include "common/core/surface.h"
#include "ternaryplot/core/trilinear.h"
#include "waterquality/core/column_layout.h"
#include "waterquality/core/diagram_app.h"
#include "waterquality/core/diagram_strategy.h"
#include "waterquality/core/sample_model.h"
#include "waterquality/core/samples.h"

namespace tri {

// Print line widths, in menu order.
enum WidthIndex : int { kWidthFrame = 0, kWidthHalfLines, kWidthArrows, kWidthTable };
inline constexpr std::array<int, 4> kStartWidths{2, 1, 1, 2};

struct TrilinearMedia {
    double factor = 0.25;  // diagram units -> surface units
    double shiftX = 0;     // diagram units added to x (paper: the right shift)
    double shiftY = 0;     // diagram units added to y (paper: 500 less the upward shift)
    double vertexSize = 7;
    double axisSize = 9;
    double subscriptSize = 6;
    bool dottedHalfLines = true;  // the screen dots them; paper draws them solid
    bool setsWidths = false;      // the screen keeps its one-pixel pen
    std::array<int, 4> widths = kStartWidths;
    bool note = true;  // the screen's bottom line about the printed table
    double numberSize = 8;
    double markSize = 7;
    // The number stands right of and below the point by this part of the extent of its own
    // text (screen), or of the mark measured in the number's font (paper).
    double numberOffset = 0.125;
    bool numberOffsetByMark = false;

    double X(double x) const { return (x + shiftX) * factor; }
    double Y(double y) const { return (y + shiftY) * factor; }
    double L(double length) const { return length * factor; }
};

// The picture area: 513 by 513 pixels, a quarter pixel per diagram unit.
inline constexpr double kScreenSide = 513;
TrilinearMedia ScreenMedia();
// The A4 sheet in millimetres: 0.1 mm per diagram unit, 50 mm lower, moved by the shift.
TrilinearMedia PaperMedia(const wq::PrintOffset& offset, const std::array<int, 4>& widths);

// Drawn through hc::TS, as every word of the chart.
inline constexpr const char* kNoteWithTable =
    hc::N(" 印刷紙面には、番号とサンプル名の対応表が含まれます。");
inline constexpr const char* kNoteWithoutTable =
    hc::N(" 印刷紙面には番号とサンプル名の対応表は含まれません。");

// The fixed frame for the nitrate type (labels) and the table setting (screen note).
void DrawTrilinearFrame(hc::Surface& s, const TrilinearMedia& m, wq::NitrateType nitrateType,
                        wq::SampleList sampleList);
// Marks and numbers of every drawn sample with defined proportions under the nitrate type.
void PlotSamples(hc::Surface& s, const TrilinearMedia& m, const wq::SampleModel& model,
                 wq::NitrateType nitrateType, wq::Numbering numbering);

// Layout of the printed table for n samples, in millimetres before the shift.
struct TableLayout {
    int rows = 4;
    int columns = 1;
    double left = 120, top = 50, right = 151, bottom = 70;
};
TableLayout SampleTableLayout(int n);
inline constexpr double kTableColumnStep = 31;  // mm
inline constexpr double kTableRowStep = 5;      // mm
// "  3: name" for 1..9, " 12: name" from 10 on, so that the colons line up.
std::string SampleTableEntry(int i, const std::string& name);

// The diamond field after each name, when asked for: the field's numeral ("Ⅰ".."Ⅳ", "Ⅰ/Ⅱ" on
// a line), since the full names would not fit the 31 mm columns. A legend of the numerals
// stands in two rows above the entries, inside the box, which then spans both columns.
using TableFields = std::array<std::string, wq::kMaxSamples + 1>;  // "" for none
TableFields SampleTableFields(const wq::SampleModel& model, wq::NitrateType nitrateType);
inline constexpr std::array<const char*, 4> kFieldLegend{
    hc::N(" Ⅰ ｱﾙｶﾘ土類炭酸塩型"), hc::N(" Ⅱ ｱﾙｶﾘ炭酸塩型"), hc::N(" Ⅲ ｱﾙｶﾘ土類非炭酸塩型"),
    hc::N(" Ⅳ ｱﾙｶﾘ非炭酸塩型")};
inline constexpr double kFieldLegendSize = 7;  // points
inline constexpr double kFieldLegendHeight = 2 * kTableRowStep;

void PrintSampleTable(hc::Surface& printer, const wq::SampleTable& table,
                      const wq::PrintOffset& offset, int boxWidth,
                      const TableFields* fields = nullptr);

// The screen picture: user scale, Cls, frame, samples.
void DrawScreen(hc::Surface& canvas, const wq::SampleModel& model,
                const wq::PlotSettings& settings);
// One sheet: set-up, table (when chosen), frame, samples, end of the document.
void PrintChart(hc::Surface& printer, const wq::SampleModel& model,
                const wq::PlotSettings& settings, const wq::PrintOffset& offset);

// What the shared main window calls.
class TrilinearStrategy : public wq::DiagramStrategy {
  public:
    wq::ScaleChoice Convert(const wq::SampleModel& model,
                            wq::PlotSettings& settings) const override;
    void DrawScreen(hc::Surface& canvas, const wq::SampleModel& model,
                    const wq::PlotSettings& settings) const override;
    void Print(hc::Surface& printer, const wq::SampleModel& model, const wq::PlotSettings& settings,
               const wq::PrintOffset& offset) const override;
    std::string Csv(const wq::SampleModel& model, const wq::PlotSettings& settings) const override;
};

// ternaryplot's rules: the table and numbering choices, four print widths, no column scales,
// the marks and colours of rows 20 and 21, and its caption.
const wq::DiagramVariant& TernaryPlotVariant();

}  // namespace tri
