// Reading cross-section files, the automatic scales and the model's load rules.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "flowcalc/core/cross_section.h"
#include "flowcalc/core/flow_model.h"

namespace {

std::string Points(int n) {
    std::string t = std::to_string(n) + "\n";
    for (int k = 0; k < n; ++k)
        t += std::to_string(k) + " " + std::to_string(10 - (k % 7)) + "\n";
    return t;
}

TEST(FlowcalcSectionFile, ReadsTheEditorsExampleWithItsScales) {
    flow::LoadOutcome o = flow::ParseSection("4\n0 10\n2 8.5\n6 8.4\n8 10\n");
    ASSERT_TRUE(o.ok) << o.reason;
    EXPECT_EQ(o.section.PointCount, 4);
    EXPECT_DOUBLE_EQ(o.section.X(2), 2);
    EXPECT_DOUBLE_EQ(o.section.Y(3), 8.4);
    EXPECT_DOUBLE_EQ(o.section.BedLevel, 8.4);
    EXPECT_DOUBLE_EQ(o.section.MinX, 0);
    EXPECT_DOUBLE_EQ(o.section.MaxX, 8);
    // D = 1.6, M = 9.2: the smallest vertical scale, centre on the 0.2 m grid.
    EXPECT_EQ(o.scales.HScale, 100);
    EXPECT_EQ(o.scales.VScale, 20);
    EXPECT_NEAR(o.scales.YCentre, 9.2, 1e-12);
    // The centre is the plain decimal, as the value list shows it.
    EXPECT_EQ(o.scales.YCentre, 9.2);
}

TEST(FlowcalcSectionFile, ItemsMaySitOnOneLineOrBeSeparatedByCommasAndBlankLines) {
    flow::LoadOutcome o = flow::ParseSection("3, 0,9 , 4, 3\n\n  8 ,9\n\n");
    ASSERT_TRUE(o.ok) << o.reason;
    EXPECT_EQ(o.section.PointCount, 3);
    EXPECT_DOUBLE_EQ(o.section.X(3), 8);
    EXPECT_DOUBLE_EQ(o.section.Y(3), 9);
    // Elevations 3..9: D = 6 gives 1:100 and a centre of 6.
    EXPECT_EQ(o.scales.VScale, 100);
    EXPECT_DOUBLE_EQ(o.scales.YCentre, 6);
}

TEST(FlowcalcSectionFile, CountLimits) {
    EXPECT_TRUE(flow::ParseSection(Points(256)).ok);
    EXPECT_TRUE(flow::ParseSection(Points(1)).ok);
    flow::LoadOutcome over = flow::ParseSection(Points(257));
    EXPECT_FALSE(over.ok);
    EXPECT_NE(over.reason.find("line 1"), std::string::npos) << over.reason;
    EXPECT_FALSE(flow::ParseSection("0\n").ok);
    EXPECT_FALSE(flow::ParseSection("-3\n0 1\n").ok);
    EXPECT_FALSE(flow::ParseSection("").ok);
    // The count is rounded half to even: 2.5 reads as 2.
    flow::LoadOutcome half = flow::ParseSection("2.5\n0 1\n1 0\n");
    ASSERT_TRUE(half.ok);
    EXPECT_EQ(half.section.PointCount, 2);
}

TEST(FlowcalcSectionFile, ShortOrMalformedFilesAreRefused) {
    // Ends before the third pair begins.
    flow::LoadOutcome early = flow::ParseSection("3\n0 10\n5 0\n");
    EXPECT_FALSE(early.ok);
    EXPECT_NE(early.reason.find("2 of 3"), std::string::npos) << early.reason;
    // Ends after an x and before its y.
    EXPECT_FALSE(flow::ParseSection("3\n0 10\n5 0\n10\n").ok);
    // Not a number.
    flow::LoadOutcome text = flow::ParseSection("3\n0 10\n5 abc\n10 10\n");
    EXPECT_FALSE(text.ok);
    EXPECT_NE(text.reason.find("line 3"), std::string::npos) << text.reason;
}

TEST(FlowcalcSectionFile, NegativeDistancesAndLargeSurveyCoordinatesAreTakenAsTheyAre) {
    flow::LoadOutcome neg = flow::ParseSection("3\n-5 3\n0 1\n5 3\n");
    ASSERT_TRUE(neg.ok);
    EXPECT_DOUBLE_EQ(neg.section.MinX, -5);
    // Coordinates beyond 9999 keep their true extremes.
    flow::LoadOutcome big = flow::ParseSection("3\n12000 10004\n12010 10000\n12050 10005\n");
    ASSERT_TRUE(big.ok);
    EXPECT_DOUBLE_EQ(big.section.MinX, 12000);
    EXPECT_DOUBLE_EQ(big.section.MaxX, 12050);
    EXPECT_DOUBLE_EQ(big.section.BedLevel, 10000);
    EXPECT_EQ(big.scales.HScale, 5000);
    EXPECT_EQ(big.scales.VScale, 100);            // D = 5
    EXPECT_DOUBLE_EQ(big.scales.YCentre, 10002);  // 10002.5 to the even metre
}

TEST(FlowcalcAutomaticScales, HorizontalTableBounds) {
    EXPECT_EQ(flow::HScaleFor(0), 100);
    EXPECT_EQ(flow::HScaleFor(24.9), 100);
    EXPECT_EQ(flow::HScaleFor(25), 200);
    EXPECT_EQ(flow::HScaleFor(149.99), 600);
    EXPECT_EQ(flow::HScaleFor(150), 800);
    EXPECT_EQ(flow::HScaleFor(999.9), 4000);
    EXPECT_EQ(flow::HScaleFor(1000), 5000);
}

TEST(FlowcalcAutomaticScales, VerticalTableAndCentre) {
    EXPECT_EQ(flow::VScaleFor(1.99).vscale, 20);
    EXPECT_EQ(flow::VScaleFor(2).vscale, 50);
    EXPECT_DOUBLE_EQ(flow::VScaleFor(2).step, 0.5);
    EXPECT_EQ(flow::VScaleFor(39.9).vscale, 400);
    EXPECT_EQ(flow::VScaleFor(40).vscale, 500);
    EXPECT_DOUBLE_EQ(flow::VScaleFor(40).step, 5);
    // Middle 2.5 on the 1 m grid goes to the even 2; 3.5 goes to 4.
    EXPECT_DOUBLE_EQ(flow::ParseSection("2\n0 0\n1 5\n").scales.YCentre, 2);
    EXPECT_DOUBLE_EQ(flow::ParseSection("2\n0 0\n1 7\n").scales.YCentre, 4);
    // Middle 11.49 on the 1 m grid.
    EXPECT_DOUBLE_EQ(flow::ParseSection("2\n0 7.92\n1 15.06\n").scales.YCentre, 11);
}

TEST(FlowcalcAutomaticScales, DecimalRangeOnATableBoundTakesTheNextScale) {
    // 1.3 m to 3.3 m is a range of exactly 2 m, which is not below 2: 1:50 and the 0.5 m
    // grid, centre 2.3 -> 2.5. The binary difference is a hair under 2.
    flow::LoadOutcome o = flow::ParseSection("3\n0 3.3\n1 1.3\n2 3.3\n");
    ASSERT_TRUE(o.ok);
    EXPECT_EQ(o.scales.VScale, 50);
    EXPECT_DOUBLE_EQ(o.scales.YCentre, 2.5);
    // Ranges of exactly 5, 10 and 20 m likewise.
    EXPECT_EQ(flow::ParseSection("2\n0 3.2\n1 8.2\n").scales.VScale, 100);
    EXPECT_EQ(flow::ParseSection("2\n0 6.4\n1 16.4\n").scales.VScale, 200);
    EXPECT_EQ(flow::ParseSection("2\n0 12.3\n1 32.3\n").scales.VScale, 400);
    // Just below a bound stays below it.
    EXPECT_EQ(flow::ParseSection("2\n0 1.3\n1 3.29\n").scales.VScale, 20);
}

TEST(FlowcalcAutomaticScales, DecimalMiddlesHalfwayBetweenGridStepsGoToTheEvenStep) {
    // Surveyed decimals whose middle lies exactly halfway between two 0.2 m steps, although
    // the binary quotient falls a hair short of or beyond the half.
    struct Case {
        const char* file;
        double centre;
    };
    for (Case c : {
             Case{"2\n0 8.2\n1 10\n", 9.2},    // M = 9.1 = 45.5 steps -> 46
             Case{"2\n0 8.4\n1 10.2\n", 9.2},  // M = 9.3 = 46.5 steps -> 46
             Case{"2\n0 0.1\n1 0.5\n", 0.4},   // M = 0.3 = 1.5 steps -> 2
             Case{"2\n0 3.3\n1 4.9\n", 4.0},   // M = 4.1 = 20.5 steps -> 20
             Case{"2\n0 0.7\n1 2.1\n", 1.4},   // M = 1.4 = 7 steps, no half
         }) {
        flow::LoadOutcome o = flow::ParseSection(c.file);
        ASSERT_TRUE(o.ok) << c.file;
        EXPECT_EQ(o.scales.VScale, 20) << c.file;
        EXPECT_NEAR(o.scales.YCentre, c.centre, 1e-12) << c.file;
    }
}

TEST(FlowcalcSectionFile, EditorTextReadsBack) {
    std::string t = flow::SectionFileText({0, 2.5, 7}, {10.25, 8, 9.125});
    EXPECT_EQ(t, "3\n0 10.25\n2.5 8\n7 9.125\n");
    flow::LoadOutcome o = flow::ParseSection(t);
    ASSERT_TRUE(o.ok);
    EXPECT_DOUBLE_EQ(o.section.Y(3), 9.125);
}

TEST(FlowcalcSectionFile, LoadSectionRemembersThePathAndRefusesMissingFiles) {
    QTemporaryDir dir;
    QString path = dir.filePath("s.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("3\n0 10\n5 0\n10 10\n");
    f.close();
    flow::LoadOutcome o = flow::LoadSection(path.toStdString());
    ASSERT_TRUE(o.ok);
    EXPECT_EQ(o.section.DataPath, path.toStdString());
    EXPECT_FALSE(flow::LoadSection(dir.filePath("missing.txt").toStdString()).ok);
    EXPECT_EQ(flow::MainCaption("/d/s.txt"), "マニング式による流量計算 < /d/s.txt >");
}

TEST(FlowcalcHelpText, EveryLineIsPrecededByCrLf) {
    QTemporaryDir dir;
    QString utf8 = dir.filePath("utf8.txt");
    QFile f(utf8);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("使い方\r\n２行目\n");
    f.close();
    EXPECT_EQ(flow::ReadHelpText(utf8.toStdString()), "\r\n使い方\r\n２行目");
    // The same text in the Japanese Windows code page.
    QString sjis = dir.filePath("sjis.txt");
    QFile g(sjis);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write("\x8e\x67\x82\xa2\x95\xfb\r\n");  // 使い方
    g.close();
    EXPECT_EQ(flow::ReadHelpText(sjis.toStdString()), "\r\n使い方");
    EXPECT_EQ(flow::ReadHelpText(dir.filePath("none.txt").toStdString()), "");
}

TEST(FlowcalcHelpText, TheShippedFileIsJapaneseUtf8) {
    std::string help = flow::ReadHelpText(std::string(HC_SOURCE_DIR) + "/data/manning.txt");
    EXPECT_GT(help.size(), 500u);
    EXPECT_EQ(help.rfind("\r\n", 0), 0u);
    EXPECT_NE(help.find("マニング"), std::string::npos);
}

TEST(FlowcalcModel, LoadSetsRangeAndDepthAndAFailureKeepsTheSection) {
    flow::FlowModel m;
    m.Parameters.Depth = 2;
    m.Parameters.Roughness = 0.04;
    flow::ApplyLoad(m, flow::ParseSection("3\n1 10\n5 0\n12 10\n"));
    EXPECT_DOUBLE_EQ(m.Parameters.RangeLeft, 1);
    EXPECT_DOUBLE_EQ(m.Parameters.RangeRight, 12);
    EXPECT_EQ(m.Parameters.Depth, 0);
    EXPECT_DOUBLE_EQ(m.Parameters.Roughness, 0.04);  // kept for the next file
    EXPECT_EQ(m.Scales.HScale, 100);
    m.Parameters.Depth = 2;
    flow::ApplyLoad(m, flow::ParseSection("300\n"));
    EXPECT_EQ(m.Scales.HScale, 0);
    EXPECT_EQ(m.Scales.VScale, 0);
    EXPECT_EQ(m.Parameters.Depth, 0);
    EXPECT_EQ(m.Section.PointCount, 3);  // the previous section is whole
    EXPECT_DOUBLE_EQ(m.Section.X(3), 12);
}

TEST(FlowcalcModel, ParameterDefaultsFillOnlyValuesStillZero) {
    flow::FlowParameters p;
    p.Roughness = 0.05;
    flow::ApplyParameterDefaults(p);
    EXPECT_DOUBLE_EQ(p.Roughness, 0.05);
    EXPECT_EQ(p.SlopeDenominator, 100);
    EXPECT_DOUBLE_EQ(p.Depth, 1.0);
    EXPECT_TRUE(flow::ParametersUsable(p));
    p.Depth = 0.009;
    EXPECT_FALSE(flow::ParametersUsable(p));
}

}  // namespace
