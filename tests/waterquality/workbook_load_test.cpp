// Loading the sample table: the count check and its message, names of one character, columns
// marked empty, a smaller load after a larger one, and a failure half-way through.
#include <gtest/gtest.h>

#include <map>

#include "support/scripted_platform.h"
#include "waterquality/core/workbook_load.h"

using namespace wq;
using hc::CellValue;

namespace {

class RecordingHost : public LoadHost {
  public:
    std::vector<std::string> events;
    std::string caption;
    void ShowLoadingNotice() override { events.push_back("show"); }
    void CloseLoadingNotice() override { events.push_back("close"); }
    void SetCaption(const std::string& c) override {
        caption = c;
        events.push_back("caption");
    }
    void FocusMain() override { events.push_back("focus"); }
};

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

struct Fixture {
    hc::test::ScriptedPlatform platform;
    RecordingHost host;
    std::map<std::string, hc::WorkbookSheet> books;
    LoadOptions options;
    Fixture() {
        options.captionPrefix = "ヘキサダイヤグラム < ";
        options.messageTitle = "sixsideplot";
        options.readSheet = [this](const std::string& path) {
            auto it = books.find(path);
            if (it == books.end())
                throw hc::WorkbookError("not a workbook");
            return it->second;
        };
    }
    LoadReport Load(const std::string& path, SampleTable& t) {
        return LoadWorkbook(path, t, platform, host, options);
    }
};

}  // namespace

TEST(LoadWorkbook, ThirtyTwoSamplesLoadWithCaptionBeepsAndNotice) {
    Fixture f;
    f.books["/d/a.xls"] = MakeSheet(32, 32);
    SampleTable t;
    LoadReport r = f.Load("/d/a.xls", t);
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(t.SampleCount, 32);
    EXPECT_EQ(t.SampleName[32], "S32");
    EXPECT_EQ(t.SampleValid[32], 1);
    EXPECT_DOUBLE_EQ(t.RawMg[32][kNa], 320.0);
    EXPECT_DOUBLE_EQ(t.RawMg[5][kNO3], 7.0);
    EXPECT_EQ(f.host.caption, "ヘキサダイヤグラム < /d/a.xls >");
    EXPECT_EQ(f.platform.beeps, 3);  // after the count, the names and the values
    EXPECT_TRUE(f.platform.messages.empty());
    EXPECT_EQ(f.host.events, (std::vector<std::string>{"show", "caption", "close", "focus"}));
}

TEST(LoadWorkbook, BadCountsGiveTheMessageAndKeepThePreviousTable) {
    for (double count : {33.0, 0.0, -1.0}) {
        Fixture f;
        f.books["/d/good.xls"] = MakeSheet(12, 12);
        f.books["/d/bad.xls"] = MakeSheet(0, 20);
        f.books["/d/bad.xls"].SetCell(10, 2, CellValue::Num(count));
        SampleTable t;
        ASSERT_EQ(f.Load("/d/good.xls", t).status, LoadStatus::Loaded);
        f.platform.beeps = 0;
        f.host.events.clear();
        f.host.caption.clear();
        LoadReport r = f.Load("/d/bad.xls", t);
        EXPECT_EQ(r.status, LoadStatus::BadCount) << count;
        ASSERT_EQ(f.platform.messages.size(), 1u);
        EXPECT_EQ(f.platform.messages[0].text,
                  "データ数入力欄に数値がないか、値が大きすぎます\rデータファイルは正しく作成してく"
                  "ださいね！！！");
        EXPECT_EQ(f.platform.messages[0].title, "sixsideplot");
        EXPECT_EQ(f.platform.beeps, 3);  // after the count, before and after the message
        EXPECT_EQ(t.SampleCount, 12);
        EXPECT_EQ(t.SampleName[12], "S12");
        EXPECT_TRUE(f.host.caption.empty());
        // The notice is gone before the message shows.
        EXPECT_EQ(f.host.events, (std::vector<std::string>{"show", "close"}));
    }
}

TEST(LoadWorkbook, EmptyCountCellIsABadCount) {
    Fixture f;
    f.books["/d/e.xls"] = MakeSheet(0, 3);
    f.books["/d/e.xls"].SetCell(10, 2, CellValue{});
    SampleTable t;
    EXPECT_EQ(f.Load("/d/e.xls", t).status, LoadStatus::BadCount);
    EXPECT_EQ(t.SampleCount, 0);
}

TEST(LoadWorkbook, CountIsRoundedHalfToEven) {
    Fixture f;
    f.books["/d/r.xls"] = MakeSheet(0, 32);
    f.books["/d/r.xls"].SetCell(10, 2, CellValue::Num(32.5));  // rounds to 32, not 33
    SampleTable t;
    EXPECT_EQ(f.Load("/d/r.xls", t).status, LoadStatus::Loaded);
    EXPECT_EQ(t.SampleCount, 32);
    f.books["/d/r.xls"].SetCell(10, 2, CellValue::Str(" 3 "));  // a numeric text counts too
    EXPECT_EQ(f.Load("/d/r.xls", t).status, LoadStatus::Loaded);
    EXPECT_EQ(t.SampleCount, 3);
}

TEST(LoadWorkbook, NamesOfOneCharacterMarkTheColumnEmpty) {
    Fixture f;
    hc::WorkbookSheet s = MakeSheet(5, 5);
    s.SetCell(11, 2, CellValue::Str("A"));     // one letter: empty column
    s.SetCell(11, 3, CellValue::Num(7));       // the number 7: empty column
    s.SetCell(11, 4, CellValue::Str("A1"));    // drawn
    s.SetCell(11, 5, CellValue::Str("井"));    // one wide character: empty column
    s.SetCell(11, 6, CellValue::Str("井戸"));  // two characters: drawn
    f.books["/d/n.xls"] = s;
    SampleTable t;
    t.RawMg[1][kNa] = 99;  // an empty column is not read and keeps what it held
    ASSERT_EQ(f.Load("/d/n.xls", t).status, LoadStatus::Loaded);
    EXPECT_EQ(t.SampleValid[1], 0);
    EXPECT_EQ(t.SampleName[1], "");
    EXPECT_DOUBLE_EQ(t.RawMg[1][kNa], 99);
    EXPECT_EQ(t.SampleValid[2], 0);
    EXPECT_EQ(t.SampleValid[3], 1);
    EXPECT_EQ(t.SampleName[3], "A1");
    EXPECT_EQ(t.SampleValid[4], 0);
    EXPECT_EQ(t.SampleValid[5], 1);
    EXPECT_EQ(t.SampleName[5], "井戸");
}

TEST(LoadWorkbook, TenSamplesAfterTwentyLeaveTheRestAboveTheCount) {
    Fixture f;
    f.books["/d/20.xls"] = MakeSheet(20, 20);
    f.books["/d/10.xls"] = MakeSheet(10, 10);
    SampleTable t;
    ASSERT_EQ(f.Load("/d/20.xls", t).status, LoadStatus::Loaded);
    ASSERT_EQ(f.Load("/d/10.xls", t).status, LoadStatus::Loaded);
    EXPECT_EQ(t.SampleCount, 10);
    // Entries above the count keep their old contents; consumers stop at SampleCount.
    EXPECT_EQ(t.SampleName[15], "S15");
}

TEST(LoadWorkbook, EmptyIonCellsReadAsZeroAndTextsFailTheLoadWhole) {
    Fixture f;
    hc::WorkbookSheet s = MakeSheet(3, 3);
    s.SetCell(13, 3, CellValue{});               // K of sample 2 empty
    s.SetCell(14, 4, CellValue::Str(" 12.5 "));  // numeric text
    f.books["/d/z.xls"] = s;
    SampleTable t;
    ASSERT_EQ(f.Load("/d/z.xls", t).status, LoadStatus::Loaded);
    EXPECT_DOUBLE_EQ(t.RawMg[2][kK], 0.0);
    EXPECT_DOUBLE_EQ(t.RawMg[3][kCa], 12.5);

    hc::WorkbookSheet bad = MakeSheet(4, 4);
    bad.SetCell(11, 2, CellValue::Str("新しい名前"));
    bad.SetCell(16, 5, CellValue::Str("n.d."));  // Cl of sample 4 is no number
    f.books["/d/bad.xls"] = bad;
    f.platform.messages.clear();
    f.host.events.clear();
    LoadReport r = f.Load("/d/bad.xls", t);
    EXPECT_EQ(r.status, LoadStatus::Failed);
    EXPECT_NE(r.reason.find("bad.xls"), std::string::npos);
    EXPECT_NE(r.reason.find("n.d."), std::string::npos);
    EXPECT_TRUE(f.platform.messages.empty());  // no message box for such failures
    // Nothing of the failed load reached the table, and the notice was closed.
    EXPECT_EQ(t.SampleCount, 3);
    EXPECT_EQ(t.SampleName[1], "S01");
    EXPECT_EQ(f.host.events.back(), "close");
    // The caption still names the file whose data is shown.
    EXPECT_EQ(f.host.caption, "ヘキサダイヤグラム < /d/z.xls >");
}

TEST(LoadWorkbook, UnreadableFileFailsQuietly) {
    Fixture f;
    SampleTable t;
    LoadReport r = f.Load("/d/missing.xls", t);
    EXPECT_EQ(r.status, LoadStatus::Failed);
    EXPECT_TRUE(f.platform.messages.empty());
    EXPECT_EQ(f.platform.beeps, 0);
    EXPECT_EQ(f.host.events, (std::vector<std::string>{"show", "close"}));
}

TEST(ReadMarkAndColour, ColourNeedsTwoCharactersAndStaysInThePalette) {
    Fixture f;
    hc::WorkbookSheet s = MakeSheet(6, 6);
    s.SetCell(20, 2, CellValue::Str("●x"));
    s.SetCell(21, 2, CellValue::Num(9));     // single digit number: black
    s.SetCell(21, 3, CellValue::Str("09"));  // two characters: 9
    s.SetCell(21, 4, CellValue::Num(12));    // "12": 12
    s.SetCell(21, 5, CellValue::Num(16));    // out of the palette: 0
    s.SetCell(21, 6, CellValue::Str("-1"));  // out of the palette: 0
    f.books["/d/m.xls"] = s;
    f.options.extraRows = ReadMarkAndColour;
    SampleTable t;
    ASSERT_EQ(f.Load("/d/m.xls", t).status, LoadStatus::Loaded);
    EXPECT_EQ(t.SampleMark[1], "●");
    EXPECT_EQ(t.SampleMark[2], "");
    EXPECT_EQ(t.SampleColor[1], 0);
    EXPECT_EQ(t.SampleColor[2], 9);
    EXPECT_EQ(t.SampleColor[3], 12);
    EXPECT_EQ(t.SampleColor[4], 0);
    EXPECT_EQ(t.SampleColor[5], 0);
}

TEST(OpenTemplate, HandsTheTemplateToTheDesktop) {
    hc::test::ScriptedPlatform p;
    p.dataFiles["hinagata.xls"] = "/opt/share/hinagata.xls";
    TemplateResult r = OpenTemplate("/start", p);
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.path, "/opt/share/hinagata.xls");
    ASSERT_EQ(p.desktopOpened.size(), 1u);
    EXPECT_EQ(p.desktopOpened[0], "/opt/share/hinagata.xls");

    hc::test::ScriptedPlatform none;
    TemplateResult missing = OpenTemplate("/nowhere", none);
    EXPECT_FALSE(missing.opened);
    EXPECT_TRUE(none.desktopOpened.empty());
    EXPECT_FALSE(missing.reason.empty());
}
