#include "wqplot/core/table_sheet.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/core/text_columns.h"

namespace wqp {

namespace {

constexpr int kHeadingLines = 3;  // the title, a gap and the heading row above the first row

// Column widths in millimetres from the widest entry's display width. Measuring every cell
// of 10,000 rows in the font would cost seconds; one half-width character measured once, times
// the display width, is what the printed text takes within a fraction of a character.
std::vector<double> ColumnWidths(const wq::TextTable& t, double cellWidth) {
    std::vector<int> columns(t.headings.size(), 0);
    auto widen = [&](const std::vector<std::string>& cells) {
        for (std::size_t k = 0; k < cells.size() && k < columns.size(); ++k)
            columns[k] = std::max(columns[k], hc::DisplayWidth(cells[k]));
    };
    widen(t.headings);
    for (const auto& r : t.rows)
        widen(r);
    std::vector<double> mm;
    for (int c : columns)
        mm.push_back(c * cellWidth);
    return mm;
}

void Cell(hc::Surface& s, double left, double width, double y, const std::string& text, bool right,
          double cellWidth) {
    s.CurrentX = right ? left + width - hc::DisplayWidth(text) * cellWidth : left;
    s.CurrentY = y;
    s.PrintInline(text);
}

// The distance of two rows: the layout's, or more where the text is taller (on screen the text
// keeps its point size over a smaller sheet). Counting sheets and drawing them use this one.
double RowPitch(hc::Surface& s, const TableSheetLayout& l) {
    s.SetFontName(hc::kGothic);
    s.SetFontSize(l.textSize);
    return std::max(l.rowPitch, s.TextHeight("0") * 1.1);
}

void DrawSheet(hc::Surface& s, const wq::TextTable& t, const std::string& title,
               const TableSheetLayout& l, double pitch, int sheet, int sheets) {
    s.SetFontName(hc::kGothic);
    s.SetFontTransparent(true);
    s.SetDrawStyle(hc::PenStyle::Solid);
    s.SetDrawWidth(1);
    s.SetFontSize(l.titleSize);
    s.CurrentX = l.margin;
    s.CurrentY = l.margin;
    s.PrintInline(title);
    s.SetFontSize(l.textSize);
    const double cellWidth = s.TextWidth("0");
    const std::vector<double> widths = ColumnWidths(t, cellWidth);
    // A table wider than the sheet is squeezed: the gaps shrink before anything overlaps.
    double total = 0;
    for (double w : widths)
        total += w;
    const double room = l.width - 2 * l.margin;
    const double gap = widths.size() > 1
                           ? std::clamp((room - total) / static_cast<double>(widths.size() - 1),
                                        0.0, l.cellGap)
                           : 0.0;
    const double top = l.margin + (kHeadingLines - 1) * pitch;
    auto row = [&](const std::vector<std::string>& cells, double y) {
        double x = l.margin;
        for (std::size_t k = 0; k < widths.size(); ++k) {
            const bool right = k < t.numeric.size() && t.numeric[k];
            Cell(s, x, widths[k], y, k < cells.size() ? cells[k] : std::string(), right,
                 cellWidth);
            x += widths[k] + gap;
        }
        return x - gap;
    };
    const double right = row(t.headings, top);
    const double ruleY = top + pitch - 0.4;
    s.Line(l.margin, ruleY, std::max(right, l.margin), ruleY);
    const int perSheet = RowsPerSheet(l, pitch);
    const std::size_t first = static_cast<std::size_t>(sheet) * static_cast<std::size_t>(perSheet);
    const std::size_t last = std::min(t.rows.size(), first + static_cast<std::size_t>(perSheet));
    for (std::size_t r = first; r < last; ++r)
        row(t.rows[r], top + static_cast<double>(r - first + 1) * pitch);
    const std::string folio = std::to_string(sheet + 1) + " / " + std::to_string(sheets);
    s.CurrentX = (l.width - s.TextWidth(folio)) / 2;
    s.CurrentY = l.height - l.margin + pitch / 2;
    s.PrintInline(folio);
}

}  // namespace

int RowsPerSheet(const TableSheetLayout& l, double pitch) {
    if (pitch <= 0)
        pitch = l.rowPitch;
    const double body = l.height - 2 * l.margin - kHeadingLines * pitch;
    return std::max(1, static_cast<int>(std::floor(body / pitch)));
}

int SheetCount(const wq::TextTable& t, const TableSheetLayout& l, double pitch) {
    const auto per = static_cast<std::size_t>(RowsPerSheet(l, pitch));
    return std::max(1, static_cast<int>((t.rows.size() + per - 1) / per));
}

void PrintTableSheets(hc::Surface& s, const wq::TextTable& t, const std::string& title,
                      const TableSheetLayout& l) {
    s.SetOrientation(hc::Orientation::Landscape);
    const double pitch = RowPitch(s, l);
    const int sheets = SheetCount(t, l, pitch);
    for (int k = 0; k < sheets; ++k) {
        if (k > 0)
            s.NewPage();
        DrawSheet(s, t, title, l, pitch, k, sheets);
    }
    s.EndDoc();
}

void DrawTableSheet(hc::Surface& s, const wq::TextTable& t, const std::string& title,
                    const TableSheetLayout& l) {
    // The sheet's width over the square picture; the text keeps its point sizes.
    s.SetScale(l.width, l.width);
    s.Cls();
    const double pitch = RowPitch(s, l);
    DrawSheet(s, t, title, l, pitch, 0, SheetCount(t, l, pitch));
}

}  // namespace wqp
