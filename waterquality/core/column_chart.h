// The column page of the hexadiagram and Stiff programs: the constants that tell screen from
// paper, the elements both diagrams share (scale bar, legend box, legend texts, sample names)
// and the per-column protocol that drives a program's own frame and polygon procedures on the
// screen canvas and on the printer.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/core/language.h"
#include "common/core/surface.h"
#include "waterquality/core/column_layout.h"
#include "waterquality/core/meq.h"
#include "waterquality/core/sample_model.h"
#include "waterquality/core/samples.h"

namespace wq {

// Screen and paper differ only in these constants; the drawing routines are the same.
struct ChartMedia {
    double factor = 1.92;  // layout units (0.1 mm) -> surface units
    double shiftX = 0;     // layout units added to every x (paper: the right offset)
    double shiftY = 0;     // layout units added to every y (paper: 300 less the upward offset)
    double labelSize = 6;  // frame labels and sample names, points
    double subscriptSize = 5;
    const char* legendTitle = hc::N("凡  例");  // shown through hc::TS
    double legendTitleSize = 6;
    double captionLift = 1.0;  // "試料名" stands this many lines above the legend's top row
    std::string nameFont = hc::kMincho;
    double nameAnchorDy = -100;  // the sample name is placed relative to row y + this
    double nameLift = 0.5;       // ... CurrentY = Y(anchor) - nameLift * TH
    bool setsWidths = false;     // the screen keeps its one-pixel pen
    std::array<int, 5> widths = kColumnStartWidths;

    double X(double x) const { return (x + shiftX) * factor; }
    double Y(double y) const { return (y + shiftY) * factor; }
    // Sets the printer pen for a group of lines (paper only).
    void Width(hc::Surface& s, LineWidthIndex which) const;
};

ChartMedia ScreenMedia();
inline constexpr double kPaperFactor = 0.1;
inline constexpr double kPaperDown = 300;  // the printed page sits 30 mm lower than the canvas
ChartMedia PaperMedia(const PrintOffset& offset, const std::array<int, 5>& widths);

// Screen canvas of the column programs (Picture2) and its visible part (Picture1).
inline constexpr double kCanvasScaleWidth = 8000;
inline constexpr double kCanvasScaleHeight = 4000;
inline constexpr double kViewScale = 4000;

// What one column's procedures read.
struct ColumnContext {
    const ChartMedia& media;
    Column column;
    const SampleTable& table;
    const PlotSettings& settings;
    const std::vector<PlotValues>& q;  // sample n's at q[n - 1]
};

// A program's own drawing procedures (hexadiagram, Stiff diagram), called per column.
class ColumnDiagram {
  public:
    virtual ~ColumnDiagram() = default;
    virtual void FrameTopDown(hc::Surface& s, const ColumnContext& c) const = 0;
    virtual void FrameBottomUp(hc::Surface& s, const ColumnContext& c) const = 0;
    virtual void Samples(hc::Surface& s, const ColumnContext& c) const = 0;
};

// Anything but bottom-up draws top-down.
inline bool TopDown(Direction direction) {
    return direction != Direction::BottomUp;
}
// Centre line y of sample i's row (layout units).
double RowCentre(int sample, Direction direction);
// Axis height and tick direction of the scale bar; centre row of the legend hexagon.
double ScaleAxisY(Direction direction);
double LegendCentreY(Direction direction);

// Shared frame elements.
void SetFrameFont(hc::Surface& s, const ChartMedia& m);
void DrawScaleBar(hc::Surface& s, const ChartMedia& m, double x0, double scale,
                  Direction direction);
void DrawLegendBox(hc::Surface& s, const ChartMedia& m, double x0, Direction direction);
// "試料名" and the legend title; leaves the font at Gothic.
void DrawLegendTitles(hc::Surface& s, const ChartMedia& m, double x0, Direction direction);
// A polyline through the layout points, each scaled by the media.
void Polyline(hc::Surface& s, const ChartMedia& m,
              std::initializer_list<std::array<double, 2>> pts);

// Legend ion labels by nitrate type, in rows Cl, HCO3, SO4 (blanks hold subscripts).
struct AnionLabels {
    std::string cl, hco3, so4;
};
AnionLabels AnionLabelTexts(NitrateType nitrateType);
inline constexpr std::array<const char*, 3> kCationLabels{"Na+K", "Ca", "Mg"};

// Label starting half a character right of layout x, centred on row y.
void LabelRightOf(hc::Surface& s, const ChartMedia& m, double x, double y, const std::string& t);
// Label ending half a character left of layout x, centred on row y; subscript digits into its
// blanks.
void LabelLeftOf(hc::Surface& s, const ChartMedia& m, double x, double y, const std::string& t);

// Sample label ("3: name" with numbering on) and its placement above the row.
// The legend figure of a column program: its unit polygon and ion labels, centred on x0 and the
// legend row yc, with the anion half chosen by the nitrate type.
using LegendFigure = void (*)(hc::Surface& s, const ChartMedia& m, double x0, double yc,
                              NitrateType nitrate);

// One column's frame in the given direction: scale bar, legend box, the program's legend figure,
// "試料名" and the legend title, in that order.
void DrawColumnFrame(hc::Surface& s, const ColumnContext& c, Direction direction,
                     LegendFigure figure);

// The sample polygons of one column with their centre lines, nitrate triangles and names: the
// hexagon (xs = ys = 1: cations to the right, Na+K and Cl on the lower row) or that figure
// mirrored on both axes (xs = ys = -1, the Stiff diagram).
void DrawSamplePolygons(hc::Surface& s, const ColumnContext& c, double xs, double ys);

std::string SampleLabel(int sample, const std::string& name, Numbering numbering);
void PrintSampleName(hc::Surface& s, const ChartMedia& m, double x0, double rowY,
                     const std::string& label);

// The per-column protocol: plotted values at the column's scale, the frame of the current
// direction, then the samples.
void DrawColumn(hc::Surface& s, const ChartMedia& m, const Column& column, const SampleModel& model,
                const PlotSettings& settings, const ColumnDiagram& diagram);

// DrawScreen: clears the canvas (user scale 8000 x 4000 set here) and draws every column.
void DrawScreen(hc::Surface& canvas, const SampleModel& model, const PlotSettings& settings,
                const ColumnDiagram& diagram);

// The printer's preparation before each document: solid lines, transparent text, portrait.
void SetUpPrinter(hc::Surface& printer);

// The print run: sheets by sample count, each finished by EndDoc; the printer's font name is
// restored afterwards.
void PrintRun(hc::Surface& printer, const SampleModel& model, const PlotSettings& settings,
              const PrintOffset& offset, const ColumnDiagram& diagram);

}  // namespace wq
