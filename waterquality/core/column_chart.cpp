#include "waterquality/core/column_chart.h"

#include "common/core/numbers.h"
#include "waterquality/core/ion_label.h"

namespace wq {

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
    m.legendTitle = "凡    例";
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
    return TopDown(direction) ? 350.0 + 200.0 * r : 1750.0 - 200.0 * r;
}

double ScaleAxisY(Direction direction) {
    return TopDown(direction) ? 350.0 : 1700.0;
}

double LegendCentreY(Direction direction) {
    return TopDown(direction) ? 200.0 : 1900.0;
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
    const double d = down ? 20 : -20;
    // Numbers stand below the ticks top-down and above them bottom-up; "me/l" one line further.
    auto numberTop = [&](const std::string& t) {
        double th = s.TextHeight(t);
        return down ? m.Y(370) + th / 4 : m.Y(1680) - th;
    };
    auto unitTop = [&](const std::string& t) {
        double th = s.TextHeight(t);
        return down ? m.Y(370) + 1.5 * th : m.Y(1680) - 2 * th;
    };
    m.Width(s, kWidthScale);
    s.Line(m.X(x0 - 300), m.Y(ys), m.X(x0 + 300), m.Y(ys));
    s.Line(m.X(x0), m.Y(ys), m.X(x0), m.Y(ys + d));
    PrintCentred(s, m.X(x0), numberTop("0"), "0");
    for (int i = 1; i <= 3; ++i) {
        std::string t = hc::DoubleToText(scale * i / 3);
        s.Line(m.X(x0 + 100 * i), m.Y(ys), m.X(x0 + 100 * i), m.Y(ys + d));
        s.Line(m.X(x0 - 100 * i), m.Y(ys), m.X(x0 - 100 * i), m.Y(ys + d));
        PrintCentred(s, m.X(x0 + 100 * i), numberTop(t), t);
        PrintCentred(s, m.X(x0 - 100 * i), numberTop(t), t);
    }
    PrintCentred(s, m.X(x0 + 300), unitTop("me/l"), "me/l");
    PrintCentred(s, m.X(x0 - 300), unitTop("me/l"), "me/l");
}

void DrawLegendBox(hc::Surface& s, const ChartMedia& m, double x0, Direction direction) {
    const double yc = LegendCentreY(direction);
    m.Width(s, kWidthLegend);
    Polyline(s, m,
             {{x0 - 350, yc + 100},
              {x0 - 350, yc - 150},
              {x0 + 350, yc - 150},
              {x0 + 350, yc + 100},
              {x0 - 350, yc + 100}});
}

void DrawLegendTitles(hc::Surface& s, const ChartMedia& m, double x0, Direction direction) {
    const double yc = LegendCentreY(direction);
    s.SetFontName(hc::kMincho);
    const std::string caption = "試料名";
    PrintCentred(s, m.X(x0), m.Y(yc - 50) - m.captionLift * s.TextHeight(caption), caption);
    s.SetFontName(hc::kGothic);
    s.SetFontSize(m.legendTitleSize);
    PrintCentred(s, m.X(x0), m.Y(yc - 100) - s.TextHeight(m.legendTitle), m.legendTitle);
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
    printer.SetDrawStyle(0);
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
                 {{x0, y + ys * 50},
                  {x0 + xs * 300 * q.qNaK, y + ys * 50},
                  {x0 + xs * 300 * q.qCa, y},
                  {x0 + xs * 300 * q.qMg, y - ys * 50},
                  {x0, y - ys * 50}});
        m.Width(s, kWidthCentre);
        s.Line(m.X(x0), m.Y(y + ys * 50), m.X(x0), m.Y(y - ys * 50));
        m.Width(s, kWidthPolygon);
        Polyline(s, m,
                 {{x0, y + ys * 50},
                  {x0 - xs * 300 * q.qCl, y + ys * 50},
                  {x0 - xs * 300 * q.qHCO3, y},
                  {x0 - xs * 300 * q.qSO4, y - ys * 50},
                  {x0, y - ys * 50}});
        if (c.settings.NitrateType == NitrateType::WithChloride) {
            m.Width(s, kWidthNitrate);
            Polyline(s, m,
                     {{x0 - xs * 300 * q.qCl, y + ys * 50},
                      {x0 - xs * 300 * q.qN, y + ys * 50},
                      {x0 - xs * 300 * q.qHCO3, y},
                      {x0 - xs * 300 * q.qCl, y + ys * 50}});
        } else if (c.settings.NitrateType == NitrateType::WithSulfate) {
            m.Width(s, kWidthNitrate);
            Polyline(s, m,
                     {{x0 - xs * 300 * q.qHCO3, y},
                      {x0 - xs * 300 * q.qN, y - ys * 50},
                      {x0 - xs * 300 * q.qSO4, y - ys * 50},
                      {x0 - xs * 300 * q.qHCO3, y}});
        }
        PrintSampleName(s, m, x0, y, SampleLabel(i, sample.name, c.settings.Numbering));
    }
}

}  // namespace wq
