#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/core/list_input.h"
#include "common/core/text_file.h"

using namespace hc;

TEST(ListInput, CommaBlanksAndLineEndsSeparateItems) {
    ListInput in("1991,1234\r\n   1992   1100\r\n1993 , 987\n1994\t876");
    std::vector<std::pair<int, int>> records;
    while (!in.AtEnd()) {
        int year = in.ReadInt32();
        int rain = in.ReadInt32();
        records.emplace_back(year, rain);
    }
    EXPECT_EQ(records, (std::vector<std::pair<int, int>>{
                           {1991, 1234}, {1992, 1100}, {1993, 987}, {1994, 876}}));
}

TEST(ListInput, TrailingLineBreakEndsTheFileButAnEmptyLineDoesNot) {
    ListInput a("1991 1234\r\n");
    a.ReadInt32();
    a.ReadInt32();
    EXPECT_TRUE(a.AtEnd());

    ListInput b("1991 1234\r\n\r\n");
    b.ReadInt32();
    b.ReadInt32();
    EXPECT_FALSE(b.AtEnd());
    EXPECT_TRUE(b.AtEmptyLine());
    EXPECT_THROW(b.ReadInt32(), ListInputError);  // the empty line is no number

    ListInput c("1991 1234\r\n\r\n  \r\n");
    c.ReadInt32();
    c.ReadInt32();
    EXPECT_TRUE(c.AtEndSkippingBlankLines());

    ListInput d("\n\n1 2");
    EXPECT_FALSE(d.AtEndSkippingBlankLines());
    EXPECT_EQ(d.ReadInt32(), 1);
    EXPECT_EQ(d.Line(), 3);
}

TEST(ListInput, ErrorsNameTheLine) {
    ListInput in("4\n0 10\n2 abc\n");
    EXPECT_EQ(in.ReadInt32(), 4);
    in.ReadDouble();
    in.ReadDouble();
    in.ReadDouble();
    try {
        in.ReadDouble();
        FAIL();
    } catch (const ListInputError& e) {
        EXPECT_EQ(e.Line(), 3);
        EXPECT_NE(std::string(e.what()).find("abc"), std::string::npos);
    }
    ListInput end("5");
    end.ReadInt32();
    EXPECT_THROW(end.ReadItem(), ListInputError);
}

TEST(ListInput, NumbersAreRoundedHalfToEvenIntoIntegers) {
    ListInput in("12.5 13.5 -2.5 1e3 3000000000");
    EXPECT_EQ(in.ReadInt32(), 12);
    EXPECT_EQ(in.ReadInt32(), 14);
    EXPECT_EQ(in.ReadInt32(), -2);
    EXPECT_EQ(in.ReadInt32(), 1000);
    EXPECT_THROW(in.ReadInt32(), ListInputError);
}

TEST(ListInput, QuotedItemsKeepSeparators) {
    ListInput in("\"a, b\",2");
    EXPECT_EQ(in.ReadItem(), "a, b");
    EXPECT_EQ(in.ReadItem(), "2");
}

namespace {
std::filesystem::path TempFile(const char* name) {
    return std::filesystem::temp_directory_path() / name;
}
}  // namespace

TEST(TextFile, Utf8AndCp932AreReadAsUtf8) {
    auto utf8 = TempFile("hc_text_utf8.txt");
    std::ofstream(utf8, std::ios::binary) << "\xEF\xBB\xBF"
                                             "使い方";
    EXPECT_EQ(ReadTextFile(utf8.string()).value(), "使い方");
    auto sjis = TempFile("hc_text_sjis.txt");
    // "使い方" in CP932: 8E 67 82 A2 95 FB
    std::ofstream(sjis, std::ios::binary) << "\x8E\x67\x82\xA2\x95\xFB";
    EXPECT_EQ(ReadTextFile(sjis.string()).value(), "使い方");
    // Missing, a folder: refused with the system's reason in both languages.
    Result<std::string> missing = ReadTextFile((TempFile("hc_missing_dir") / "x.txt").string());
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().ja, "ファイルまたはフォルダがありません");
    Result<std::string> folder = ReadTextFile(std::filesystem::temp_directory_path().string());
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.error().ja, "フォルダです");
    EXPECT_EQ(folder.error().en, "it is a folder");
    std::filesystem::remove(utf8);
    std::filesystem::remove(sjis);
}

TEST(TextFile, Utf8Validation) {
    EXPECT_TRUE(IsValidUtf8("abc"));
    EXPECT_TRUE(IsValidUtf8("年降水量"));
    EXPECT_FALSE(IsValidUtf8("\x8E\x67"));
    EXPECT_FALSE(IsValidUtf8("\xE5\xB9"));          // cut short
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));      // overlong in three bytes
    EXPECT_FALSE(IsValidUtf8("\xF0\x80\x80\xAF"));  // overlong in four bytes
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // a surrogate half
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xF5\x80\x80\x80"));
    EXPECT_TRUE(IsValidUtf8("\xE0\xA0\x80"));      // U+0800
    EXPECT_TRUE(IsValidUtf8("\xED\x9F\xBF"));      // U+D7FF
    EXPECT_TRUE(IsValidUtf8("\xF0\x90\x80\x80"));  // U+10000
    EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF"));  // U+10FFFF
    EXPECT_TRUE(IsValidUtf8("𠮷野家"));
}
