// Reading cross-section files, the automatic scales and the model's load rules.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "flowcalc/core/cross_section.h"
#include "tests/flowcalc/sections.h"

namespace {

using flowtest::Read;

std::string Points(int n) {
    std::string t = std::to_string(n) + "\n";
    for (int k = 0; k < n; ++k)
        t += std::to_string(k) + " " + std::to_string(10 - (k % 7)) + "\n";
    return t;
}

TEST(FlowcalcSectionFile, ReadsTheEditorsExampleWithItsScales) {
    flow::LoadedSection o = Read("4\n0 10\n2 8.5\n6 8.4\n8 10\n");
    EXPECT_EQ(o.Section.PointCount, 4);
    EXPECT_DOUBLE_EQ(o.Section.X(2), 2);
    EXPECT_DOUBLE_EQ(o.Section.Y(3), 8.4);
    EXPECT_DOUBLE_EQ(o.Section.BedLevel, 8.4);
    EXPECT_DOUBLE_EQ(o.Section.MinX, 0);
    EXPECT_DOUBLE_EQ(o.Section.MaxX, 8);
    // D = 1.6, M = 9.2: the smallest vertical scale, centre on the 0.2 m grid.
    EXPECT_EQ(o.Scales.HScale, 100);
    EXPECT_EQ(o.Scales.VScale, 20);
    EXPECT_NEAR(o.Scales.YCentre, 9.2, 1e-12);
    // The centre is the plain decimal, as the value list shows it.
    EXPECT_EQ(o.Scales.YCentre, 9.2);
}

TEST(FlowcalcSectionFile, ItemsMaySitOnOneLineOrBeSeparatedByCommasAndBlankLines) {
    flow::LoadedSection o = Read("3, 0,9 , 4, 3\n\n  8 ,9\n\n");
    EXPECT_EQ(o.Section.PointCount, 3);
    EXPECT_DOUBLE_EQ(o.Section.X(3), 8);
    EXPECT_DOUBLE_EQ(o.Section.Y(3), 9);
    // Elevations 3..9: D = 6 gives 1:100 and a centre of 6.
    EXPECT_EQ(o.Scales.VScale, 100);
    EXPECT_DOUBLE_EQ(o.Scales.YCentre, 6);
}

TEST(FlowcalcSectionFile, CountLimits) {
    EXPECT_TRUE(flow::ParseSection(Points(256)));
    EXPECT_TRUE(flow::ParseSection(Points(1)));
    // The count is rounded half to even: 2.5 reads as 2.
    EXPECT_EQ(Read("2.5\n0 1\n1 0\n").Section.PointCount, 2);
}

TEST(FlowcalcSectionFile, EveryKindOfMalformedFileIsRefusedWithItsPlace) {
    struct Case {
        const char* name;
        std::string text;
        hc::ErrorKind kind;
        int line;
        const char* en;  // a part of the English reason
        const char* ja;  // a part of the Japanese reason
    };
    const Case cases[] = {
        {"too many points", Points(257), hc::ErrorKind::BadCount, 1, "257 is outside 1..256",
         "点の数 257"},
        {"no points", "0\n", hc::ErrorKind::BadCount, 1, "0 is outside", "範囲外"},
        {"negative count", "\n-3\n0 1\n", hc::ErrorKind::BadCount, 2, "-3 is outside", "範囲外"},
        {"count beyond 32 bits", "1e20\n", hc::ErrorKind::BadCount, 1, "1e20 is outside", "範囲外"},
        {"empty file", "", hc::ErrorKind::BadCount, 1, "empty", "空"},
        {"blank lines only", "\n  \n", hc::ErrorKind::BadCount, 3, "empty", "空"},
        {"ends before the third pair", "3\n0 10\n5 0\n", hc::ErrorKind::BadCount, 4,
         "ends after 2 of 3 points", "3 点のうち 2 点"},
        {"ends after an x", "3\n0 10\n5 0\n10\n", hc::ErrorKind::BadCount, 5,
         "point 3 has a distance but no elevation", "点 3"},
        {"count not a number", "three\n", hc::ErrorKind::BadValue, 1, "\"three\" is not a number",
         "「three」"},
        {"elevation not a number", "3\n0 10\n5 abc\n10 10\n", hc::ErrorKind::BadValue, 3,
         "\"abc\" is not a number", "「abc」は数値ではありません"},
        {"empty item", "3\n0 10\n5,,0\n10 10\n", hc::ErrorKind::BadValue, 3, "empty item", "空"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hc::Result<flow::LoadedSection> r = flow::ParseSection(c.text);
        ASSERT_FALSE(r);
        EXPECT_EQ(r.error().kind, c.kind);
        EXPECT_EQ(r.error().line, c.line);
        EXPECT_NE(r.error().en.find(c.en), std::string::npos) << r.error().en;
        EXPECT_NE(r.error().ja.find(c.ja), std::string::npos) << r.error().ja;
    }
}

TEST(FlowcalcSectionFile, NegativeDistancesAndLargeSurveyCoordinatesAreTakenAsTheyAre) {
    EXPECT_DOUBLE_EQ(Read("3\n-5 3\n0 1\n5 3\n").Section.MinX, -5);
    // Coordinates beyond 9999 keep their true extremes.
    flow::LoadedSection big = Read("3\n12000 10004\n12010 10000\n12050 10005\n");
    EXPECT_DOUBLE_EQ(big.Section.MinX, 12000);
    EXPECT_DOUBLE_EQ(big.Section.MaxX, 12050);
    EXPECT_DOUBLE_EQ(big.Section.BedLevel, 10000);
    EXPECT_EQ(big.Scales.HScale, 5000);
    EXPECT_EQ(big.Scales.VScale, 100);            // D = 5
    EXPECT_DOUBLE_EQ(big.Scales.YCentre, 10002);  // 10002.5 to the even metre
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
    EXPECT_DOUBLE_EQ(Read("2\n0 0\n1 5\n").Scales.YCentre, 2);
    EXPECT_DOUBLE_EQ(Read("2\n0 0\n1 7\n").Scales.YCentre, 4);
    // Middle 11.49 on the 1 m grid.
    EXPECT_DOUBLE_EQ(Read("2\n0 7.92\n1 15.06\n").Scales.YCentre, 11);
}

TEST(FlowcalcAutomaticScales, DecimalRangeOnATableBoundTakesTheNextScale) {
    // 1.3 m to 3.3 m is a range of exactly 2 m, which is not below 2: 1:50 and the 0.5 m
    // grid, centre 2.3 -> 2.5. The binary difference is a hair under 2.
    flow::LoadedSection o = Read("3\n0 3.3\n1 1.3\n2 3.3\n");
    EXPECT_EQ(o.Scales.VScale, 50);
    EXPECT_DOUBLE_EQ(o.Scales.YCentre, 2.5);
    // Ranges of exactly 5, 10 and 20 m likewise.
    EXPECT_EQ(Read("2\n0 3.2\n1 8.2\n").Scales.VScale, 100);
    EXPECT_EQ(Read("2\n0 6.4\n1 16.4\n").Scales.VScale, 200);
    EXPECT_EQ(Read("2\n0 12.3\n1 32.3\n").Scales.VScale, 400);
    // Just below a bound stays below it.
    EXPECT_EQ(Read("2\n0 1.3\n1 3.29\n").Scales.VScale, 20);
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
        flow::LoadedSection o = Read(c.file);
        EXPECT_EQ(o.Scales.VScale, 20) << c.file;
        EXPECT_NEAR(o.Scales.YCentre, c.centre, 1e-12) << c.file;
    }
}

TEST(FlowcalcSectionFile, EditorTextReadsBack) {
    std::string t = flow::SectionFileText({0, 2.5, 7}, {10.25, 8, 9.125});
    EXPECT_EQ(t, "3\n0 10.25\n2.5 8\n7 9.125\n");
    flow::LoadedSection o = Read(t);
    EXPECT_DOUBLE_EQ(o.Section.Y(3), 9.125);
}

TEST(FlowcalcSectionFile, LoadSectionRemembersThePathAndRefusesMissingFiles) {
    QTemporaryDir dir;
    QString path = dir.filePath("s.txt");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("3\n0 10\n5 0\n10 10\n");
    f.close();
    hc::Result<flow::LoadedSection> o = flow::LoadSection(path.toStdString());
    ASSERT_TRUE(o);
    EXPECT_EQ(o->Section.DataPath, path.toStdString());
    // Refusals name the file: a missing one, and one whose contents are refused.
    const std::string missing = dir.filePath("missing.txt").toStdString();
    hc::Result<flow::LoadedSection> none = flow::LoadSection(missing);
    ASSERT_FALSE(none);
    EXPECT_EQ(none.error().kind, hc::ErrorKind::CannotRead);
    EXPECT_EQ(none.error().file, missing);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write("300\n");
    f.close();
    hc::Result<flow::LoadedSection> over = flow::LoadSection(path.toStdString());
    ASSERT_FALSE(over);
    EXPECT_EQ(over.error().English(),
              path.toStdString() + ": line 1: point count 300 is outside 1..256");
    EXPECT_EQ(flow::MainCaption("/d/s.txt"), "マニング式による流量計算 < /d/s.txt >");
}

// A file named .csv is in the CSV form only when its first line has a comma: one of the
// count-first form keeps being read (and written back) as it always was.
TEST(FlowcalcSectionFile, TheFormFollowsTheFirstLineOfACsvName) {
    QTemporaryDir dir;
    struct Case {
        const char* name;
        const char* text;
        bool csv;
    } cases[] = {{"a.csv", "3\n0 10\n5 0\n10 10\n", false},
                 {"b.csv", "\xEF\xBB\xBF" "distance,elevation\n0,10\n5,0\n10,10\n", true},
                 {"c.CSV", "\n0,10\n5,0\n10,10\n", true},
                 {"d.txt", "distance,elevation\n", false}};
    for (const Case& c : cases) {
        const QString path = dir.filePath(c.name);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.text);
        f.close();
        EXPECT_EQ(flow::IsCsvSectionFile(path.toStdString(), c.text), c.csv) << c.name;
        if (c.name[0] == 'd')
            continue;
        hc::Result<flow::LoadedSection> o = flow::LoadSection(path.toStdString());
        ASSERT_TRUE(o) << c.name << ": " << o.error().English();
        EXPECT_EQ(o->Section.PointCount, 3) << c.name;
        // Written over by the editor, it keeps its form.
        EXPECT_EQ(flow::SectionFileTextFor(path.toStdString(), {0, 5, 10}, {10, 0, 10}).find(','),
                  c.csv ? 8u : std::string::npos)
            << c.name;
    }
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

}  // namespace
