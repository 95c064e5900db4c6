// The classification table (分類表): per sample its charge balance, Piper types and diamond
// field, Chadha field, irrigation indices, hardness and TDS, built once from the table and its
// compositions under a nitrate type. The window's table and the CSV read the same rows and the
// same cell texts.
//
// The CBE here counts carbonate and fluoride with the anions when the table gives them (they
// carry charge); for a workbook without them it is the data check's value.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "waterquality/core/composition.h"
#include "waterquality/core/sample_model.h"
#include "wqplot/core/irrigation_class.h"

namespace wqp {

struct ClassRow {
    int number = 0;  // 1-based, table order
    std::string name;
    std::string group;
    bool drawn = false;  // false: an empty column of the workbook; nothing below is set
    std::optional<double> cbe;
    wq::PiperCation cation = wq::PiperCation::Undefined;
    wq::PiperAnion anion = wq::PiperAnion::Undefined;
    wq::PiperField field = wq::PiperField::Undefined;
    wq::ChadhaField chadha = wq::ChadhaField::Undefined;
    wq::IrrigationIndices indices;
    double tds = 0;
    bool tdsComputed = false;
    UsslClass ussl;  // from the table's EC and the SAR
    std::string hfed;  // the HFE-D facies (hfed_chart.h), "MixCa-MixHCO3"
};

std::vector<ClassRow> ClassificationRows(const wq::SampleModel& samples, wq::NitrateType nitrate);

enum ClassColumn : int {
    kColNumber = 0,
    kColName,
    kColGroup,
    kColCbe,
    kColCation,
    kColAnion,
    kColField,
    kColChadha,
    kColSar,
    kColSodium,
    kColKelly,
    kColRsc,
    kColPi,
    kColMh,
    kColHardness,
    kColTds,
    kColTdsOrigin,
    kColHfed,
    kColUssl,
    kClassColumnCount
};

struct ColumnInfo {
    const char* key;  // CSV heading: stable for scripts whatever the language
    const char* ja;   // window heading
    const char* en;
    int decimals;  // -1 for a text column; numbers (and the number column) align right
};
extern const std::array<ColumnInfo, kClassColumnCount> kClassColumns;

// The window shows a dash where a value is undefined; the CSV leaves the field empty.
enum class CellUse { Window, Csv };
std::vector<std::string> ClassificationHeader(wq::Language language);
std::vector<std::string> ClassificationCells(const ClassRow& row, wq::Language language,
                                             CellUse use);
// UTF-8, one heading line of keys, lines ending in LF, numbers with fixed decimals.
std::string ClassificationCsv(const std::vector<ClassRow>& rows, wq::Language language);
// The rows as a table to read on a terminal: the window's headings and cells, numbers aligned
// right, every column as wide as its widest entry (display width: a Japanese character takes
// two columns), names cut at kClassTextNameColumns.
inline constexpr int kClassTextNameColumns = 24;
std::string ClassificationText(const std::vector<ClassRow>& rows, wq::Language language);

}  // namespace wqp
