#include <cmath>

#include "common/core/input_limits.h"
#include "common/core/numbers.h"
#include "common/core/workbook.h"

namespace hc {

CellValue WorkbookSheet::Cell(int row, int column) const {
    auto it = cells_.find({row, column});
    if (it == cells_.end())
        return {};
    const StoredCell& c = it->second;
    return {c.kind, c.number, c.text ? *c.text : std::string()};
}

void WorkbookSheet::SetCell(int row, int column, CellValue value) {
    StoredCell cell{value.kind, value.number, nullptr};
    if (value.kind == CellValue::Kind::Text || value.kind == CellValue::Kind::Error)
        cell.text = std::make_shared<const std::string>(std::move(value.text));
    SetCell(row, column, std::move(cell));
}

void WorkbookSheet::SetCell(int row, int column, StoredCell cell) {
    if (cell.kind == CellValue::Kind::Empty) {
        cells_.erase({row, column});
    } else {
        cells_[{row, column}] = std::move(cell);
    }
}

std::string CellText(const CellValue& cell) {
    switch (cell.kind) {
        case CellValue::Kind::Empty:
            return "";
        case CellValue::Kind::Number:
            return DoubleToText(cell.number);
        case CellValue::Kind::Text:
            return cell.text;
        case CellValue::Kind::Boolean:
            return cell.number != 0 ? "True" : "False";
        case CellValue::Kind::Error:
            throw WorkbookError("the cell holds an error value " + Excerpt(cell.text),
                                "エラー値 " + Excerpt(cell.text) + " があります");
    }
    return "";
}

double CellDouble(const CellValue& cell) {
    switch (cell.kind) {
        case CellValue::Kind::Empty:
            return 0.0;
        case CellValue::Kind::Number:
            if (!std::isfinite(cell.number))
                throw WorkbookError("the cell holds no finite number", "有限の数値ではありません");
            return cell.number;
        case CellValue::Kind::Boolean:
            return cell.number != 0 ? -1.0 : 0.0;
        case CellValue::Kind::Text:
            if (auto v = TryTextToDouble(cell.text))
                return *v;
            throw WorkbookError(
                "the cell holds the text \"" + Excerpt(cell.text) + "\" where a number is expected",
                "数値でない「" + Excerpt(cell.text) + "」があります");
        case CellValue::Kind::Error:
            throw WorkbookError("the cell holds an error value " + Excerpt(cell.text),
                                "エラー値 " + Excerpt(cell.text) + " があります");
    }
    return 0.0;
}

int CellInt32(const CellValue& cell) {
    double d = CellDouble(cell);
    try {
        return RoundToInt32(d);
    } catch (const ConversionError& e) {
        throw WorkbookError(e.what(), "整数として大きすぎる数値があります");
    }
}

}  // namespace hc
