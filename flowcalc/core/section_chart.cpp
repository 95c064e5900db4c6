#include "flowcalc/core/section_chart.h"

#include <vector>

#include "common/core/language.h"
#include "common/core/numbers.h"

namespace flow {

namespace {

constexpr hc::Color kRed{255, 0, 0};
constexpr hc::Color kBlue{0, 0, 255};
constexpr int kDistanceTicks = 25;   // ticks 0..25 across
constexpr int kElevationTicks = 10;  // ticks 0..10 upwards
constexpr int kMajorEvery = 5;       // a long, labelled tick every fifth: 0, 5, 10, ...
constexpr int kMiddleTick = kElevationTicks / 2;  // the elevation tick at the section's YCentre
// A tick stands for 1/100 of the scale's denominator in metres: at 1/200, 2 m a tick.
constexpr double kTicksPerScale = 100;
// Hence the frame spans HScale / 4 m across (25 ticks) and VScale / 10 m upwards (10 ticks).
constexpr double kAcrossDivisor = kTicksPerScale / kDistanceTicks;
constexpr double kUpDivisor = kTicksPerScale / kElevationTicks;
// The distance title stands this many title heights below the frame, under the labels.
constexpr double kDistanceTitleDrop = 2;

// The printed block of results: the heading and the file name, then one value a line in the
// left column and the scales in the right one (millimetres on the sheet).
constexpr double kResultLeft = 25;
constexpr double kScaleColumn = 235;
constexpr double kHeadingY = 30;
constexpr double kFileY = 35;
constexpr double kFirstValueY = 45;
constexpr double kScaleHeadingY = 60;
constexpr double kResultLineStep = 5;
constexpr double kResultFontSize = 11;
constexpr double kSheetFontSize = 10;  // the printer's font as the sheet begins

// Number of characters of a label (code points of UTF-8 text).
int Characters(const std::string& s) {
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

bool ScalesUsable(const ChartScales& s) {
    return s.HScale > 0 && s.VScale > 0;
}

}  // namespace

ChartConstants ScreenConstants() {
    return ChartConstants{.Left = 10,
                          .Top = 10,
                          .Right = 135,
                          .Bottom = 60,
                          .MajorTick = 2,
                          .MinorTick = 1,
                          .LabelFont = hc::kGothic,
                          .LabelSize = 8,
                          .TitleFont = hc::kMincho,
                          .TitleSize = 9,
                          .VerticalTitleX = 4,
                          .MarkHalfWidth = 1,
                          .MarkHeight = 2,
                          // One-pixel pens on the screen.
                          .FrameWidth = 1,
                          .SectionWidth = 1,
                          .WaterWidth = 1,
                          .SectionColor = kRed,
                          .WaterColor = kBlue};
}

ChartConstants PaperConstants(const PrintWidths& w) {
    return ChartConstants{.Left = 25,
                          .Top = 80,
                          .Right = 275,
                          .Bottom = 180,
                          .MajorTick = 2,
                          .MinorTick = 1,
                          .LabelFont = hc::kGothic,
                          .LabelSize = 10,
                          .TitleFont = hc::kGothic,
                          .TitleSize = 11,
                          .VerticalTitleX = 15,
                          .MarkHalfWidth = 1,
                          .MarkHeight = 2,
                          .FrameWidth = w.Frame,
                          .SectionWidth = w.Section,
                          .WaterWidth = w.Water,
                          .SectionColor = kRed,
                          .WaterColor = kBlue};
}

double ChartX(const ChartConstants& k, const ChartScales& s, double x) {
    return x * (k.Right - k.Left) * kAcrossDivisor / s.HScale + k.Left;
}

double ChartY(const ChartConstants& k, const ChartScales& s, double y) {
    return k.Middle() - (y - s.YCentre) * (k.Bottom - k.Top) * kUpDivisor / s.VScale;
}

void DrawFrame(hc::Surface& g, const ChartConstants& k) {
    g.SetDrawWidth(k.FrameWidth);
    g.Line(k.Left, k.Top, k.Right, k.Top);
    g.Line(k.Right, k.Top, k.Right, k.Bottom);
    g.Line(k.Right, k.Bottom, k.Left, k.Bottom);
    g.Line(k.Left, k.Bottom, k.Left, k.Top);
}

void DrawDistanceTicks(hc::Surface& g, const ChartConstants& k, const ChartScales& s) {
    g.SetDrawWidth(k.FrameWidth);
    g.SetFontName(k.LabelFont);
    g.SetFontSize(k.LabelSize);
    const double step = (k.Right - k.Left) / kDistanceTicks;
    for (int i = 0; i <= kDistanceTicks; ++i) {
        double x = k.Left + step * i;
        const bool major = i % kMajorEvery == 0;
        double len = major ? k.MajorTick : k.MinorTick;
        g.Line(x, k.Bottom, x, k.Bottom - len);
        g.Line(x, k.Top, x, k.Top + len);
        if (major) {
            std::string label =
                hc::DoubleToText(static_cast<double>(i) * s.HScale / kTicksPerScale);
            g.CurrentX = x - g.TextWidth(label) / 2;
            g.CurrentY = k.Bottom + g.TextHeight(label) / 2;
            g.Print(label);
        }
    }
}

std::vector<ElevationLabel> ElevationLabels(hc::Surface& g, const ChartConstants& k,
                                            const ChartScales& s) {
    g.SetFontName(k.LabelFont);
    g.SetFontSize(k.LabelSize);
    const double step = (k.Bottom - k.Top) / kElevationTicks;
    std::vector<ElevationLabel> out;
    for (int j = 0; j <= kElevationTicks; j += kMajorEvery) {
        const double y = k.Middle() - step * (j - kMiddleTick);
        ElevationLabel l;
        l.Text = hc::DoubleToText(s.YCentre +
                                  static_cast<double>(j - kMiddleTick) * s.VScale / kTicksPerScale);
        // The label ends half a character before the frame.
        const int n = Characters(l.Text);
        const double w = g.TextWidth(l.Text);
        const double h = g.TextHeight(l.Text);
        l.Box.Left = k.Left - w * (2 * n + 1) / (2 * n);
        l.Box.Top = y - h / 2;
        l.Box.Right = l.Box.Left + w;
        l.Box.Bottom = l.Box.Top + h;
        out.push_back(std::move(l));
    }
    return out;
}

void DrawElevationTicks(hc::Surface& g, const ChartConstants& k, const ChartScales& s) {
    g.SetDrawWidth(k.FrameWidth);
    const std::vector<ElevationLabel> labels = ElevationLabels(g, k, s);
    const double step = (k.Bottom - k.Top) / kElevationTicks;
    for (int j = 0; j <= kElevationTicks; ++j) {
        double y = k.Middle() - step * (j - kMiddleTick);
        bool major = j % kMajorEvery == 0;
        double len = major ? k.MajorTick : k.MinorTick;
        g.Line(k.Left, y, k.Left + len, y);
        g.Line(k.Right, y, k.Right - len, y);
        if (major) {
            const ElevationLabel& l = labels[static_cast<std::size_t>(j / kMajorEvery)];
            g.CurrentX = l.Box.Left;
            g.CurrentY = l.Box.Top;
            g.Print(l.Text);
        }
    }
}

void DrawSectionLine(hc::Surface& g, const ChartConstants& k, const Computation& c) {
    if (!ScalesUsable(c.Scales))
        return;
    g.SetDrawWidth(k.SectionWidth);
    const CrossSection& s = c.Section;
    for (int p = 1; p <= s.PointCount - 1; ++p)
        g.Line(ChartX(k, c.Scales, s.X(p)), ChartY(k, c.Scales, s.Y(p)),
               ChartX(k, c.Scales, s.X(p + 1)), ChartY(k, c.Scales, s.Y(p + 1)), k.SectionColor);
}

void DrawRoughnessZones(hc::Surface& g, const ChartConstants& k, const Computation& c) {
    const CrossSection& s = c.Section;
    if (!ScalesUsable(c.Scales) || s.SegmentN.empty())
        return;
    constexpr hc::Color kZoneColor{0, 128, 0};
    auto inside = [&](double x) { return x >= k.Left && x <= k.Right; };
    g.SetDrawWidth(1);
    g.SetFontName(k.LabelFont);
    g.SetFontSize(k.LabelSize * 0.8);
    const int segments = static_cast<int>(s.SegmentN.size());
    for (int first = 1; first <= segments;) {
        int last = first;
        while (last < segments && s.SegmentN[static_cast<std::size_t>(last)] ==
                                      s.SegmentN[static_cast<std::size_t>(first - 1)])
            ++last;
        // A break: a dotted line up from the point where the next zone begins.
        if (last < segments) {
            const double x = ChartX(k, c.Scales, s.X(last + 1));
            const double y = ChartY(k, c.Scales, s.Y(last + 1));
            if (inside(x) && y > k.Top) {
                g.SetDrawStyle(hc::PenStyle::Dot);
                g.Line(x, y, x, k.Top, kZoneColor);
                g.SetDrawStyle(hc::PenStyle::Solid);
            }
        }
        // The zone's n along the top of the frame, at the zone's middle.
        const std::string label =
            "n=" + hc::DoubleToText(s.SegmentN[static_cast<std::size_t>(first - 1)]);
        const double mid = ChartX(k, c.Scales, (s.X(first) + s.X(last + 1)) / 2);
        const double w = g.TextWidth(label);
        const double y = k.Top + 0.3 * g.TextHeight(label);
        if (inside(mid - w / 2) && inside(mid + w / 2)) {
            g.SetForeColor(kZoneColor);
            g.CurrentX = mid - w / 2;
            g.CurrentY = y;
            g.Print(label);
            g.SetForeColor(hc::kBlack);
        }
        first = last + 1;
    }
}

void DrawWaterLines(hc::Surface& g, const ChartConstants& k, const Computation& c) {
    if (!ScalesUsable(c.Scales))
        return;
    g.SetDrawWidth(k.WaterWidth);
    double y = ChartY(k, c.Scales, c.Result.WaterLevel);
    for (const WetSection& w : c.Result.Sections) {
        double x1 = ChartX(k, c.Scales, w.xl);
        double x2 = ChartX(k, c.Scales, w.xr);
        g.Line(x1, y, x2, y, k.WaterColor);
        // The water mark: an inverted triangle with its tip on the surface.
        double m = (x1 + x2) / 2;
        double top = y - k.MarkHeight;
        g.Line(m - k.MarkHalfWidth, top, m + k.MarkHalfWidth, top, k.WaterColor);
        g.Line(m - k.MarkHalfWidth, top, m, y, k.WaterColor);
        g.Line(m + k.MarkHalfWidth, top, m, y, k.WaterColor);
    }
}

namespace {

struct TitlePiece {
    const char* text;
    double offset;  // CurrentY from the stack's middle, in heights of "標"
};
constexpr TitlePiece kVerticalTitle[] = {
    {hc::N("標"), -2.5}, {hc::N("高"), -0.5}, {hc::N("（ｍ）"), 1.5}};

bool Intersect(const TextBox& a, const TextBox& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

}  // namespace

std::vector<TextBox> VerticalTitleBoxes(hc::Surface& g, const ChartConstants& k, double middle) {
    g.SetFontName(k.TitleFont);
    g.SetFontSize(k.TitleSize);
    const double th = g.TextHeight("標");
    std::vector<TextBox> out;
    for (const TitlePiece& p : kVerticalTitle) {
        TextBox b;
        const std::string text = hc::TS(p.text);
        b.Left = k.VerticalTitleX - g.TextWidth(text) / 2;
        b.Top = middle + p.offset * th;
        b.Right = b.Left + g.TextWidth(text);
        b.Bottom = b.Top + g.TextHeight(text);
        out.push_back(b);
    }
    return out;
}

double VerticalTitleMiddle(hc::Surface& g, const ChartConstants& k, const ChartScales& s) {
    const std::vector<ElevationLabel> labels = ElevationLabels(g, k, s);
    // Text that merely touches reads as one word ("高1500"): keep half a digit clear.
    const double gap = g.TextWidth("0") / 2;
    auto clear = [&](double middle) {
        for (TextBox t : VerticalTitleBoxes(g, k, middle)) {
            t.Left -= gap;
            t.Right += gap;
            for (const ElevationLabel& l : labels)
                if (Intersect(t, l.Box))
                    return false;
        }
        return true;
    };
    // Long labels (elevations of 100 m and more, negative ones) reach into the title's column
    // beside the middle label; the title then moves up between the middle and top labels,
    // where no label stands, and the labels keep their places and values.
    const double middle = k.Middle();
    if (clear(middle))
        return middle;
    const double upper = (k.Top + k.Middle()) / 2;
    if (clear(upper))
        return upper;
    return (k.Middle() + k.Bottom) / 2;
}

void DrawTitles(hc::Surface& g, const ChartConstants& k) {
    DrawTitlesAt(g, k, k.Middle());
}

void DrawTitles(hc::Surface& g, const ChartConstants& k, const ChartScales& s) {
    DrawTitlesAt(g, k, VerticalTitleMiddle(g, k, s));
}

void DrawTitlesAt(hc::Surface& g, const ChartConstants& k, double verticalMiddle) {
    g.SetDrawWidth(k.FrameWidth);
    g.SetFontName(k.TitleFont);
    g.SetFontSize(k.TitleSize);
    const std::string distance = hc::TS("距  離  （ｍ）");
    // Below the distance labels: two title heights under the frame.
    g.CurrentX = (k.Left + k.Right) / 2 - g.TextWidth(distance) / 2;
    g.CurrentY = k.Bottom + kDistanceTitleDrop * g.TextHeight(distance);
    g.Print(distance);
    const std::vector<TextBox> boxes = VerticalTitleBoxes(g, k, verticalMiddle);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        g.CurrentX = boxes[i].Left;
        g.CurrentY = boxes[i].Top;
        g.Print(hc::TS(kVerticalTitle[i].text));
    }
}

namespace {

void DrawChart(hc::Surface& g, const ChartConstants& k, const Computation& c) {
    DrawFrame(g, k);
    DrawDistanceTicks(g, k, c.Scales);
    DrawElevationTicks(g, k, c.Scales);
    DrawSectionLine(g, k, c);
    DrawRoughnessZones(g, k, c);
    DrawWaterLines(g, k, c);
    DrawTitles(g, k, c.Scales);
}

}  // namespace

void DrawSection(hc::Surface& g, const Computation& c) {
    g.SetScale(kScreenScaleWidth, kScreenScaleHeight);
    g.Cls();
    g.SetDrawStyle(hc::PenStyle::Solid);
    g.SetForeColor(hc::kBlack);
    DrawChart(g, ScreenConstants(), c);
}

std::vector<PrintedLine> ResultLines(const Computation& c) {
    using hc::DoubleToText;
    const FlowParameters& p = c.Parameters;
    const DischargeResult& r = c.Result;
    auto value = [](int line) { return kFirstValueY + kResultLineStep * line; };
    auto scale = [](int line) { return kScaleHeadingY + kResultLineStep * line; };
    return {
        {kResultLeft, kHeadingY, hc::TS("マニング式による河川流量解析結果")},
        {kResultLeft, kFileY, hc::TS("ファイル名") + " < " + c.Section.DataPath + " >"},
        {kResultLeft, value(0), hc::TS("  粗度係数  ｎ＝ %1", {DoubleToText(p.Roughness)})},
        {kResultLeft, value(1),
         hc::TS("  河床勾配  Ｉ＝ １／%1", {std::to_string(p.SlopeDenominator)})},
        {kResultLeft, value(2), hc::TS("  最大水深  ｄ＝ %1 ｍ", {DoubleToText(p.Depth)})},
        {kResultLeft, value(3), hc::TS("  総流路幅  Ｈ＝ %1 ｍ", {DoubleToText(r.TotalWidth)})},
        {kResultLeft, value(4),
         hc::TS("  最大流速  Ｖ＝ %1 ｍ/sec", {DoubleToText(r.MaxVelocity)})},
        {kResultLeft, value(5),
         hc::TS("  合計流量  Ｑ＝ %1 ｍ3/sec", {DoubleToText(r.TotalDischarge)})},
        {kScaleColumn, scale(0), hc::TS("縮尺")},
        {kScaleColumn, scale(1), hc::TS("水平方向  1:%1", {std::to_string(c.Scales.HScale)})},
        {kScaleColumn, scale(2), hc::TS("鉛直方向  1:%1", {std::to_string(c.Scales.VScale)})},
    };
}

void PrintSection(hc::Surface& printer, const Computation& c, const PrintWidths& widths) {
    const std::string savedFont = printer.FontName();
    printer.SetOrientation(hc::Orientation::Landscape);
    printer.SetDrawStyle(hc::PenStyle::Solid);
    printer.SetForeColor(hc::kBlack);
    printer.SetFontName(hc::kGothic);
    printer.SetFontSize(kSheetFontSize);
    const ChartConstants k = PaperConstants(widths);
    DrawChart(printer, k, c);
    printer.SetDrawWidth(widths.Frame);
    printer.SetFontName(hc::kMincho);
    printer.SetFontSize(kResultFontSize);
    for (const PrintedLine& line : ResultLines(c)) {
        printer.CurrentX = line.x;
        printer.CurrentY = line.y;
        printer.Print(line.text);
    }
    printer.EndDoc();
    printer.SetFontName(savedFont);
}

}  // namespace flow
