#include <gtest/gtest.h>

#include <cmath>

#include <QTemporaryDir>

#include "common/core/file_write.h"
#include "rainprob/core/rain_data.h"
#include "support/scripted_platform.h"
#include "test_data.h"

using namespace rain;

namespace {

// The normal distribution function, and its inverse by bisection: a second method, slow but
// independent of the rational approximation under test.
double Phi(double z) {
    return 0.5 * std::erfc(-z / std::sqrt(2.0));
}
double InverseByBisection(double p) {
    double lo = -40, hi = 40;
    for (int i = 0; i < 200; ++i) {
        double mid = (lo + hi) / 2;
        (Phi(mid) < p ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

}  // namespace

TEST(NormalTable, KnownDeviatesFromPublishedTables) {
    const NormalTable& t = StandardNormalTable();
    EXPECT_EQ(t[0], 0.0);
    EXPECT_NEAR(t[400], 1.2816, 5e-5);  // p = 0.9
    EXPECT_NEAR(t[480], 2.0537, 5e-5);  // p = 0.98
    EXPECT_NEAR(t[499], 3.0902, 5e-5);  // p = 0.999
    EXPECT_NEAR(t[475], 1.959964, 1e-6);
    EXPECT_NEAR(t[250], 0.674490, 1e-6);
    for (std::size_t k = 500; k < t.size(); ++k)
        EXPECT_EQ(t[k], 0.0) << k;
}

TEST(NormalTable, EveryEntryAgreesWithASecondMethod) {
    const NormalTable& t = StandardNormalTable();
    for (int k = 1; k < 500; ++k) {
        double p = 0.5 + k / 1000.0;
        EXPECT_NEAR(t[static_cast<std::size_t>(k)], InverseByBisection(p), 1e-12) << k;
        EXPECT_GT(t[static_cast<std::size_t>(k)], t[static_cast<std::size_t>(k - 1)]);
    }
}

TEST(NormalTable, InverseNormalInTheTailsAndSymmetry) {
    EXPECT_NEAR(InverseNormal(1e-10), -6.361340902404056, 1e-9);
    EXPECT_NEAR(InverseNormal(0.01), -2.326347874040841, 1e-12);
    for (double p : {0.001, 0.02, 0.3, 0.4999})
        EXPECT_NEAR(InverseNormal(1 - p), -InverseNormal(p), 1e-12) << p;
}

TEST(NormalTable, LookupByProbability) {
    const NormalTable& t = StandardNormalTable();
    EXPECT_EQ(NormalDeviate(t, 0.9), t[400]);
    EXPECT_EQ(NormalDeviate(t, 0.98), t[480]);
    EXPECT_EQ(NormalDeviate(t, 0.999), t[499]);
    EXPECT_EQ(NormalDeviate(t, 0.001), -t[499]);
    EXPECT_EQ(NormalDeviate(t, 0.1), -t[400]);
    EXPECT_EQ(NormalDeviate(t, 0.5), 0.0);
    // No interpolation: 0.9004 reads the entry of 0.900, 0.9006 that of 0.901.
    EXPECT_EQ(NormalDeviate(t, 0.9004), t[400]);
    EXPECT_EQ(NormalDeviate(t, 0.9006), t[401]);
}

TEST(RainFile, CommaAndBlankLayoutsReadTheSameRecord) {
    RainTable a = ParseRainText("1991,1200\r\n").value();
    RainTable b = ParseRainText("   1991   1200\r\n").value();
    RainTable c = ParseRainText("1991\n1200").value();  // one item a line is list input too
    for (const RainTable* t : {&a, &b, &c}) {
        ASSERT_EQ(t->Count(), 1);
        EXPECT_EQ(t->Years[0], 1991);
        EXPECT_EQ(t->Rain[0], 1200);
    }
}

TEST(RainFile, LineBreaksAndBlankLines) {
    EXPECT_EQ(ParseRainText("1991 1200\r\n1992 1300\r\n").value().Count(), 2);
    EXPECT_EQ(ParseRainText("1991 1200\r\n1992 1300").value().Count(), 2);
    // Blank lines, as the editor leaves them, are skipped wherever they stand between records.
    RainTable t = ParseRainText("1991 1200\r\n\r\n   \r\n1992 1300\r\n\r\n\r\n").value();
    ASSERT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Rain[1], 1300);
    EXPECT_EQ(ParseRainText("").value().Count(), 0);
    EXPECT_EQ(ParseRainText("\r\n\r\n").value().Count(), 0);
}

TEST(RainFile, NumbersAreRoundedHalfToEvenAndAmountsNotRangeChecked) {
    RainTable t = ParseRainText("1991 1200.5\n1992 1201.5\n1 -30\n2999 0\n").value();
    ASSERT_EQ(t.Count(), 4);
    EXPECT_EQ(t.Rain[0], 1200);
    EXPECT_EQ(t.Rain[1], 1202);
    EXPECT_EQ(t.Years[2], 1);
    EXPECT_EQ(t.Rain[2], -30);
    EXPECT_EQ(t.Years[3], 2999);
}

TEST(RainFile, RecordsMayRunAcrossLinesInPairsOrSingleItems) {
    for (const char* text : {"1991\n1200 1992\n1300\n", "1991,1200,1992,1300\n",
                             "1991 1200 1992 1300\n", "1991\n1200\n1992, 1300,\n"}) {
        hc::Result<RainTable> t = ParseRainText(text);
        ASSERT_TRUE(t) << text << ": " << t.error().en;
        EXPECT_EQ(t->Years, (std::vector<std::int32_t>{1991, 1992})) << text;
        EXPECT_EQ(t->Rain, (std::vector<std::int32_t>{1200, 1300})) << text;
    }
}

// Every kind of malformed record file, with the line and the reason in both languages.
TEST(RainFile, FaultsNameTheirKindLineAndReason) {
    std::vector<std::int32_t> many(258, 1000);
    struct Case {
        std::string text;
        hc::ErrorKind kind;
        int line;
        const char* ja;
        const char* en;
    };
    const Case cases[] = {
        {"1991 1200\n1992 12x0\n", hc::ErrorKind::BadValue, 2, "「12x0」は数値ではありません",
         "\"12x0\" is not a number"},
        // A prepared line never filled in.
        {"1991 1200\n   1992   \r\n", hc::ErrorKind::BadValue, 3,
         "1992 年の降水量がないままファイルが終わっています",
         "the amount of year 1992 is missing at the end of the file"},
        {"1991,,1200\n", hc::ErrorKind::BadValue, 1, "数値があるべきところが空です",
         "an empty line where a number was expected"},
        {"1991 99999999999\n", hc::ErrorKind::BadValue, 1, "99999999999 は大きすぎます",
         "99999999999 is too large"},
        {"1991,   ", hc::ErrorKind::BadValue, 1, "項目があるべきところでファイルが終わっています",
         "the file ends where an item was expected"},
        {test::RecordText(many), hc::ErrorKind::BadCount, 258, "記録が 257 年分を超えています",
         "more than 257 records"},
        // A decimal comma makes three items of a record: refused, not read on as year 5.
        {"1980 990\n1981 1000,5\n1982 1100,2\n", hc::ErrorKind::BadValue, 2,
         "この行に 3 個の数値があります（年と降水量の組になりません。小数点にコンマを使って"
         "いませんか）",
         "the line holds 3 numbers, not pairs of a year and an amount (a decimal comma?)"},
        {"1981,1000,5\r\n1982,1100,2\r\n", hc::ErrorKind::BadValue, 1,
         "この行に 3 個の数値があります（年と降水量の組になりません。小数点にコンマを使って"
         "いませんか）",
         "the line holds 3 numbers, not pairs of a year and an amount (a decimal comma?)"},
        // The mask editor's years.
        {"1991 1200\n0 1300\n", hc::ErrorKind::BadValue, 2, "年 0 は 1～2999 年の範囲にありません",
         "year 0 is outside 1 to 2999"},
        {"3000\n1200\n", hc::ErrorKind::BadValue, 1, "年 3000 は 1～2999 年の範囲にありません",
         "year 3000 is outside 1 to 2999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.en);
        hc::Result<RainTable> t = ParseRainText(c.text);
        ASSERT_FALSE(t);
        EXPECT_EQ(t.error().kind, c.kind);
        EXPECT_EQ(t.error().line, c.line);
        EXPECT_EQ(t.error().ja, c.ja);
        EXPECT_EQ(t.error().en, c.en);
        EXPECT_EQ(t.error().file, "");
    }
}

TEST(RainFile, AtMost257Records) {
    std::vector<std::int32_t> amounts(257, 1000);
    EXPECT_EQ(ParseRainText(test::RecordText(amounts)).value().Count(), 257);
    amounts.push_back(1000);
    EXPECT_FALSE(ParseRainText(test::RecordText(amounts)));
}

TEST(RainFile, LoadsTheShippedExamples) {
    RainTable t = LoadRainFile(hc::test::SourcePath("examples/rainprob/textbook26.txt")).value();
    EXPECT_EQ(t.Count(), 26);
    EXPECT_EQ(t.DataPath, hc::test::SourcePath("examples/rainprob/textbook26.txt"));
    RainTable c =
        LoadRainFile(hc::test::SourcePath("examples/rainprob/textbook26_comma.txt")).value();
    EXPECT_EQ(c.Rain, t.Rain);
    EXPECT_EQ(c.Years, t.Years);
    std::vector<std::int32_t> sorted = t.Rain;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, test::kTextbookMm);
}

TEST(RainFile, ErrorsOfAFileNameIt) {
    hc::Result<RainTable> missing = LoadRainFile("/nonexistent/rain.txt");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().kind, hc::ErrorKind::CannotRead);
    EXPECT_EQ(missing.error().line, 0);
    EXPECT_EQ(missing.error().Japanese(), "/nonexistent/rain.txt: ファイルまたはフォルダがありません");
    EXPECT_EQ(missing.error().English(), "/nonexistent/rain.txt: no such file or folder");

    QTemporaryDir dir;
    const std::string path = dir.filePath("bad.txt").toStdString();
    ASSERT_TRUE(hc::WriteFileAtomically(path, "1990 1000\n1991 1x00\n"));
    hc::Result<RainTable> bad = LoadRainFile(path);
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error().English(), path + ": line 2: \"1x00\" is not a number");
    EXPECT_EQ(bad.error().Japanese(), path + ": 2 行目: 「1x00」は数値ではありません");
}
