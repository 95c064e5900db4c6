#include "waterquality/core/sample_table.h"

#include <array>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string_view>

#include "common/core/input_limits.h"
#include "common/core/numbers.h"
#include "common/core/text_columns.h"
#include "common/core/text_file.h"
#include "waterquality/core/sample_csv.h"

namespace wq {

namespace {

// What a column holds; the ions are 0..7 in the order of kIonNames.
enum Column : int {
    kOther = -1,
    kName = kIonCount,
    kMark,
    kColour,
    kCo3,
    kF,
    kEc,
    kPh,
    kTds,
    kGroup,
    kDate,
    kColumnKinds
};

// The laid-out rows of the further columns, below the layout's own (name 11, ions 12..19, mark
// 20, colour 21): the same sheet carries them to the reading of each sample.
inline constexpr int kFirstFurtherRow = kColorRow + 1;

int LaidOutRow(Column c) {
    if (c < kIonCount)
        return kFirstIonRow + c;
    switch (c) {
        case kName:
            return kNameRow;
        case kMark:
            return kMarkRow;
        case kColour:
            return kColorRow;
        default:
            return kFirstFurtherRow + (c - kCo3);
    }
}

// The further numeric columns, in laid-out row order.
constexpr std::array<Column, 5> kValueColumns{kCo3, kF, kEc, kPh, kTds};

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
        {"co3", kCo3},
        {"carbonate", kCo3},
        {"炭酸イオン", kCo3},
        {"f", kF},
        {"fluoride", kF},
        {"ふっ素", kF},
        {"フッ素", kF},
        {"ふっ化物イオン", kF},
        {"フッ化物イオン", kF},
        {"ec", kEc},
        {"conductivity", kEc},
        {"electricalconductivity", kEc},
        {"電気伝導度", kEc},
        {"電気伝導率", kEc},
        {"ph", kPh},
        {"tds", kTds},
        {"totaldissolvedsolids", kTds},
        {"蒸発残留物", kTds},
        {"group", kGroup},
        {"site", kGroup},
        {"地点", kGroup},
        {"グループ", kGroup},
        {"date", kDate},
        {"samplingdate", kDate},
        {"日付", kDate},
        {"採水日", kDate},
        {"採水年月日", kDate},
    };
    auto it = kKeys.find(key);
    return it == kKeys.end() ? kOther : it->second;
}

// An ion, whose heading may carry a charge.
bool IsIon(Column c) {
    return (c >= 0 && c < kIonCount) || c == kCo3 || c == kF;
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
    if (Column c = ColumnOfKey(bare); IsIon(c))
        return c;
    if (!bare.empty() && bare.back() >= '1' && bare.back() <= '3') {
        bare.pop_back();
        if (Column c = ColumnOfKey(bare); IsIon(c))
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
bool IsUnitsRow(const std::vector<std::string>& fields, const std::vector<Column>& columns) {
    bool any = false;
    for (std::size_t f = 0; f < fields.size(); ++f) {
        const std::string t = WithoutBlanks(Folded(fields[f]));
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

// A cell's text for a heading or a unit, never failing: an error value as shown.
std::string TextOf(const hc::CellValue& cell) {
    switch (cell.kind) {
        case hc::CellValue::Kind::Empty:
            return {};
        case hc::CellValue::Kind::Number:
            return hc::DoubleToText(cell.number);
        case hc::CellValue::Kind::Boolean:
            return cell.number != 0 ? "TRUE" : "FALSE";
        case hc::CellValue::Kind::Text:
        case hc::CellValue::Kind::Error:
            return cell.text;
    }
    return {};
}

std::vector<std::string> Texts(const TableRow& row) {
    std::vector<std::string> out;
    out.reserve(row.cells.size());
    for (const hc::CellValue& c : row.cells)
        out.push_back(TextOf(c));
    return out;
}

std::vector<Column> ColumnsOf(const std::vector<std::string>& headings) {
    std::vector<Column> out;
    for (const std::string& h : headings)
        out.push_back(ColumnOfHeading(SplitHeading(h)));
    return out;
}

// A heading row of a long table: the eight ions, each in a column of its own.
bool NamesTheIons(const std::vector<Column>& columns) {
    std::array<bool, kIonCount> seen{};
    for (Column c : columns)
        if (c >= 0 && c < kIonCount)
            seen[static_cast<std::size_t>(c)] = true;
    for (bool s : seen)
        if (!s)
            return false;
    return true;
}

// Places an error of the table: at its line in a CSV file; at the cell of the field (or the row)
// in a sheet.
struct Placer {
    const std::string& path;
    bool sheetRows;
    hc::Error At(hc::ErrorKind kind, int line, std::string ja, std::string en) const {
        hc::Error e = hc::FileError(kind, path, std::move(ja), std::move(en));
        e.line = line;
        return e;
    }
    // An error in the column of a field: 「5 行目: Cl 列: …」, 「セル C15: Cl 列: …」.
    hc::Error InField(hc::Error e, std::size_t field, const std::string& heading) const {
        if (sheetRows && e.line > 0) {
            e.cell = CellReference(e.line, static_cast<int>(field) + 1);
            e.line = 0;
        }
        e.ja = hc::Excerpt(heading) + " 列: " + e.ja;
        e.en = "in column " + hc::Excerpt(heading) + ", " + e.en;
        return e;
    }
};

struct Mapping {
    std::array<int, kColumnKinds> at{};  // field of each kind, -1 where absent
    double ecFactor = 1;
};

// The EC unit to µS/cm: none stated is µS/cm; 0 for a unit not converted.
double EcFactor(const std::string& unit) {
    if (unit.empty() || unit == "us/cm")
        return 1;
    if (unit == "ms/m")
        return 10;
    if (unit == "ms/cm")
        return 1000;
    return 0;
}

// The columns the heading row (and a units row under it) names. An ion given in mg/L and in
// another unit is read from the mg/L column.
hc::Result<Mapping> MapHeadings(const TableRow& headingRow, const TableRow* unitsRow,
                                const Placer& place) {
    const std::vector<std::string> heading = Texts(headingRow);
    const std::vector<std::string> units =
        unitsRow ? Texts(*unitsRow) : std::vector<std::string>();
    const int line = headingRow.line;
    Mapping m;
    std::array<int, kColumnKinds>& at = m.at;
    at.fill(-1);
    std::array<int, kColumnKinds> otherUnit;  // an ion's column in another unit than mg/L
    otherUnit.fill(-1);
    std::vector<std::string> unitOf(heading.size());
    auto refuseUnit = [&](std::size_t f) {
        const std::string shown = hc::Excerpt(unitOf[f]);
        const bool ec = ColumnOfHeading(SplitHeading(heading[f])) == kEc;
        return place.InField(
            place.At(hc::ErrorKind::BadValue, line,
                     "単位「" + shown + "」では読めません（" +
                         (ec ? "µS/cm か mS/m" : "mg/L") + " で入れてください）",
                     "the unit \"" + shown + "\" is not " +
                         (ec ? "µS/cm or mS/m, the units" : "mg/L, the unit") +
                         " the programs read"),
            f, heading[f]);
    };
    for (std::size_t f = 0; f < heading.size(); ++f) {
        const std::string& text = heading[f];
        const Heading h = SplitHeading(text);
        const Column c = ColumnOfHeading(h);
        if (c == kOther)
            continue;
        const auto ci = static_cast<std::size_t>(c);
        std::string unit = h.unit;
        if (unit.empty() && f < units.size())
            unit = UnitOf(units[f]);
        unitOf[f] = unit;
        const bool inMg = c < kIonCount || c == kCo3 || c == kF || c == kTds;
        if (inMg && !unit.empty() && !IsMgPerLitre(unit)) {
            if (otherUnit[ci] < 0)
                otherUnit[ci] = static_cast<int>(f);
            continue;
        }
        if (c == kEc && EcFactor(unit) == 0)
            return refuseUnit(f);
        if (at[ci] >= 0)
            return place.InField(
                place.At(hc::ErrorKind::NotRecognised, line,
                         "項目が列「" + hc::Excerpt(heading[static_cast<std::size_t>(at[ci])]) +
                             "」と同じです",
                         "the item is the same as in column \"" +
                             hc::Excerpt(heading[static_cast<std::size_t>(at[ci])]) + "\""),
                f, text);
        at[ci] = static_cast<int>(f);
        if (c == kEc)
            m.ecFactor = EcFactor(unit);
    }
    for (std::size_t k = 0; k < kColumnKinds; ++k)
        if (at[k] < 0 && otherUnit[k] >= 0)
            return refuseUnit(static_cast<std::size_t>(otherUnit[k]));
    std::string missing;
    if (at[kName] < 0)
        missing = "name";
    for (int k = 0; k < kIonCount; ++k)
        if (at[static_cast<std::size_t>(k)] < 0)
            missing += (missing.empty() ? "" : ", ") + std::string(kIonNames[std::size_t(k)]);
    if (!missing.empty())
        return place.At(hc::ErrorKind::NotRecognised, line,
                        "見出しに " + missing +
                            " の列がありません（試料名 name と Na, K, Ca, Mg, Cl, HCO3, SO4, "
                            "NO3 の mg/L が要ります）",
                        "the heading row has no column " + missing +
                            " (needed: the sample name and Na, K, Ca, Mg, Cl, HCO3, SO4, NO3 "
                            "in mg/L)");
    return m;
}

// "D14" to row 14, column 4; {0, 0} when it is none.
std::pair<int, int> ParseReference(const std::string& ref) {
    int column = 0, row = 0;
    std::size_t i = 0;
    for (; i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z' && column < 100000; ++i)
        column = column * 26 + (ref[i] - 'A' + 1);
    for (; i < ref.size() && ref[i] >= '0' && ref[i] <= '9' && row < 10000000; ++i)
        row = row * 10 + (ref[i] - '0');
    return i == ref.size() && row > 0 && column > 0 ? std::pair{row, column} : std::pair{0, 0};
}

// A spreadsheet's date number (days since 1899-12-30, the 1900 date system, with its day
// 1900-02-29 at 60) as yyyy-mm-dd; empty outside years 1900..9999.
std::string IsoDate(double serial) {
    if (!std::isfinite(serial) || serial < 1 || serial >= 2958466)
        return {};
    auto days = static_cast<long>(std::floor(serial));
    if (days == 60)
        return "1900-02-29";
    if (days < 60)
        ++days;
    // Days since 1970-01-01 to the civil date (H. Hinnant's algorithm).
    long z = days - 25569 + 719468;
    const long era = z / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp < 10 ? mp + 3 : mp - 9;
    const long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    auto two = [](long v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return std::to_string(y) + "-" + two(m) + "-" + two(d);
}

// The further columns of sample i: numbers, the group and the date.
hc::Status ReadFurther(const TableSheet& table, int i, Sample& into) {
    const hc::WorkbookSheet& sheet = table.sheet;
    const int column = SampleColumn(i);
    auto cellError = [&](int row, const hc::WorkbookError& e) {
        hc::Error err;
        err.kind = hc::ErrorKind::BadValue;
        err.cell = CellReference(row, column);
        err.ja = e.Japanese();
        err.en = e.what();
        return err;
    };
    for (Column c : kValueColumns) {
        const int row = LaidOutRow(c);
        const hc::CellValue cell = sheet.Cell(row, column);
        if (cell.IsEmpty())
            continue;
        double v = 0;
        try {
            v = hc::CellDouble(cell);
        } catch (const hc::WorkbookError& e) {
            return cellError(row, e);
        }
        std::optional<double>& to = c == kCo3  ? into.co3
                                    : c == kF  ? into.f
                                    : c == kEc ? into.ec
                                    : c == kPh ? into.ph
                                               : into.tds;
        to = c == kEc ? v * table.ecFactor : v;
    }
    try {
        into.group = hc::CellText(sheet.Cell(LaidOutRow(kGroup), column));
    } catch (const hc::WorkbookError& e) {
        return cellError(LaidOutRow(kGroup), e);
    }
    const hc::CellValue date = sheet.Cell(LaidOutRow(kDate), column);
    std::string iso;
    if (table.places.sheetRows && date.kind == hc::CellValue::Kind::Number)
        iso = IsoDate(date.number);
    try {
        into.date = iso.empty() ? hc::CellText(date) : iso;
    } catch (const hc::WorkbookError& e) {
        return cellError(LaidOutRow(kDate), e);
    }
    return {};
}

bool HoldsLayoutCount(const hc::WorkbookSheet& sheet) {
    try {
        const int count = hc::CellInt32(sheet.Cell(kCountRow, kCountColumn));
        return count >= 1 && count <= kMaxSamples;
    } catch (const hc::WorkbookError&) {
        return false;
    }
}

}  // namespace

RowSource SheetRows(const hc::WorkbookSheet& sheet) {
    const auto& cells = sheet.Cells();
    auto at = std::make_shared<decltype(cells.begin())>(cells.begin());
    return [&cells, at](std::size_t width) -> hc::Result<std::optional<TableRow>> {
        auto& it = *at;
        if (it == cells.end())
            return std::optional<TableRow>();
        TableRow row;
        row.line = it->first.first;
        for (; it != cells.end() && it->first.first == row.line; ++it) {
            const auto column = static_cast<std::size_t>(it->first.second);
            if (column > width)
                continue;
            if (row.cells.size() < column)
                row.cells.resize(column);
            const hc::StoredCell& c = it->second;
            row.cells[column - 1] = {c.kind, c.number, c.text ? *c.text : std::string()};
        }
        return std::optional<TableRow>(std::move(row));
    };
}

bool HasTableHeadingRow(const hc::WorkbookSheet& sheet) {
    RowSource rows = SheetRows(sheet);
    for (int n = 0; n < kHeadingSearchRows; ++n) {
        hc::Result<std::optional<TableRow>> row = rows(hc::limits::kMaxTableColumns);
        if (!row || !*row)
            return false;
        if (NamesTheIons(ColumnsOf(Texts(**row))))
            return true;
    }
    return false;
}

hc::Result<TableSheet> LayOutTable(const RowSource& rows, bool sheetRows, const std::string& path,
                                   int maxSamples) {
    const Placer place{path, sheetRows};
    // The heading row: the first naming the eight ions among the first rows, else the first.
    std::vector<TableRow> first;
    std::size_t headingAt = 0;
    bool found = false;
    while (first.size() < static_cast<std::size_t>(kHeadingSearchRows)) {
        hc::Result<std::optional<TableRow>> row = rows(hc::limits::kMaxTableColumns);
        if (!row)
            return row.error();
        if (!*row)
            break;
        first.push_back(std::move(**row));
        if (NamesTheIons(ColumnsOf(Texts(first.back())))) {
            headingAt = first.size() - 1;
            found = true;
            break;
        }
    }
    if (first.empty())
        return hc::FileError(hc::ErrorKind::NotRecognised, path, "見出しの行がありません",
                             "there is no heading row");
    if (!found)
        headingAt = 0;
    const TableRow heading = first[headingAt];
    std::size_t next = headingAt + 1;  // the next row among those read
    auto nextRow = [&](std::size_t width) -> hc::Result<std::optional<TableRow>> {
        if (next < first.size())
            return std::optional<TableRow>(std::move(first[next++]));
        return rows(width);
    };
    // A row of units under the headings is no sample.
    hc::Result<std::optional<TableRow>> firstData = nextRow(hc::limits::kMaxTableColumns);
    if (!firstData)
        return firstData.error();
    std::optional<TableRow> units;
    if (*firstData && IsUnitsRow(Texts(**firstData), ColumnsOf(Texts(heading)))) {
        units = std::move(*firstData);
        firstData->reset();
    }
    hc::Result<Mapping> map = MapHeadings(heading, units ? &*units : nullptr, place);
    if (!map)
        return map.error();
    const std::vector<std::string> headings = Texts(heading);

    TableSheet out;
    out.ecFactor = map->ecFactor;
    out.places.sheetRows = sheetRows;
    std::size_t width = 0;
    for (std::size_t c = 0; c < kColumnKinds; ++c) {
        const int f = map->at[c];
        if (f < 0)
            continue;
        const auto uf = static_cast<std::size_t>(f);
        const Column column = static_cast<Column>(c);
        out.places.rows[LaidOutRow(column)] = {f + 1, headings[uf]};
        width = std::max(width, uf + 1);
        for (Column v : kValueColumns)
            if (v == column)
                out.places.valueRows.push_back(LaidOutRow(column));
        if (column == kEc)
            out.places.ecRow = LaidOutRow(column);
        else if (column == kTds)
            out.places.tdsRow = LaidOutRow(column);
        else if (column == kPh)
            out.places.phRow = LaidOutRow(column);
    }
    // The rows become the columns of the workbook layout, each cell as it is in the table.
    int count = 0;
    while (true) {
        hc::Result<std::optional<TableRow>> row =
            *firstData ? hc::Result<std::optional<TableRow>>(std::move(*firstData))
                       : nextRow(count >= maxSamples ? 0 : width);
        firstData->reset();
        if (!row)
            return row.error();
        if (!*row)
            break;
        if (++count > maxSamples)
            continue;  // counted only: the count check refuses the table
        const TableRow& r = **row;
        out.places.lines.push_back(r.line);
        for (const auto& [laidOut, source] : out.places.rows) {
            const auto f = static_cast<std::size_t>(source.column - 1);
            if (f < r.cells.size() && !r.cells[f].IsEmpty())
                out.sheet.SetCell(laidOut, SampleColumn(count), r.cells[f]);
        }
    }
    out.sheet.SetCell(kCountRow, kCountColumn, hc::CellValue::Num(count));
    out.rows = count;
    return out;
}

hc::Result<SampleTable> ReadTableSheet(const TableSheet& table, const std::string& path,
                                       const LoadOptions& options, const LoadProgress& progress) {
    // The count of a table is that of its rows: refused as any other fault of the file, not as
    // the workbook's count cell.
    if (table.rows < 1)
        return hc::FileError(hc::ErrorKind::NotRecognised, path, "試料の行がありません",
                             "there are no sample rows");
    if (table.rows > options.maxSamples) {
        TooManySamples t = TooManySamplesText(table.rows, options.maxSamples);
        return hc::FileError(hc::ErrorKind::TooLarge, path, t.ja, t.en);
    }
    LoadOptions withFurther = options;
    withFurther.extraRows = [&](const hc::WorkbookSheet& sheet, int i, Sample& into) {
        if (options.extraRows)
            if (hc::Status s = options.extraRows(sheet, i, into); !s)
                return s;
        return ReadFurther(table, i, into);
    };
    hc::Result<SampleTable> loaded =
        ReadLayoutSheet(table.sheet, path, options.maxSamples, withFurther, progress);
    if (loaded)
        return loaded;
    hc::Error e = loaded.error();
    const auto [row, column] = ParseReference(e.cell);
    e.cell.clear();
    if (const std::optional<TablePlace> p = table.places.At(row, column)) {
        e.line = p->line;
        e = Placer{path, table.places.sheetRows}.InField(
            std::move(e), static_cast<std::size_t>(table.places.rows.at(row).column - 1),
            p->heading);
    }
    return e;
}

hc::Result<SampleSheet> ReadSampleSheet(const std::string& path, int maxSamples) {
    SampleSheet out;
    if (IsCsvPath(path)) {
        hc::Result<std::string> text = hc::ReadTextFile(path, hc::limits::kMaxTableFileBytes);
        if (!text)
            return text.error();
        hc::Result<TableSheet> table = LayOutTable(CsvRows(*text, path), false, path, maxSamples);
        if (!table)
            return table.error();
        out.table = std::move(*table);
        return out;
    }
    hc::Result<hc::WorkbookSheet> sheet1 = ReadSheet1(path);
    if (sheet1 && HoldsLayoutCount(*sheet1)) {
        out.layout = std::move(*sheet1);
        return out;
    }
    std::optional<hc::WorkbookSheet> first;
    try {
        first = hc::ReadFirstWorkbookSheet(path);
    } catch (const hc::WorkbookError&) {
        // Neither layout: the fixed layout's refusal follows.
    }
    if (first && HasTableHeadingRow(*first)) {
        hc::Result<TableSheet> table = LayOutTable(SheetRows(*first), true, path, maxSamples);
        if (!table)
            return table.error();
        out.table = std::move(*table);
        return out;
    }
    if (!sheet1)
        return sheet1.error();
    out.layout = std::move(*sheet1);
    return out;
}

SuspectReport ScanSampleFile(const std::string& path, const ScanOptions& options) {
    hc::Result<SampleSheet> read = ReadSampleSheet(path, options.maxSamples);
    if (!read) {
        const bool csv = IsCsvPath(path);
        SuspectReport r;
        SuspectCell c;
        c.kind = SuspectKind::Unreadable;
        c.refusesLoad = true;
        c.messageJa = csv ? "表を読めません: " + read.error().Japanese()
                          : "ブックを読めません: " + read.error().ja;
        c.messageEn = csv ? "The table cannot be read: " + read.error().English()
                          : "The workbook cannot be read: " + read.error().en;
        r.cells.push_back(std::move(c));
        return r;
    }
    if (!read->table)
        return ScanSheet(read->layout, options);
    // A workbook cell of the layout means nothing to the reader of a table: the scan names
    // lines or the table's own cells, and headings.
    ScanOptions inTable = options;
    inTable.table = &read->table->places;
    return ScanSheet(read->table->sheet, inTable);
}

}  // namespace wq
