// The shipped template and sample workbooks, read through the workbook reader and the loader as
// the programs read them: the three formats of each book give the same table.
#include <gtest/gtest.h>

#include "support/water_samples.h"
#include "waterquality/core/meq.h"

using namespace wq;

using hc::test::LoadSource;

TEST(ShippedWorkbooks, TheTemplateIsRefusedForItsCount) {
    hc::Result<SampleTable> t = LoadSource("data/hinagata.xls");
    ASSERT_FALSE(t);
    EXPECT_EQ(t.error().kind, hc::ErrorKind::BadCount);
    EXPECT_EQ(t.error().cell, "B10");
    // The template reads as a workbook with its labels in column A and the formula's result 0.
    hc::WorkbookSheet sheet = hc::ReadWorkbookSheet(hc::test::SourcePath("data/hinagata.xls"));
    EXPECT_EQ(hc::CellInt32(sheet.Cell(kCountRow, kCountColumn)), 0);
    EXPECT_FALSE(hc::CellText(sheet.Cell(kNameRow, 1)).empty());
    EXPECT_FALSE(hc::CellText(sheet.Cell(kFirstIonRow, 1)).empty());
}

TEST(ShippedWorkbooks, TwelveSamplesWithAColumnSwitchedOff) {
    for (const char* ext : {"xls", "xlsx", "ods"}) {
        hc::Result<SampleTable> loaded = LoadSource(std::string("examples/sample12.") + ext);
        ASSERT_TRUE(loaded) << ext << ": " << loaded.error().English();
        const SampleTable& t = *loaded;
        EXPECT_EQ(t.Count(), 12) << ext;            // the formula's stored result
        EXPECT_FALSE(t.At(9).drawn) << ext;         // its name is the number 9
        EXPECT_EQ(t.At(9).mg, IonValues{}) << ext;  // and it holds no values
        EXPECT_EQ(t.At(1).name, "W17-2001-06") << ext;
        EXPECT_DOUBLE_EQ(t.At(1).mg[kNa], 405) << ext;
        EXPECT_DOUBLE_EQ(t.At(1).mg[kNO3], 0.1) << ext;
        ScaleChoice s = AutoScaleOf(ComputeCompositions(t));
        EXPECT_DOUBLE_EQ(s.AutoScale, 30) << ext;  // largest drawn value 27.47 meq/L
    }
}

TEST(ShippedWorkbooks, ThreeFormatsGiveTheSameTable) {
    for (const char* book : {"sample32", "nitrate5"}) {
        SampleTable tables[3];
        const char* exts[3] = {"xls", "xlsx", "ods"};
        for (int f = 0; f < 3; ++f) {
            hc::Result<SampleTable> loaded =
                LoadSource(std::string("examples/") + book + "." + exts[f]);
            ASSERT_TRUE(loaded) << book << "." << exts[f];
            tables[f] = *loaded;
        }
        for (int f = 1; f < 3; ++f)
            hc::test::ExpectSameTable(tables[f], tables[0], std::string(book) + "." + exts[f]);
    }
}

TEST(ShippedWorkbooks, ThirtyTwoSamples) {
    hc::Result<SampleTable> loaded = LoadSource("examples/sample32.xls");
    ASSERT_TRUE(loaded);
    const SampleTable& t = *loaded;
    EXPECT_EQ(t.Count(), 32);
    EXPECT_EQ(t.At(27).name, "仮想井戸07");
    EXPECT_DOUBLE_EQ(t.At(27).mg[kNO3], 0);  // empty cell
    EXPECT_DOUBLE_EQ(AutoScaleOf(ComputeCompositions(t)).AutoScale, 90);
    for (int i = 1; i <= 32; ++i)
        EXPECT_FALSE(t.At(i).mark.empty()) << i;
}
