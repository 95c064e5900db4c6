// The grid editor's rules: which rows of its grid make the section file it saves.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace flow {

// The editor saves a section of at least this many points.
inline constexpr int kMinEditedPoints = 3;

// Why the rows taken from the grid end where they do.
enum class GridEnd {
    LastRow,              // every row was taken
    EmptyCell,            // a row with an empty cell
    NegativeDistance,     // a row whose distance is negative
    DistanceNotANumber,   // a filled distance that is no number: nothing is saved
    ElevationNotANumber,  // a filled elevation that is no number: nothing is saved
};

struct GridRows {
    std::vector<double> X, Y;  // the rows taken
    GridEnd End = GridEnd::LastRow;
    int EndRow = 0;  // the 1-based row that ended them; 0 with LastRow
};

// The rows from the first on, while both cells (distance, elevation) are filled and the
// distance is not negative.
GridRows ReadGridRows(const std::vector<std::pair<std::string, std::string>>& cells);

}  // namespace flow
