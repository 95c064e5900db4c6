// Every suspect cell of a water-quality workbook, not only the first one the loader stops at:
// the sample count, names the diagrams skip or repeat, data beyond the count, and ion cells
// that are blank, negative, texts, error values or logical values. The scan applies the
// loader's own conversions, so "refuses the load" is exactly what loading would do, and it
// works on a workbook the loader refuses.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/core/workbook.h"
#include "waterquality/core/data_check.h"
#include "waterquality/core/samples.h"

namespace wq {

enum class SuspectKind {
    Unreadable,        // the file cannot be read as a workbook (no cell)
    BadCount,          // B10 empty, no number or outside 1..32: refused
    CountNotWhole,     // B10 not a whole number: rounded
    BeyondCount,       // data right of the counted columns: never read
    SkippedName,       // name empty or of one character: the column is not drawn
    DuplicateName,     // the name of an earlier drawn sample again
    BlankValue,        // empty ion cell of a drawn sample: read as 0 mg/L
    NegativeValue,     // an ion value below 0
    TextValue,         // a text that is no number ("<0.1", "ND"): refused
    ErrorValue,        // an error value (#N/A, #DIV/0!): refused
    BooleanValue,      // TRUE or FALSE where a number belongs: read as -1 or 0
    BadColour,         // ternaryplot's colour cell: refused, or drawn black against its text
    ImplausibleValue,  // an ion above kPlausibleMgPerL: read, but no water holds it
    MissingEc,         // a long table's empty EC cell: the sample is left out of EC charts
    MissingTds,        // an empty TDS cell: left out of the Durov diagram's TDS panel
    MissingPh,         // an empty pH cell: left out of the Durov diagram's pH panel
};

// More than the mass of a litre of water: a value above it is a slip of unit or digits.
inline constexpr double kPlausibleMgPerL = 1'000'000;

// A stable identifier for CSV and JSON: "bad_count", "blank_value", ...
const char* SuspectKindId(SuspectKind kind);

struct SuspectCell {
    int row = 0;             // 1-based; 0 for the file itself
    int column = 0;          // 1-based; 0 for the file itself
    std::string reference;   // "D14" ("5:Cl" in a CSV table); empty for the file itself
    int sample = 0;          // the sample whose column this is (1..32); 0 for B10 and the file
    std::string sampleName;  // that column's name cell as shown
    SuspectKind kind = SuspectKind::Unreadable;
    bool refusesLoad = false;  // the loader refuses the workbook because of this cell
    std::string excerpt;       // the cell as shown, one line, at most 24 characters
    std::string messageJa;
    std::string messageEn;
    const std::string& Message(Language language) const {
        return language == Language::Japanese ? messageJa : messageEn;
    }
};

struct SuspectReport {
    std::vector<SuspectCell> cells;  // each cell once, by column, then row
    // The loader refuses this workbook (or cannot read it at all).
    bool Refused() const;
};

// Where a cell of a long table laid out as a workbook (sample_table.h) came from.
struct TablePlace {
    int line = 0;         // line of a CSV file, row of a sheet
    std::string heading;  // heading of the column
    std::string cell;     // the cell of a sheet ("C15"); empty in a CSV file
    // "5:Cl" in a CSV file, "C15:Cl" in a sheet.
    std::string Reference() const;
};

// The places of a laid-out table: each sample's line or row, each laid-out row's column.
struct TablePlaces {
    bool sheetRows = false;  // the rows of a workbook sheet: places are its cells
    std::vector<int> lines;  // by sample number - 1
    struct Source {
        int column = 0;  // 1-based column of the table
        std::string heading;
    };
    std::map<int, Source> rows;  // by laid-out row
    // Laid-out rows of the further numeric columns (CO3, F, EC, pH, TDS): checked as the ions
    // are, an empty cell being no value.
    std::vector<int> valueRows;
    // The laid-out rows of the EC, TDS and pH columns; 0 without one. An empty cell of them is
    // listed: the charts that need the value leave that sample out.
    int ecRow = 0;
    int tdsRow = 0;
    int phRow = 0;
    std::optional<TablePlace> At(int row, int column) const;
};

struct ScanOptions {
    // ternaryplot also reads the mark and colour rows (20, 21) of every drawn sample.
    bool marksAndColours = false;
    // Reads "Sheet1" of a workbook; hc::ReadWorkbookSheet when empty.
    std::function<hc::WorkbookSheet(const std::string& path)> readSheet;
    // A long table laid out as a workbook. The report then names lines or cells with headings
    // ("5:Cl"), and the count cell speaks of the rows of the table.
    const TablePlaces* table = nullptr;
    // The most samples the program draws: a longer table is refused.
    int maxSamples = kMaxSamples;
};

// When the count cell is unusable the scan still covers every column up to the last name in
// row 11, so that all reasons show at once.
SuspectReport ScanSheet(const hc::WorkbookSheet& sheet, const ScanOptions& options = {});
// Reads the workbook and scans it; an unreadable file gives one Unreadable entry with the
// reader's reason.
SuspectReport ScanWorkbook(const std::string& path, const ScanOptions& options = {});

// The report as CSV (UTF-8, header row, comma-separated, lines ending in LF), messages in the
// language given.
std::string SuspectCellsCsv(const SuspectReport& report, Language language);

}  // namespace wq
