// What a table written as text is made of: CSV fields quoted where a spreadsheet would split
// them, and terminal columns counted as the terminal counts them (a Japanese character takes
// two, a combining mark none), never cutting a character.
#include <gtest/gtest.h>

#include "common/core/csv.h"
#include "common/core/text_columns.h"

namespace hc {
namespace {

TEST(CsvField, QuotedWhereASpreadsheetWouldSplitTheField) {
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {"W17-2001-06", "W17-2001-06"},
        {"井戸A", "井戸A"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"ND\"", "\"say \"\"ND\"\"\""},
        {"line\nbreak", "\"line\nbreak\""},
        {"return\rhere", "\"return\rhere\""},
        {"crlf\r\n", "\"crlf\r\n\""},
        {"tab\there", "tab\there"},  // a comma-separated file keeps a tab as text
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvField(c.text), c.written) << c.text;
    CsvTable t;
    t.Row({"a", "b\nc"});
    EXPECT_EQ(t.Text(), "a,\"b\nc\"\n");
}

TEST(TextColumns, WidthsCutsAndPadding) {
    const struct {
        const char* text;
        int width;
        int columns;      // room given to FitWidth
        const char* fit;  // what fits in it
    } cases[] = {
        {"W17-2001-06", 11, 11, "W17-2001-06"},
        {"W17-2001-06", 11, 10, "W17-200..."},
        {"井戸", 4, 4, "井戸"},
        {"井戸A", 5, 4, "..."},  // no room for a character beside the dots
        {"上流の井戸", 10, 8, "上流..."},
        {"上流の井戸", 10, 9, "上流の..."},
        {"ｶﾅ", 2, 2, "ｶﾅ"},                // half-width katakana: one column each
        {"ＡＢＣ", 6, 5, "Ａ..."},         // full-width letters: two
        {"e\xCC\x81", 1, 1, "e\xCC\x81"},  // e and a combining acute accent
        {"한국", 4, 3, "..."},
        {"\xFF", 1, 1, "\xFF"},  // a stray byte is one column of its own
        {"abc", 3, 2, ".."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DisplayWidth(c.text), c.width) << c.text;
        const std::string fit = FitWidth(c.text, c.columns);
        EXPECT_EQ(fit, c.fit) << c.text;
        EXPECT_LE(DisplayWidth(fit), c.columns) << c.text;
    }
    EXPECT_EQ(PadRight("井戸", 6), "井戸  ");
    EXPECT_EQ(PadLeft("1.5", 6), "   1.5");
    EXPECT_EQ(PadLeft("上流の井戸", 6), "上流の井戸");
}

}  // namespace
}  // namespace hc
