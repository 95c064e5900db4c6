#include "flowcalc/core/section_edit.h"

#include "common/core/numbers.h"

namespace flow {

GridRows ReadGridRows(const std::vector<std::pair<std::string, std::string>>& cells) {
    GridRows out;
    auto stop = [&out](GridEnd end, std::size_t i) {
        out.End = end;
        out.EndRow = static_cast<int>(i) + 1;
        return out;
    };
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto& [xt, yt] = cells[i];
        if (xt.empty() || yt.empty())
            return stop(GridEnd::EmptyCell, i);
        auto x = hc::TryTextToDouble(xt);
        if (!x)
            return stop(GridEnd::DistanceNotANumber, i);
        if (*x < 0)
            return stop(GridEnd::NegativeDistance, i);
        auto y = hc::TryTextToDouble(yt);
        if (!y)
            return stop(GridEnd::ElevationNotANumber, i);
        out.X.push_back(*x);
        out.Y.push_back(*y);
    }
    return out;
}

}  // namespace flow
