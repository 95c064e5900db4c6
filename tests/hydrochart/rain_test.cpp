// hydrochart rain as a batch user runs it: the analysis as JSON, display lists of the sheet and
// the screen, the PDF, and refusals with the file and the line.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "hydrochart/hydrochart_run.h"

namespace {

using Result = hc::test::HydrochartRun;
Result Rain(const QStringList& args) {
    return hc::test::RunHydrochart("rain", args);
}

QString Example() {
    return QString(HC_SOURCE_DIR) + "/examples/rainprob/textbook26.txt";
}

int CountLines(const std::vector<QJsonObject>& ops, double x1, double y1, double x2, double y2) {
    int n = 0;
    for (const QJsonObject& o : ops)
        if (o["op"] == "line" && std::abs(o["x1"].toDouble() - x1) < 1e-6 &&
            std::abs(o["y1"].toDouble() - y1) < 1e-6 && std::abs(o["x2"].toDouble() - x2) < 1e-6 &&
            std::abs(o["y2"].toDouble() - y2) < 1e-6)
            ++n;
    return n;
}

std::vector<QJsonObject> Texts(const std::vector<QJsonObject>& ops, const QString& text) {
    std::vector<QJsonObject> out;
    for (const QJsonObject& o : ops)
        if (o["op"] == "text" && o["text"].toString() == text)
            out.push_back(o);
    return out;
}

}  // namespace

TEST(HydrochartRain, JsonOfTheTextbookRecord) {
    Result r = Rain({Example(), "--json"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonObject j = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(j["record_count"].toInt(), 26);
    QJsonArray records = j["records"].toArray();
    ASSERT_EQ(records.size(), 26);
    // File order: 1981 holds 1151 mm, the 10th smallest of the 26.
    QJsonObject first = records[0].toObject();
    EXPECT_EQ(first["year"].toInt(), 1981);
    EXPECT_EQ(first["amount_mm"].toInt(), 1151);
    EXPECT_EQ(first["rank"].toInt(), 10);
    EXPECT_DOUBLE_EQ(first["probability"].toDouble(), 19.0 / 52);
    EXPECT_NEAR(first["deviate"].toDouble(), -0.3451255, 1e-6);  // entry round(134.6) = 135
    EXPECT_NEAR(j["mean_mm"].toDouble(), 1189.769230769, 1e-8);
    EXPECT_EQ(j["max_mm"].toInt(), 1684);
    EXPECT_EQ(j["min_mm"].toInt(), 988);
    EXPECT_NEAR(j["regression_slope_mm"].toDouble(), 141.774218388, 1e-8);
    const QJsonObject dv = j["design_values_mm"].toObject();
    EXPECT_EQ(dv["dry_10"].toInt(), 1008);
    EXPECT_EQ(dv["dry_50"].toInt(), 899);
    EXPECT_EQ(dv["wet_10"].toInt(), 1371);
    EXPECT_EQ(dv["wet_50"].toInt(), 1481);
    for (const char* key : {"dev_10_mm", "dev_50_mm"})
        EXPECT_TRUE(j.contains(key)) << key;
}

TEST(HydrochartRain, PrintedSheetAsDisplayListAndPdf) {
    QTemporaryDir dir;
    QString list = dir.filePath("sheet.jsonl");
    QString pdf = dir.filePath("sheet.pdf");
    Result r = Rain({Example(), "--mode", "2", "--widths", "4,1,2", "--offset", "10,10",
                     "--display-list", list, "-o", pdf});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    auto ops = hc::test::ReadDisplayList(list);
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.back()["op"].toString(), "enddoc");
    // Offsets 10 right and 10 up: the 50 % line at 110 mm from 48.5 to 200 mm.
    EXPECT_EQ(CountLines(ops, 48.5, 110, 200, 110), 1);
    auto header = Texts(ops, "< 直線回帰による解析結果 >");
    ASSERT_EQ(header.size(), 1u);
    EXPECT_DOUBLE_EQ(header[0]["x"].toDouble(), 50);
    EXPECT_DOUBLE_EQ(header[0]["y"].toDouble(), 225);
    EXPECT_EQ(Texts(ops, "    1/10豊水年降水量 = 1371mm      1/50豊水年降水量 = 1481mm").size(),
              1u);
    for (const QJsonObject& o : ops)
        if (o["op"] == "line" && o["style"].toInt() == 2) {
            EXPECT_EQ(o["width"].toInt(), 1);
        }
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
}

TEST(HydrochartRain, ScreenDisplayList) {
    QTemporaryDir dir;
    QString list = dir.filePath("screen.jsonl");
    Result r = Rain({Example(), "--screen", "--min", "1000", "--max", "1500", "--mode", "1",
                     "--display-list", list});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    auto ops = hc::test::ReadDisplayList(list);
    EXPECT_EQ(CountLines(ops, 670, 2300, 3700, 2300), 1);
    EXPECT_EQ(Texts(ops, "1000").size(), 1u);
    EXPECT_EQ(Texts(ops, "1500").size(), 1u);
    int red = 0;
    for (const QJsonObject& o : ops)
        if (o["op"] == "line" && o["color"].toString() == "#ff0000")
            ++red;
    EXPECT_EQ(red, 1);
}

TEST(HydrochartRain, RefusalsNameTheFileAndLine) {
    QTemporaryDir dir;
    auto file = [&dir](const char* name, const char* text) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << name;
        f.write(text);
        return path;
    };
    const QString bad = file("bad.txt", "1990 1000\n1991 1x00\n");
    QString out = dir.filePath("x.pdf");
    Result r = Rain({bad, "-o", out});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(("hydrochart: " + bad + ": line 2: ").toUtf8()))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
    // A decimal comma, in the English of the command.
    const QString comma = file("comma.txt", "1981 1000,5\n1982 1100,2\n");
    Result decimal = Rain({comma, "--json"});
    EXPECT_EQ(decimal.status, 1);
    EXPECT_TRUE(decimal.err.contains(
        ("hydrochart: " + comma + ": line 1: the line holds 3 numbers").toUtf8()))
        << decimal.err.toStdString();
    Result missing = Rain({dir.filePath("none.txt"), "--json"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    Result pair = Rain({Example(), "--min", "3000", "--max", "3000", "--json"});
    EXPECT_EQ(pair.status, 2);
    Result mode = Rain({Example(), "--mode", "3", "--json"});
    EXPECT_EQ(mode.status, 2);
    Result widths = Rain({Example(), "--widths", "3,2", "--json"});
    EXPECT_EQ(widths.status, 2);
    Result huge = Rain({Example(), "--max", "1e30", "--json"});  // no integer: refused, not cast
    EXPECT_EQ(huge.status, 2);
    // The window's limits: widths 1 to 5; hydrochart's own: 1000 mm of shift, 100000 mm of axis.
    for (const QStringList& options :
         {QStringList{"--widths", "3,2,6"}, QStringList{"--offset", "1001,0"},
          QStringList{"--min", "0", "--max", "100001"}}) {
        Result refused = Rain(QStringList{Example(), "--json"} + options);
        EXPECT_EQ(refused.status, 2) << options.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains(options[0].toUtf8())) << refused.err.toStdString();
    }
    EXPECT_EQ(Rain({Example(), "--widths", "5,1,5", "--offset", "-1000,1000", "--max", "100000",
                    "--json"})
                  .status,
              0);
    // A flat record outside the range has no line to draw: refused with the file's name.
    const QString flat = file("flat.txt", "1990 4000\n1991 4000\n");
    Result unusable = Rain({flat, "--json"});
    EXPECT_EQ(unusable.status, 1);
    EXPECT_TRUE(
        unusable.err.startsWith(("hydrochart: " + flat + ": all amounts are equal").toUtf8()))
        << unusable.err.toStdString();
}
