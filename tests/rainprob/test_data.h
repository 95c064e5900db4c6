// Records shared by the rainprob tests: the 26 annual totals of Fair, Geyer and Okun,
// "Water and Wastewater Engineering", Example 11.3, converted from inches to millimetres.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rain::test {

// Sorted ascending, as published.
inline const std::vector<std::int32_t> kTextbookMm = {
    988,  1021, 1031, 1049, 1062, 1062, 1080, 1100, 1107, 1151, 1156, 1161, 1171,
    1184, 1184, 1194, 1196, 1219, 1219, 1237, 1242, 1255, 1295, 1367, 1519, 1684};

// The record as a file, years 1981.. in the given order of amounts.
inline std::string RecordText(const std::vector<std::int32_t>& amounts, int firstYear = 1981) {
    std::string s;
    for (std::size_t i = 0; i < amounts.size(); ++i)
        s += "   " + std::to_string(firstYear + static_cast<int>(i)) + "   " +
             std::to_string(amounts[i]) + "\r\n";
    return s;
}

}  // namespace rain::test
