#include "waterquality/core/sample_csv.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "common/core/input_limits.h"
#include "common/core/text_file.h"
#include "waterquality/core/suspect_cells.h"

namespace wq {

namespace {

// What a column holds; the ions are 0..7 in the order of kIonNames.
enum Column : int { kOther = -1, kName = kIonCount, kMark, kColour, kColumnKinds };

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

// An error placed in a column of its line: 「5 行目: Cl 列: …」 / "line 5: in column Cl, …".
hc::Error InColumn(hc::Error e, const std::string& heading) {
    e.ja = hc::Excerpt(heading) + " 列: " + e.ja;
    e.en = "in column " + hc::Excerpt(heading) + ", " + e.en;
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

// A heading as a key: lower-case ASCII, without blanks and underscores, superscript and
// full-width signs as plain ones; the unit in brackets apart.
struct Heading {
    std::string key;
    std::string unit;
};

Heading SplitHeading(std::string_view text) {
    static const std::array<std::pair<std::string_view, char>, 7> kSigns{
        {{"²", '2'}, {"³", '3'}, {"⁺", '+'}, {"⁻", '-'}, {"−", '-'}, {"＋", '+'}, {"－", '-'}}};
    Heading h;
    std::string* into = &h.key;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [from, to] : kSigns) {
            if (text.substr(i, from.size()) == from) {
                *into += to;
                i += from.size();
                replaced = true;
                break;
            }
        }
        if (replaced)
            continue;
        const char c = text[i++];
        if (c == '(' || c == '[')
            into = &h.unit;
        else if (c == ')' || c == ']')
            into = &h.key;
        else if (c != ' ' && c != '_' && c != '\t')
            *into += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return h;
}

Column ColumnOfKey(const std::string& key) {
    static const std::map<std::string, Column, std::less<>> kKeys{
        {"na", Column(kNa)},
        {"sodium", Column(kNa)},
        {"k", Column(kK)},
        {"potassium", Column(kK)},
        {"ca", Column(kCa)},
        {"calcium", Column(kCa)},
        {"mg", Column(kMg)},
        {"magnesium", Column(kMg)},
        {"cl", Column(kCl)},
        {"chloride", Column(kCl)},
        {"hco3", Column(kHCO3)},
        {"bicarbonate", Column(kHCO3)},
        {"so4", Column(kSO4)},
        {"sulfate", Column(kSO4)},
        {"sulphate", Column(kSO4)},
        {"no3", Column(kNO3)},
        {"nitrate", Column(kNO3)},
        {"name", kName},
        {"sample", kName},
        {"samplename", kName},
        {"試料名", kName},
        {"地点名", kName},
        {"mark", kMark},
        {"symbol", kMark},
        {"記号", kMark},
        {"colour", kColour},
        {"color", kColour},
        {"色", kColour},
    };
    auto it = kKeys.find(key);
    return it == kKeys.end() ? kOther : it->second;
}

// The column a heading names. An ion may carry its charge ("Na+", "Ca2+", "Mg++", "SO4 2-"):
// the signs go, then a digit before them where the rest alone names an ion ("SO42-" is SO4,
// "HCO3-" stays HCO3).
Column ColumnOfHeading(const std::string& key) {
    if (Column c = ColumnOfKey(key); c != kOther)
        return c;
    std::string bare = key;
    while (!bare.empty() && (bare.back() == '+' || bare.back() == '-'))
        bare.pop_back();
    if (bare.size() == key.size())
        return kOther;
    if (Column c = ColumnOfKey(bare); c != kOther && c < kIonCount)
        return c;
    if (!bare.empty() && bare.back() >= '1' && bare.back() <= '3') {
        bare.pop_back();
        if (Column c = ColumnOfKey(bare); c != kOther && c < kIonCount)
            return c;
    }
    return kOther;
}

// The columns the heading row names: field index of each kind, -1 where absent.
hc::Result<std::array<int, kColumnKinds>> MapHeadings(const Record& heading,
                                                      const std::string& path) {
    std::array<int, kColumnKinds> at;
    at.fill(-1);
    for (std::size_t f = 0; f < heading.fields.size(); ++f) {
        const std::string& text = heading.fields[f];
        const Heading h = SplitHeading(text);
        const Column c = ColumnOfHeading(h.key);
        if (c == kOther)
            continue;
        auto inColumn = [&](hc::Error e) { return InColumn(std::move(e), text); };
        const auto ci = static_cast<std::size_t>(c);
        if (at[ci] >= 0)
            return inColumn(TableError(
                hc::ErrorKind::NotRecognised, path, heading.line,
                "項目が列「" + hc::Excerpt(heading.fields[static_cast<std::size_t>(at[ci])]) +
                    "」と同じです",
                "the item is the same as in column \"" +
                    hc::Excerpt(heading.fields[static_cast<std::size_t>(at[ci])]) + "\""));
        if (c < kIonCount && !h.unit.empty() && h.unit != "mg/l")
            return inColumn(TableError(
                hc::ErrorKind::BadValue, path, heading.line,
                "単位「" + hc::Excerpt(h.unit) + "」では読めません（mg/L で入れてください）",
                "the unit \"" + hc::Excerpt(h.unit) +
                    "\" is not mg/L, the unit the programs read"));
        at[ci] = static_cast<int>(f);
    }
    std::string missing;
    if (at[kName] < 0)
        missing = "name";
    for (int k = 0; k < kIonCount; ++k)
        if (at[static_cast<std::size_t>(k)] < 0)
            missing += (missing.empty() ? "" : ", ") + std::string(kIonNames[std::size_t(k)]);
    if (!missing.empty())
        return TableError(hc::ErrorKind::NotRecognised, path, heading.line,
                          "見出しに " + missing +
                              " の列がありません（試料名 name と Na, K, Ca, Mg, Cl, HCO3, SO4, "
                              "NO3 の mg/L が要ります）",
                          "the heading row has no column " + missing +
                              " (needed: the sample name and Na, K, Ca, Mg, Cl, HCO3, SO4, NO3 "
                              "in mg/L)");
    return at;
}

}  // namespace

bool IsCsvPath(const std::string& path) {
    if (path.size() < 4)
        return false;
    std::string ext = path.substr(path.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".csv";
}

hc::Result<CsvSheet> ParseSampleCsvSheet(const std::string& text, const std::string& path) {
    Splitter split(text, DetectSeparator(text));
    hc::Result<std::optional<Record>> heading = split.Next(path);
    if (!heading)
        return heading.error();
    if (!*heading)
        return hc::FileError(hc::ErrorKind::NotRecognised, path, "見出しの行がありません",
                             "there is no heading row");
    hc::Result<std::array<int, kColumnKinds>> at = MapHeadings(**heading, path);
    if (!at)
        return at.error();

    // The rows become the columns of the workbook layout, and each cell remembers its row and
    // heading, so that the workbook's loader reads them by the workbook's rules.
    CsvSheet out;
    hc::WorkbookSheet& sheet = out.sheet;
    std::map<std::string, CsvSheet::Place>& places = out.places;
    int count = 0;
    while (true) {
        hc::Result<std::optional<Record>> row = split.Next(path);
        if (!row)
            return row.error();
        if (!*row)
            break;
        if (++count > kMaxSamples)
            continue;  // counted only: the count check refuses the table
        const Record& r = **row;
        auto put = [&](int sheetRow, Column c) {
            const int f = (*at)[static_cast<std::size_t>(c)];
            if (f < 0)
                return;
            const auto uf = static_cast<std::size_t>(f);
            const int column = SampleColumn(count);
            places[CellReference(sheetRow, column)] = {r.line, (**heading).fields[uf]};
            if (uf < r.fields.size() && !r.fields[uf].empty())
                sheet.SetCell(sheetRow, column, hc::CellValue::Str(r.fields[uf]));
        };
        put(kNameRow, kName);
        for (int k = 0; k < kIonCount; ++k)
            put(kFirstIonRow + k, Column(k));
        put(kMarkRow, kMark);
        put(kColorRow, kColour);
    }
    sheet.SetCell(kCountRow, kCountColumn, hc::CellValue::Num(count));
    return out;
}

hc::Result<SampleTable> ParseSampleCsv(const std::string& text, const std::string& path,
                                       const SampleTable& previous, const LoadOptions& options,
                                       const LoadProgress& progress) {
    hc::Result<CsvSheet> csv = ParseSampleCsvSheet(text, path);
    if (!csv)
        return csv.error();
    const hc::WorkbookSheet& sheet = csv->sheet;
    const std::map<std::string, CsvSheet::Place>& places = csv->places;
    LoadOptions fromTable = options;
    fromTable.readSheet = [&sheet](const std::string&) -> hc::Result<hc::WorkbookSheet> {
        return sheet;
    };
    hc::Result<SampleTable> loaded = LoadWorkbook(path, previous, fromTable, progress);
    if (loaded)
        return loaded;
    hc::Error e = loaded.error();
    if (auto it = places.find(e.cell); it != places.end()) {
        e.line = it->second.line;
        e = InColumn(std::move(e), it->second.column);
    }
    e.cell.clear();  // the count's cell too: the count is that of the rows
    return e;
}

hc::Result<SampleTable> LoadSampleCsv(const std::string& path, const SampleTable& previous,
                                      const LoadOptions& options, const LoadProgress& progress) {
    hc::Result<std::string> text = hc::ReadTextFile(path);
    if (!text)
        return text.error();
    return ParseSampleCsv(*text, path, previous, options, progress);
}

SuspectReport ScanSampleCsv(const std::string& path, const ScanOptions& options) {
    hc::Result<CsvSheet> csv = [&]() -> hc::Result<CsvSheet> {
        hc::Result<std::string> text = hc::ReadTextFile(path);
        if (!text)
            return text.error();
        return ParseSampleCsvSheet(*text, path);
    }();
    if (!csv) {
        SuspectReport r;
        SuspectCell c;
        c.kind = SuspectKind::Unreadable;
        c.refusesLoad = true;
        c.messageJa = "表を読めません: " + csv.error().Japanese();
        c.messageEn = "The table cannot be read: " + csv.error().English();
        r.cells.push_back(std::move(c));
        return r;
    }
    SuspectReport r = ScanSheet(csv->sheet, options);
    // A workbook cell means nothing to the reader of a table: name its line and heading.
    for (SuspectCell& c : r.cells)
        if (auto it = csv->places.find(c.reference); it != csv->places.end())
            c.reference = std::to_string(it->second.line) + ":" + it->second.column;
    return r;
}

}  // namespace wq
