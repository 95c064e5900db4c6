#include "waterquality/core/sample_csv.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "common/core/input_limits.h"
#include "common/core/text_columns.h"
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

// The ASCII a heading's character stands for: full-width forms, sub- and superscript digits
// and signs, the dashes and minus signs, "㎎" and "ℓ"; 0 for any other character.
std::string_view AsciiOf(char32_t cp) {
    static const std::map<char32_t, std::string_view> kOthers{
        {0x00B2, "2"}, {0x00B3, "3"}, {0x00B9, "1"},  {0x2070, "0"}, {0x207A, "+"}, {0x207B, "-"},
        {0x208A, "+"}, {0x208B, "-"}, {0x2010, "-"},  {0x2011, "-"}, {0x2012, "-"}, {0x2013, "-"},
        {0x2212, "-"}, {0x3000, " "}, {0x338E, "mg"}, {0x2113, "l"}, {0x00B5, "u"}, {0x03BC, "u"},
    };
    static const std::string_view kAscii =
        "!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
        "abcdefghijklmnopqrstuvwxyz{|}~";
    static const std::string_view kDigits = "0123456789";
    if (cp >= 0xFF01 && cp <= 0xFF5E)
        return kAscii.substr(cp - 0xFF01, 1);
    if (cp >= 0x2074 && cp <= 0x2079)
        return kDigits.substr(cp - 0x2070, 1);
    if (cp >= 0x2080 && cp <= 0x2089)
        return kDigits.substr(cp - 0x2080, 1);
    auto it = kOthers.find(cp);
    return it == kOthers.end() ? std::string_view() : it->second;
}

// A heading or unit text folded: the characters above as ASCII, ASCII letters in lower case.
std::string Folded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto [cp, n] = hc::DecodeUtf8(text, i);
        const std::string_view ascii = AsciiOf(cp);
        if (!ascii.empty())
            out += ascii;
        else
            out += text.substr(i, n);
        i += n;
    }
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string WithoutBlanks(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != ' ' && c != '_' && c != '\t')
            out += c;
    return out;
}

// A unit as written ("mg/L", "meq/L", "ppm"): folded and without blanks, a text with a
// slash, or ppm.
bool IsUnit(const std::string& folded) {
    return folded.find('/') != std::string::npos || folded == "ppm";
}

bool IsMgPerLitre(const std::string& unit) {
    return unit == "mg/l";
}

// A heading split: the item (folded, without blanks and underscores), the unit ("" when none
// is stated) and what brackets hold besides a unit ("塩化物イオン (Cl⁻)"), a second name.
struct Heading {
    std::string key;
    std::string unit;
    std::string aside;
};

Heading SplitHeading(std::string_view text) {
    const std::string f = Folded(text);
    Heading h;
    std::string item, inside;
    int depth = 0;
    for (char c : f) {
        if (c == '(' || c == '[') {
            if (depth++ > 0)
                inside += c;
        } else if ((c == ')' || c == ']') && depth > 0) {
            if (--depth > 0) {
                inside += c;
                continue;
            }
            const std::string bracketed = WithoutBlanks(inside);
            if (IsUnit(bracketed))
                h.unit = bracketed;
            else if (!bracketed.empty())
                h.aside = bracketed;
            inside.clear();
        } else {
            (depth > 0 ? inside : item) += c;
        }
    }
    // A unit after a blank: "Na mg/L".
    const std::size_t end = item.find_last_not_of(' ');
    const std::size_t blank = end == std::string::npos ? end : item.find_last_of(' ', end);
    if (blank != std::string::npos && h.unit.empty()) {
        const std::string last = item.substr(blank + 1, end - blank);
        if (IsUnit(last)) {
            h.unit = last;
            item.erase(blank);
        }
    }
    h.key = WithoutBlanks(item);
    return h;
}

Column ColumnOfKey(const std::string& key) {
    static const std::map<std::string, Column, std::less<>> kKeys{
        {"na", Column(kNa)},
        {"sodium", Column(kNa)},
        {"ナトリウム", Column(kNa)},
        {"ナトリウムイオン", Column(kNa)},
        {"k", Column(kK)},
        {"potassium", Column(kK)},
        {"カリウム", Column(kK)},
        {"カリウムイオン", Column(kK)},
        {"ca", Column(kCa)},
        {"calcium", Column(kCa)},
        {"カルシウム", Column(kCa)},
        {"カルシウムイオン", Column(kCa)},
        {"mg", Column(kMg)},
        {"magnesium", Column(kMg)},
        {"マグネシウム", Column(kMg)},
        {"マグネシウムイオン", Column(kMg)},
        {"cl", Column(kCl)},
        {"chloride", Column(kCl)},
        {"塩化物イオン", Column(kCl)},
        {"塩素イオン", Column(kCl)},
        {"hco3", Column(kHCO3)},
        {"bicarbonate", Column(kHCO3)},
        {"炭酸水素イオン", Column(kHCO3)},
        {"重炭酸イオン", Column(kHCO3)},
        {"so4", Column(kSO4)},
        {"sulfate", Column(kSO4)},
        {"sulphate", Column(kSO4)},
        {"硫酸イオン", Column(kSO4)},
        {"no3", Column(kNO3)},
        {"nitrate", Column(kNO3)},
        {"硝酸イオン", Column(kNO3)},
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
Column ColumnOfName(const std::string& key) {
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

Column ColumnOfHeading(const Heading& h) {
    if (Column c = ColumnOfName(h.key); c != kOther)
        return c;
    // "塩化物イオン (Cl⁻)": the formula in brackets names the ion the words name.
    return h.aside.empty() ? kOther : ColumnOfName(h.aside);
}

// A row of units under the headings ("", "mg/L", "(mg/L)", "meq/L"): every field a unit or
// empty, or in a column that is no ion a word such as 単位, and the unit of an ion at least.
bool IsUnitsRow(const Record& r, const std::vector<Column>& columns) {
    bool any = false;
    for (std::size_t f = 0; f < r.fields.size(); ++f) {
        const std::string t = WithoutBlanks(Folded(r.fields[f]));
        if (t.empty())
            continue;
        std::string bare = t;
        if (bare.size() >= 2 && bare.front() == '(' && bare.back() == ')')
            bare = bare.substr(1, bare.size() - 2);
        const bool ion = f < columns.size() && columns[f] != kOther && columns[f] < kIonCount;
        if (IsUnit(bare)) {
            any = any || ion;
            continue;
        }
        if (ion || (bare != "単位" && bare != "unit" && bare != "units" && bare != "-"))
            return false;
    }
    return any;
}

std::string UnitOf(const std::string& field) {
    std::string t = WithoutBlanks(Folded(field));
    if (t.size() >= 2 && t.front() == '(' && t.back() == ')')
        t = t.substr(1, t.size() - 2);
    return IsUnit(t) ? t : std::string();
}

// The columns the heading row (and a units row under it) names: field index of each kind, -1
// where absent. An ion given in mg/L and in another unit is read from the mg/L column.
hc::Result<std::array<int, kColumnKinds>> MapHeadings(const Record& heading, const Record* units,
                                                      const std::string& path) {
    std::array<int, kColumnKinds> at;
    at.fill(-1);
    std::array<int, kIonCount> otherUnit;  // an ion's column in another unit than mg/L
    otherUnit.fill(-1);
    std::vector<std::string> unitOf(heading.fields.size());
    for (std::size_t f = 0; f < heading.fields.size(); ++f) {
        const std::string& text = heading.fields[f];
        const Heading h = SplitHeading(text);
        const Column c = ColumnOfHeading(h);
        if (c == kOther)
            continue;
        auto inColumn = [&](hc::Error e) { return InColumn(std::move(e), text); };
        const auto ci = static_cast<std::size_t>(c);
        std::string unit = h.unit;
        if (unit.empty() && units && f < units->fields.size())
            unit = UnitOf(units->fields[f]);
        if (c < kIonCount && !unit.empty() && !IsMgPerLitre(unit)) {
            if (otherUnit[ci] < 0)
                otherUnit[ci] = static_cast<int>(f);
            unitOf[f] = unit;
            continue;
        }
        if (at[ci] >= 0)
            return inColumn(TableError(
                hc::ErrorKind::NotRecognised, path, heading.line,
                "項目が列「" + hc::Excerpt(heading.fields[static_cast<std::size_t>(at[ci])]) +
                    "」と同じです",
                "the item is the same as in column \"" +
                    hc::Excerpt(heading.fields[static_cast<std::size_t>(at[ci])]) + "\""));
        at[ci] = static_cast<int>(f);
    }
    for (std::size_t k = 0; k < kIonCount; ++k) {
        if (at[k] >= 0 || otherUnit[k] < 0)
            continue;
        const auto f = static_cast<std::size_t>(otherUnit[k]);
        const std::string shown = hc::Excerpt(unitOf[f]);
        return InColumn(
            TableError(hc::ErrorKind::BadValue, path, heading.line,
                       "単位「" + shown + "」では読めません（mg/L で入れてください）",
                       "the unit \"" + shown + "\" is not mg/L, the unit the programs read"),
            heading.fields[f]);
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
    // A row of units under the headings is no sample.
    hc::Result<std::optional<Record>> first = split.Next(path);
    if (!first)
        return first.error();
    std::vector<Column> named;
    for (const std::string& f : (**heading).fields)
        named.push_back(ColumnOfHeading(SplitHeading(f)));
    std::optional<Record> units;
    if (*first && IsUnitsRow(**first, named)) {
        units = std::move(*first);
        first->reset();
    }
    hc::Result<std::array<int, kColumnKinds>> at =
        MapHeadings(**heading, units ? &*units : nullptr, path);
    if (!at)
        return at.error();

    // The rows become the columns of the workbook layout, and each cell remembers its row and
    // heading, so that the workbook's loader reads them by the workbook's rules.
    CsvSheet out;
    hc::WorkbookSheet& sheet = out.sheet;
    std::map<std::string, TablePlace>& places = out.places;
    int count = 0;
    while (true) {
        hc::Result<std::optional<Record>> row =
            *first ? hc::Result<std::optional<Record>>(std::move(*first)) : split.Next(path);
        first->reset();
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
    out.rows = count;
    return out;
}

hc::Result<SampleTable> ParseSampleCsv(const std::string& text, const std::string& path,
                                       const LoadOptions& options,
                                       const LoadProgress& progress) {
    hc::Result<CsvSheet> csv = ParseSampleCsvSheet(text, path);
    if (!csv)
        return csv.error();
    // The count of a table is that of its rows: refused as any other fault of the file, not as
    // the workbook's count cell.
    if (csv->rows < 1)
        return hc::FileError(hc::ErrorKind::NotRecognised, path, "試料の行がありません",
                             "there are no sample rows");
    if (csv->rows > kMaxSamples)
        return hc::FileError(hc::ErrorKind::TooLarge, path,
                             "このファイルには " + std::to_string(csv->rows) +
                                 " 試料あります。読み込めるのは " + std::to_string(kMaxSamples) +
                                 " 試料までです",
                             "the file holds " + std::to_string(csv->rows) + " samples; at most " +
                                 std::to_string(kMaxSamples) + " can be read");
    const hc::WorkbookSheet& sheet = csv->sheet;
    const std::map<std::string, TablePlace>& places = csv->places;
    LoadOptions fromTable = options;
    fromTable.readSheet = [&sheet](const std::string&) -> hc::Result<hc::WorkbookSheet> {
        return sheet;
    };
    hc::Result<SampleTable> loaded = LoadWorkbook(path, fromTable, progress);
    if (loaded)
        return loaded;
    hc::Error e = loaded.error();
    if (auto it = places.find(e.cell); it != places.end()) {
        e.line = it->second.line;
        e = InColumn(std::move(e), it->second.heading);
    }
    e.cell.clear();
    return e;
}

hc::Result<SampleTable> LoadSampleCsv(const std::string& path, const LoadOptions& options,
                                      const LoadProgress& progress) {
    hc::Result<std::string> text = hc::ReadTextFile(path);
    if (!text)
        return text.error();
    return ParseSampleCsv(*text, path, options, progress);
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
    // A workbook cell means nothing to the reader of a table: the scan names lines and headings.
    ScanOptions inTable = options;
    inTable.table = &csv->places;
    return ScanSheet(csv->sheet, inTable);
}

}  // namespace wq
