#include "ternaryplot/core/trilinear_chart.h"

#include <algorithm>
#include <vector>

#include "common/core/language.h"
#include "ternaryplot/core/trilinear_csv.h"
#include "waterquality/core/data_check.h"
#include "waterquality/core/ion_label.h"

namespace tri {

namespace {

// A vertex label: CurrentX = fX + ax TW, CurrentY = fY + ay TH.
struct VertexLabel {
    double x, y;
    const char* text;
    double ax, ay;
};

// The figure in chart units (y downwards). The triangles stand on one base line with sides of
// 700; heights are 700 sin 60° = 606.218 and its halves, to the thousandth, so the corners
// below are as the figure was always drawn.
constexpr double kBaseY = 1700;
constexpr double kApexY = 1093.782;
constexpr double kSideMidY = 1396.891;  // half-way up the triangles' sides
constexpr double kCationLeft = 200, kCationMid = 550, kCationRight = 900;
constexpr double kCationSideMidLeft = 375, kCationSideMidRight = 725;
constexpr double kAnionLeft = 1100, kAnionMid = 1450, kAnionRight = 1800;
constexpr double kAnionSideMidLeft = 1275, kAnionSideMidRight = 1625;
// The diamond: its top and bottom corners on x = kDiamondMid, its side corners on y = kDiamondMidY,
// and the middles of its sides.
constexpr double kDiamondMid = 1000, kDiamondLeft = 650, kDiamondRight = 1350;
constexpr double kDiamondTopY = 314.359, kDiamondMidY = 920.577, kDiamondBottomY = 1526.795;
constexpr double kDiamondSideMidLeft = 825, kDiamondSideMidRight = 1175;
constexpr double kDiamondUpperMidY = 617.468, kDiamondLowerMidY = 1223.686;
// Arrow labels stand this far beside an arrow's end; the diamond's lower labels move a step of
// 100 along the side (at 60°) away from it.
constexpr double kArrowLabelGap = 37.5;
constexpr double kAlongSideX = 50, kAlongSideY = 86.603;
// The note under the figure on the screen.
constexpr double kNoteY = 1950;
constexpr double kNoteSize = 9;
// The sheet: a chart unit is a tenth of a millimetre, and the figure starts 50 mm down.
constexpr double kPaperFactor = 0.1;
constexpr double kPaperDown = 500;

constexpr std::array<VertexLabel, 6> kCationLabels{{
    {kCationRight, kBaseY, "0%", -0.5, 0.25},
    {kCationRight, kBaseY, "100%", 0, -1.25},
    {kCationLeft, kBaseY, "0%", -1, -1.25},
    {kCationLeft, kBaseY, "100%", -0.5, 0.25},
    {kCationMid, kApexY, "0%", 0.375, -0.5},
    {kCationMid, kApexY, "100%", -1.1875, -0.5},
}};
constexpr std::array<VertexLabel, 6> kAnionLabels{{
    {kAnionRight, kBaseY, "100%", -0.5, 0.25},
    {kAnionRight, kBaseY, "0%", 0, -1.25},
    {kAnionLeft, kBaseY, "100%", -1, -1.25},
    {kAnionLeft, kBaseY, "0%", -0.5, 0.25},
    {kAnionMid, kApexY, "100%", 0.1875, -0.5},
    {kAnionMid, kApexY, "0%", -1.375, -0.5},
}};
constexpr std::array<VertexLabel, 4> kDiamondLabels{{
    {kDiamondMid, kDiamondBottomY, "100%", -0.5, 0.25},
    {kDiamondMid, kDiamondTopY, "100%", -0.5, -1.25},
    {kDiamondLeft, kDiamondMidY, "0%", -1.25, -0.5},
    {kDiamondRight, kDiamondMidY, "0%", 0.25, -0.5},
}};

constexpr std::array<Point, 4> kCationTriangle{
    {{kCationRight, kBaseY}, {kCationLeft, kBaseY}, {kCationMid, kApexY}, {kCationRight, kBaseY}}};
constexpr std::array<Point, 4> kAnionTriangle{
    {{kAnionRight, kBaseY}, {kAnionLeft, kBaseY}, {kAnionMid, kApexY}, {kAnionRight, kBaseY}}};
constexpr std::array<Point, 5> kDiamond{{{kDiamondMid, kDiamondBottomY},
                                         {kDiamondLeft, kDiamondMidY},
                                         {kDiamondMid, kDiamondTopY},
                                         {kDiamondRight, kDiamondMidY},
                                         {kDiamondMid, kDiamondBottomY}}};

// Head point, shaft end and the ends of the two head strokes.
struct Arrow {
    Point head, shaft, stroke1, stroke2;
};

enum ArrowIndex : int {
    kArrowCa = 0,
    kArrowMg,
    kArrowNaK,
    kArrowChloride,
    kArrowHCO3,
    kArrowSulfate,
    kArrowDiamondNaK,
    kArrowCaMg,
    kArrowDiamondHCO3,
    kArrowClSO4,
};

constexpr std::array<Arrow, 10> kArrows{{
    {{500, 1721.651}, {600, 1721.651}, {521.651, 1709.151}, {521.651, 1734.151}},
    {{375, 1353.590}, {325, 1440.192}, {375, 1378.590}, {353.349, 1366.090}},
    {{775, 1440.192}, {725, 1353.590}, {775, 1415.192}, {753.349, 1427.692}},
    {{1500, 1721.651}, {1400, 1721.651}, {1478.349, 1709.151}, {1478.349, 1734.151}},
    {{1225, 1440.192}, {1275, 1353.590}, {1225, 1415.192}, {1246.651, 1427.692}},
    {{1625, 1353.590}, {1675, 1440.192}, {1625, 1378.590}, {1646.651, 1366.090}},
    {{825, 1266.987}, {775, 1180.385}, {825, 1241.987}, {803.349, 1254.487}},
    {{1175, 574.167}, {1225, 660.770}, {1175, 599.167}, {1196.651, 586.667}},
    {{1175, 1266.987}, {1225, 1180.385}, {1175, 1241.987}, {1196.651, 1254.487}},
    {{825, 574.167}, {775, 660.770}, {825, 599.167}, {803.349, 586.667}},
}};

struct Segment {
    Point a, b;
};
constexpr std::array<Segment, 3> kCationHalfLines{
    {{{kCationMid, kBaseY}, {kCationSideMidLeft, kSideMidY}},
     {{kCationSideMidLeft, kSideMidY}, {kCationSideMidRight, kSideMidY}},
     {{kCationSideMidRight, kSideMidY}, {kCationMid, kBaseY}}}};
constexpr std::array<Segment, 3> kAnionHalfLines{
    {{{kAnionMid, kBaseY}, {kAnionSideMidLeft, kSideMidY}},
     {{kAnionSideMidLeft, kSideMidY}, {kAnionSideMidRight, kSideMidY}},
     {{kAnionSideMidRight, kSideMidY}, {kAnionMid, kBaseY}}}};
constexpr std::array<Segment, 2> kDiamondHalfLines{
    {{{kDiamondSideMidLeft, kDiamondLowerMidY}, {kDiamondSideMidRight, kDiamondUpperMidY}},
     {{kDiamondSideMidLeft, kDiamondUpperMidY}, {kDiamondSideMidRight, kDiamondLowerMidY}}}};

void Text(hc::Surface& s, double x, double y, const std::string& text) {
    s.CurrentX = x;
    s.CurrentY = y;
    s.Print(text);
}

void Polyline(hc::Surface& s, const TrilinearMedia& m, const Point* p, std::size_t n) {
    for (std::size_t k = 0; k + 1 < n; ++k)
        s.Line(m.X(p[k].x), m.Y(p[k].y), m.X(p[k + 1].x), m.Y(p[k + 1].y));
}

template <std::size_t N>
void VertexLabels(hc::Surface& s, const TrilinearMedia& m,
                  const std::array<VertexLabel, N>& labels) {
    for (const VertexLabel& l : labels) {
        const double tw = s.TextWidth(l.text);
        const double th = s.TextHeight(l.text);
        Text(s, m.X(l.x) + l.ax * tw, m.Y(l.y) + l.ay * th, l.text);
    }
}

template <std::size_t N>
void HalfLines(hc::Surface& s, const TrilinearMedia& m, const std::array<Segment, N>& lines) {
    if (m.dottedHalfLines)
        s.SetDrawStyle(hc::PenStyle::Dot);
    if (m.setsWidths)
        s.SetDrawWidth(m.widths[kWidthHalfLines]);
    for (const Segment& l : lines)
        s.Line(m.X(l.a.x), m.Y(l.a.y), m.X(l.b.x), m.Y(l.b.y));
    s.SetDrawStyle(hc::PenStyle::Solid);
}

// Shaft and both head strokes, all from the head point.
void DrawArrow(hc::Surface& s, const TrilinearMedia& m, ArrowIndex which) {
    const Arrow& a = kArrows[static_cast<std::size_t>(which)];
    if (m.setsWidths)
        s.SetDrawWidth(m.widths[kWidthArrows]);
    for (const Point& end : {a.shaft, a.stroke1, a.stroke2})
        s.Line(m.X(a.head.x), m.Y(a.head.y), m.X(end.x), m.Y(end.y));
}

// An ion label with its top-left corner at (x, y); its subscript digits sit half the label's
// height lower.
void IonLabel(hc::Surface& s, const TrilinearMedia& m, double x, double y, const std::string& t) {
    wq::PrintIonLabel(s, x, y, t, m.subscriptSize, 0.5);
}

void CationArrows(hc::Surface& s, const TrilinearMedia& m) {
    DrawArrow(s, m, kArrowCa);
    {
        const std::string t = "Ca";
        Text(s, m.X(kCationMid) - s.TextWidth(t) / 2, m.Y(kBaseY) + s.TextHeight(t), t);
    }
    DrawArrow(s, m, kArrowMg);
    {
        const std::string t = "Mg";
        Text(s, m.X(kCationSideMidLeft) - s.TextWidth(t) - m.L(kArrowLabelGap),
             m.Y(kSideMidY) - s.TextHeight(t) / 2, t);
    }
    DrawArrow(s, m, kArrowNaK);  // labelled by the diamond's "Na+K"
}

void AnionArrows(hc::Surface& s, const TrilinearMedia& m, wq::NitrateType nitrateType) {
    DrawArrow(s, m, kArrowChloride);
    {
        const bool withNitrate = nitrateType == wq::NitrateType::WithChloride;
        const std::string t = withNitrate ? "Cl+NO " : "Cl";
        const double tw = s.TextWidth(t);
        const double th = s.TextHeight(t);
        IonLabel(s, m, m.X(kAnionMid) - tw / 2, m.Y(kBaseY) + th, t);
    }
    DrawArrow(s, m, kArrowHCO3);  // labelled by the diamond's "HCO3"
    DrawArrow(s, m, kArrowSulfate);
    {
        const bool withNitrate = nitrateType == wq::NitrateType::WithSulfate;
        const std::string t = withNitrate ? "SO +NO " : "SO ";
        const double th = s.TextHeight(t);
        const double x = m.X(kAnionSideMidRight + kArrowLabelGap);
        const double y = m.Y(kSideMidY);
        IonLabel(s, m, x, y - th / 2, t);
    }
}

void DiamondArrows(hc::Surface& s, const TrilinearMedia& m, wq::NitrateType nitrateType) {
    DrawArrow(s, m, kArrowDiamondNaK);
    {
        const std::string t = "Na+K";
        Text(s, m.X(kDiamondSideMidLeft) - s.TextWidth(t) / 2 - m.L(kAlongSideX),
             m.Y(kDiamondLowerMidY) - s.TextHeight(t) / 2 + m.L(kAlongSideY), t);
    }
    DrawArrow(s, m, kArrowCaMg);
    {
        const std::string t = "Ca+Mg";
        Text(s, m.X(kDiamondSideMidRight + kArrowLabelGap),
             m.Y(kDiamondUpperMidY) - s.TextHeight(t) / 2, t);
    }
    DrawArrow(s, m, kArrowDiamondHCO3);
    {
        const std::string t = "HCO ";
        IonLabel(s, m, m.X(kDiamondSideMidRight) - s.TextWidth(t) / 2 + m.L(kAlongSideX),
                 m.Y(kDiamondLowerMidY) - s.TextHeight(t) / 2 + m.L(kAlongSideY), t);
    }
    DrawArrow(s, m, kArrowClSO4);
    {
        const bool withNitrate = nitrateType == wq::NitrateType::WithChloride ||
                                 nitrateType == wq::NitrateType::WithSulfate;
        const std::string t = withNitrate ? "Cl+SO +NO " : "Cl+SO ";
        const double tw = s.TextWidth(t);
        const double th = s.TextHeight(t);
        const double x = m.X(kDiamondSideMidLeft) - m.L(kArrowLabelGap);
        const double y = m.Y(kDiamondUpperMidY);
        IonLabel(s, m, x - tw, y - th / 2, t);
    }
}

}  // namespace

TrilinearMedia ScreenMedia() {
    return TrilinearMedia{};
}

TrilinearMedia PaperMedia(const wq::PrintOffset& offset, const std::array<int, 4>& widths) {
    TrilinearMedia m;
    m.factor = kPaperFactor;
    m.shiftX = offset.offX;
    m.shiftY = kPaperDown - offset.offY;
    m.vertexSize = 9;
    m.axisSize = 11;
    m.dottedHalfLines = false;
    m.setsWidths = true;
    m.widths = widths;
    m.note = false;
    m.numberSize = 7;
    m.markSize = 8;
    m.numberOffset = 0.25;
    m.numberOffsetByMark = true;
    return m;
}

void DrawTrilinearFrame(hc::Surface& s, const TrilinearMedia& m, wq::NitrateType nitrateType,
                        wq::SampleList sampleList) {
    s.SetDrawStyle(hc::PenStyle::Solid);
    s.SetFillStyle(0);
    s.SetFontName(hc::kMincho);
    s.SetFontSize(m.vertexSize);
    if (m.setsWidths)
        s.SetDrawWidth(m.widths[kWidthFrame]);
    Polyline(s, m, kCationTriangle.data(), kCationTriangle.size());
    VertexLabels(s, m, kCationLabels);
    Polyline(s, m, kAnionTriangle.data(), kAnionTriangle.size());
    VertexLabels(s, m, kAnionLabels);
    Polyline(s, m, kDiamond.data(), kDiamond.size());
    VertexLabels(s, m, kDiamondLabels);

    s.SetFontSize(m.axisSize);
    HalfLines(s, m, kCationHalfLines);
    CationArrows(s, m);
    HalfLines(s, m, kAnionHalfLines);
    AnionArrows(s, m, nitrateType);
    HalfLines(s, m, kDiamondHalfLines);
    DiamondArrows(s, m, nitrateType);

    if (m.note) {
        s.SetFontSize(kNoteSize);
        const std::string note =
            hc::TS(sampleList == wq::SampleList::On ? kNoteWithTable : kNoteWithoutTable);
        Text(s, 0, m.Y(kNoteY) - s.TextHeight(note) / 2, note);
    }
    if (m.setsWidths)
        s.SetDrawWidth(1);
}

void PlotSamples(hc::Surface& s, const TrilinearMedia& m, const wq::SampleModel& model,
                 wq::NitrateType nitrateType, wq::Numbering numbering) {
    s.SetFontName(hc::kGothic);
    s.SetFontSize(m.numberSize);
    s.SetDrawStyle(hc::PenStyle::Solid);
    s.SetFillStyle(0);
    for (int i = 1; i <= model.Count(); ++i) {
        const wq::Composition& c = model.CompositionOf(i);
        if (!c.drawn)
            continue;
        const Fractions& f = wq::SharesUnder(c, nitrateType);
        std::vector<Point> points;
        if (f.cationDefined)
            points.push_back(CationPoint(f));
        if (f.anionDefined)
            points.push_back(AnionPoint(f));
        if (f.cationDefined && f.anionDefined)
            points.push_back(DiamondPoint(f));
        const std::string& mark = model.At(i).mark;
        const std::string number = std::to_string(i);
        for (const Point& p : points) {
            const double x = m.X(p.x);
            const double y = m.Y(p.y);
            s.SetFillStyle(0);
            if (numbering == wq::Numbering::On) {
                const std::string& measured = m.numberOffsetByMark ? mark : number;
                s.CurrentX = x + s.TextWidth(measured) * m.numberOffset;
                s.CurrentY = y + s.TextHeight(measured) * m.numberOffset;
                s.Print(number);
            }
            s.SetFontSize(m.markSize);
            s.SetForeColor(PaletteColor(model.At(i).colour));
            Text(s, x - s.TextWidth(mark) / 2, y - s.TextHeight(mark) / 2, mark);
            s.SetFontSize(m.numberSize);
            s.SetForeColor(PaletteColor(0));
        }
    }
}

TableLayout SampleTableLayout(int n) {
    if (n <= 4)
        return {4, 1, 120, 50, 151, 70};
    if (n <= 8)
        return {4, 2, 120, 50, 182, 70};
    if (n <= 16)
        return {8, 2, 120, 50, 182, 90};
    if (n <= 24)
        return {12, 2, 120, 40, 182, 100};
    return {16, 2, 120, 20, 182, 100};
}

std::string SampleTableEntry(int i, const std::string& name) {
    return (i < 10 ? "  " : " ") + std::to_string(i) + ": " + name;
}

TableFields SampleTableFields(const wq::SampleModel& model, wq::NitrateType nitrateType) {
    TableFields fields{};
    for (int i = 1; i <= model.Count() && i <= wq::kMaxSamples; ++i) {
        const wq::Composition& c = model.CompositionOf(i);
        if (c.drawn)
            fields[static_cast<std::size_t>(i)] =
                wq::DiamondFieldCode(wq::FieldUnder(c, nitrateType));
    }
    return fields;
}

void PrintSampleTable(hc::Surface& printer, const wq::SampleTable& table,
                      const wq::PrintOffset& offset, int boxWidth, const TableFields* fields) {
    printer.SetFontName(hc::kGothic);
    printer.SetFontSize(8);
    printer.SetDrawWidth(boxWidth);
    const int n = table.Count();
    TableLayout t = SampleTableLayout(n);
    // The shift is in tenths of a millimetre; 2.5 mm must move by 2.5, not 2.
    const double dx = offset.offX / 10.0;
    const double dy = -offset.offY / 10.0;
    for (int i = 1; i <= n && i <= wq::kMaxSamples; ++i) {
        auto ui = static_cast<std::size_t>(i);
        const int k = (i - 1) / t.rows;
        const int r = (i - 1) % t.rows;
        const wq::Sample& sample = table.At(i);
        const std::string name = sample.drawn ? sample.name : "";
        std::string entry = SampleTableEntry(i, name);
        if (fields && !(*fields)[ui].empty())
            entry += " " + (*fields)[ui];
        Text(printer, t.left + kTableColumnStep * k + dx, t.top + 1 + kTableRowStep * r + dy,
             entry);
    }
    if (fields) {
        // The legend above the entries; the box grows to hold it, a line parts the two.
        const double entriesTop = t.top;
        t.top -= kFieldLegendHeight;
        t.right = std::max(t.right, t.left + 2 * kTableColumnStep);
        printer.SetFontSize(kFieldLegendSize);
        for (std::size_t k = 0; k < kFieldLegend.size(); ++k) {
            Text(printer, t.left + kTableColumnStep * static_cast<double>(k % 2) + dx,
                 t.top + 1 + kTableRowStep * static_cast<double>(k / 2) + dy,
                 hc::TS(kFieldLegend[k]));
        }
        printer.SetFontSize(8);
        printer.Line(t.left + dx, entriesTop + dy, t.right + dx, entriesTop + dy);
    }
    printer.Line(t.left + dx, t.top + dy, t.right + dx, t.top + dy);
    printer.Line(t.right + dx, t.top + dy, t.right + dx, t.bottom + dy);
    printer.Line(t.right + dx, t.bottom + dy, t.left + dx, t.bottom + dy);
    printer.Line(t.left + dx, t.bottom + dy, t.left + dx, t.top + dy);
    printer.SetDrawWidth(1);
}

void DrawScreen(hc::Surface& canvas, const wq::SampleModel& model,
                const wq::PlotSettings& settings) {
    canvas.SetScale(kScreenSide, kScreenSide);
    canvas.Cls();
    const TrilinearMedia m = ScreenMedia();
    DrawTrilinearFrame(canvas, m, settings.NitrateType, settings.SampleList);
    PlotSamples(canvas, m, model, settings.NitrateType, settings.Numbering);
}

void PrintChart(hc::Surface& printer, const wq::SampleModel& model,
                const wq::PlotSettings& settings, const wq::PrintOffset& offset) {
    const std::string fontName = printer.FontName();
    printer.SetDrawStyle(hc::PenStyle::Solid);
    printer.SetFontTransparent(true);
    printer.SetOrientation(hc::Orientation::Portrait);
    std::array<int, 4> widths{};
    for (std::size_t w = 0; w < widths.size(); ++w)
        widths[w] = settings.LineWidths[w];
    if (settings.SampleList == wq::SampleList::On) {
        const TableFields fields = SampleTableFields(model, settings.NitrateType);
        PrintSampleTable(printer, model.table, offset, widths[kWidthTable],
                         settings.SampleListField ? &fields : nullptr);
    }
    const TrilinearMedia m = PaperMedia(offset, widths);
    DrawTrilinearFrame(printer, m, settings.NitrateType, settings.SampleList);
    printer.SetFontTransparent(true);
    PlotSamples(printer, m, model, settings.NitrateType, settings.Numbering);
    printer.SetFontName(fontName);
    printer.EndDoc();
}

wq::ScaleChoice TrilinearStrategy::Convert(const wq::SampleModel& model,
                                           wq::PlotSettings&) const {
    // Reported only; the diagram has no scale.
    return wq::AutoScaleOf(model.compositions);
}

void TrilinearStrategy::DrawScreen(hc::Surface& canvas, const wq::SampleModel& model,
                                   const wq::PlotSettings& settings) const {
    tri::DrawScreen(canvas, model, settings);
}

void TrilinearStrategy::Print(hc::Surface& printer, const wq::SampleModel& model,
                              const wq::PlotSettings& settings,
                              const wq::PrintOffset& offset) const {
    PrintChart(printer, model, settings, offset);
}

std::string TrilinearStrategy::Csv(const wq::SampleModel& model,
                                   const wq::PlotSettings& settings) const {
    return TrilinearCsv(model, settings);
}

const wq::DiagramVariant& TernaryPlotVariant() {
    static const TrilinearStrategy strategy;
    static const wq::DiagramVariant variant = [] {
        wq::DiagramVariant v;
        v.captionPrefix = hc::N("ﾄﾘﾘﾆｱ･ﾀﾞｲﾔｸﾞﾗﾑ ｶﾗｰ版 < ");
        v.styles = {wq::Style::SampleList, wq::Style::Numbering};
        v.startWidths = {kStartWidths.begin(), kStartWidths.end()};
        v.columnScales = false;
        v.extraRows = wq::ReadMarkAndColour;
        v.strategy = &strategy;
        return v;
    }();
    return variant;
}

}  // namespace tri
