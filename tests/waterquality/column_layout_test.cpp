// Where columns go on the screen and on the printed sheets, and how the print offsets are read.
#include <gtest/gtest.h>

#include "waterquality/core/column_layout.h"

namespace {

wq::PlotSettings Scales() {
    wq::PlotSettings s;
    s.ColumnScale = {0, 3, 30, 90, 300};  // a different scale per column
    return s;
}

TEST(ScreenColumns, ByCount) {
    using C = wq::Column;
    EXPECT_EQ(wq::ScreenColumns(8, Scales()), (std::vector<C>{{1, 600, 1, 8, 3}}));
    EXPECT_EQ(wq::ScreenColumns(9, Scales()),
              (std::vector<C>{{1, 600, 1, 8, 3}, {2, 1600, 9, 9, 30}}));
    EXPECT_EQ(wq::ScreenColumns(17, Scales()),
              (std::vector<C>{{1, 600, 1, 8, 3}, {2, 1600, 9, 16, 30}, {3, 2600, 17, 17, 90}}));
    auto all = wq::ScreenColumns(32, Scales());
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[3], (C{4, 3600, 25, 32, 300}));
    EXPECT_TRUE(wq::ScreenColumns(0, Scales()).empty());
}

TEST(ScreenColumns, ScrollBar) {
    EXPECT_FALSE(wq::ScrollBarShown(8));
    EXPECT_FALSE(wq::ScrollBarShown(9));
    EXPECT_FALSE(wq::ScrollBarShown(16));
    EXPECT_TRUE(wq::ScrollBarShown(17));
    EXPECT_TRUE(wq::ScrollBarShown(32));
    EXPECT_EQ(wq::ColumnOfSample(8), 1);
    EXPECT_EQ(wq::ColumnOfSample(9), 2);
    EXPECT_EQ(wq::ColumnOfSample(32), 4);
}

TEST(PrintSheets, ByCount) {
    using C = wq::Column;
    using S = std::vector<wq::Sheet>;
    EXPECT_EQ(wq::PrintSheets(1, Scales()), (S{{C{1, 1000, 1, 1, 3}}}));
    EXPECT_EQ(wq::PrintSheets(8, Scales()), (S{{C{1, 1000, 1, 8, 3}}}));
    EXPECT_EQ(wq::PrintSheets(16, Scales()), (S{{C{1, 600, 1, 8, 3}, C{2, 1400, 9, 16, 30}}}));
    EXPECT_EQ(wq::PrintSheets(17, Scales()),
              (S{{C{1, 600, 1, 8, 3}, C{2, 1400, 9, 16, 30}}, {C{3, 600, 17, 17, 90}}}));
    EXPECT_EQ(wq::PrintSheets(32, Scales()), (S{{C{1, 600, 1, 8, 3}, C{2, 1400, 9, 16, 30}},
                                                {C{3, 600, 17, 24, 90}, C{4, 1400, 25, 32, 300}}}));
}

TEST(PrintOffset, TenthsOfMillimetres) {
    EXPECT_EQ(wq::PrintOffsetFromText("5"), 50);
    EXPECT_EQ(wq::PrintOffsetFromText("-3"), -30);
    EXPECT_EQ(wq::PrintOffsetFromText(" 12.5 "), 125);
    EXPECT_EQ(wq::PrintOffsetFromText("0.25"), 2);  // 2.5 tenths: halves go to even
    EXPECT_EQ(wq::PrintOffsetFromText("0.75"), 8);
    // Not a number: the leading number, else 0.
    EXPECT_EQ(wq::PrintOffsetFromText("7mm"), 70);
    EXPECT_EQ(wq::PrintOffsetFromText("abc"), 0);
    EXPECT_EQ(wq::PrintOffsetFromText(""), 0);
    EXPECT_EQ(wq::PrintOffsetFromText("1e12"), 0);  // cannot be held: no shift
}

TEST(PageSetupCheck, Shifts) {
    auto check = [](const char* right, const char* up) { return wq::CheckShifts({right, up}); };
    auto c = check("5", "-3");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->right, "5");
    EXPECT_EQ(c->up, "-3");
    // Above 100 resets to "0"; when the horizontal one was reset the vertical is kept.
    c = check("150", "150");
    EXPECT_EQ(c->right, "0");
    EXPECT_EQ(c->up, "150");
    c = check("20", "101");
    EXPECT_EQ(c->right, "20");
    EXPECT_EQ(c->up, "0");
    // The check rounds half to even: 100.5 is 100 and passes, 101.5 is 102 and does not.
    c = check("100.5", "101.5");
    EXPECT_EQ(c->right, "100.5");
    EXPECT_EQ(c->up, "0");
    // The text is copied as typed: 12.5 stays "12.5" (12 for the check).
    EXPECT_EQ(check("12.5", "0")->right, "12.5");
    // No lower limit.
    EXPECT_EQ(check("-500", "0")->right, "-500");
    // Texts that are no number are refused, naming the box in the error's line.
    c = check("abc", "0");
    ASSERT_FALSE(c);
    EXPECT_EQ(c.error().kind, hc::ErrorKind::BadValue);
    EXPECT_EQ(c.error().line, 1);
    EXPECT_NE(c.error().en.find("\"abc\""), std::string::npos);
    c = check("0", "");
    ASSERT_FALSE(c);
    EXPECT_EQ(c.error().line, 2);
    EXPECT_FALSE(check("1e12", "0"));
    // A reset horizontal box leaves the vertical text unchecked, as typed.
    EXPECT_EQ(check("150", "abc")->up, "abc");
    // The offset printing takes from the texts: tenths of a millimetre.
    wq::PrintOffset o = wq::OffsetOf({"2.5", "-7"});
    EXPECT_EQ(o.offX, 25);
    EXPECT_EQ(o.offY, -70);
}

}  // namespace
