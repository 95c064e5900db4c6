// Loading the sample table from a CSV table as laboratories deliver analyses: a heading row
// naming the columns, then one row per sample (the long tables of sample_table.h). It gives the
// very table a workbook with the same cells gives, so every chart and the data check take it
// unchanged.
#pragma once

#include <string>

#include "common/core/result.h"
#include "waterquality/core/sample_table.h"
#include "waterquality/core/samples.h"
#include "waterquality/core/suspect_cells.h"
#include "waterquality/core/workbook_load.h"

namespace wq {

// A path whose name ends in ".csv" in any case.
bool IsCsvPath(const std::string& path);

// Reads the CSV table at path (UTF-8 with or without BOM, UTF-16 with BOM, else CP932;
// separated by commas, semicolons or tabs, as its heading row shows; fields may be quoted). The
// headings name the sample (`name`, `sample`, 試料名, 地点名), the eight ions in mg/L (Na, K, Ca,
// Mg, Cl, HCO3, SO4, NO3 in any case, or ナトリウム, 塩化物イオン...; with charges such as `Ca2+`,
// `SO4 2-` or `SO₄²⁻`; the unit in brackets, full-width ones too, or after a blank, "Na mg/L")
// and, for ternaryplot, the optional `mark` and `colour`; other columns are ignored. A row of
// units under the headings ("mg/L", "(mg/L)", "meq/L") gives the units and is no sample. An ion
// given in mg/L and in another unit is read from its mg/L column; in another unit only, it is
// refused. Each row is the column of a workbook: the same count limit (1..32, refused by the
// count of rows), the same one-character-name rule, the same empty cell as 0, the same mark and
// colour rules (a colour of one character is 0, as "9" in a workbook) and the same refusals,
// placed by line and column heading instead of by cell. A missing or repeated ion column is
// refused. The further columns of a long table (CO3, F, EC, pH, TDS, group, date) are read too.
hc::Result<SampleTable> LoadSampleCsv(const std::string& path, const LoadOptions& options = {},
                                      const LoadProgress& progress = {});

// The records of CSV text as rows of a table (sample_table.h); `text` must outlive the source.
RowSource CsvRows(const std::string& text, const std::string& path);

// Every suspect cell of the CSV table at path, as ScanWorkbook finds them in a workbook, each
// placed by "line:heading" ("5:Cl") instead of a workbook cell.
SuspectReport ScanSampleCsv(const std::string& path, const ScanOptions& options = {});

// The same for text already read and decoded to UTF-8; `path` only names the file in errors.
hc::Result<SampleTable> ParseSampleCsv(const std::string& text, const std::string& path,
                                       const LoadOptions& options = {},
                                       const LoadProgress& progress = {});

}  // namespace wq
