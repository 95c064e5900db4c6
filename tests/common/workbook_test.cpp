// Workbook reading: the same cells in .xls, .xlsx and .ods, the .xls fixtures compared cell by
// cell with xlrd's reading of them, format details, refused and damaged files, and mutated
// copies of the valid fixtures that must fail cleanly.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <glib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "common/core/workbook.h"

namespace hc {
namespace {

using Kind = CellValue::Kind;

std::string Fixture(const std::string& name) {
    return std::string(HC_SOURCE_DIR) + "/tests/fixtures/workbook/" + name;
}

std::string Describe(const CellValue& v) {
    switch (v.kind) {
        case Kind::Empty:
            return "empty";
        case Kind::Number: {
            std::ostringstream s;
            s.precision(17);
            s << "number " << v.number;
            return s.str();
        }
        case Kind::Text:
            return "text \"" + v.text + "\"";
        case Kind::Boolean:
            return v.number != 0 ? "boolean true" : "boolean false";
        case Kind::Error:
            return "error " + v.text;
    }
    return "?";
}

// Exact comparison: the fixtures hold decimal numbers that must arrive as the same double.
bool Same(const CellValue& a, const CellValue& b) {
    if (a.kind != b.kind)
        return false;
    switch (a.kind) {
        case Kind::Empty:
            return true;
        case Kind::Number:
        case Kind::Boolean:
            return a.number == b.number;
        case Kind::Text:
        case Kind::Error:
            return a.text == b.text;
    }
    return false;
}

#define EXPECT_CELL(sheet, row, col, expected)                                                \
    do {                                                                                      \
        const CellValue got_ = (sheet).Cell(row, col);                                        \
        const CellValue want_ = (expected);                                                   \
        EXPECT_TRUE(Same(got_, want_)) << "cell (" << (row) << ", " << (col) << "): got "     \
                                       << Describe(got_) << ", expected " << Describe(want_); \
    } while (false)

struct Expected {
    int row;
    int column;
    CellValue value;
};

// What the generator writes into every format, written out here by hand: the layout of the
// water-quality sheet (count in B10, names in row 11, values below) with every kind of cell.
std::vector<Expected> CommonCells() {
    return {
        {1, 1, CellValue::Str("水質データ")},
        {10, 2, CellValue::Num(3)},
        {11, 2, CellValue::Str("井戸A-1")},
        {11, 3, CellValue::Str("Well B")},
        {11, 4, CellValue::Str("湧水 C")},
        {11, 5, CellValue::Num(7)},
        {12, 2, CellValue::Num(12.5)},
        {12, 3, CellValue::Num(0)},
        {12, 4, CellValue::Num(-3)},
        {13, 2, CellValue::Num(1234567)},
        {13, 3, CellValue::Num(12.34)},
        {13, 4, CellValue::Num(0.1)},
        {14, 2, CellValue::Num(123.456)},    // formula, cached number
        {14, 3, CellValue::Str("abc")},      // formula, cached text
        {14, 4, CellValue::Bool(true)},      // formula, cached boolean
        {14, 5, CellValue::Err("#DIV/0!")},  // formula, cached error
        {14, 6, CellValue::Str("")},         // formula, cached empty text
        {15, 2, CellValue::Bool(true)},
        {15, 3, CellValue::Bool(false)},
        {15, 4, CellValue::Err("#N/A")},
        {16, 2, CellValue::Str("  spaced  text ")},
        {16, 3, CellValue::Str("line1\nline2")},
        {17, 2, CellValue::Num(1e-300)},
        {17, 3, CellValue::Num(44.8839)},
        {19, 3, CellValue::Str("\U00020BB7野家")},  // outside the BMP: a surrogate pair in UTF-16
        {65536, 256, CellValue::Num(42)},
    };
}

class CommonContent : public ::testing::TestWithParam<const char*> {};

TEST_P(CommonContent, ReadsEveryKindOfCellAndNothingElse) {
    const WorkbookSheet sheet = ReadWorkbookSheet(Fixture(GetParam()));
    for (const auto& e : CommonCells())
        EXPECT_CELL(sheet, e.row, e.column, e.value);
    // Empty: never written, a formatted blank, a blank run, beyond the data, a number that
    // belongs to an embedded chart rather than to the sheet (.xls).
    for (auto [r, c] : {std::pair{2, 1}, {12, 5}, {19, 2}, {13, 5}, {13, 7}, {18, 2}, {100, 1}}) {
        EXPECT_CELL(sheet, r, c, CellValue{});
    }
}

TEST_P(CommonContent, ConvertsAsTheLoaderDoes) {
    const WorkbookSheet sheet = ReadWorkbookSheet(Fixture(GetParam()));
    EXPECT_EQ(CellInt32(sheet.Cell(10, 2)), 3);
    EXPECT_EQ(CellText(sheet.Cell(11, 2)), "井戸A-1");
    EXPECT_EQ(CellText(sheet.Cell(11, 5)), "7");  // a name cell holding a number
    EXPECT_DOUBLE_EQ(CellDouble(sheet.Cell(12, 2)), 12.5);
    EXPECT_DOUBLE_EQ(CellDouble(sheet.Cell(12, 5)), 0.0);        // empty ion cell reads as 0
    EXPECT_DOUBLE_EQ(CellDouble(sheet.Cell(14, 2)), 123.456);    // formula result, not 0
    EXPECT_THROW(CellDouble(sheet.Cell(14, 5)), WorkbookError);  // #DIV/0! is no number
}

TEST_P(CommonContent, FindsTheSheetByNameNotPosition) {
    const std::string path = Fixture(GetParam());
    EXPECT_CELL(ReadWorkbookSheet(path, "Intro"), 10, 2, CellValue::Num(99));
    // Sheet names do not depend on case, as in the spreadsheet program.
    EXPECT_CELL(ReadWorkbookSheet(path, "sheet1"), 10, 2, CellValue::Num(3));
    try {
        ReadWorkbookSheet(path, "Nowhere");
        FAIL() << "no error for a missing sheet";
    } catch (const WorkbookError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("no worksheet \"Nowhere\""), std::string::npos) << what;
        EXPECT_NE(what.find("\"Sheet1\""), std::string::npos) << what;
        EXPECT_NE(what.find(path), std::string::npos) << what;
    }
}

// Our own writers, and LibreOffice's copies of cells.ods (a real spreadsheet program's records,
// styles and shared strings).
INSTANTIATE_TEST_SUITE_P(Formats, CommonContent,
                         ::testing::Values("biff8_cells.xls", "cells.xlsx", "cells.ods",
                                           "lo_cells.xls", "lo_cells.xlsx", "lo_cells.ods"));

// ---------------------------------------------------------------------------------------------
// The .xls fixtures against xlrd

std::string Unescape(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char c = s[++i];
            out += c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::vector<Expected> ReadExpected(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::vector<Expected> cells;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string row, col, kind, value;
        std::getline(fields, row, '\t');
        std::getline(fields, col, '\t');
        std::getline(fields, kind, '\t');
        std::getline(fields, value);
        value = Unescape(value);
        CellValue v;
        if (kind == "n")
            v = CellValue::Num(std::strtod(value.c_str(), nullptr));
        if (kind == "s")
            v = CellValue::Str(value);
        if (kind == "b")
            v = CellValue::Bool(value == "1");
        if (kind == "e")
            v = CellValue::Err(value);
        cells.push_back({std::stoi(row), std::stoi(col), v});
    }
    return cells;
}

class AgreesWithXlrd : public ::testing::TestWithParam<const char*> {};

TEST_P(AgreesWithXlrd, EveryCell) {
    const std::string path = Fixture(GetParam());
    const WorkbookSheet sheet = ReadWorkbookSheet(path);
    const auto expected = ReadExpected(path + ".expected.tsv");
    ASSERT_FALSE(expected.empty());
    int mismatches = 0;
    for (const auto& e : expected) {
        if (!Same(sheet.Cell(e.row, e.column), e.value) && ++mismatches <= 5) {
            ADD_FAILURE() << "cell (" << e.row << ", " << e.column << "): got "
                          << Describe(sheet.Cell(e.row, e.column)) << ", xlrd read "
                          << Describe(e.value);
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(sheet.CellCount(), expected.size());
}

// biff8_cells: small records split strings anywhere, long formula texts continue over STRING
// and CONTINUE. sst_continue: thousands of strings (ASCII, Latin-1, Japanese, rich text,
// phonetic data) in full-size records. sst_tiny_records: the same mix in 37-byte records, so
// every kind of split occurs, including a change between one- and two-byte characters.
// xlwt_sample: another writer's SST and cell records. biff8_in_book_stream: a BIFF8 stream
// under the name Excel 5.0/95 used. lo_cells: written by LibreOffice.
INSTANTIATE_TEST_SUITE_P(Fixtures, AgreesWithXlrd,
                         ::testing::Values("biff8_cells.xls", "sst_continue.xls",
                                           "sst_tiny_records.xls", "xlwt_sample.xls",
                                           "biff8_in_book_stream.xls", "lo_cells.xls"));

// ---------------------------------------------------------------------------------------------
// Format details

TEST(WorkbookXlsx, RichTextInlineStringsEscapesAndMissingReferences) {
    const WorkbookSheet s = ReadWorkbookSheet(Fixture("cells.xlsx"));
    // Rich-text runs joined, the phonetic reading left out.
    EXPECT_CELL(s, 11, 2, CellValue::Str("井戸A-1"));
    EXPECT_CELL(s, 30, 1, CellValue::Str("inline"));
    EXPECT_CELL(s, 30, 2, CellValue::Str("inline rich"));
    // A row and cells written without references follow the previous ones.
    EXPECT_CELL(s, 31, 1, CellValue::Str("no ref 1"));
    EXPECT_CELL(s, 31, 2, CellValue::Num(31.5));
    EXPECT_CELL(s, 32, 1, CellValue::Str("a\rb"));     // _x000D_
    EXPECT_CELL(s, 32, 2, CellValue::Str("_x0041_"));  // _x005F_ escapes the underscore
    EXPECT_CELL(s, 34, 1, CellValue::Str("2024-05-01T00:00:00"));
    EXPECT_CELL(s, 35, 1, CellValue::Num(0.0015));
    EXPECT_CELL(s, 35, 2, CellValue{});
}

TEST(WorkbookXlsx, FormulaWithoutStoredResultIsNotReadAsZero) {
    // Written by a program that does not calculate: the value is unknown, and reading it as
    // empty would make it 0 mg/L.
    const WorkbookSheet s = ReadWorkbookSheet(Fixture("cells.xlsx"));
    EXPECT_EQ(s.Cell(33, 1).kind, Kind::Error);
    EXPECT_THROW(CellDouble(s.Cell(33, 1)), WorkbookError);
}

TEST(WorkbookOds, RepeatsMergesTextsAndFormulaResults) {
    const WorkbookSheet s = ReadWorkbookSheet(Fixture("cells.ods"));
    for (int r = 30; r <= 31; ++r) {
        for (int c = 1; c <= 3; ++c)
            EXPECT_CELL(s, r, c, CellValue::Str("rep"));
    }
    EXPECT_CELL(s, 30, 4, CellValue{});
    EXPECT_CELL(s, 32, 1, CellValue::Str("merged"));
    EXPECT_CELL(s, 32, 2, CellValue{});  // covered by the merge
    EXPECT_CELL(s, 32, 3, CellValue::Str("after"));
    EXPECT_CELL(s, 33, 1, CellValue::Num(0.25));
    EXPECT_CELL(s, 33, 2, CellValue::Num(1500));
    EXPECT_CELL(s, 33, 3, CellValue::Str("2024-05-01"));
    EXPECT_CELL(s, 33, 4, CellValue::Bool(false));
    EXPECT_CELL(s, 34, 1, CellValue::Str("first\nsecond"));
    EXPECT_CELL(s, 34, 2, CellValue::Str("a   b"));
    EXPECT_CELL(s, 34, 3, CellValue::Str("shown"));  // the annotation is not the cell's text
    EXPECT_CELL(s, 34, 4, CellValue::Str("abcd"));
    // White space is kept as written, as LibreOffice Calc keeps it.
    EXPECT_CELL(s, 34, 5, CellValue::Str("\n   x   y\n  "));
    EXPECT_CELL(s, 35, 1, CellValue::Str("xy"));
    EXPECT_CELL(s, 35, 2, CellValue::Err("#DIV/0!"));
    EXPECT_CELL(s, 35, 3, CellValue::Num(6));
    EXPECT_EQ(s.Cell(35, 4).kind, Kind::Error);  // formula without a stored result
    EXPECT_CELL(s, 36, 6, CellValue::Num(6.5));
    EXPECT_CELL(s, 36, 5, CellValue{});
}

TEST(WorkbookXls, JapaneseSheetName) {
    // Sheet names with characters beyond Latin-1 are stored as UTF-16.
    const WorkbookSheet s = ReadWorkbookSheet(Fixture("biff8_cells.xls"), "水質シート");
    EXPECT_CELL(s, 10, 2, CellValue::Num(55));
    EXPECT_EQ(s.CellCount(), 1u);
}

TEST(WorkbookXls, AbsurdSharedStringCountIsNotTrusted) {
    const WorkbookSheet s = ReadWorkbookSheet(Fixture("sst_absurd_count.xls"));
    EXPECT_CELL(s, 1, 1, CellValue::Str("one"));
    EXPECT_CELL(s, 1, 2, CellValue::Str("two"));
}

// ---------------------------------------------------------------------------------------------
// Refused and damaged files

struct Refusal {
    const char* file;
    const char* reason;  // part of the message
    const char* ja;      // part of the Japanese reason the windows show
};

// Two English words in a row: a sentence the windows must not show.
bool HoldsEnglishSentence(const std::string& text) {
    static const std::regex kWords("[A-Za-z]{2,} [A-Za-z]{2,}");
    return std::regex_search(text, kWords);
}

class RefusedFiles : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedFiles, FailWithAReason) {
    const std::string path = Fixture(GetParam().file);
    try {
        const WorkbookSheet s = ReadWorkbookSheet(path);
        FAIL() << path << " was read (" << s.CellCount() << " cells)";
    } catch (const WorkbookError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find(GetParam().reason), std::string::npos) << what;
        EXPECT_EQ(what.rfind(path, 0), 0u) << what;  // names the file first
        const std::string ja = e.Japanese();
        EXPECT_NE(ja.find(GetParam().ja), std::string::npos) << ja;
        EXPECT_FALSE(HoldsEnglishSentence(ja)) << ja;
        EXPECT_EQ(ja.find(path), std::string::npos) << ja;  // the file is the caller's to name
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFiles,
    ::testing::Values(
        Refusal{"empty.xls", "not a workbook: the file is empty", "ファイルが空です"},
        Refusal{"text.xls", "not a workbook", "でもありません"},
        Refusal{"random.xls", "not a workbook", "でもありません"},
        Refusal{"html.xls", "not a workbook: the file is an HTML or XML document",
                "HTML か XML の文書です"},
        Refusal{"does-not-exist.xls", "cannot open the file", "ファイルを開けません"},
        Refusal{"", "cannot open the file: it is a folder", "フォルダです"},
        Refusal{"truncated.xls", "damaged", "壊れています"},
        Refusal{"truncated.xlsx", "damaged ZIP package", "ZIP の目次を読めません"},
        Refusal{"no_eof.xls", "ends without EOF", "途中で切れています"},
        Refusal{"overrun.xls", "runs past the end", "ブックが壊れています"},
        Refusal{"bad_sst_index.xls", "shared string 5 does not exist", "ブックが壊れています"},
        Refusal{"sst_truncated.xls", "runs past the end of its record", "ブックが壊れています"},
        Refusal{"biff5.xls",
                "Excel 5.0/95 workbooks are not supported; save as Excel 97-2003 "
                "or later",
                "Excel 5.0/95 形式のブックは読めません"},
        Refusal{"book_stream.xls", "Excel 5.0/95 workbooks are not supported",
                "Excel 97-2003 以降の形式で保存してください"},
        Refusal{"no_workbook_stream.xls", "no Workbook stream", "Excel 以外の複合文書です"},
        Refusal{"root_siblings.xls", "damaged compound document: its root entry has a sibling",
                "複合文書の構造"},
        Refusal{"encrypted.xls", "password-protected", "パスワードで保護"},
        Refusal{"encrypted_package.xlsx", "password-protected", "パスワードで保護"},
        Refusal{"binary.xlsb", "Excel binary workbooks (.xlsb) are not supported",
                "Excel バイナリブック (.xlsb) は読めません"},
        Refusal{"no_sheet1.xls", "no worksheet \"Sheet1\" (its sheets: \"Data\")",
                "シート「Sheet1」がありません（あるシート: 「Data」）"},
        Refusal{"bad_sheet_offset.xls", "beyond the end", "途中で切れています"},
        Refusal{"missing_string.xls", "text result is missing", "ブックが壊れています"},
        Refusal{"other.xlsx", "not a workbook", "ブックではありません"},
        Refusal{"text_document.ods",
                "not a workbook: an OpenDocument file of type "
                "application/vnd.oasis.opendocument.text",
                "表計算ではない OpenDocument のファイルです"},
        Refusal{"repeat_bomb.ods", "more than 300000 cells",
                "シートのセルが 300000 個を超えていて読めません"},
        Refusal{"space_bomb.ods", "unreasonably long", "content.xml を読めません"},
        Refusal{"entity_bomb.ods", "damaged content.xml", "ブックが壊れています（content.xml"},
        Refusal{"malformed.ods", "damaged content.xml: line", "ブックが壊れています（content.xml"},
        Refusal{"bad_ref.xlsx", "bad cell reference \"A0\"", "ブックが壊れています"}));

TEST(WorkbookFiles, DeviceIsNotReadWithoutEnd) {
    try {
        ReadWorkbookSheet("/dev/zero");
        FAIL() << "/dev/zero was read";
    } catch (const WorkbookError& e) {
        EXPECT_NE(std::string(e.what()).find("not a regular file"), std::string::npos) << e.what();
        EXPECT_EQ(e.Japanese(), "通常のファイルではありません");
    }
}

TEST(WorkbookFiles, LinkLoopHasItsOwnReason) {
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) / "hc_workbook_link_loop";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::filesystem::create_symlink("b.xls", dir / "a.xls");
    std::filesystem::create_symlink("a.xls", dir / "b.xls");
    try {
        ReadWorkbookSheet((dir / "a.xls").string());
        FAIL() << "a link loop was read";
    } catch (const WorkbookError& e) {
        EXPECT_NE(std::string(e.what()).find("a loop of symbolic links"), std::string::npos)
            << e.what();
        EXPECT_EQ(e.Japanese(), "シンボリックリンクが循環しています");
    }
    std::filesystem::remove_all(dir);
}

// Standard error of the process, captured in a file while `run` runs.
std::string CaptureStandardError(const std::function<void()>& run) {
    const std::string path = ::testing::TempDir() + "/hc_workbook_stderr.txt";
    std::fflush(stderr);
    const int saved = dup(2);
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(file, 2);
    close(file);
    run();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// GLib's own handler spreads a message over several lines; the reader's handler folds each
// onto one: "<program>: <domain> <level>: <text>".
TEST(WorkbookFiles, LibraryMessagesTakeOneLineEach) {
    ReadWorkbookSheet(Fixture("biff8_cells.xls"));  // the libraries are set up
    const std::string out = CaptureStandardError([] {
        g_log("libgsf:msole", G_LOG_LEVEL_WARNING, "%s", "Unexpected stream\n  in the file\n");
        g_log("GLib", G_LOG_LEVEL_CRITICAL, "%s", "\ncheck failed\r\n");
        g_log("libgsf", G_LOG_LEVEL_DEBUG, "%s", "not shown");
    });
    const std::string program = program_invocation_short_name;
    EXPECT_EQ(out, program + ": libgsf:msole warning: Unexpected stream in the file\n" + program +
                       ": GLib critical: check failed\n");
}

// Damaged copies of a workbook make libgsf complain; whatever it says comes one line per
// message, each naming the program, and no blank line.
TEST(WorkbookFiles, DamagedFilesLeaveOnlyWholeLinesOnStandardError) {
    const std::vector<std::uint8_t> original = [] {
        std::ifstream in(Fixture("biff8_cells.xls"), std::ios::binary);
        return std::vector<std::uint8_t>{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
    }();
    ASSERT_GT(original.size(), 1024u);
    const std::string copy = ::testing::TempDir() + "/hc_workbook_damaged.xls";
    const std::string out = CaptureStandardError([&] {
        // Sector chains and directory entries overwritten, one place at a time.
        for (std::size_t at = 64; at + 4 <= original.size(); at += 61) {
            std::vector<std::uint8_t> bytes = original;
            for (std::size_t k = 0; k < 4; ++k)
                bytes[at + k] = 0xFE;
            std::ofstream(copy, std::ios::binary | std::ios::trunc)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
            try {
                ReadWorkbookSheet(copy);
            } catch (const WorkbookError&) {
            }
        }
    });
    EXPECT_FALSE(out.empty()) << "the damaged copies no longer make libgsf complain";
    const std::string prefix = std::string(program_invocation_short_name) + ": ";
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line))
        EXPECT_EQ(line.rfind(prefix, 0), 0u) << "a line of its own: \"" << line << "\"";
    EXPECT_TRUE(out.empty() || out.back() == '\n');
}

// ---------------------------------------------------------------------------------------------
// Mutated copies: every outcome is either a sheet or a WorkbookError, never a crash, a hang or
// another exception. Runs under the sanitizers too.

std::vector<std::uint8_t> Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Save(const std::string& path, const std::vector<std::uint8_t>& bytes, std::size_t length) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(length));
}

// Reads the file; true when it was read, false on WorkbookError. Other exceptions escape.
bool ReadsOrRefuses(const std::string& path) {
    try {
        ReadWorkbookSheet(path);
        return true;
    } catch (const WorkbookError&) {
        return false;
    }
}

class Mutations : public ::testing::TestWithParam<const char*> {};

TEST_P(Mutations, TruncatedAndCorruptedCopiesFailCleanly) {
    const auto original = Load(Fixture(GetParam()));
    ASSERT_GT(original.size(), 100u);
    const std::string copy = ::testing::TempDir() + "/hc_workbook_mutation_" + GetParam();
    int read = 0;
    int refused = 0;

    std::vector<std::size_t> lengths = {1, 4, 7, 8, 9, 100, 511, 512, 513, 1024, 1535, 1536};
    for (int k = 1; k < 48; ++k)
        lengths.push_back(original.size() * k / 48);
    for (std::size_t length : lengths) {
        if (length >= original.size())
            continue;
        Save(copy, original, length);
        SCOPED_TRACE("truncated to " + std::to_string(length));
        ASSERT_NO_THROW(ReadsOrRefuses(copy) ? ++read : ++refused);
    }

    std::uint32_t state = 12345;  // deterministic positions and values
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    // The first 8 KiB hold the container structure and the start of the data: hit them hardest.
    const std::size_t dense = std::min<std::size_t>(original.size(), 8192);
    for (int i = 0; i < 300; ++i) {
        auto bytes = original;
        const std::size_t count = 1 + next() % 3;
        for (std::size_t j = 0; j < count; ++j) {
            const std::size_t at = (i % 2 ? next() % original.size() : next() % dense);
            const std::uint32_t how = next() % 4;
            bytes[at] = how == 0   ? 0xFF
                        : how == 1 ? 0x00
                                   : static_cast<std::uint8_t>(bytes[at] ^ (1u << (next() % 8)));
        }
        Save(copy, bytes, bytes.size());
        SCOPED_TRACE("mutation " + std::to_string(i));
        ASSERT_NO_THROW(ReadsOrRefuses(copy) ? ++read : ++refused);
    }
    std::filesystem::remove(copy);
    // Both outcomes must occur, or the mutations did not reach the reader.
    EXPECT_GT(refused, 0);
    RecordProperty("read", read);
    RecordProperty("refused", refused);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, Mutations,
                         ::testing::Values("biff8_cells.xls", "sst_tiny_records.xls",
                                           "xlwt_sample.xls", "cells.xlsx", "cells.ods"));

}  // namespace
}  // namespace hc
