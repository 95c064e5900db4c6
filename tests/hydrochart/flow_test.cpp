// hydrochart flow as a batch user runs it: the discharge as JSON, display lists of the sheet
// and the screen, the PDF, and refusals of parameters and files with their reasons.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "hydrochart/hydrochart_run.h"

namespace {

using FlowRun = hc::test::HydrochartRun;
FlowRun Flow(const QStringList& args) {
    return hc::test::RunHydrochart("flow", args);
}

QString Example(const char* name) {
    return QString(HC_SOURCE_DIR) + "/examples/flowcalc/" + name;
}

class HydrochartFlow : public ::testing::Test {
  protected:
    QString Write(const char* name, const QByteArray& text) {
        QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path;
    }
    QJsonObject Json(const QStringList& args) {
        FlowRun r = Flow(args + QStringList{"--json"});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out).object();
    }
    std::vector<QJsonObject> DisplayList(const QStringList& args) {
        QString path = dir.filePath("ops.jsonl");
        FlowRun r = Flow(args + QStringList{"--display-list", path});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        return hc::test::ReadDisplayList(path);
    }
    QTemporaryDir dir;
};

const QStringList kParams{"--depth", "5", "--roughness", "0.03", "--slope", "100"};

TEST_F(HydrochartFlow, JsonOfTheVShapedChannel) {
    QString v = Write("v.txt", "3\n0 10\n5 0\n10 10\n");
    QJsonObject j = Json(QStringList{v} + kParams);
    EXPECT_EQ(j["point_count"].toInt(), 3);
    EXPECT_DOUBLE_EQ(j["bed_level_m"].toDouble(), 0);
    EXPECT_DOUBLE_EQ(j["water_level_m"].toDouble(), 5);
    EXPECT_EQ(j["horizontal_scale"].toInt(), 100);
    EXPECT_EQ(j["vertical_scale"].toInt(), 200);
    EXPECT_DOUBLE_EQ(j["y_centre_m"].toDouble(), 4);
    QJsonArray s = j["sub_channels"].toArray();
    ASSERT_EQ(s.size(), 1);
    QJsonObject w = s[0].toObject();
    EXPECT_DOUBLE_EQ(w["left_m"].toDouble(), 2.5);
    EXPECT_DOUBLE_EQ(w["right_m"].toDouble(), 7.5);
    EXPECT_DOUBLE_EQ(w["top_width_m"].toDouble(), 5);
    EXPECT_NEAR(w["area_m2"].toDouble(), 12.5, 1e-12);
    EXPECT_NEAR(w["wetted_perimeter_m"].toDouble(), 11.18034, 1e-5);
    EXPECT_NEAR(w["hydraulic_radius_m"].toDouble(), 1.118034, 1e-6);
    EXPECT_NEAR(w["velocity_m_s"].toDouble(), 3.5907, 1e-4);
    EXPECT_NEAR(w["discharge_m3_s"].toDouble(), 44.884, 1e-3);
    EXPECT_NEAR(j["total_discharge_m3_s"].toDouble(), 44.884, 1e-3);
    EXPECT_NEAR(j["max_velocity_m_s"].toDouble(), 3.5907, 1e-4);
    EXPECT_DOUBLE_EQ(j["total_width_m"].toDouble(), 5);
}

TEST_F(HydrochartFlow, IslandExampleGivesTwoChannelsAndTheRangeCanCutOne) {
    QStringList args{
        Example("island_section.txt"), "--depth", "1.5", "--roughness", "0.035", "--slope", "800"};
    QJsonObject j = Json(args);
    QJsonArray s = j["sub_channels"].toArray();
    ASSERT_EQ(s.size(), 2);
    double q0 = s[0].toObject()["discharge_m3_s"].toDouble(), q1 = s[1].toObject()["discharge_m3_s"].toDouble();
    EXPECT_GT(q0, 0);
    EXPECT_GT(q1, 0);
    EXPECT_NE(q0, q1);
    EXPECT_NEAR(j["total_discharge_m3_s"].toDouble(), q0 + q1, 1e-9);
    // The bar top (4.12 m at 20 m) stays dry between the two water lines.
    EXPECT_LT(s[0].toObject()["right_m"].toDouble(), 20);
    EXPECT_GT(s[1].toObject()["left_m"].toDouble(), 20);
    QJsonObject cut = Json(args + QStringList{"--range", "0,21"});
    ASSERT_EQ(cut["sub_channels"].toArray().size(), 1);
    EXPECT_NEAR(cut["total_discharge_m3_s"].toDouble(), q0, 1e-9);
}

TEST_F(HydrochartFlow, RiverExampleIsASurveyedSectionWithFloodPlains) {
    QStringList base{Example("river_section.txt"), "--roughness", "0.035", "--slope", "800"};
    QJsonObject low = Json(base + QStringList{"--depth", "2"});
    QJsonObject high = Json(base + QStringList{"--depth", "5"});
    EXPECT_GE(low["point_count"].toInt(), 20);
    EXPECT_LE(low["point_count"].toInt(), 40);
    EXPECT_EQ(low["horizontal_scale"].toInt(), 400);
    // At 2 m the water stays in the low-water channel; at 5 m it covers the flood plains.
    EXPECT_LT(low["total_width_m"].toDouble(), 25);
    EXPECT_GT(high["total_width_m"].toDouble(), 60);
    EXPECT_GT(high["total_discharge_m3_s"].toDouble(), 4 * low["total_discharge_m3_s"].toDouble());
}

TEST_F(HydrochartFlow, PrintedSheetDisplayListAndScales) {
    QString v = Write("v.txt", "3\n0 10\n5 0\n10 10\n");
    auto ops = DisplayList(QStringList{v} + kParams +
                           QStringList{"--widths", "4,5,1", "--hscale", "500", "--vscale", "100"});
    int red = 0, blue = 0;
    bool frame = false, enddoc = false, total = false, scale = false;
    for (const QJsonObject& o : ops) {
        if (o["op"] == "line" && o["color"] == "#ff0000") {
            ++red;
            EXPECT_EQ(o["width"].toInt(), 5);
        }
        if (o["op"] == "line" && o["color"] == "#0000ff") {
            ++blue;
            EXPECT_EQ(o["width"].toInt(), 1);
        }
        if (o["op"] == "line" && o["x1"].toDouble() == 25 && o["y1"].toDouble() == 80 &&
            o["x2"].toDouble() == 275 && o["y2"].toDouble() == 80) {
            frame = true;
            EXPECT_EQ(o["width"].toInt(), 4);
        }
        enddoc = enddoc || o["op"] == "enddoc";
        total = total || (o["op"] == "text" && o["text"].toString().startsWith(
                                                   QString::fromUtf8("  合計流量  Ｑ＝ 44.884")));
        scale = scale ||
                (o["op"] == "text" && o["text"].toString() == QString::fromUtf8("水平方向  1:500"));
    }
    EXPECT_EQ(red, 2);
    EXPECT_EQ(blue, 4);
    EXPECT_TRUE(frame);
    EXPECT_TRUE(enddoc);
    EXPECT_TRUE(total);
    EXPECT_TRUE(scale);
    // 1:500 across: the right end at 10 m lies 20 mm right of the frame's left side.
    for (const QJsonObject& o : ops) {
        if (o["op"] == "line" && o["color"] == "#ff0000" && o["x1"].toDouble() > 30) {
            EXPECT_DOUBLE_EQ(o["x2"].toDouble(), 45);
        }
    }
}

TEST_F(HydrochartFlow, ScreenDisplayListAndFiles) {
    QString v = Write("v.txt", "3\n0 10\n5 0\n10 10\n");
    auto ops = DisplayList(QStringList{v} + kParams + QStringList{"--screen"});
    bool frame = false;
    for (const QJsonObject& o : ops)
        frame = frame || (o["op"] == "line" && o["x1"].toDouble() == 10 &&
                          o["y1"].toDouble() == 10 && o["x2"].toDouble() == 135);
    EXPECT_TRUE(frame);
    QString pdf = dir.filePath("v.pdf");
    FlowRun r = Flow(QStringList{v} + kParams + QStringList{"-o", pdf});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
    QString png = dir.filePath("v.png");
    EXPECT_EQ(Flow(QStringList{v} + kParams + QStringList{"--screen", "-o", png}).status, 0);
    EXPECT_TRUE(QFile::exists(png));
}

TEST_F(HydrochartFlow, InvalidParametersAreRefusedWithTheWindowsRules) {
    QString v = Write("v.txt", "3\n0 10\n5 0\n10 10\n");
    struct Case {
        QStringList args;
        const char* message;
    };
    const char* roughness = "the roughness must lie between 0.001 and 1 (usually 0.01 to 0.1)";
    const char* scales = "the horizontal and vertical scales must be whole numbers of at least 2";
    const char* range = "the analysis range must have its left end before its right end";
    for (const Case& c : {
             Case{{"--depth", "5", "--slope", "100", "--roughness", "1.5"}, roughness},
             Case{{"--depth", "5", "--slope", "100", "--roughness", "n"}, roughness},
             Case{{"--depth", "5", "--roughness", "0.03", "--slope", "0"},
                  "the bed slope 1/N needs a whole N of at least 1"},
             Case{{"--depth", "0.005", "--roughness", "0.03", "--slope", "100"},
                  "the water depth must be at least 0.01 m"},
             Case{kParams + QStringList{"--hscale", "1"}, scales},
             Case{kParams + QStringList{"--vscale", "x"}, scales},
             Case{kParams + QStringList{"--range", "0,10.5"}, range},
             Case{kParams + QStringList{"--range", "6,6"}, range},
             Case{kParams + QStringList{"--range", "6"}, range},
         }) {
        FlowRun r = Flow(QStringList{v} + c.args + QStringList{"--json"});
        EXPECT_EQ(r.status, 1) << c.message;
        QString err = QString::fromUtf8(r.err);
        EXPECT_TRUE(err.startsWith("hydrochart: " + v + ": ")) << err.toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.message))) << err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    // Print widths are menu choices of 1 to 5.
    FlowRun widths = Flow(QStringList{v} + kParams + QStringList{"--widths", "2,6,2", "--json"});
    EXPECT_EQ(widths.status, 2);
    EXPECT_TRUE(widths.err.contains("--widths: each width is 1 to 5")) << widths.err.toStdString();
    // A roughness of 0.5 and a slope of 100.6 (taken as 101) are accepted.
    FlowRun ok =
        Flow(QStringList{v, "--depth", "5", "--roughness", "0.5", "--slope", "100.6", "--json"});
    EXPECT_EQ(ok.status, 0) << ok.err.toStdString();
}

TEST_F(HydrochartFlow, RefusedFilesNameTheFileAndTheReason) {
    QString big = Write("big.txt", "257\n");
    FlowRun r = Flow(QStringList{big} + kParams + QStringList{"--json"});
    EXPECT_EQ(r.status, 1);
    QString err = QString::fromUtf8(r.err);
    EXPECT_EQ(err, "hydrochart: " + big + ": line 1: point count 257 is outside 1..256\n");
    QString halfPath = Write("half.txt", "3\n0 10\n5 0\n10\n");
    FlowRun half = Flow(QStringList{halfPath} + kParams + QStringList{"--json"});
    EXPECT_EQ(half.status, 1);
    EXPECT_EQ(QString::fromUtf8(half.err),
              "hydrochart: " + halfPath + ": line 5: point 3 has a distance but no elevation\n");
    FlowRun missing = Flow(QStringList{dir.filePath("none.txt")} + kParams + QStringList{"--json"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("none.txt")) << missing.err.toStdString();
    // Missing parameters are a usage error.
    FlowRun usage = Flow(QStringList{big, "--json"});
    EXPECT_EQ(usage.status, 2);
}

}  // namespace

namespace {

// The analysis options end to end: Chow's trapezoid in feet (Open-Channel Hydraulics,
// Example 6.2: 400 ft3/s flow 3.36 ft deep) with its main channel one element, and the
// floodplain example whose specific energy for 150 m3/s has two minima.
TEST_F(HydrochartFlow, UsUnitsBankStationsAndTwoCriticalDepths) {
    QJsonObject chow = Json({Example("trapezoid_ft.txt"), "--roughness", "0.025", "--slope", "625",
                             "--discharge", "400", "--units", "us", "--banks", "0,60"});
    EXPECT_EQ(chow["units"].toString(), "US");
    EXPECT_NEAR(chow["normal_depth"].toObject()["depth_m"].toDouble(), 3.36, 0.005);
    QJsonObject e = Json({Example("floodplain_section.txt"), "--roughness", "0.035", "--slope",
                          "1000", "--energy", "150"});
    const QJsonArray minima = e["specific_energy"].toObject()["critical_depths"].toArray();
    ASSERT_EQ(minima.size(), 2);
    EXPECT_LT(minima[0].toObject()["depth_m"].toDouble(), 2.8);  // in the main channel
    EXPECT_GT(minima[1].toObject()["depth_m"].toDouble(), 2.9);  // over the floodplains
    FlowRun refused = Flow({Example("floodplain_section.txt"), "--roughness", "0.035", "--slope",
                            "1000", "--energy", "150", "--banks", "100,84", "--json"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("bank stations")) << refused.err.toStdString();
}

}  // namespace
