#include "waterquality/core/sample_csv.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "common/core/input_limits.h"
#include "common/core/text_columns.h"
#include "common/core/text_file.h"
#include "waterquality/core/sample_table.h"
#include "waterquality/core/suspect_cells.h"

namespace wq {

namespace {

struct Record {
    int line = 0;  // line of the file the record starts on
    std::vector<std::string> fields;
};

hc::Error TableError(hc::ErrorKind kind, const std::string& path, int line, std::string ja,
                     std::string en) {
    hc::Error e = hc::FileError(kind, path, std::move(ja), std::move(en));
    e.line = line;
    return e;
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

// The separator of the table: whichever of comma, semicolon and tab the heading row (the first
// line with any text) holds most often outside quotes; a comma when it holds none.
char DetectSeparator(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (IsLineEnd(text[i]) || text[i] == ' ' || text[i] == '\t'))
        ++i;
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (; i < text.size() && (quoted || !IsLineEnd(text[i])); ++i) {
        const char c = text[i];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
        else if (!quoted && c == '\t')
            ++tabs;
    }
    if (semicolons > commas && semicolons >= tabs)
        return ';';
    if (tabs > commas && tabs > semicolons)
        return '\t';
    return ',';
}

// Splits the text into records of fields: "" inside quotes is one quote, a quoted field may
// hold separators and line breaks, blanks around an unquoted field are dropped. Records without
// any text are left out. One record is held at a time.
class Splitter {
  public:
    Splitter(std::string_view text, char separator) : text_(text), separator_(separator) {}

    // The next record with some text, or nothing at the end; an error for a quote never closed
    // or a row of too many fields.
    hc::Result<std::optional<Record>> Next(const std::string& path) {
        while (pos_ < text_.size()) {
            Record r;
            r.line = line_;
            bool any = false;
            while (true) {
                hc::Result<std::string> field = Field(path, r.line);
                if (!field)
                    return field.error();
                any = any || !field->empty();
                if (r.fields.size() >= hc::limits::kMaxTableColumns)
                    return TableError(
                        hc::ErrorKind::TooLarge, path, r.line,
                        "列が多すぎます（上限 " + std::to_string(hc::limits::kMaxTableColumns) +
                            "）",
                        "more than " + std::to_string(hc::limits::kMaxTableColumns) + " columns");
                r.fields.push_back(std::move(*field));
                if (pos_ < text_.size() && text_[pos_] == separator_) {
                    ++pos_;
                    continue;
                }
                EndLine();
                break;
            }
            if (any)
                return std::optional<Record>(std::move(r));
        }
        return std::optional<Record>();
    }

  private:
    // One field, leaving pos_ at the separator or line end after it.
    hc::Result<std::string> Field(const std::string& path, int recordLine) {
        std::string out;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != separator_ &&
               (text_[pos_] == ' ' || text_[pos_] == '\t'))
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '"') {
            ++pos_;
            while (true) {
                if (pos_ >= text_.size())
                    return TableError(hc::ErrorKind::NotRecognised, path, recordLine,
                                      "引用符 \" が閉じていません",
                                      "a quotation mark (\") is never closed");
                const char c = text_[pos_++];
                if (c == '"') {
                    if (pos_ < text_.size() && text_[pos_] == '"') {
                        out += '"';
                        ++pos_;
                        continue;
                    }
                    break;
                }
                CountLine(c);
                out += c;
            }
            // Text after the closing quote is kept as a spreadsheet program keeps it.
            const std::size_t rest = pos_;
            while (pos_ < text_.size() && text_[pos_] != separator_ && !IsLineEnd(text_[pos_]))
                ++pos_;
            out += TrimBlanks(text_.substr(rest, pos_ - rest));
            return out;
        }
        pos_ = start;
        while (pos_ < text_.size() && text_[pos_] != separator_ && !IsLineEnd(text_[pos_]))
            ++pos_;
        return std::string(TrimBlanks(text_.substr(start, pos_ - start)));
    }

    void CountLine(char c) {
        // "\r\n" is one line end: its "\n" counts it.
        if (c == '\n' || (c == '\r' && (pos_ >= text_.size() || text_[pos_] != '\n')))
            ++line_;
    }

    void EndLine() {
        if (pos_ >= text_.size())
            return;
        if (text_[pos_++] == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
        ++line_;
    }

    std::string_view text_;
    char separator_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace

bool IsCsvPath(const std::string& path) {
    if (path.size() < 4)
        return false;
    std::string ext = path.substr(path.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".csv";
}

RowSource CsvRows(const std::string& text, const std::string& path) {
    auto split = std::make_shared<Splitter>(text, DetectSeparator(text));
    return [split, path](std::size_t) -> hc::Result<std::optional<TableRow>> {
        hc::Result<std::optional<Record>> r = split->Next(path);
        if (!r)
            return r.error();
        if (!*r)
            return std::optional<TableRow>();
        TableRow row;
        row.line = (*r)->line;
        row.cells.reserve((*r)->fields.size());
        for (std::string& f : (*r)->fields)
            row.cells.push_back(f.empty() ? hc::CellValue{} : hc::CellValue::Str(std::move(f)));
        return std::optional<TableRow>(std::move(row));
    };
}

hc::Result<SampleTable> ParseSampleCsv(const std::string& text, const std::string& path,
                                       const LoadOptions& options,
                                       const LoadProgress& progress) {
    hc::Result<TableSheet> table = LayOutTable(CsvRows(text, path), false, path, options.maxSamples);
    if (!table)
        return table.error();
    return ReadTableSheet(*table, path, options, progress);
}

hc::Result<SampleTable> LoadSampleCsv(const std::string& path, const LoadOptions& options,
                                      const LoadProgress& progress) {
    hc::Result<std::string> text = hc::ReadTextFile(path, hc::limits::kMaxTableFileBytes);
    if (!text)
        return text.error();
    return ParseSampleCsv(*text, path, options, progress);
}

SuspectReport ScanSampleCsv(const std::string& path, const ScanOptions& options) {
    return ScanSampleFile(path, options);
}

}  // namespace wq
