// A table of texts printed on A4 landscape sheets (the classification table): the headings on
// every sheet, as many rows as a sheet holds, the sheet number below. The same routine draws
// the first sheet as the window's picture.
#pragma once

#include <string>

#include "common/core/surface.h"
#include "waterquality/core/diagram_strategy.h"

namespace wqp {

struct TableSheetLayout {
    double width = 297;  // landscape A4, millimetres
    double height = 210;
    double margin = 12;
    double titleSize = 11;  // points
    double textSize = 7;
    double rowPitch = 3.6;  // millimetres between rows
    double cellGap = 1.6;   // between columns
};

// Rows that one sheet holds under the title and the headings, at the layout's row pitch or
// the one given.
int RowsPerSheet(const TableSheetLayout& layout, double pitch = 0);
// Sheets the table takes (at least one: a table without rows prints its headings) at the
// layout's row pitch or the one given.
int SheetCount(const wq::TextTable& table, const TableSheetLayout& layout, double pitch = 0);

// Every sheet of the table on paper, each begun and the document ended.
void PrintTableSheets(hc::Surface& printer, const wq::TextTable& table, const std::string& title,
                      const TableSheetLayout& layout = {});
// The first sheet on a screen canvas (its user scale is set to the sheet's millimetres).
void DrawTableSheet(hc::Surface& canvas, const wq::TextTable& table, const std::string& title,
                    const TableSheetLayout& layout = {});

}  // namespace wqp
