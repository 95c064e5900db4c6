// What the wqplot charts share: the media constants of the screen and the A4 sheet, the marks
// and colours of the samples (by group, or each sample's own), the legend, and the plot box a
// chart of a given aspect ratio takes on the surface.
#pragma once

#include <string>
#include <vector>

#include "common/core/surface.h"
#include "waterquality/core/samples.h"

namespace wqp {

// Screen and paper differ only in these constants. Font sizes are points on both (the surface
// never scales them); lengths are in the surface's user units (pixels or millimetres).
struct ChartMedia {
    bool paper = false;
    double width = 900;  // the area drawn on
    double height = 700;
    double margin = 12;                // around the whole chart
    double legendWidth = 170;          // the column at the right (screen)
    double legendHeight = 0;           // the band below the chart (paper), instead of the column
    double legendColumn = 60;          // the width of one column of entries in the band
    double unitsPerPoint = 96.0 / 72;  // user units of one typographic point
    double titleSize = 11;
    double textSize = 9;
    double tickSize = 7;
    double subscriptSize = 6;
    double markPoints = 3.2;  // half the side of a mark
    int frameWidth = 1;       // DrawWidth: pixels on screen, 0.1 mm on paper
    int gridWidth = 1;
    int lineWidth = 1;
    hc::Color grid{200, 200, 200};
};

// A picture area of the given size in pixels.
ChartMedia ScreenMedia(double widthPx, double heightPx);
// The A4 portrait sheet in millimetres.
ChartMedia PaperMedia();

// Screen: the user scale of the media and a cleared picture; paper: portrait, ready to draw.
void BeginChart(hc::Surface& s, const ChartMedia& m);
// Paper: the end of the document; nothing on screen.
void EndChart(hc::Surface& s, const ChartMedia& m);

// ---- Marks, colours, legend --------------------------------------------------------------------

enum class MarkShape { Circle, Square, TriangleUp, Diamond, TriangleDown, Cross, Plus, Text };
struct PointStyle {
    MarkShape shape = MarkShape::Circle;
    hc::Color colour = hc::kBlack;
    std::string text;  // MarkShape::Text: the workbook's mark character
};
struct LegendEntry {
    std::string label;
    int style = 0;  // index into SampleStyles::styles
};

// Groups take a shape and a colour each, in the order they first appear; a sample without a
// group, in a table where others have one, belongs to the group "（グループなし）". A table
// without groups keeps each sample's own mark and colour (workbook rows 20 and 21), and the
// legend then names the samples.
struct SampleStyles {
    std::vector<PointStyle> styles;
    std::vector<int> styleOf;         // per sample in table order; -1 for a sample not drawn
    std::vector<LegendEntry> legend;  // at most kMaxLegendEntries
    int legendLeftOut = 0;            // entries beyond those
    bool byGroup = false;
};
inline constexpr int kMaxLegendEntries = 32;  // a whole workbook
inline constexpr const char* kNoGroup = "（グループなし）";
SampleStyles AssignStyles(const wq::SampleTable& table);

// A mark of `style` centred on (x, y), half side `r` in user units. Text marks are centred by
// their measured width, which the caller passes (measured once per mark, not per point).
void DrawMark(hc::Surface& s, const PointStyle& style, double x, double y, double r,
              double textWidth = 0, double textHeight = 0);

// Draws the marks of a chart's styles at a given half side, each text mark measured once in the
// current font when the painter is made (10,000 points must not measure 10,000 texts).
class MarkPainter;

// The points of a scatter chart: each sample's mark where `place` puts it ({x, y} in user
// units), and its name beside the mark when `labels` is on. `points` holds `style` and `name`.
template <class Points, class Place>
void DrawScatter(hc::Surface& s, const ChartMedia& m, const SampleStyles& styles,
                 const Points& points, bool labels, Place place);

class MarkPainter {
  public:
    MarkPainter(hc::Surface& s, const std::vector<PointStyle>& styles, double r);
    void Draw(int style, double x, double y);

  private:
    hc::Surface& s_;
    const std::vector<PointStyle>& styles_;
    double r_;
    std::vector<std::pair<double, double>> extent_;  // per style: a text mark's width, height
};

// The plot box of a chart: inside the margins, beside or above the legend.
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
    double Width() const { return right - left; }
    double Height() const { return bottom - top; }
};
Box PlotBox(const ChartMedia& m);
Box LegendBox(const ChartMedia& m);

// The legend in its box: the title, then one mark and label per entry, then "ほか N 件" for
// what did not fit (beyond kMaxLegendEntries or below the box); in columns where the box is a
// band. Returns the part of the box left free (below the entries in a column, right of the
// last column in a band). `reserve` is kept free for what follows: a height at the bottom of a
// column, a width at the right of a band. A band starts at `bandTop` when given (just below a
// chart that does not fill its box), else at the top of the media's band.
Box DrawLegend(hc::Surface& s, const ChartMedia& m, const SampleStyles& styles,
               double reserve = 0, double bandTop = -1);
// "Samples not drawn, their ions summing to 0: n", in the language shown.
std::string ZeroSumNote(int count);

// Text helpers: top-left at (x, y); centred on x; right-aligned at x.
void TextAt(hc::Surface& s, double x, double y, const std::string& text);
void TextCentred(hc::Surface& s, double x, double y, const std::string& text);
void TextRight(hc::Surface& s, double x, double y, const std::string& text);
// An ion label ("HCO +CO " with subscript digits) centred on x with its top at y.
void IonLabelCentred(hc::Surface& s, const ChartMedia& m, double x, double y,
                     const std::string& label);
// A name cut to `maxChars` characters with "…".
std::string ShortName(const std::string& name, int maxChars);

template <class Points, class Place>
void DrawScatter(hc::Surface& s, const ChartMedia& m, const SampleStyles& styles,
                 const Points& points, bool labels, Place place) {
    s.SetFontSize(m.textSize);
    const double r = m.markPoints * m.unitsPerPoint;
    MarkPainter marks(s, styles.styles, r);
    s.SetDrawWidth(m.lineWidth);
    for (const auto& p : points) {
        const auto [x, y] = place(p);
        marks.Draw(p.style, x, y);
    }
    s.SetDrawWidth(1);
    if (!labels)
        return;
    s.SetFontSize(m.tickSize);
    const double th = s.TextHeight("0");
    for (const auto& p : points) {
        const auto [x, y] = place(p);
        TextAt(s, x + r * 1.6, y - th / 2, p.name);
    }
}

}  // namespace wqp
