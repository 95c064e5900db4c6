#include "waterquality/core/column_chart.h"

#include "common/core/numbers.h"
#include "waterquality/core/ion_label.h"

namespace wq {

namespace {

// A column's layout in chart units (y downwards). Sample rows stand kRowPitch apart, counted
// from a base above the first row (top-down) or below it (bottom-up).
constexpr double kRowPitch = 200;
constexpr double kTopDownRowBase = 350;
constexpr double kBottomUpRowBase = 1750;
// A polygon's half height; its full scale (one column scale in meq/L) reaches kFullScale out.
constexpr double kHalfRow = 50;
constexpr double kFullScale = 300;
// The scale bar: its axis, the tick length away from the rows, and the ticks either side.
constexpr double kScaleAxisTopDown = 350;
constexpr double kScaleAxisBottomUp = 1700;
constexpr double kScaleTick = 20;
constexpr int kScaleTicks = 3;
constexpr double kScaleTickStep = kFullScale / kScaleTicks;
// Below the ticks top-down: the numbers a quarter of their height down, the unit 1.5 heights
// down; above them bottom-up: the numbers one height up, the unit two.
constexpr double kNumberDrop = 0.25;
constexpr double kUnitDrop = 1.5;
constexpr double kUnitRise = 2;
// The legend box around its centre, and its caption and title lines.
constexpr double kLegendCentreTopDown = 200;
constexpr double kLegendCentreBottomUp = 1900;
constexpr double kLegendHalfWidth = 350;
constexpr double kLegendAbove = 150;
constexpr double kLegendBelow = 100;
constexpr double kLegendCaptionBase = 50;  // above the centre
constexpr double kLegendTitleBase = 100;   // above the centre

}  // namespace

void ChartMedia::Width(hc::Surface& s, LineWidthIndex which) const {
    if (setsWidths)
        s.SetDrawWidth(widths[static_cast<std::size_t>(which)]);
}

ChartMedia ScreenMedia() {
    return {};
}

ChartMedia PaperMedia(const PrintOffset& offset, const std::array<int, 5>& widths) {
    ChartMedia m;
    m.factor = kPaperFactor;
    m.shiftX = offset.offX;
    m.shiftY = kPaperDown - offset.offY;
    m.labelSize = 8;
    m.subscriptSize = 6;
    m.legendTitle = hc::N("凡    例");
    m.legendTitleSize = 10;
    m.captionLift = 1.25;
    m.nameFont = hc::kGothic;
    m.nameAnchorDy = -50;  // bottom of the name half a line above the polygon's upper edge
    m.nameLift = 1.5;
    m.setsWidths = true;
    m.widths = widths;
    return m;
}

double RowCentre(int sample, Direction direction) {
    int r = (sample - 1) % kSamplesPerColumn + 1;
    return TopDown(direction) ? kTopDownRowBase + kRowPitch * r : kBottomUpRowBase - kRowPitch * r;
}

double ScaleAxisY(Direction direction) {
    return TopDown(direction) ? kScaleAxisTopDown : kScaleAxisBottomUp;
}

double LegendCentreY(Direction direction) {
    return TopDown(direction) ? kLegendCentreTopDown : kLegendCentreBottomUp;
}

void SetFrameFont(hc::Surface& s, const ChartMedia& m) {
    s.SetFontSize(m.labelSize);
    s.SetFontName(hc::kMincho);
    s.SetFontSize(m.labelSize);
}

void Polyline(hc::Surface& s, const ChartMedia& m,
              std::initializer_list<std::array<double, 2>> pts) {
    const std::array<double, 2>* prev = nullptr;
    for (const auto& p : pts) {
        if (prev)
            s.Line(m.X((*prev)[0]), m.Y((*prev)[1]), m.X(p[0]), m.Y(p[1]));
        prev = &p;
    }
}

namespace {

void PrintCentred(hc::Surface& s, double x, double top, const std::string& t) {
    s.CurrentX = x - s.TextWidth(t) / 2;
    s.CurrentY = top;
    s.Print(t);
}

}  // namespace

void DrawScaleBar(hc::Surface& s, const ChartMedia& m, double x0, double scale,
                  Direction direction) {
    const bool down = TopDown(direction);
    const double ys = ScaleAxisY(direction);
    const double d = down ? kScaleTick : -kScaleTick;
    // Numbers stand below the ticks top-down and above them bottom-up; "me/l" one line further.
    auto numberTop = [&](const std::string& t) {
        double th = s.TextHeight(t);
        return down ? m.Y(kScaleAxisTopDown + kScaleTick) + th * kNumberDrop
                    : m.Y(kScaleAxisBottomUp - kScaleTick) - th;
    };
    auto unitTop = [&](const std::string& t) {
        double th = s.TextHeight(t);
        return down ? m.Y(kScaleAxisTopDown + kScaleTick) + kUnitDrop * th
                    : m.Y(kScaleAxisBottomUp - kScaleTick) - kUnitRise * th;
    };
    m.Width(s, kWidthScale);
    s.Line(m.X(x0 - kFullScale), m.Y(ys), m.X(x0 + kFullScale), m.Y(ys));
    s.Line(m.X(x0), m.Y(ys), m.X(x0), m.Y(ys + d));
    PrintCentred(s, m.X(x0), numberTop("0"), "0");
    for (int i = 1; i <= kScaleTicks; ++i) {
        std::string t = hc::DoubleToText(scale * i / kScaleTicks);
        const double dx = kScaleTickStep * i;
        s.Line(m.X(x0 + dx), m.Y(ys), m.X(x0 + dx), m.Y(ys + d));
        s.Line(m.X(x0 - dx), m.Y(ys), m.X(x0 - dx), m.Y(ys + d));
        PrintCentred(s, m.X(x0 + dx), numberTop(t), t);
        PrintCentred(s, m.X(x0 - dx), numberTop(t), t);
    }
    PrintCentred(s, m.X(x0 + kFullScale), unitTop("me/l"), "me/l");
    PrintCentred(s, m.X(x0 - kFullScale), unitTop("me/l"), "me/l");
}

void DrawLegendBox(hc::Surface& s, const ChartMedia& m, double x0, Direction direction) {
    const double yc = LegendCentreY(direction);
    m.Width(s, kWidthLegend);
    Polyline(s, m,
             {{x0 - kLegendHalfWidth, yc + kLegendBelow},
              {x0 - kLegendHalfWidth, yc - kLegendAbove},
              {x0 + kLegendHalfWidth, yc - kLegendAbove},
              {x0 + kLegendHalfWidth, yc + kLegendBelow},
              {x0 - kLegendHalfWidth, yc + kLegendBelow}});
}

void DrawLegendTitles(hc::Surface& s, const ChartMedia& m, double x0, Direction direction) {
    const double yc = LegendCentreY(direction);
    s.SetFontName(hc::kMincho);
    const std::string caption = hc::TS("試料名");
    PrintCentred(s, m.X(x0), m.Y(yc - kLegendCaptionBase) - m.captionLift * s.TextHeight(caption),
                 caption);
    s.SetFontName(hc::kGothic);
    s.SetFontSize(m.legendTitleSize);
    const std::string title = hc::TS(m.legendTitle);
    PrintCentred(s, m.X(x0), m.Y(yc - kLegendTitleBase) - s.TextHeight(title), title);
    if (m.legendTitleSize != m.labelSize)
        s.SetFontSize(m.labelSize);
}

AnionLabels AnionLabelTexts(NitrateType nitrateType) {
    switch (nitrateType) {
        case NitrateType::WithChloride:
            return {"Cl(+NO )", "HCO ", "SO "};
        case NitrateType::WithSulfate:
            return {"Cl", "HCO ", "SO (+NO )"};
        default:
            return {"Cl", "HCO ", "SO "};
    }
}

// Subscripts sit a quarter of the label's height below its top.
constexpr double kSubscriptDrop = 0.25;

void LabelRightOf(hc::Surface& s, const ChartMedia& m, double x, double y, const std::string& t) {
    const int n = CharacterCount(t);
    const double tw = s.TextWidth(t);
    const double start = m.X(x) + tw / (2.0 * n);
    PrintIonLabel(s, start, m.Y(y) - s.TextHeight(t) / 2, t, m.subscriptSize, kSubscriptDrop);
}

void LabelLeftOf(hc::Surface& s, const ChartMedia& m, double x, double y, const std::string& t) {
    const int n = CharacterCount(t);
    const double tw = s.TextWidth(t);
    const double start = m.X(x) - tw * (2.0 * n + 1) / (2.0 * n);
    PrintIonLabel(s, start, m.Y(y) - s.TextHeight(t) / 2, t, m.subscriptSize, kSubscriptDrop);
}

std::string SampleLabel(int sample, const std::string& name, Numbering numbering) {
    if (numbering == Numbering::On)
        return std::to_string(sample) + ": " + name;
    return name;
}

void PrintSampleName(hc::Surface& s, const ChartMedia& m, double x0, double rowY,
                     const std::string& label) {
    s.CurrentX = m.X(x0) - s.TextWidth(label) / 2;
    s.CurrentY = m.Y(rowY + m.nameAnchorDy) - m.nameLift * s.TextHeight(label);
    s.Print(label);
}

void DrawColumn(hc::Surface& s, const ChartMedia& m, const Column& column, const SampleModel& model,
                const PlotSettings& settings, const ColumnDiagram& diagram) {
    const std::vector<PlotValues> q =
        ComputePlotValues(model.compositions, settings.NitrateType, column.scale);
    const ColumnContext ctx{m, column, model.table, settings, q};
    if (TopDown(settings.Direction))
        diagram.FrameTopDown(s, ctx);
    else
        diagram.FrameBottomUp(s, ctx);
    diagram.Samples(s, ctx);
}

void DrawScreen(hc::Surface& canvas, const SampleModel& model, const PlotSettings& settings,
                const ColumnDiagram& diagram) {
    canvas.SetScale(kCanvasScaleWidth, kCanvasScaleHeight);
    canvas.Cls();
    const ChartMedia m = ScreenMedia();
    for (const Column& c : ScreenColumns(model.Count(), settings))
        DrawColumn(canvas, m, c, model, settings, diagram);
}

void SetUpPrinter(hc::Surface& printer) {
    printer.SetDrawStyle(hc::PenStyle::Solid);
    printer.SetFontTransparent(true);
    printer.SetOrientation(hc::Orientation::Portrait);
}

void PrintRun(hc::Surface& printer, const SampleModel& model, const PlotSettings& settings,
              const PrintOffset& offset, const ColumnDiagram& diagram) {
    const std::string fontName = printer.FontName();
    const ChartMedia m = PaperMedia(offset, settings.LineWidths);
    // Each sheet is a document of its own; a fresh document already starts on a new sheet, so
    // no page is requested in between (that would leave an empty first sheet).
    for (const Sheet& sheet : PrintSheets(model.Count(), settings)) {
        SetUpPrinter(printer);
        for (const Column& c : sheet)
            DrawColumn(printer, m, c, model, settings, diagram);
        printer.EndDoc();
    }
    printer.SetFontName(fontName);
}

void DrawColumnFrame(hc::Surface& s, const ColumnContext& c, Direction direction,
                     LegendFigure figure) {
    const ChartMedia& m = c.media;
    const double x0 = c.column.x0;
    SetFrameFont(s, m);
    DrawScaleBar(s, m, x0, c.column.scale, direction);
    DrawLegendBox(s, m, x0, direction);
    figure(s, m, x0, LegendCentreY(direction), c.settings.NitrateType);
    DrawLegendTitles(s, m, x0, direction);
}

void DrawSamplePolygons(hc::Surface& s, const ColumnContext& c, double xs, double ys) {
    const ChartMedia& m = c.media;
    const double x0 = c.column.x0;
    s.SetFontSize(m.labelSize);
    s.SetFontName(m.nameFont);
    s.SetFontSize(m.labelSize);
    for (int i = c.column.first; i <= c.column.last && i <= c.table.Count(); ++i) {
        const Sample& sample = c.table.At(i);
        if (!sample.drawn)
            continue;  // an empty column of the workbook leaves its row empty
        const PlotValues& q = c.q[static_cast<std::size_t>(i - 1)];
        const double y = RowCentre(i, c.settings.Direction);
        m.Width(s, kWidthPolygon);
        Polyline(s, m,
                 {{x0, y + ys * kHalfRow},
                  {x0 + xs * kFullScale * q.qNaK, y + ys * kHalfRow},
                  {x0 + xs * kFullScale * q.qCa, y},
                  {x0 + xs * kFullScale * q.qMg, y - ys * kHalfRow},
                  {x0, y - ys * kHalfRow}});
        m.Width(s, kWidthCentre);
        s.Line(m.X(x0), m.Y(y + ys * kHalfRow), m.X(x0), m.Y(y - ys * kHalfRow));
        m.Width(s, kWidthPolygon);
        Polyline(s, m,
                 {{x0, y + ys * kHalfRow},
                  {x0 - xs * kFullScale * q.qCl, y + ys * kHalfRow},
                  {x0 - xs * kFullScale * q.qHCO3, y},
                  {x0 - xs * kFullScale * q.qSO4, y - ys * kHalfRow},
                  {x0, y - ys * kHalfRow}});
        if (c.settings.NitrateType == NitrateType::WithChloride) {
            m.Width(s, kWidthNitrate);
            Polyline(s, m,
                     {{x0 - xs * kFullScale * q.qCl, y + ys * kHalfRow},
                      {x0 - xs * kFullScale * q.qN, y + ys * kHalfRow},
                      {x0 - xs * kFullScale * q.qHCO3, y},
                      {x0 - xs * kFullScale * q.qCl, y + ys * kHalfRow}});
        } else if (c.settings.NitrateType == NitrateType::WithSulfate) {
            m.Width(s, kWidthNitrate);
            Polyline(s, m,
                     {{x0 - xs * kFullScale * q.qHCO3, y},
                      {x0 - xs * kFullScale * q.qN, y - ys * kHalfRow},
                      {x0 - xs * kFullScale * q.qSO4, y - ys * kHalfRow},
                      {x0 - xs * kFullScale * q.qHCO3, y}});
        }
        PrintSampleName(s, m, x0, y, SampleLabel(i, sample.name, c.settings.Numbering));
    }
}

}  // namespace wq
