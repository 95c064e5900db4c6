#include "wqplot/core/chart_style.h"

#include "common/core/language.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "waterquality/core/ion_label.h"

namespace wqp {

namespace {

// Ten colours that stay apart on screen and in print (dark enough on white).
constexpr std::array<hc::Color, 10> kGroupColours{{
    {31, 119, 180},
    {214, 39, 40},
    {44, 160, 44},
    {255, 127, 14},
    {148, 103, 189},
    {140, 86, 75},
    {227, 119, 194},
    {0, 0, 0},
    {188, 189, 34},
    {23, 190, 207},
}};
constexpr std::array<MarkShape, 7> kGroupShapes{
    MarkShape::Circle,       MarkShape::Square, MarkShape::TriangleUp, MarkShape::Diamond,
    MarkShape::TriangleDown, MarkShape::Cross,  MarkShape::Plus};

// The first character (code point) of a UTF-8 text.
std::string FirstCharacter(const std::string& s) {
    if (s.empty())
        return s;
    std::size_t n = 1;
    const auto c = static_cast<unsigned char>(s[0]);
    if (c >= 0xF0)
        n = 4;
    else if (c >= 0xE0)
        n = 3;
    else if (c >= 0xC0)
        n = 2;
    return s.substr(0, std::min(n, s.size()));
}

void Polygon(hc::Surface& s, const std::array<double, 8>& p, std::size_t corners, hc::Color c) {
    for (std::size_t k = 0; k < corners; ++k) {
        const std::size_t j = (k + 1) % corners;
        s.Line(p[2 * k], p[2 * k + 1], p[2 * j], p[2 * j + 1], c);
    }
}

}  // namespace

ChartMedia ScreenMedia(double widthPx, double heightPx) {
    ChartMedia m;
    m.width = widthPx;
    m.height = heightPx;
    return m;
}

ChartMedia PaperMedia() {
    ChartMedia m;
    m.paper = true;
    m.width = 210;
    m.height = 297;
    m.margin = 15;
    m.legendWidth = 0;
    m.legendHeight = 60;
    m.legendColumn = 45;
    m.unitsPerPoint = 25.4 / 72;
    m.titleSize = 11;
    m.textSize = 9;
    m.tickSize = 7;
    m.subscriptSize = 6;
    m.markPoints = 2.6;
    m.frameWidth = 3;
    m.gridWidth = 1;
    m.lineWidth = 2;
    return m;
}

void BeginChart(hc::Surface& s, const ChartMedia& m) {
    if (m.paper) {
        s.SetOrientation(hc::Orientation::Portrait);
    } else {
        s.SetScale(m.width, m.height);
        s.Cls();
    }
    s.SetFontName(hc::kGothic);
    s.SetFontTransparent(true);
    s.SetDrawStyle(hc::PenStyle::Solid);
    s.SetDrawWidth(1);
}

void EndChart(hc::Surface& s, const ChartMedia& m) {
    s.SetDrawWidth(1);
    if (m.paper)
        s.EndDoc();
}

SampleStyles AssignStyles(const wq::SampleTable& table) {
    SampleStyles out;
    out.styleOf.assign(table.samples.size(), -1);
    for (const wq::Sample& smp : table.samples)
        if (smp.drawn && !smp.group.empty())
            out.byGroup = true;
    std::unordered_map<std::string, int> groups;
    int shown = 0;
    for (std::size_t i = 0; i < table.samples.size(); ++i) {
        const wq::Sample& smp = table.samples[i];
        if (!smp.drawn)
            continue;
        if (out.byGroup) {
            const std::string key = smp.group.empty() ? kNoGroup : smp.group;
            auto [it, added] = groups.try_emplace(key, static_cast<int>(out.styles.size()));
            if (added) {
                const std::size_t k = out.styles.size();
                out.styles.push_back({kGroupShapes[k % kGroupShapes.size()],
                                      kGroupColours[k % kGroupColours.size()], ""});
                if (shown < kMaxLegendEntries) {
                    out.legend.push_back({key, it->second});
                    ++shown;
                } else {
                    ++out.legendLeftOut;
                }
            }
            out.styleOf[i] = it->second;
        } else {
            const std::string mark = FirstCharacter(smp.mark);
            PointStyle st{mark.empty() ? MarkShape::Circle : MarkShape::Text,
                          hc::QBColor(smp.colour), mark};
            out.styleOf[i] = static_cast<int>(out.styles.size());
            out.styles.push_back(st);
            if (shown < kMaxLegendEntries) {
                out.legend.push_back({smp.name, out.styleOf[i]});
                ++shown;
            } else {
                ++out.legendLeftOut;
            }
        }
    }
    return out;
}

void DrawMark(hc::Surface& s, const PointStyle& st, double x, double y, double r, double textWidth,
              double textHeight) {
    const hc::Color c = st.colour;
    switch (st.shape) {
        case MarkShape::Circle:
            s.SetForeColor(c);
            s.SetFillColor(c);
            s.SetFillStyle(0);
            s.Circle(x, y, r);
            s.SetFillStyle(1);
            break;
        case MarkShape::Square:
            s.Box(x - r, y - r, x + r, y + r, c, true);
            break;
        case MarkShape::TriangleUp:
            Polygon(s, {x, y - r * 1.15, x + r * 1.1, y + r * 0.8, x - r * 1.1, y + r * 0.8, 0, 0},
                    3, c);
            break;
        case MarkShape::TriangleDown:
            Polygon(s, {x, y + r * 1.15, x + r * 1.1, y - r * 0.8, x - r * 1.1, y - r * 0.8, 0, 0},
                    3, c);
            break;
        case MarkShape::Diamond:
            Polygon(s, {x, y - r * 1.3, x + r * 1.3, y, x, y + r * 1.3, x - r * 1.3, y}, 4, c);
            break;
        case MarkShape::Cross:
            s.Line(x - r, y - r, x + r, y + r, c);
            s.Line(x - r, y + r, x + r, y - r, c);
            break;
        case MarkShape::Plus:
            s.Line(x - r * 1.2, y, x + r * 1.2, y, c);
            s.Line(x, y - r * 1.2, x, y + r * 1.2, c);
            break;
        case MarkShape::Text:
            s.SetForeColor(c);
            s.CurrentX = x - textWidth / 2;
            s.CurrentY = y - textHeight / 2;
            s.PrintInline(st.text);
            break;
    }
    s.SetForeColor(hc::kBlack);
}

MarkPainter::MarkPainter(hc::Surface& s, const std::vector<PointStyle>& styles, double r)
    : s_(s), styles_(styles), r_(r), extent_(styles.size(), {0.0, 0.0}) {
    std::unordered_map<std::string, std::pair<double, double>> measured;
    for (std::size_t k = 0; k < styles.size(); ++k) {
        const PointStyle& st = styles[k];
        if (st.shape != MarkShape::Text)
            continue;
        auto [it, added] = measured.try_emplace(st.text);
        if (added)
            it->second = {s.TextWidth(st.text), s.TextHeight(st.text)};
        extent_[k] = it->second;
    }
}

void MarkPainter::Draw(int style, double x, double y) {
    const auto k = static_cast<std::size_t>(style);
    DrawMark(s_, styles_[k], x, y, r_, extent_[k].first, extent_[k].second);
}

Box PlotBox(const ChartMedia& m) {
    return {m.margin, m.margin, m.width - m.margin - m.legendWidth,
            m.height - m.margin - m.legendHeight};
}

Box LegendBox(const ChartMedia& m) {
    if (m.legendHeight > 0)
        return {m.margin, m.height - m.margin - m.legendHeight, m.width - m.margin,
                m.height - m.margin};
    return {m.width - m.margin - m.legendWidth, m.margin, m.width - m.margin, m.height - m.margin};
}

std::string ZeroSumNote(int count) {
    return hc::TS("イオン合計 0 のため作図しない試料: %1", {std::to_string(count)});
}

Box DrawLegend(hc::Surface& s, const ChartMedia& m, const SampleStyles& styles, double reserve,
               double bandTop) {
    Box b = LegendBox(m);
    if (m.legendHeight > 0 && bandTop >= 0 && bandTop < b.top)
        b.top = bandTop;
    if (m.legendHeight > 0)
        b.right -= reserve;
    else
        b.bottom -= reserve;
    const bool band = m.legendHeight > 0;
    const double pad = 4 * m.unitsPerPoint;
    s.SetFontSize(m.textSize);
    const double th = s.TextHeight("凡");
    double y = b.top;
    TextAt(s, b.left + pad, y, hc::TS("凡　例"));
    y += th * 1.5;
    const double firstRow = y;
    const double r = m.markPoints * m.unitsPerPoint;
    double left = b.left;
    // The label column starts after the widest mark.
    double labelX = left + pad + 4 * r;
    const int maxChars = m.paper ? 14 : 18;
    int leftOut = styles.legendLeftOut;
    const double step = th * 1.3;
    for (std::size_t k = 0; k < styles.legend.size(); ++k) {
        const LegendEntry& e = styles.legend[k];
        if (band && y + th > b.bottom) {
            left += m.legendColumn;
            labelX += m.legendColumn;
            y = firstRow;
        }
        // Room for this entry and, unless it is the last, the line that counts the rest.
        const bool last = k + 1 == styles.legend.size() && leftOut == 0;
        const bool full = band ? left + 2 * m.legendColumn > b.right && y + 2 * step > b.bottom
                               : y + (last ? 1 : 2) * step > b.bottom;
        if (full && !last) {
            leftOut += static_cast<int>(styles.legend.size() - k);
            break;
        }
        const PointStyle& st = styles.styles[static_cast<std::size_t>(e.style)];
        double tw = 0;
        if (st.shape == MarkShape::Text)
            tw = s.TextWidth(st.text);
        s.SetDrawWidth(m.lineWidth);
        DrawMark(s, st, left + pad + 1.5 * r, y + th / 2, r, tw, th);
        s.SetDrawWidth(1);
        TextAt(s, labelX, y, ShortName(e.label, maxChars));
        y += step;
    }
    if (leftOut > 0) {
        TextAt(s, labelX, y, hc::TS("ほか %1 件", {std::to_string(leftOut)}));
        y += th * 1.3;
    }
    if (band)
        return {left + m.legendColumn, b.top, b.right + reserve, b.bottom};
    return {b.left, y, b.right, b.bottom + reserve};
}

void TextAt(hc::Surface& s, double x, double y, const std::string& text) {
    s.CurrentX = x;
    s.CurrentY = y;
    s.PrintInline(text);
}

void TextCentred(hc::Surface& s, double x, double y, const std::string& text) {
    TextAt(s, x - s.TextWidth(text) / 2, y, text);
}

void TextRight(hc::Surface& s, double x, double y, const std::string& text) {
    TextAt(s, x - s.TextWidth(text), y, text);
}

void IonLabelCentred(hc::Surface& s, const ChartMedia& m, double x, double y,
                     const std::string& label) {
    wq::PrintIonLabel(s, x - s.TextWidth(label) / 2, y, label, m.subscriptSize, 0.45);
}

std::string ShortName(const std::string& name, int maxChars) {
    if (wq::CharacterCount(name) <= maxChars)
        return name;
    std::size_t at = 0;
    for (int n = 0; n < maxChars - 1 && at < name.size(); ++n) {
        ++at;
        while (at < name.size() && (static_cast<unsigned char>(name[at]) & 0xC0) == 0x80)
            ++at;
    }
    return name.substr(0, at) + "…";
}

}  // namespace wqp
