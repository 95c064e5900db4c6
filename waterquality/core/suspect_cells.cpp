#include "waterquality/core/suspect_cells.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>

#include "common/core/input_limits.h"
#include "common/core/numbers.h"
#include "waterquality/core/workbook_load.h"

namespace wq {

namespace {

using hc::CellValue;
using Kind = CellValue::Kind;

constexpr int kExcerptCharacters = 24;

std::string Quoted(const std::string& s) {
    return "\"" + s + "\"";
}

std::string Bracketed(const std::string& s) {
    return "「" + s + "」";
}

// The cell as a spreadsheet shows it, on one line and cut to a readable length.
std::string Excerpt(const CellValue& cell) {
    std::string shown;
    switch (cell.kind) {
        case Kind::Empty:
            return {};
        case Kind::Number:
            shown = hc::DoubleToText(cell.number);
            break;
        case Kind::Boolean:
            shown = cell.number != 0 ? "TRUE" : "FALSE";
            break;
        case Kind::Text:
        case Kind::Error:
            shown = cell.text;
            break;
    }
    std::string out;
    int characters = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto c = static_cast<unsigned char>(shown[i]);
        if ((c & 0xC0) != 0x80 && ++characters > kExcerptCharacters) {
            out += "…";
            break;
        }
        out += (c == '\r' || c == '\n' || c == '\t') ? ' ' : shown[i];
    }
    return out;
}

// ASCII letters upper-cased and full-width forms (U+FF01..U+FF5E) folded to ASCII, blanks and
// full stops dropped: "n.d.", "Ｎ．Ｄ．" and "N D" all become "ND".
std::string Folded(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        auto c = static_cast<unsigned char>(s[i]);
        if (c == 0xEF && i + 2 < s.size()) {
            const unsigned cp = ((c & 0x0Fu) << 12) |
                                ((static_cast<unsigned char>(s[i + 1]) & 0x3Fu) << 6) |
                                (static_cast<unsigned char>(s[i + 2]) & 0x3Fu);
            if (cp >= 0xFF01 && cp <= 0xFF5E) {
                c = static_cast<unsigned char>(cp - 0xFF01 + 0x21);
                i += 2;
            }
        }
        if (c == ' ' || c == '.')
            continue;
        out += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return out;
}

bool Contains(const std::string& s, const char* part) {
    return s.find(part) != std::string::npos;
}

class Scanner {
  public:
    Scanner(const hc::WorkbookSheet& sheet, const ScanOptions& options)
        : sheet_(sheet), options_(options) {}

    SuspectReport Run() {
        const int columns = ScanCount();
        std::map<std::string, int> firstByName;  // trimmed name -> its sample
        for (int i = 1; i <= columns; ++i) {
            const std::string name = Name(i);
            if (!drawn_[static_cast<std::size_t>(i)])
                continue;
            const std::string key = Trimmed(name);
            auto [it, fresh] = firstByName.emplace(key, i);
            if (!fresh) {
                const int first = SampleColumn(it->second);
                const std::optional<TablePlace> p = Place(kNameRow, first);
                const std::string ja = !p            ? CellReference(kNameRow, first) + " と"
                                       : p->cell.empty() ? std::to_string(p->line) + " 行目の試料名と"
                                                         : p->cell + " の試料名と";
                const std::string en = !p            ? "in " + CellReference(kNameRow, first)
                                       : p->cell.empty() ? "on line " + std::to_string(p->line)
                                                         : "in " + p->cell;
                Add(kNameRow, i, SuspectKind::DuplicateName, false,
                    "試料名" + Bracketed(name) + "は " + ja + "同じです。",
                    "The sample name " + Quoted(name) + " is the same as " + en + ".");
            }
            for (int k = 0; k < kIonCount; ++k)
                IonCell(i, k);
            if (options_.marksAndColours)
                MarkAndColour(i);
            if (Table())
                for (int row : options_.table->valueRows)
                    ValueCell(i, row);
        }
        std::sort(report_.cells.begin(), report_.cells.end(),
                  [](const SuspectCell& a, const SuspectCell& b) {
                      return a.column != b.column ? a.column < b.column : a.row < b.row;
                  });
        return std::move(report_);
    }

  private:
    const hc::WorkbookSheet& sheet_;
    const ScanOptions& options_;
    SuspectReport report_;
    std::set<std::pair<int, int>> seen_;
    // By sample number; the columns of the layout or the rows of a long table.
    std::vector<char> drawn_ = std::vector<char>(kMaxSamples + 1);
    std::vector<std::string> names_ = std::vector<std::string>(kMaxSamples + 1);

    // The place of a cell in a long table; none in a workbook.
    std::optional<TablePlace> Place(int row, int column) const {
        if (!options_.table)
            return std::nullopt;
        return options_.table->At(row, column);
    }
    bool Table() const { return options_.table != nullptr; }
    // What the refusals say cannot be loaded.
    std::string Loadable() const { return Table() ? "the table" : "the workbook"; }
    // A sample is a column of a workbook and a row of a table.
    std::string LineJa() const { return Table() ? "行" : "列"; }
    std::string LineEn() const { return Table() ? "row" : "column"; }

    static std::string Trimmed(const std::string& s) {
        const std::size_t b = s.find_first_not_of(" \t");
        if (b == std::string::npos)
            return {};
        return s.substr(b, s.find_last_not_of(" \t") - b + 1);
    }

    // sample 0: a cell of no sample (B10); column then given by the count cell.
    void Add(int row, int sample, SuspectKind kind, bool refuses, std::string ja, std::string en,
             int column = 0) {
        if (column == 0)
            column = SampleColumn(sample);
        if (!seen_.insert({row, column}).second)
            return;  // each cell once
        SuspectCell c;
        c.row = row;
        c.column = column;
        if (const std::optional<TablePlace> p = Place(row, column))
            c.reference = p->Reference();
        else if (!Table())
            c.reference = CellReference(row, column);
        c.sample = sample;
        if (sample >= 1 && static_cast<std::size_t>(sample) < names_.size())
            c.sampleName = names_[static_cast<std::size_t>(sample)];
        c.kind = kind;
        c.refusesLoad = refuses;
        c.excerpt = Excerpt(sheet_.Cell(row, column));
        c.messageJa = std::move(ja);
        c.messageEn = std::move(en);
        report_.cells.push_back(std::move(c));
    }

    CellValue Cell(int row, int sample) const { return sheet_.Cell(row, SampleColumn(sample)); }

    // Checks B10 and returns how many columns to scan.
    int ScanCount() {
        const CellValue cell = sheet_.Cell(kCountRow, kCountColumn);
        const std::string shown = Excerpt(cell);
        int count = 0;
        bool converted = true;
        try {
            count = hc::CellInt32(cell);
        } catch (const hc::WorkbookError&) {
            converted = false;
        }
        auto bad = [&](std::string ja, std::string en) {
            Add(kCountRow, 0, SuspectKind::BadCount, true, std::move(ja), std::move(en),
                kCountColumn);
        };
        if (Table() && converted) {
            // The count of a table is that of its rows: the file is the place.
            if (count < 1) {
                bad("試料の行がありません。", "The table has no sample rows.");
                return 0;
            }
            if (count > options_.maxSamples) {
                TooManySamples t = TooManySamplesText(count, options_.maxSamples);
                t.en[0] = 'T';
                bad(t.ja + "。", t.en + ".");
            }
            // The rows of the table are scanned, those beyond the limit too, up to what was laid
            // out.
            const int scanned = static_cast<int>(options_.table->lines.size());
            drawn_.assign(static_cast<std::size_t>(scanned) + 1, 0);
            names_.assign(static_cast<std::size_t>(scanned) + 1, {});
            return scanned;
        }
        if (cell.kind == Kind::Empty) {
            bad("データ数（B10）が空です。1 から 32 の試料数を入れてください。",
                "The sample count (B10) is empty; enter the number of samples, 1 to 32.");
        } else if (cell.kind == Kind::Error) {
            bad("データ数（B10）がエラー値 " + cell.text + " です。",
                "The sample count (B10) holds the error value " + cell.text + ".");
        } else if (cell.kind == Kind::Text && !hc::TryTextToDouble(cell.text)) {
            bad("データ数（B10）" + Bracketed(shown) + "は数値ではありません。",
                "The sample count (B10) " + Quoted(shown) + " is not a number.");
        } else if (!converted || count < 1 || count > kMaxSamples) {
            bad("データ数（B10）" + shown + " は 1 から 32 の範囲にありません。",
                "The sample count (B10) " + shown + " is not between 1 and 32.");
        } else {
            const double value = hc::CellDouble(cell);
            if (value != hc::RoundHalfEven(value)) {
                Add(kCountRow, 0, SuspectKind::CountNotWhole, false,
                    "データ数（B10）" + shown + " は整数でないため " + std::to_string(count) +
                        " として読まれます。",
                    "The sample count (B10) " + shown + " is not a whole number and is read as " +
                        std::to_string(count) + ".",
                    kCountColumn);
            }
            BeyondCount(count);
            return count;
        }
        // No usable count: every column up to the last name, so that nothing hides.
        int last = 0;
        for (int i = 1; i <= kMaxSamples; ++i)
            if (!Cell(kNameRow, i).IsEmpty())
                last = i;
        return last;
    }

    void BeyondCount(int count) {
        for (int i = count + 1; i <= kMaxSamples; ++i) {
            for (int row = kNameRow; row < kFirstIonRow + kIonCount; ++row) {
                if (Cell(row, i).IsEmpty())
                    continue;
                names_[static_cast<std::size_t>(i)] = Excerpt(Cell(kNameRow, i));
                const std::string n = std::to_string(count);
                Add(row, i, SuspectKind::BeyondCount, false,
                    "データ数（B10）が " + n + " のため、この列（試料 " + std::to_string(i) +
                        "）は読み込まれません。",
                    "The sample count (B10) is " + n + ", so this column (sample " +
                        std::to_string(i) + ") is not read.");
                break;  // one entry per column
            }
        }
    }

    // The name of sample i as the loader takes it; records whether the column is drawn.
    std::string Name(int i) {
        const auto ui = static_cast<std::size_t>(i);
        const CellValue cell = Cell(kNameRow, i);
        if (cell.kind == Kind::Error) {
            Add(kNameRow, i, SuspectKind::ErrorValue, true,
                "試料名がエラー値 " + cell.text + " のため読み込めません。",
                "The sample name holds the error value " + cell.text + ", so " + Loadable() +
                    " cannot be loaded.");
            return {};
        }
        names_[ui] = hc::CellText(cell);
        drawn_[ui] = CharacterCount(names_[ui]) > 1;
        if (drawn_[ui])
            return names_[ui];
        if (names_[ui].empty()) {
            Add(kNameRow, i, SuspectKind::SkippedName, false,
                "試料名が空のため、この" + LineJa() + "は作図されません。",
                "The sample name is empty, so the " + LineEn() + " is not drawn.");
        } else {
            Add(kNameRow, i, SuspectKind::SkippedName, false,
                "試料名" + Bracketed(names_[ui]) + "は1文字のため、この" + LineJa() +
                    "は作図されません。",
                "The sample name " + Quoted(names_[ui]) + " has only one character, so the " +
                    LineEn() + " is not drawn.");
        }
        return names_[ui];
    }

    void IonCell(int i, int k) {
        const int row = kFirstIonRow + k;
        const CellValue cell = Cell(row, i);
        const std::string ion = kIonNames[static_cast<std::size_t>(k)];
        const std::string shown = Excerpt(cell);
        bool refused = false;
        double value = 0;
        try {
            value = hc::CellDouble(cell);  // what the loader does with the cell
        } catch (const hc::WorkbookError&) {
            refused = true;
        }
        const std::string cannotJa = "読み込めません。";
        const std::string cannotEn = ", so " + Loadable() + " cannot be loaded.";
        switch (cell.kind) {
            case Kind::Empty:
                Add(row, i, SuspectKind::BlankValue, false,
                    ion + " が空のため 0 mg/L として読まれます。",
                    ion + " is empty and is read as 0 mg/L.");
                return;
            case Kind::Boolean: {
                const std::string as = hc::DoubleToText(value);
                Add(row, i, SuspectKind::BooleanValue, false,
                    ion + " が論理値 " + shown + " のため " + as + " として読まれます。",
                    ion + " holds the logical value " + shown + " and is read as " + as + ".");
                return;
            }
            case Kind::Error:
                Add(row, i, SuspectKind::ErrorValue, true,
                    ion + " がエラー値 " + cell.text + " のため" + cannotJa,
                    ion + " holds the error value " + cell.text + cannotEn);
                return;
            case Kind::Number:
                if (refused) {
                    Add(row, i, SuspectKind::ErrorValue, true,
                        ion + " が有限の数値でないため" + cannotJa,
                        ion + " holds no finite number" + cannotEn);
                    return;
                }
                break;
            case Kind::Text:
                if (refused) {
                    TextValue(row, i, ion, cell.text, shown);
                    return;
                }
                break;
        }
        if (value < 0) {
            Add(row, i, SuspectKind::NegativeValue, false, ion + " の値 " + shown + " が負です。",
                "The " + ion + " value " + shown + " is negative.");
        } else if (value > kPlausibleMgPerL) {
            Add(row, i, SuspectKind::ImplausibleValue, false,
                ion + " の値 " + shown +
                    " は 1,000,000 mg/L を超えています。単位と桁を確かめてください。",
                "The " + ion + " value " + shown +
                    " is above 1,000,000 mg/L; check its unit and digits.");
        }
    }

    // A further numeric column of a long table: empty is no value; otherwise as an ion cell,
    // under its heading.
    void ValueCell(int i, int row) {
        const CellValue cell = Cell(row, i);
        if (cell.kind == Kind::Empty) {
            if (row == options_.table->ecRow)
                Add(row, i, SuspectKind::MissingEc, false,
                    "EC が空のため、EC を使う図（USSL など）には描きません。",
                    "EC is empty, so the sample is left out of the charts of EC (USSL and "
                    "others).");
            else if (row == options_.table->tdsRow)
                Add(row, i, SuspectKind::MissingTds, false,
                    "TDS が空のため、デュロフダイアグラムの TDS 図には描きません"
                    "（ギブスダイアグラムは成分から計算した TDS で描きます）。",
                    "TDS is empty, so the sample is left out of the Durov diagram's TDS panel "
                    "(the Gibbs diagram uses the TDS computed from the constituents).");
            else if (row == options_.table->phRow)
                Add(row, i, SuspectKind::MissingPh, false,
                    "pH が空のため、デュロフダイアグラムの pH 図には描きません。",
                    "pH is empty, so the sample is left out of the Durov diagram's pH panel.");
            return;
        }
        const std::optional<TablePlace> p = Place(row, SampleColumn(i));
        const std::string item = p ? hc::Excerpt(p->heading) : std::string();
        const std::string shown = Excerpt(cell);
        double value = 0;
        try {
            value = hc::CellDouble(cell);
        } catch (const hc::WorkbookError&) {
            if (cell.kind == Kind::Text) {
                TextValue(row, i, item, cell.text, shown);
            } else {
                Add(row, i, SuspectKind::ErrorValue, true,
                    item + " がエラー値または有限でない数値のため読み込めません。",
                    item + " holds an error value or no finite number, so " + Loadable() +
                        " cannot be loaded.");
            }
            return;
        }
        if (value < 0)
            Add(row, i, SuspectKind::NegativeValue, false, item + " の値 " + shown + " が負です。",
                "The " + item + " value " + shown + " is negative.");
    }

    void TextValue(int row, int i, const std::string& ion, const std::string& text,
                   const std::string& shown) {
        const std::string f = Folded(text);
        std::string hintJa, hintEn;
        if (Trimmed(text).empty()) {
            Add(row, i, SuspectKind::TextValue, true,
                ion + " は空の文字列（数式の結果など）で、数値として読めないため読み込めません。",
                ion + " holds an empty text (such as a formula's result) that is no number, so " +
                    Loadable() + " cannot be loaded.");
            return;
        }
        if ((!f.empty() && f[0] == '<') || Contains(f, "未満")) {
            hintJa = "定量下限未満は数値（0 または下限値）で入力してください。";
            hintEn = "; enter a value below the detection limit as a number (0 or the limit)";
        } else if (f == "ND" || f == "NOTDETECTED" || Contains(f, "不検出") ||
                   Contains(f, "検出せず") || Contains(f, "検出されず")) {
            hintJa = "不検出は数値（0 など）で入力してください。";
            hintEn = "; enter \"not detected\" as a number (such as 0)";
        }
        Add(row, i, SuspectKind::TextValue, true,
            ion + " の" + Bracketed(shown) + "は数値でないため読み込めません。" + hintJa,
            ion + " " + Quoted(shown) + " is not a number, so " + Loadable() + " cannot be loaded" +
                hintEn + ".");
    }

    // ternaryplot's rows 20 and 21, checked through the loader's own reader of them.
    void MarkAndColour(int i) {
        const CellValue mark = Cell(kMarkRow, i);
        if (mark.kind == Kind::Error) {
            Add(kMarkRow, i, SuspectKind::ErrorValue, true,
                "マークがエラー値 " + mark.text + " のため読み込めません。",
                "The mark holds the error value " + mark.text + ", so " + Loadable() +
                    " cannot be loaded.");
            return;
        }
        const CellValue colour = Cell(kColorRow, i);
        const std::string shown = Excerpt(colour);
        if (colour.kind == Kind::Error) {
            Add(kColorRow, i, SuspectKind::ErrorValue, true,
                "色番号がエラー値 " + colour.text + " のため読み込めません。",
                "The colour number holds the error value " + colour.text + ", so " + Loadable() +
                    " cannot be loaded.");
            return;
        }
        Sample probe;
        if (!ReadMarkAndColour(sheet_, i, probe)) {
            Add(kColorRow, i, SuspectKind::BadColour, true,
                "色番号" + Bracketed(shown) + "は数値でないため読み込めません。",
                "The colour number " + Quoted(shown) + " is not a number, so " + Loadable() +
                    " cannot be loaded.");
            return;
        }
        const std::string text = hc::CellText(colour);
        if (text.empty())
            return;  // no colour given: black, as meant
        const int drawn = probe.colour;
        const std::optional<int> meant = hc::TryTextToInt32(text);
        if (meant && *meant == drawn)
            return;
        const std::string d = std::to_string(drawn);
        Add(kColorRow, i, SuspectKind::BadColour, false,
            "色番号" + Bracketed(shown) + "は " + d +
                "（黒）として描かれます。00～15 を2文字（例 \"09\"）で入力してください。",
            "The colour number " + Quoted(shown) + " is drawn as " + d +
                " (black); enter 00 to 15 as two characters (such as \"09\").");
    }
};

}  // namespace

std::string TablePlace::Reference() const {
    return (cell.empty() ? std::to_string(line) : cell) + ":" + heading;
}

std::optional<TablePlace> TablePlaces::At(int row, int column) const {
    const int sample = column - 1;
    auto it = rows.find(row);
    if (it == rows.end() || sample < 1 || static_cast<std::size_t>(sample) > lines.size())
        return std::nullopt;
    TablePlace p;
    p.line = lines[static_cast<std::size_t>(sample - 1)];
    p.heading = it->second.heading;
    if (sheetRows)
        p.cell = CellReference(p.line, it->second.column);
    return p;
}

const char* SuspectKindId(SuspectKind kind) {
    switch (kind) {
        case SuspectKind::Unreadable:
            return "unreadable";
        case SuspectKind::BadCount:
            return "bad_count";
        case SuspectKind::CountNotWhole:
            return "count_not_whole";
        case SuspectKind::BeyondCount:
            return "beyond_count";
        case SuspectKind::SkippedName:
            return "skipped_name";
        case SuspectKind::DuplicateName:
            return "duplicate_name";
        case SuspectKind::BlankValue:
            return "blank_value";
        case SuspectKind::NegativeValue:
            return "negative_value";
        case SuspectKind::TextValue:
            return "text_value";
        case SuspectKind::ErrorValue:
            return "error_value";
        case SuspectKind::BooleanValue:
            return "boolean_value";
        case SuspectKind::BadColour:
            return "bad_colour";
        case SuspectKind::ImplausibleValue:
            return "implausible_value";
        case SuspectKind::MissingEc:
            return "missing_ec";
        case SuspectKind::MissingTds:
            return "missing_tds";
        case SuspectKind::MissingPh:
            return "missing_ph";
    }
    return "unknown";
}

bool SuspectReport::Refused() const {
    return std::any_of(cells.begin(), cells.end(),
                       [](const SuspectCell& c) { return c.refusesLoad; });
}

SuspectReport ScanSheet(const hc::WorkbookSheet& sheet, const ScanOptions& options) {
    return Scanner(sheet, options).Run();
}

SuspectReport ScanWorkbook(const std::string& path, const ScanOptions& options) {
    hc::WorkbookSheet sheet;
    try {
        sheet = options.readSheet ? options.readSheet(path) : hc::ReadWorkbookSheet(path, "Sheet1");
    } catch (const hc::WorkbookError& e) {
        SuspectReport r;
        SuspectCell c;
        c.kind = SuspectKind::Unreadable;
        c.refusesLoad = true;
        c.messageJa = "ブックを読めません: " + e.Japanese();
        c.messageEn = std::string("The workbook cannot be read: ") + e.what();
        r.cells.push_back(std::move(c));
        return r;
    }
    return ScanSheet(sheet, options);
}

std::string SuspectCellsCsv(const SuspectReport& report, Language language) {
    std::string csv = "cell,sample,name,kind,refuses_load,excerpt,message\n";
    for (const SuspectCell& c : report.cells) {
        csv += c.reference + "," + (c.sample > 0 ? std::to_string(c.sample) : "") + "," +
               CsvField(c.sampleName) + "," + SuspectKindId(c.kind) + "," +
               (c.refusesLoad ? "yes" : "no") + "," + CsvField(c.excerpt) + "," +
               CsvField(c.Message(language)) + "\n";
    }
    return csv;
}

}  // namespace wq
