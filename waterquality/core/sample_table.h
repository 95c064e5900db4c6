// Long tables: one row per sample under a heading row that names the columns, as laboratories
// deliver analyses and as other programs export them, from a CSV file or from the first sheet of
// a workbook. Both go through one mapping of headings and one reading of rows: the rows are laid
// out as the workbook layout's cells (sample i in column i + 1), each remembering where it came
// from, so that the workbook's loader and data check take them by the workbook's rules.
//
// Which layout a workbook (.xls, .xlsx, .ods) is read in:
//   1. "Sheet1" whose count cell B10 holds a count of 1..32: the fixed layout, as always.
//   2. Otherwise, a first sheet (whatever its name) holding a heading row that names the eight
//      ions in eight distinct columns: a long table.
//   3. Otherwise the fixed layout, with its refusal (no "Sheet1", a bad count...).
// Every workbook of the fixed layout that loads is thus read as before; a long table can never
// hold a count in B10, its rows being samples.
//
// Columns of a long table, found by their headings (any case, full-width forms, charges and
// units in brackets or after a blank, as sample_csv.h tells):
//   name (sample, 試料名, 地点名) and the eight ions Na K Ca Mg Cl HCO3 SO4 NO3, in mg/L: required;
//   CO3, F, TDS (蒸発残留物) in mg/L; pH; EC (電気伝導度, 電気伝導率) in µS/cm at 25 °C, where a
//   heading or units row in mS/m (Japanese reports) or mS/cm is converted (x10, x1000) and any
//   other unit refused; group (site, 地点, グループ); date (日付, 採水日: the text as written, a
//   workbook's date number as yyyy-mm-dd); mark and colour (ternaryplot). Other columns are
//   ignored. An empty cell of the further columns is no value (never 0); an empty ion cell is 0.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/core/result.h"
#include "common/core/workbook.h"
#include "waterquality/core/samples.h"
#include "waterquality/core/suspect_cells.h"
#include "waterquality/core/workbook_load.h"

namespace wq {

// One row of a table as read: its cells (a CSV field is a text, an empty field an empty cell)
// and where it lies, the line of a CSV file or the row of a sheet.
struct TableRow {
    int line = 0;
    std::vector<hc::CellValue> cells;
};

// Gives the rows with any content one at a time, nothing at the end. `width` is how many
// leading cells the caller needs; a source may give more.
using RowSource = std::function<hc::Result<std::optional<TableRow>>(std::size_t width)>;

// A long table laid out as the workbook layout's cells, with where each came from.
struct TableSheet {
    hc::WorkbookSheet sheet;  // the count, names, ions, marks and colours and further rows
    TablePlaces places;
    int rows = 0;         // sample rows of the table, all of them; laid out up to the limit
    double ecFactor = 1;  // EC as given to µS/cm
};

// The heading row is the first among the first kHeadingSearchRows rows that names the eight
// ions in distinct columns (rows above it are titles); without one, the first row, whose
// missing columns are then refused. A units row under it ("mg/L", "(mg/L)", "meq/L") is no
// sample. Rows beyond maxSamples are counted, not laid out. Errors are placed by line (CSV) or
// cell (sheet rows) and heading.
inline constexpr int kHeadingSearchRows = 10;
hc::Result<TableSheet> LayOutTable(const RowSource& rows, bool sheetRows, const std::string& path,
                                   int maxSamples);

// The samples of a laid-out table: refused when it has no rows or more than options.maxSamples
// ("この表には 120 試料あります…"), else read by the workbook's rules (ReadLayoutSheet) with the
// further columns, each refusal placed in the table.
hc::Result<SampleTable> ReadTableSheet(const TableSheet& table, const std::string& path,
                                       const LoadOptions& options,
                                       const LoadProgress& progress = {});

// Whether a sheet holds a heading row of a long table (rule 2 above).
bool HasTableHeadingRow(const hc::WorkbookSheet& sheet);

// The rows of a sheet, for LayOutTable.
RowSource SheetRows(const hc::WorkbookSheet& sheet);

// The cells a file's samples are read from, in the layout the rules above choose: a CSV file
// and a workbook's long table laid out with their places, else "Sheet1" of the fixed layout.
struct SampleSheet {
    std::optional<TableSheet> table;
    hc::WorkbookSheet layout;  // the fixed layout, when no table
};
hc::Result<SampleSheet> ReadSampleSheet(const std::string& path, int maxSamples = kMaxSamples);

// Every suspect cell of a sample file of any kind (CSV, workbook of either layout), as the
// loader would read it.
SuspectReport ScanSampleFile(const std::string& path, const ScanOptions& options = {});

}  // namespace wq
