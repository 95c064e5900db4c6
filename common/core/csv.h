// Comma-separated tables as the programs save their numbers: UTF-8, one header row, fields
// quoted only where they must be, numbers in their standard text, lines ended by "\n".
#pragma once

#include <string>
#include <vector>

namespace hc {

class CsvTable {
  public:
    void Row(const std::vector<std::string>& fields);
    // A row without fields, separating two tables of one file.
    void Blank() { text_ += "\n"; }
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// A field as written: quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);
// A number in the standard text of the programs (DoubleToText).
std::string CsvNumber(double value);

}  // namespace hc
