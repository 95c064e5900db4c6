// The grid editor's rules: which rows of its grid make the section file it saves.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace flow {

// The editor saves a section of at least this many points.
inline constexpr int kMinEditedPoints = 3;

// Why the rows taken from the grid end where they do. The refusals save nothing: what was typed
// would otherwise be lost without a word.
enum class GridEnd {
    LastRow,              // every row was taken
    EmptyCell,            // an empty row with nothing after it
    NegativeDistance,     // a row whose distance is negative: the end marker
    DistanceNotANumber,   // refused: a filled distance that is no number
    ElevationNotANumber,  // refused: a filled elevation that is no number
    DistanceMissing,      // refused: an elevation without its distance
    ElevationMissing,     // refused: a distance without its elevation
    FilledAfterEmptyRow,  // refused: an empty row with filled rows after it
};

struct GridRows {
    std::vector<double> X, Y;  // the rows taken
    GridEnd End = GridEnd::LastRow;
    int EndRow = 0;    // the 1-based row that ended them; 0 with LastRow
    int LaterRow = 0;  // FilledAfterEmptyRow: the first filled row after EndRow

    // Whether the grid is refused as it stands.
    bool Refused() const;
};

// The rows from the first on, while both cells (distance, elevation) are filled and the
// distance is not negative. A row with one cell filled, and an empty row followed by filled
// ones, are refused rather than ending the list.
GridRows ReadGridRows(const std::vector<std::pair<std::string, std::string>>& cells);

// Why a refused grid is not saved, naming its row: 「5 行目: 標高が入力されていません」.
// `cellText` is the text of the cell that is no number.
std::string GridRefusalText(const GridRows& rows, const std::string& cellText);

}  // namespace flow
