// Reading one worksheet of a spreadsheet workbook (.xls BIFF8, .xlsx, .ods) as a spreadsheet
// program shows it: numbers, texts, booleans, errors and the stored results of formula cells.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace hc {

struct CellValue {
    enum class Kind { Empty, Number, Text, Boolean, Error };
    Kind kind = Kind::Empty;
    double number = 0;  // Number; Boolean as 1 or 0
    std::string text;   // Text (UTF-8); Error as shown ("#DIV/0!", "#N/A", ...)

    static CellValue Num(double v) { return {Kind::Number, v, {}}; }
    static CellValue Str(std::string s) { return {Kind::Text, 0, std::move(s)}; }
    static CellValue Bool(bool b) { return {Kind::Boolean, b ? 1.0 : 0.0, {}}; }
    static CellValue Err(std::string s) { return {Kind::Error, 0, std::move(s)}; }
    bool IsEmpty() const { return kind == Kind::Empty; }
};

// A cell as a sheet keeps it. Its text may be shared with other cells (the cells of a repeated
// run, all cells showing one shared string): it is held once however many cells show it.
struct StoredCell {
    CellValue::Kind kind = CellValue::Kind::Empty;
    double number = 0;
    std::shared_ptr<const std::string> text;  // Text and Error; null otherwise
};

// The cells of one worksheet, addressed by 1-based row and column.
class WorkbookSheet {
  public:
    // Empty when the cell holds nothing.
    CellValue Cell(int row, int column) const;
    void SetCell(int row, int column, CellValue value);
    void SetCell(int row, int column, StoredCell cell);
    std::size_t CellCount() const { return cells_.size(); }
    // Every cell that holds something, by row, then column.
    const std::map<std::pair<int, int>, StoredCell>& Cells() const { return cells_; }

  private:
    std::map<std::pair<int, int>, StoredCell> cells_;
};

// Any failure to read a workbook: unreadable, damaged or truncated file, not a workbook,
// no worksheet of the requested name. what() names the reason in English (hydrochart, logs),
// Japanese() the same for the windows.
class WorkbookError : public std::runtime_error {
  public:
    WorkbookError(const std::string& en, std::string ja)
        : std::runtime_error(en), ja_(std::move(ja)) {}
    // A reason without its Japanese text reads as a generic refusal in the windows.
    explicit WorkbookError(const std::string& en) : std::runtime_error(en) {}
    std::string Japanese() const {
        return ja_.empty() ? std::string("表計算ソフトのブックとして読めません") : ja_;
    }

  private:
    std::string ja_;
};

// Reads the worksheet named sheetName from the workbook at path. The format is recognised from
// the file's content (OLE2 compound document with a BIFF8 Workbook stream, or a ZIP package
// holding xl/workbook.xml or content.xml), not from its name. Throws WorkbookError.
WorkbookSheet ReadWorkbookSheet(const std::string& path, const std::string& sheetName = "Sheet1");
// Reads the first worksheet, whatever its name (a table exported by another program names its
// sheet as that program likes). Throws WorkbookError.
WorkbookSheet ReadFirstWorkbookSheet(const std::string& path);

// Cell conversions as the classic runtime applies them to a cell's Value.
// Text of a cell: numbers in the standard number text (7 -> "7", 12.5 -> "12.5"),
// booleans "True"/"False", empty "". Errors throw WorkbookError.
std::string CellText(const CellValue& cell);
// Double of a cell: empty 0, number as is, boolean True -1 / False 0, text converted as a
// number (blanks around are ignored). Errors and non-numeric texts throw WorkbookError.
double CellDouble(const CellValue& cell);
// 32-bit integer of a cell: CellDouble rounded half to even; out of range throws WorkbookError.
int CellInt32(const CellValue& cell);

}  // namespace hc
