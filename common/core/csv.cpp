#include "common/core/csv.h"

#include "common/core/numbers.h"

namespace hc {

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

std::string CsvNumber(double value) {
    return DoubleToText(value);
}

void CsvTable::Row(const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text_ += ',';
        text_ += CsvField(fields[i]);
    }
    text_ += '\n';
}

}  // namespace hc
