// Loading the sample table: the count check, names of one character, columns marked empty
// (neither name nor values), the stages a load passes, and a typed error (kind, cell,
// Japanese and English reason) for every kind of cell or file the loader cannot take.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "common/core/numbers.h"
#include "support/scripted_platform.h"
#include "waterquality/core/workbook_load.h"

using namespace wq;
using hc::CellValue;
using hc::ErrorKind;

namespace {

// A workbook of n samples named "S01".. with Na = 10 i mg/L and the other ions 1..7.
hc::WorkbookSheet MakeSheet(int count, int filled) {
    hc::WorkbookSheet sheet;
    sheet.SetCell(10, 2, CellValue::Num(count));
    for (int i = 1; i <= filled; ++i) {
        sheet.SetCell(11, i + 1,
                      CellValue::Str(i < 10 ? "S0" + std::to_string(i) : "S" + std::to_string(i)));
        sheet.SetCell(12, i + 1, CellValue::Num(10.0 * i));
        for (int k = 1; k < 8; ++k)
            sheet.SetCell(12 + k, i + 1, CellValue::Num(k));
    }
    return sheet;
}

struct Books {
    std::map<std::string, hc::WorkbookSheet> books;
    std::vector<LoadStage> stages;
    LoadOptions options;
    Books() {
        options.readSheet = [this](const std::string& path) -> hc::Result<hc::WorkbookSheet> {
            auto it = books.find(path);
            if (it == books.end())
                return hc::FileError(ErrorKind::NotRecognised, path, "ブックではありません",
                                     "not a workbook");
            return it->second;
        };
    }
    hc::Result<SampleTable> Load(const std::string& path) {
        stages.clear();
        return LoadWorkbook(path, options, [this](LoadStage s) { stages.push_back(s); });
    }
};

using Stages = std::vector<LoadStage>;
const Stages kAllStages{LoadStage::CountRead, LoadStage::NamesRead, LoadStage::ValuesRead};

}  // namespace

TEST(LoadWorkbook, ThirtyTwoSamplesPassEveryStage) {
    Books f;
    f.books["/d/a.xls"] = MakeSheet(32, 32);
    hc::Result<SampleTable> t = f.Load("/d/a.xls");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Count(), 32);
    EXPECT_EQ(t->At(32).name, "S32");
    EXPECT_TRUE(t->At(32).drawn);
    EXPECT_DOUBLE_EQ(t->At(32).mg[kNa], 320.0);
    EXPECT_DOUBLE_EQ(t->At(5).mg[kNO3], 7.0);
    EXPECT_EQ(f.stages, kAllStages);  // the programs beep at each
}

TEST(LoadWorkbook, BadCountsNameTheCountCellAndStopAfterIt) {
    for (CellValue count : {CellValue::Num(33), CellValue::Num(0), CellValue::Num(-1), CellValue{},
                            CellValue::Num(32.6)}) {
        Books f;
        f.books["/d/bad.xls"] = MakeSheet(0, 20);
        f.books["/d/bad.xls"].SetCell(10, 2, count);
        hc::Result<SampleTable> t = f.Load("/d/bad.xls");
        ASSERT_FALSE(t) << count.number;
        const hc::Error& e = t.error();
        EXPECT_EQ(e.kind, ErrorKind::BadCount) << count.number;
        EXPECT_EQ(e.file, "/d/bad.xls");
        EXPECT_EQ(e.cell, "B10");
        // An empty cell counts 0; 32.6 rounds to 33.
        const std::string shown = count.IsEmpty()     ? "0"
                                  : count.number > 32 ? "33"
                                                      : hc::DoubleToText(count.number);
        EXPECT_EQ(e.English(),
                  "/d/bad.xls: cell B10: the sample count " + shown + " is not between 1 and 32");
        EXPECT_EQ(e.Japanese(),
                  "/d/bad.xls: セル B10: データ数 " + shown + " は 1 から 32 の範囲にありません");
        EXPECT_EQ(f.stages, Stages{LoadStage::CountRead});
    }
}

TEST(LoadWorkbook, CountIsRoundedHalfToEven) {
    Books f;
    f.books["/d/r.xls"] = MakeSheet(0, 32);
    f.books["/d/r.xls"].SetCell(10, 2, CellValue::Num(32.5));  // rounds to 32, not 33
    hc::Result<SampleTable> t = f.Load("/d/r.xls");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Count(), 32);
    f.books["/d/r.xls"].SetCell(10, 2, CellValue::Str(" 3 "));  // a numeric text counts too
    t = f.Load("/d/r.xls");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Count(), 3);
}

TEST(LoadWorkbook, NamesOfOneCharacterMarkTheColumnEmpty) {
    Books f;
    hc::WorkbookSheet s = MakeSheet(5, 5);
    s.SetCell(11, 2, CellValue::Str("A"));     // one letter: empty column
    s.SetCell(11, 3, CellValue::Num(7));       // the number 7: empty column
    s.SetCell(11, 4, CellValue::Str("A1"));    // drawn
    s.SetCell(11, 5, CellValue::Str("井"));    // one wide character: empty column
    s.SetCell(11, 6, CellValue::Str("井戸"));  // two characters: drawn
    s.SetCell(20, 2, CellValue::Str("●"));
    s.SetCell(21, 2, CellValue::Str("12"));
    f.books["/d/n.xls"] = s;
    f.options.extraRows = ReadMarkAndColour;
    hc::Result<SampleTable> t = f.Load("/d/n.xls");
    ASSERT_TRUE(t);
    ASSERT_EQ(t->Count(), 5);
    const bool drawn[] = {false, false, true, false, true};
    const char* names[] = {"", "", "A1", "", "井戸"};
    for (int i = 1; i <= 5; ++i) {
        const Sample& x = t->At(i);
        EXPECT_EQ(x.drawn, drawn[i - 1]) << i;
        EXPECT_EQ(x.name, names[i - 1]) << i;
        // An empty column is not read: the analysis, mark and colour below its name are not
        // the sample's.
        if (!x.drawn) {
            EXPECT_EQ(x.mg, IonValues{}) << i;
            EXPECT_EQ(x.mark, "") << i;
            EXPECT_EQ(x.colour, 0) << i;
        }
    }
    EXPECT_DOUBLE_EQ(t->At(3).mg[kNa], 30);
}

TEST(LoadWorkbook, EmptyIonCellsReadAsZeroAndNumericTextsAsNumbers) {
    Books f;
    hc::WorkbookSheet s = MakeSheet(3, 3);
    s.SetCell(13, 3, CellValue{});               // K of sample 2 empty
    s.SetCell(14, 4, CellValue::Str(" 12.5 "));  // numeric text
    f.books["/d/z.xls"] = s;
    hc::Result<SampleTable> t = f.Load("/d/z.xls");
    ASSERT_TRUE(t);
    EXPECT_DOUBLE_EQ(t->At(2).mg[kK], 0.0);
    EXPECT_DOUBLE_EQ(t->At(3).mg[kCa], 12.5);
}

TEST(LoadWorkbook, EveryUnusableCellIsATypedErrorAtItsCell) {
    struct Case {
        const char* what;
        int row, column;
        CellValue cell;
        bool marks;          // read with ternaryplot's rows 20 and 21
        const char* ref;     // the cell named
        const char* ja;      // part of the Japanese reason
        const char* en;      // part of the English reason
        std::size_t stages;  // stages passed before it
    };
    const Case cases[] = {
        {"count as text", 10, 2, CellValue::Str("十"), false, "B10", "数値でない「十」", "\"十\"",
         0},
        {"count beyond any integer", 10, 2, CellValue::Num(1e10), false, "B10", "大きすぎる",
         "range", 0},
        {"count as error value", 10, 2, CellValue::Err("#REF!"), false, "B10", "#REF!", "#REF!", 0},
        {"name as error value", 11, 3, CellValue::Err("#N/A"), false, "C11", "エラー値 #N/A",
         "#N/A", 1},
        {"Cl as text", 16, 5, CellValue::Str("n.d."), false, "E16", "数値でない「n.d.」",
         "the cell holds the text \"n.d.\" where a number is expected", 2},
        {"Ca as error value", 14, 4, CellValue::Err("#DIV/0!"), false, "D14", "#DIV/0!", "#DIV/0!",
         2},
        {"mark as error value", 20, 2, CellValue::Err("#NAME?"), true, "B20", "#NAME?", "#NAME?",
         2},
        {"colour as text", 21, 3, CellValue::Str("赤色"), true, "C21", "数値でない「赤色」",
         "\"赤色\"", 2},
    };
    for (const Case& c : cases) {
        Books f;
        hc::WorkbookSheet s = MakeSheet(4, 4);
        s.SetCell(c.row, c.column, c.cell);
        f.books["/d/bad.xls"] = s;
        if (c.marks)
            f.options.extraRows = ReadMarkAndColour;
        hc::Result<SampleTable> t = f.Load("/d/bad.xls");
        ASSERT_FALSE(t) << c.what;
        const hc::Error& e = t.error();
        EXPECT_EQ(e.kind, ErrorKind::BadValue) << c.what;
        EXPECT_EQ(e.file, "/d/bad.xls") << c.what;
        EXPECT_EQ(e.cell, c.ref) << c.what;
        EXPECT_NE(e.ja.find(c.ja), std::string::npos) << c.what << ": " << e.ja;
        EXPECT_NE(e.en.find(c.en), std::string::npos) << c.what << ": " << e.en;
        EXPECT_EQ(f.stages.size(), c.stages) << c.what;  // a beep for each stage passed
    }
    // The place stands between the file and the reason.
    Books f;
    f.books["/d/bad.xls"] = MakeSheet(4, 4);
    f.books["/d/bad.xls"].SetCell(16, 5, CellValue::Str("n.d."));
    hc::Result<SampleTable> t = f.Load("/d/bad.xls");
    ASSERT_FALSE(t);
    EXPECT_EQ(t.error().English(),
              "/d/bad.xls: cell E16: the cell holds the text \"n.d.\" where a number is expected");
    EXPECT_EQ(t.error().Japanese(), "/d/bad.xls: セル E16: 数値でない「n.d.」があります");
}

TEST(LoadWorkbook, TheReadersErrorComesThroughBeforeAnyStage) {
    Books f;
    hc::Result<SampleTable> t = f.Load("/d/missing.xls");
    ASSERT_FALSE(t);
    EXPECT_EQ(t.error().kind, ErrorKind::NotRecognised);
    EXPECT_EQ(t.error().file, "/d/missing.xls");
    EXPECT_TRUE(f.stages.empty());
}

TEST(ReadSheet1, FilesThatCannotBeOpenedAndFilesThatAreNoWorkbook) {
    struct Case {
        std::string path;
        ErrorKind kind;
        const char* en;
    };
    const Case cases[] = {
        {hc::test::SourcePath("examples/no-such.xls"), ErrorKind::CannotRead, "no such file"},
        {hc::test::SourcePath("examples"), ErrorKind::CannotRead, "it is a folder"},
        {"/dev/null", ErrorKind::CannotRead, "it is not a regular file"},
        {hc::test::SourcePath("examples/README.md"), ErrorKind::NotRecognised, "not a workbook"},
    };
    for (const Case& c : cases) {
        hc::Result<hc::WorkbookSheet> r = ReadSheet1(c.path);
        ASSERT_FALSE(r) << c.path;
        EXPECT_EQ(r.error().kind, c.kind) << c.path;
        EXPECT_EQ(r.error().file, c.path);
        EXPECT_NE(r.error().en.find(c.en), std::string::npos) << r.error().en;
        // The path is the Error's file, not part of its reason.
        EXPECT_EQ(r.error().en.find(c.path), std::string::npos) << r.error().en;
        EXPECT_FALSE(r.error().ja.empty());
    }
    EXPECT_TRUE(ReadSheet1(hc::test::SourcePath("examples/sample12.ods")));
}

// Two links naming each other: the file is there in name, but no name leads to it.
TEST(ReadSheet1, LinkLoopIsNoMissingFile) {
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) / "hc_read_sheet1_loop";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::filesystem::create_symlink("b.xls", dir / "a.xls");
    std::filesystem::create_symlink("a.xls", dir / "b.xls");
    hc::Result<hc::WorkbookSheet> r = ReadSheet1((dir / "a.xls").string());
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().kind, ErrorKind::CannotRead);
    EXPECT_EQ(r.error().en, "a loop of symbolic links");
    EXPECT_EQ(r.error().ja, "シンボリックリンクが循環しています");
    std::filesystem::remove_all(dir);
}

TEST(ReadMarkAndColour, ColourNeedsTwoCharactersAndStaysInThePalette) {
    hc::WorkbookSheet s = MakeSheet(6, 6);
    s.SetCell(20, 2, CellValue::Str("●x"));
    s.SetCell(21, 2, CellValue::Num(9));     // single digit number: black
    s.SetCell(21, 3, CellValue::Str("09"));  // two characters: 9
    s.SetCell(21, 4, CellValue::Num(12));    // "12": 12
    s.SetCell(21, 5, CellValue::Num(16));    // out of the palette: 0
    s.SetCell(21, 6, CellValue::Str("-1"));  // out of the palette: 0
    Sample x[5];
    for (int i = 1; i <= 5; ++i)
        ASSERT_TRUE(ReadMarkAndColour(s, i, x[i - 1])) << i;
    EXPECT_EQ(x[0].mark, "●");
    EXPECT_EQ(x[1].mark, "");
    const int colours[] = {0, 9, 12, 0, 0};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(x[i].colour, colours[i]) << i + 1;
}
