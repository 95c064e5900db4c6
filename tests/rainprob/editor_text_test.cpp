#include <gtest/gtest.h>

#include "rainprob/core/editor_text.h"
#include "rainprob/core/help_texts.h"
#include "rainprob/core/rain_data.h"

using namespace rain;

TEST(EditorText, PreparedLinesForThreeYears) {
    EXPECT_EQ(PreparedText(1991, 1993), "   1991   \r\n   1992   \r\n   1993   ");
    EXPECT_EQ(PreparedText(1993, 1993), "   1993   ");
    // Oldest after newest: the single line of the newest year.
    EXPECT_EQ(PreparedText(2000, 1990), "   1990   ");
}

TEST(EditorText, PreparedLinesFilledInMakeAFile) {
    std::string text = PreparedText(1991, 1993);
    // The user types each amount after its year.
    std::string filled;
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0)
            filled += std::to_string(1000 + 100 * n++);
        filled += text[i];
    }
    filled += "1300";
    RainTable t = ParseRainText(FileTextFromEditor(filled)).value();
    ASSERT_EQ(t.Count(), 3);
    EXPECT_EQ(t.Years, (std::vector<std::int32_t>{1991, 1992, 1993}));
    EXPECT_EQ(t.Rain, (std::vector<std::int32_t>{1000, 1100, 1300}));
    // Left unfilled, the file cannot be read.
    EXPECT_FALSE(ParseRainText(FileTextFromEditor(text)));
}

TEST(EditorText, YearChecks) {
    EXPECT_EQ(ParseEditorYear("1"), 1);
    EXPECT_EQ(ParseEditorYear("2999"), 2999);
    EXPECT_EQ(ParseEditorYear(" 1991 "), 1991);
    EXPECT_FALSE(ParseEditorYear("0"));
    EXPECT_FALSE(ParseEditorYear("3000"));
    EXPECT_FALSE(ParseEditorYear("-5"));
    EXPECT_FALSE(ParseEditorYear("abc"));
    EXPECT_FALSE(ParseEditorYear(""));
    EXPECT_FALSE(ParseEditorYear("1991.5"));
    EXPECT_FALSE(ParseEditorYear("1e20"));
    EXPECT_EQ(DefaultNewestYear(2026), 2025);
    EXPECT_EQ(DefaultOldestYear(2026), 1996);  // a 30-year span ending last year
}

TEST(EditorText, FileRoundTrip) {
    const std::string file = "   1991   1200\r\n   1992   1300\r\n   1993   1250\r\n";
    auto text = EditorTextFromFile(file);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "   1991   1200\r\n   1992   1300\r\n   1993   1250");
    EXPECT_EQ(FileTextFromEditor(*text), file);
    // LF-only files and a missing last line break read the same lines.
    EXPECT_EQ(EditorTextFromFile("a\nb\nc").value(), "a\r\nb\r\nc");
    // An empty line inside stays a line.
    EXPECT_EQ(EditorTextFromFile("a\r\n\r\nb\r\n").value(), "a\r\n\r\nb");
    // The editor's own LF line ends are written as CR LF.
    EXPECT_EQ(FileTextFromEditor("a\nb"), "a\r\nb\r\n");
}

TEST(EditorText, EmptyAndOverlongFilesAreNotOpened) {
    EXPECT_FALSE(EditorTextFromFile(""));
    std::string lines;
    for (int i = 0; i < 257; ++i)
        lines += "1991 1000\r\n";
    EXPECT_TRUE(EditorTextFromFile(lines));
    for (const std::string& longer : {lines + "1991 1000\r\n", lines + "1991 1000"}) {
        hc::Result<std::string> refused = EditorTextFromFile(longer);
        ASSERT_FALSE(refused);
        EXPECT_EQ(refused.error().kind, hc::ErrorKind::BadCount);
        EXPECT_EQ(refused.error().en, "more than 257 lines");
    }
}

TEST(HelpTexts, TitlesAndLineEnds) {
    HelpText use = DrawingHelp();
    EXPECT_EQ(use.title, "作図方法と印刷にあたっての注意点です");
    EXPECT_EQ(use.text.rfind("年降水量の非超過確率を計算し作図・印刷するプログラムです。  \r\n"
                             "処理する年降水量データは、",
                             0),
              0u);
    EXPECT_TRUE(use.text.ends_with("調節してみてください。\r\n"));
    HelpText data = DataFileHelp();
    EXPECT_EQ(data.title, "データファイルの作成にあたっての注意点です");
    // Blank lines are skipped when a file is read (RainFile.LineBreaksAndBlankLines), and the
    // help says so instead of warning that they make the file fail.
    EXPECT_TRUE(data.text.ends_with("その行は読み飛ばされます。 \r"));
    EXPECT_EQ(data.text.find("エラー"), std::string::npos);
    HelpText ana = AnalysisHelp();
    EXPECT_EQ(ana.title, "解析項目について");
    EXPECT_TRUE(ana.text.ends_with("有効になります。"));
    EXPECT_NE(ana.text.find("できるようにしました。\r\nデフォルトでは"), std::string::npos);
    // 13, 12 and 7 lines: every line but the last of the third text ends with CR.
    auto count = [](const std::string& s, char c) { return std::count(s.begin(), s.end(), c); };
    EXPECT_EQ(count(use.text, '\r'), 13);
    EXPECT_EQ(count(use.text, '\n'), 3);
    EXPECT_EQ(count(data.text, '\r'), 12);
    EXPECT_EQ(count(data.text, '\n'), 1);
    EXPECT_EQ(count(ana.text, '\r'), 6);
    EXPECT_EQ(count(ana.text, '\n'), 2);
}
