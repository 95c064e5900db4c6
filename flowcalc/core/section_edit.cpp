#include "flowcalc/core/section_edit.h"

#include "common/core/language.h"
#include "common/core/numbers.h"

namespace flow {

bool GridRows::Refused() const {
    switch (End) {
        case GridEnd::LastRow:
        case GridEnd::EmptyCell:
        case GridEnd::NegativeDistance:
            return false;
        default:
            return true;
    }
}

GridRows ReadGridRows(const std::vector<std::pair<std::string, std::string>>& cells) {
    GridRows out;
    auto stop = [&out](GridEnd end, std::size_t i) {
        out.End = end;
        out.EndRow = static_cast<int>(i) + 1;
        return out;
    };
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto& [xt, yt] = cells[i];
        if (xt.empty() && yt.empty()) {
            for (std::size_t k = i + 1; k < cells.size(); ++k) {
                if (!cells[k].first.empty() || !cells[k].second.empty()) {
                    out.LaterRow = static_cast<int>(k) + 1;
                    return stop(GridEnd::FilledAfterEmptyRow, i);
                }
            }
            return stop(GridEnd::EmptyCell, i);
        }
        auto x = xt.empty() ? std::nullopt : hc::TryTextToDouble(xt);
        // A negative distance ends the list, with or without an elevation beside it.
        if (x && *x < 0)
            return stop(GridEnd::NegativeDistance, i);
        if (xt.empty())
            return stop(GridEnd::DistanceMissing, i);
        if (yt.empty())
            return stop(GridEnd::ElevationMissing, i);
        if (!x)
            return stop(GridEnd::DistanceNotANumber, i);
        auto y = hc::TryTextToDouble(yt);
        if (!y)
            return stop(GridEnd::ElevationNotANumber, i);
        out.X.push_back(*x);
        out.Y.push_back(*y);
    }
    return out;
}

std::string GridRefusalText(const GridRows& rows, const std::string& cellText) {
    const std::string row = hc::TS("%1 行目: ", {std::to_string(rows.EndRow)});
    switch (rows.End) {
        case GridEnd::DistanceNotANumber:
        case GridEnd::ElevationNotANumber:
            return row + hc::TS("「%1」は数値ではありません", {cellText});
        case GridEnd::DistanceMissing:
            return row + hc::TS("距離が入力されていません");
        case GridEnd::ElevationMissing:
            return row + hc::TS("標高が入力されていません");
        case GridEnd::FilledAfterEmptyRow:
            return row + hc::TS("空の行です。後の %1 行目にもデータがあります",
                                {std::to_string(rows.LaterRow)});
        default:
            return {};
    }
}

}  // namespace flow
