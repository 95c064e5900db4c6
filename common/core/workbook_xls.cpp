// BIFF8 reader: the records of an Excel 97-2003 "Workbook" stream that determine what a cell
// shows, including the stored results of formulas and the shared string table.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/core/workbook_internal.h"

namespace hc::wb {
namespace {

constexpr std::uint16_t kRecFormula = 0x0006;
constexpr std::uint16_t kRecEof = 0x000A;
constexpr std::uint16_t kRecFilePass = 0x002F;
constexpr std::uint16_t kRecContinue = 0x003C;
constexpr std::uint16_t kRecBoundSheet = 0x0085;
constexpr std::uint16_t kRecMulRk = 0x00BD;
constexpr std::uint16_t kRecRString = 0x00D6;
constexpr std::uint16_t kRecSst = 0x00FC;
constexpr std::uint16_t kRecLabelSst = 0x00FD;
constexpr std::uint16_t kRecNumber = 0x0203;
constexpr std::uint16_t kRecLabel = 0x0204;
constexpr std::uint16_t kRecBoolErr = 0x0205;
constexpr std::uint16_t kRecString = 0x0207;
constexpr std::uint16_t kRecArray = 0x0221;
constexpr std::uint16_t kRecTable = 0x0236;
constexpr std::uint16_t kRecRk = 0x027E;
constexpr std::uint16_t kRecShrFmla = 0x04BC;
constexpr std::uint16_t kRecBof = 0x0809;

constexpr std::uint16_t kBiff8 = 0x0600;
constexpr std::uint16_t kBiff5 = 0x0500;
constexpr std::uint16_t kBofGlobals = 0x0005;
constexpr std::uint16_t kBofChart = 0x0020;
constexpr std::uint16_t kBofVbModule = 0x0006;

std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

double F64(const std::uint8_t* p) {
    std::uint64_t bits = U32(p) | (static_cast<std::uint64_t>(U32(p + 4)) << 32);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string Hex(unsigned value) {
    static const char* digits = "0123456789ABCDEF";
    std::string s = "0x0000";
    for (int i = 0; i < 4; ++i)
        s[5 - i] = digits[(value >> (4 * i)) & 0xF];
    return s;
}

// RK: a compressed number, either a 30-bit integer or the high 30 bits of a double, optionally
// to be divided by 100.
double DecodeRk(std::uint32_t rk) {
    double value = 0;
    if (rk & 0x02) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 0x01) ? value / 100.0 : value;
}

std::string ErrorText(std::uint8_t code) {
    switch (code) {
        case 0x00:
            return "#NULL!";
        case 0x07:
            return "#DIV/0!";
        case 0x0F:
            return "#VALUE!";
        case 0x17:
            return "#REF!";
        case 0x1D:
            return "#NAME?";
        case 0x24:
            return "#NUM!";
        case 0x2A:
            return "#N/A";
        case 0x2B:
            return "#GETTING_DATA";
        default:
            return "#ERR" + std::to_string(code) + "!";
    }
}

std::string Utf16ToUtf8(const std::u16string& units) {
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        std::uint32_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            u = 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        }
        AppendUtf8(out, u);
    }
    return out;
}

struct Record {
    std::uint16_t type = 0;
    std::size_t offset = 0;
    std::span<const std::uint8_t> data;
};

// Walks the records of the stream from a given offset.
class RecordCursor {
  public:
    RecordCursor(std::span<const std::uint8_t> stream, std::size_t offset)
        : stream_(stream), pos_(offset) {}

    // False when the stream ends; a record running past the end is damage.
    bool Next(Record& record) {
        if (pos_ + 4 > stream_.size())
            return false;
        record.type = U16(&stream_[pos_]);
        const std::size_t length = U16(&stream_[pos_ + 2]);
        record.offset = pos_;
        if (pos_ + 4 + length > stream_.size()) {
            throw WorkbookError("damaged workbook: the record " + Hex(record.type) + " at offset " +
                                    std::to_string(pos_) +
                                    " runs past the end of the Workbook stream",
                                kDamagedJa);
        }
        record.data = stream_.subspan(pos_ + 4, length);
        pos_ += 4 + length;
        return true;
    }

    // The type of the next record without consuming it, or -1 at the end.
    int PeekType() const {
        if (pos_ + 4 > stream_.size())
            return -1;
        return U16(&stream_[pos_]);
    }

  private:
    std::span<const std::uint8_t> stream_;
    std::size_t pos_;
};

// Reads across a record and its CONTINUE records. Raw fields simply continue in the next record;
// characters of a string that resume in a new record are preceded there by a fresh option byte
// saying whether they are stored as one byte (Latin-1) or two (UTF-16).
class ContinuedReader {
  public:
    explicit ContinuedReader(std::vector<std::span<const std::uint8_t>> segments)
        : segments_(std::move(segments)) {}

    bool AtEnd() {
        SkipExhausted();
        return seg_ >= segments_.size();
    }

    std::uint8_t Byte() {
        SkipExhausted();
        if (seg_ >= segments_.size())
            Truncated();
        return segments_[seg_][pos_++];
    }

    std::uint16_t Word() {
        std::uint8_t lo = Byte();
        return static_cast<std::uint16_t>(lo | (Byte() << 8));
    }

    std::uint32_t DWord() {
        std::uint32_t lo = Word();
        return lo | (static_cast<std::uint32_t>(Word()) << 16);
    }

    void Skip(std::uint64_t count) {
        while (count > 0) {
            SkipExhausted();
            if (seg_ >= segments_.size())
                Truncated();
            std::size_t take = static_cast<std::size_t>(
                std::min<std::uint64_t>(count, segments_[seg_].size() - pos_));
            pos_ += take;
            count -= take;
        }
    }

    // count characters, the first run in the given width.
    std::u16string Chars(std::size_t count, bool wide) {
        std::u16string out;
        while (count > 0) {
            const std::size_t avail = seg_ < segments_.size() ? segments_[seg_].size() - pos_ : 0;
            const std::size_t fit = wide ? avail / 2 : avail;
            if (fit == 0) {
                // Characters continue in the next record, which starts with an option byte.
                ++seg_;
                pos_ = 0;
                if (seg_ >= segments_.size() || segments_[seg_].empty())
                    Truncated();
                wide = (segments_[seg_][pos_++] & 0x01) != 0;
                continue;
            }
            const std::size_t take = std::min(fit, count);
            const std::uint8_t* p = segments_[seg_].data() + pos_;
            for (std::size_t i = 0; i < take; ++i) {
                out += wide ? static_cast<char16_t>(U16(p + 2 * i)) : static_cast<char16_t>(p[i]);
            }
            pos_ += wide ? 2 * take : take;
            count -= take;
        }
        return out;
    }

    // An XLUnicodeRichExtendedString (SST, LABEL, STRING): length, options, optional run and
    // phonetic counts, the characters, then the runs and phonetic data, which are skipped.
    std::string UnicodeString(bool lengthIsByte = false) {
        const std::size_t length = lengthIsByte ? Byte() : Word();
        const std::uint8_t options = Byte();
        std::size_t runs = 0;
        std::uint32_t extSize = 0;
        if (options & 0x08)
            runs = Word();
        if (options & 0x04)
            extSize = DWord();
        std::u16string units = Chars(length, (options & 0x01) != 0);
        Skip(4ull * runs);
        Skip(extSize);
        return Utf16ToUtf8(units);
    }

  private:
    void SkipExhausted() {
        while (seg_ < segments_.size() && pos_ >= segments_[seg_].size()) {
            ++seg_;
            pos_ = 0;
        }
    }

    [[noreturn]] static void Truncated() {
        throw WorkbookError("damaged workbook: a string runs past the end of its record",
                            kDamagedJa);
    }

    std::vector<std::span<const std::uint8_t>> segments_;
    std::size_t seg_ = 0;
    std::size_t pos_ = 0;
};

// The record data followed by the data of any CONTINUE records right after it.
std::vector<std::span<const std::uint8_t>> WithContinues(const Record& first,
                                                         RecordCursor& cursor) {
    std::vector<std::span<const std::uint8_t>> segments{first.data};
    Record next;
    while (cursor.PeekType() == kRecContinue && cursor.Next(next))
        segments.push_back(next.data);
    return segments;
}

std::vector<SharedText> ReadSst(ContinuedReader reader, TextBudget& budget) {
    reader.Skip(4);  // the number of references to the strings
    const std::uint32_t unique = reader.DWord();
    std::vector<SharedText> strings;
    // The count is not trusted: strings are read while data lasts, each charged to the budget.
    for (std::uint32_t i = 0; i < unique && !reader.AtEnd(); ++i)
        strings.push_back(budget.Keep(reader.UnicodeString()));
    return strings;
}

struct SheetEntry {
    std::string name;
    std::uint32_t offset = 0;
    std::uint8_t type = 0;
};

void CheckBof(const Record& record, const char* what) {
    if (record.type != kRecBof || record.data.size() < 4) {
        throw WorkbookError(std::string("damaged workbook: ") + what + " does not start with BOF",
                            kDamagedJa);
    }
    const std::uint16_t version = U16(record.data.data());
    if (version == kBiff5) {
        throw WorkbookError(
            "Excel 5.0/95 workbooks are not supported; save as Excel 97-2003 or later",
            "Excel 5.0/95 形式のブックは読めません。Excel 97-2003 以降の形式で保存してください");
    }
    if (version != kBiff8) {
        throw WorkbookError(
            "unsupported Excel file version " + Hex(version) + "; save as Excel 97-2003 or later",
            "読めない Excel の版 (" + Hex(version) +
                ") です。Excel 97-2003 以降の形式で保存してください");
    }
}

struct Globals {
    std::vector<SheetEntry> sheets;
    std::vector<SharedText> strings;
};

Globals ReadGlobals(std::span<const std::uint8_t> stream, TextBudget& budget) {
    RecordCursor cursor(stream, 0);
    Record record;
    if (!cursor.Next(record))
        throw WorkbookError("damaged workbook: the Workbook stream is empty", kDamagedJa);
    CheckBof(record, "the Workbook stream");
    if (record.data.size() < 4 || U16(record.data.data() + 2) != kBofGlobals) {
        throw WorkbookError("damaged workbook: the Workbook stream does not start with globals",
                            kDamagedJa);
    }
    Globals globals;
    bool sstSeen = false;
    while (cursor.Next(record)) {
        const auto& d = record.data;
        switch (record.type) {
            case kRecEof:
                return globals;
            case kRecFilePass:
                throw WorkbookError("the workbook is password-protected (encrypted)", kEncryptedJa);
            case kRecBoundSheet: {
                if (d.size() < 8)
                    throw WorkbookError("damaged workbook: short BOUNDSHEET record", kDamagedJa);
                SheetEntry entry;
                entry.offset = U32(d.data());
                entry.type = d[5];
                ContinuedReader name({d.subspan(6)});
                std::size_t length = name.Byte();
                bool wide = (name.Byte() & 0x01) != 0;
                entry.name = Utf16ToUtf8(name.Chars(length, wide));
                if (globals.sheets.size() >= kMaxSheets)
                    throw WorkbookError(
                        "damaged workbook: more than " + std::to_string(kMaxSheets) + " sheets",
                        "シートが " + std::to_string(kMaxSheets) +
                            " を超えています（壊れているか、大きすぎます）");
                globals.sheets.push_back(std::move(entry));
                break;
            }
            case kRecSst:
                if (!sstSeen) {
                    globals.strings =
                        ReadSst(ContinuedReader(WithContinues(record, cursor)), budget);
                    sstSeen = true;
                }
                break;
            case kRecBof:
                throw WorkbookError("damaged workbook: the globals end without EOF", kDamagedJa);
            default:
                break;
        }
    }
    throw WorkbookError("damaged workbook: the Workbook stream ends inside the globals",
                        kTruncatedJa);
}

CellValue FormulaResult(std::span<const std::uint8_t> d, bool& stringFollows) {
    stringFollows = false;
    const std::uint8_t* v = d.data() + 6;
    if (v[6] != 0xFF || v[7] != 0xFF)
        return CellValue::Num(F64(v));
    switch (v[0]) {
        case 0:
            stringFollows = true;
            return {};
        case 1:
            return CellValue::Bool(v[2] != 0);
        case 2:
            return CellValue::Err(ErrorText(v[2]));
        case 3:
            return CellValue::Str("");
        default:
            throw WorkbookError(
                "damaged workbook: unknown formula result type " + std::to_string(v[0]),
                kDamagedJa);
    }
}

WorkbookSheet ReadSheet(std::span<const std::uint8_t> stream, const SheetEntry& entry,
                        const std::vector<SharedText>& strings, TextBudget& budget) {
    const std::string name = "sheet \"" + Excerpt(entry.name) + "\"";
    if (entry.offset >= stream.size()) {
        throw WorkbookError(
            "damaged workbook: " + name + " lies beyond the end of the Workbook stream",
            kTruncatedJa);
    }
    RecordCursor cursor(stream, entry.offset);
    Record record;
    if (!cursor.Next(record))
        throw WorkbookError("damaged workbook: " + name + " is missing", kDamagedJa);
    CheckBof(record, "the sheet");
    const std::uint16_t kind = record.data.size() >= 4 ? U16(record.data.data() + 2) : 0;
    if (kind == kBofChart || kind == kBofVbModule || kind == kBofGlobals)
        throw WorkbookError(name + " is not a worksheet",
                            "シート「" + Excerpt(entry.name) + "」はワークシートではありません");

    SheetBuilder builder(budget);
    int depth = 1;  // embedded charts bring their own BOF..EOF inside a worksheet
    bool stringPending = false;
    std::uint16_t pendingRow = 0;
    std::uint16_t pendingColumn = 0;
    auto need = [&](std::size_t size) {
        if (record.data.size() < size) {
            throw WorkbookError("damaged workbook: short record " + Hex(record.type) +
                                    " at offset " + std::to_string(record.offset),
                                kDamagedJa);
        }
    };
    auto set = [&](std::uint16_t row, std::uint16_t column, CellValue value) {
        builder.Set(std::int64_t{row} + 1, std::int64_t{column} + 1, std::move(value));
    };

    while (cursor.Next(record)) {
        const std::uint8_t* d = record.data.data();
        if (record.type == kRecBof) {
            ++depth;
            continue;
        }
        if (record.type == kRecEof) {
            if (--depth == 0) {
                if (stringPending) {
                    throw WorkbookError("damaged workbook: a formula's text result is missing",
                                        kDamagedJa);
                }
                return builder.Take();
            }
            continue;
        }
        if (depth > 1)
            continue;
        if (stringPending && record.type != kRecString && record.type != kRecShrFmla &&
            record.type != kRecArray && record.type != kRecTable && record.type != kRecContinue) {
            throw WorkbookError("damaged workbook: a formula's text result is missing", kDamagedJa);
        }
        switch (record.type) {
            case kRecNumber:
                need(14);
                set(U16(d), U16(d + 2), CellValue::Num(F64(d + 6)));
                break;
            case kRecRk:
                need(10);
                set(U16(d), U16(d + 2), CellValue::Num(DecodeRk(U32(d + 6))));
                break;
            case kRecMulRk: {
                need(6);
                const std::size_t count = (record.data.size() - 6) / 6;
                const std::uint16_t row = U16(d);
                const std::uint16_t first = U16(d + 2);
                for (std::size_t i = 0; i < count; ++i) {
                    const std::uint32_t column = first + i;
                    if (column > 0xFFFF)
                        break;
                    set(row, static_cast<std::uint16_t>(column),
                        CellValue::Num(DecodeRk(U32(d + 4 + 6 * i + 2))));
                }
                break;
            }
            case kRecLabelSst: {
                need(10);
                const std::uint32_t index = U32(d + 6);
                if (index >= strings.size()) {
                    throw WorkbookError("damaged workbook: shared string " + std::to_string(index) +
                                            " does not exist (the table has " +
                                            std::to_string(strings.size()) + ")",
                                        kDamagedJa);
                }
                // The cell shares the table's text: a string used by every cell is held once.
                builder.Set(std::int64_t{U16(d)} + 1, std::int64_t{U16(d + 2)} + 1,
                            StoredCell{CellValue::Kind::Text, 0, strings[index]});
                break;
            }
            case kRecLabel:
            case kRecRString: {
                need(9);
                ContinuedReader text({record.data.subspan(6)});
                const std::size_t length = text.Word();
                const bool wide = (text.Byte() & 0x01) != 0;
                set(U16(d), U16(d + 2), CellValue::Str(Utf16ToUtf8(text.Chars(length, wide))));
                break;
            }
            case kRecBoolErr:
                need(8);
                set(U16(d), U16(d + 2),
                    d[7] ? CellValue::Err(ErrorText(d[6])) : CellValue::Bool(d[6] != 0));
                break;
            case kRecFormula: {
                need(20);
                bool stringFollows = false;
                CellValue value = FormulaResult(record.data, stringFollows);
                if (stringFollows) {
                    stringPending = true;
                    pendingRow = U16(d);
                    pendingColumn = U16(d + 2);
                } else {
                    set(U16(d), U16(d + 2), std::move(value));
                }
                break;
            }
            case kRecString:
                if (stringPending) {
                    ContinuedReader text(WithContinues(record, cursor));
                    set(pendingRow, pendingColumn, CellValue::Str(text.UnicodeString()));
                    stringPending = false;
                }
                break;
            default:
                break;  // formats, BLANK/MULBLANK, shared formulas and the like
        }
    }
    throw WorkbookError("damaged workbook: " + name + " ends without EOF (the file is truncated)",
                        kTruncatedJa);
}

}  // namespace

WorkbookSheet ReadBiff8Sheet(std::span<const std::uint8_t> stream, const SheetChoice& sheet) {
    TextBudget budget;
    Globals globals = ReadGlobals(stream, budget);
    std::vector<std::string> names;
    for (const auto& s : globals.sheets)
        names.push_back(s.name);
    const int index = ChooseSheet(names, sheet);
    return ReadSheet(stream, globals.sheets[static_cast<std::size_t>(index)], globals.strings,
                     budget);
}

}  // namespace hc::wb
