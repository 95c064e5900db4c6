// The precipitation record (year and annual total per record, read with the runtime's list
// input) and the table of standard normal deviates the analysis and both charts use.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/core/result.h"

namespace rain {

// Largest number of records a file may hold.
inline constexpr int kMaxRecords = 257;

struct RainTable {
    std::vector<std::int32_t> Years;  // calendar year of record i, as read
    std::vector<std::int32_t> Rain;   // annual precipitation of record i in millimetres
    std::string DataPath;             // the file the table was read from

    int Count() const { return static_cast<int>(Rain.size()); }
};

// Reads the records of a file's text into a fresh table: items two at a time (year, amount),
// separated by commas, blanks or line ends, each rounded to a 32-bit integer. Lines holding
// nothing but blanks are skipped. An Error with the line for a non-number, an amount missing at
// the end, a record beyond the 257th, a year outside 1..2999, or a line of an odd number of
// items above one (a decimal comma, "1981 1000,5"); the Error names no file.
hc::Result<RainTable> ParseRainText(const std::string& text);

// Reads the file at path (UTF-8 or CP932) with ParseRainText; DataPath becomes path and every
// Error names the file.
hc::Result<RainTable> LoadRainFile(const std::string& path);

// Entry k is the standard normal deviate of non-exceedance probability 0.5 + k/1000 for
// k = 0..499; entries 500..512 stay 0.
using NormalTable = std::array<double, 513>;

// The table computed from InverseNormal (the same values ndlist.txt would hold), once.
const NormalTable& StandardNormalTable();
// Start-up: the table is computed rather than read, so it can neither be missing nor short.
inline const NormalTable& LoadNormalTable() {
    return StandardNormalTable();
}

// The deviate z with P(Z <= z) = p for 0 < p < 1, accurate to about 1e-15.
double InverseNormal(double p);

// The deviate of probability p by table lookup at a resolution of 0.001 (no interpolation):
// p < 0.5 reads -table[round((0.5 - p) * 1000)], otherwise table[round((p - 0.5) * 1000)].
double NormalDeviate(const NormalTable& table, double p);

}  // namespace rain
