// hydrochart hexa as a batch user runs it: JSON values, display lists, PDF sheets, refusals.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "hydrochart/hydrochart_run.h"

namespace {

using Outcome = hc::test::HydrochartRun;
using hc::test::ReadDisplayList;
Outcome Hydrochart(const QStringList& args) {
    return hc::test::RunHydrochart("hexa", args);
}

QString Source(const QString& rel) {
    return QString(HC_SOURCE_DIR) + "/" + rel;
}
QString Fixture(const QString& name) {
    return Source("tests/sixsideplot/fixtures/" + name);
}

using hc::test::HasLine;

TEST(HydrochartHexa, JsonOfTheTwelveSampleBook) {
    Outcome r = Hydrochart({Source("examples/sample12.xls"), "--json", "--scale", "2=1.0"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonObject j = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(j["schema"].toString(), "hydrochart/hexa/1");
    EXPECT_EQ(j["sample_count"].toInt(), 12);
    EXPECT_EQ(j["auto_scale"].toDouble(), 10);  // "1cm = 10.0"
    EXPECT_EQ(j["nitrate_type"].toInt(), 0);
    QJsonArray samples = j["samples"].toArray();
    ASSERT_EQ(samples.size(), 12);
    EXPECT_FALSE(samples[8].toObject()["drawn"].toBool());  // name "9": an empty column
    EXPECT_TRUE(samples[0].toObject()["drawn"].toBool());
    QJsonObject mg = samples[0].toObject()["concentration"].toObject();
    QJsonObject meq = samples[0].toObject()["equivalent"].toObject();
    EXPECT_EQ(mg["unit"].toString(), "mg/L");
    EXPECT_EQ(meq["unit"].toString(), "meq/L");
    EXPECT_NEAR(meq["na"].toDouble(), mg["na"].toDouble() / 22.9898, 1e-12);
    EXPECT_NEAR(meq["ca"].toDouble(), mg["ca"].toDouble() / 40.078 * 2, 1e-12);
    QJsonArray columns = j["columns"].toArray();
    ASSERT_EQ(columns.size(), 2);
    EXPECT_EQ(columns[0].toObject()["scale"].toDouble(), 10);
    EXPECT_EQ(columns[1].toObject()["scale"].toDouble(), 1);  // "1cm = 1.0"
    EXPECT_EQ(columns[1].toObject()["divisor"].toDouble(), 3);
    EXPECT_EQ(columns[1].toObject()["first_sample"].toInt(), 9);
    EXPECT_EQ(columns[1].toObject()["last_sample"].toInt(), 12);
    // Plotted values with the scale of each sample's column; sample 9 is not plotted.
    QJsonArray plot = j["plot"].toArray();
    ASSERT_EQ(plot.size(), 11);
    QJsonObject s10 = plot[8].toObject();
    EXPECT_EQ(s10["number"].toInt(), 10);
    QJsonObject meq10 = samples[9].toObject()["equivalent"].toObject();
    EXPECT_NEAR(s10["na_k"].toDouble(), (meq10["na"].toDouble() + meq10["k"].toDouble()) / 3,
                1e-12);
    EXPECT_NEAR(s10["nitrate_group"].toDouble(), meq10["cl"].toDouble() / 3, 1e-12);
}

TEST(HydrochartHexa, DisplayListOfTheWorkedExample) {
    QTemporaryDir dir;
    QString list = dir.filePath("v.jsonl");
    Outcome r = Hydrochart({Fixture("vertex.xls"), "--direction", "down", "--display-list", list});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    auto ops = ReadDisplayList(list);
    EXPECT_TRUE(HasLine(ops, 100, 90, 115, 90, 3));  // 115 mm across, 90 mm down
    EXPECT_EQ(ops.back()["op"], "enddoc");

    Outcome s = Hydrochart({Fixture("vertex.xls"), "--direction", "down", "--offset", "5,-3",
                            "--widths", "5,1,1,1,1", "--display-list", list});
    ASSERT_EQ(s.status, 0);
    EXPECT_TRUE(HasLine(ReadDisplayList(list), 105, 93, 120, 93, 5));

    Outcome c = Hydrochart(
        {Fixture("vertex.xls"), "--direction", "down", "--screen", "--display-list", list});
    ASSERT_EQ(c.status, 0);
    EXPECT_TRUE(HasLine(ReadDisplayList(list), 1152, 1152, 1440, 1152, 1));
}

TEST(HydrochartHexa, TwoDocumentsFromSeventeenSamples) {
    QTemporaryDir dir;
    QString list = dir.filePath("s.jsonl");
    QString pdf = dir.filePath("s.pdf");
    Outcome r = Hydrochart({Fixture("count17.xls"), "-o", pdf, "--display-list", list});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    int enddocs = 0;
    for (const QJsonObject& o : ReadDisplayList(list))
        enddocs += o["op"] == "enddoc";
    EXPECT_EQ(enddocs, 2);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page[^s]")), 2);
}

TEST(HydrochartHexa, Refusals) {
    QTemporaryDir dir;
    QString out = dir.filePath("x.pdf");
    Outcome bad = Hydrochart({Fixture("bad_count.xls"), "-o", out});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.err.contains("bad_count.xls"));
    EXPECT_TRUE(bad.err.contains("B10"));
    EXPECT_FALSE(QFile::exists(out));
    Outcome text = Hydrochart({Source("examples/README.md"), "--json"});
    EXPECT_EQ(text.status, 1);
    EXPECT_TRUE(text.out.isEmpty());
    EXPECT_TRUE(text.err.contains("README.md"));
    EXPECT_EQ(Hydrochart({Fixture("count8.xls"), "--scale", "2=7", "--json"}).status, 2);
    EXPECT_EQ(Hydrochart({Fixture("count8.xls"), "--nitrate", "3", "--json"}).status, 2);
    EXPECT_EQ(Hydrochart({Fixture("count8.xls"), "--offset", "a,1", "--json"}).status, 2);
    EXPECT_EQ(Hydrochart({Fixture("count8.xls"), "--bogus"}).status, 2);
}

}  // namespace
