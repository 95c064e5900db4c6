// The cross-section chart: frame, distance and elevation grid, the surveyed section, the water
// surfaces with their marks and the titles, drawn by the same routines on the window's picture
// and on an A4 landscape sheet (which adds the block of results).
#pragma once

#include <string>
#include <vector>

#include "common/core/surface.h"
#include "flowcalc/core/cross_section.h"
#include "flowcalc/core/discharge.h"

namespace flow {

// Everything one computation used and produced. The picture and the printout are drawn from
// it, so printing never recomputes and always matches what is on the screen.
struct Computation {
    CrossSection Section;
    ChartScales Scales;
    FlowParameters Parameters;
    DischargeResult Result;
};

// Printer pen widths (DrawWidth, 1..5) of the frame, the section line and the water lines.
struct PrintWidths {
    int Frame = 2;
    int Section = 3;
    int Water = 2;
};

// Where and how one target draws the chart. Screen and paper differ only in these.
struct ChartConstants {
    double Left, Top, Right, Bottom;  // the frame, in user units
    double MajorTick, MinorTick;
    std::string LabelFont;
    double LabelSize;
    std::string TitleFont;
    double TitleSize;
    double VerticalTitleX;  // the stacked elevation title is centred on this x
    double MarkHalfWidth, MarkHeight;
    int FrameWidth, SectionWidth, WaterWidth;
    hc::Color SectionColor, WaterColor;

    double Middle() const { return (Top + Bottom) / 2; }
};

// Picture1's user scale and the screen layout: a 140 x 70 area, frame (10,10)-(135,60).
inline constexpr double kScreenScaleWidth = 140;
inline constexpr double kScreenScaleHeight = 70;
ChartConstants ScreenConstants();
// The A4 landscape sheet in millimetres, frame (25,80)-(275,180), at true scale.
ChartConstants PaperConstants(const PrintWidths& widths);

// Chart position of a point in metres.
double ChartX(const ChartConstants& k, const ChartScales& s, double x);
double ChartY(const ChartConstants& k, const ChartScales& s, double y);

// The chart elements, one routine each.
void DrawFrame(hc::Surface& g, const ChartConstants& k);
void DrawDistanceTicks(hc::Surface& g, const ChartConstants& k, const ChartScales& s);
void DrawElevationTicks(hc::Surface& g, const ChartConstants& k, const ChartScales& s);

// Where a text stands: CurrentX/CurrentY and the text's width and height, in user units.
struct TextBox {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};
// The elevation labels at the bottom, middle and top of the frame, as DrawElevationTicks
// prints them (measured in the label font, which this leaves set).
struct ElevationLabel {
    std::string Text;
    TextBox Box;
};
std::vector<ElevationLabel> ElevationLabels(hc::Surface& g, const ChartConstants& k,
                                            const ChartScales& s);
// The boxes of the stacked elevation title ("標", "高", "（ｍ）") centred on `middle`.
std::vector<TextBox> VerticalTitleBoxes(hc::Surface& g, const ChartConstants& k, double middle);
// The middle of the stacked title: the frame's middle unless an elevation label would
// overprint it there.
void DrawSectionLine(hc::Surface& g, const ChartConstants& k, const Computation& c);
void DrawWaterLines(hc::Surface& g, const ChartConstants& k, const Computation& c);
// A section with n across: a green tick where the n changes and each zone's n above it.
void DrawRoughnessZones(hc::Surface& g, const ChartConstants& k, const Computation& c);
double VerticalTitleMiddle(hc::Surface& g, const ChartConstants& k, const ChartScales& s);
// The titles with the stacked one at the frame's middle, beside the labels of `s`, or at
// verticalMiddle.
void DrawTitles(hc::Surface& g, const ChartConstants& k);
void DrawTitles(hc::Surface& g, const ChartConstants& k, const ChartScales& s);
void DrawTitlesAt(hc::Surface& g, const ChartConstants& k, double verticalMiddle);

// The window's picture, drawn from scratch (sets Picture1's user scale).
void DrawSection(hc::Surface& g, const Computation& c);

// The printed text lines (CurrentY in mm, text), left column and scale column.
struct PrintedLine {
    double x, y;
    std::string text;
};
std::vector<PrintedLine> ResultLines(const Computation& c);

// One A4 landscape sheet with the chart at true scale and the result block; ends the document.
void PrintSection(hc::Surface& printer, const Computation& c, const PrintWidths& widths);

}  // namespace flow
