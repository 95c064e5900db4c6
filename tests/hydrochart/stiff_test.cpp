// hydrochart stiff as a batch user runs it: the printed and screen display lists of a
// one-sample workbook, options as in hydrochart hexa, a PDF and refusals.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "hydrochart/hydrochart_run.h"

namespace {

using Outcome = hc::test::HydrochartRun;
using hc::test::ReadDisplayList;

Outcome Stiff(const QStringList& args) {
    return hc::test::RunHydrochart("stiff", args);
}
QString Source(const QString& rel) {
    return QString(HC_SOURCE_DIR) + "/" + rel;
}
QString Fixture() {
    return Source("tests/polyplot/fixtures/stiff1.xls");
}

using hc::test::HasLine;

TEST(HydrochartStiff, DisplayListsOfTheOneSampleBook) {
    QTemporaryDir dir;
    QString list = dir.filePath("p.jsonl");
    // Top-down, one column at 100 mm: Na+K 1.5 meq/L at "1cm = 1.0" -> 85 mm, upper row 80 mm.
    Outcome r = Stiff({Fixture(), "--direction", "down", "--display-list", list});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    auto ops = ReadDisplayList(list);
    EXPECT_TRUE(HasLine(ops, 100, 80, 85, 80, 3));
    EXPECT_TRUE(HasLine(ops, 100, 80, 125, 80, 3));  // Cl 2.5 meq/L to the right
    EXPECT_EQ(ops.back()["op"], "enddoc");

    // Offsets and widths: 5 mm right, 3 mm down; type 1 triangle on the upper row from Cl
    // (1250) to Cl + NO3 (1270), nitrate width 4.
    Outcome s = Stiff({Fixture(), "--direction", "down", "--nitrate", "1", "--offset", "5,-3",
                       "--widths", "1,4,1,1,1", "--display-list", list});
    ASSERT_EQ(s.status, 0) << s.err.toStdString();
    ops = ReadDisplayList(list);
    EXPECT_TRUE(HasLine(ops, 130, 83, 132, 83, 4));
    EXPECT_TRUE(HasLine(ops, 105, 83, 90, 83, 1));

    // The window canvas: layout (450, 500) x 1.92.
    Outcome c = Stiff({Fixture(), "--direction", "down", "--screen", "--display-list", list});
    ASSERT_EQ(c.status, 0);
    EXPECT_TRUE(HasLine(ReadDisplayList(list), 1152, 960, 864, 960, 1));
}

TEST(HydrochartStiff, JsonAndPdf) {
    Outcome r = Stiff({Fixture(), "--json", "--scale", "1=0.5", "--nitrate", "2"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonObject j = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(j["sample_count"].toInt(), 1);
    EXPECT_EQ(j["auto_scale"].toDouble(), 1);  // "1cm = 1.0"
    EXPECT_EQ(j["nitrate_type"].toInt(), 2);
    QJsonArray plot = j["plot"].toArray();
    ASSERT_EQ(plot.size(), 1);
    // "1cm = 0.5" stores S = 1.5: qNaK = 1.5 / 1.5, qN = (SO4 + NO3) / S = 0.7 / 1.5.
    EXPECT_NEAR(plot[0].toObject()["na_k"].toDouble(), 1, 1e-9);
    EXPECT_NEAR(plot[0].toObject()["nitrate_group"].toDouble(), 0.7 / 1.5, 1e-9);

    QTemporaryDir dir;
    QString pdf = dir.filePath("s.pdf");
    Outcome p = Stiff({Source("examples/sample12.xls"), "-o", pdf});
    ASSERT_EQ(p.status, 0) << p.err.toStdString();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF"));
}

TEST(HydrochartStiff, Refusals) {
    QTemporaryDir dir;
    QString out = dir.filePath("x.pdf");
    Outcome text = Stiff({Source("examples/README.md"), "-o", out});
    EXPECT_EQ(text.status, 1);
    EXPECT_TRUE(text.err.contains("README.md"));
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(Stiff({Fixture(), "--scale", "2=7", "--json"}).status, 2);
    EXPECT_EQ(Stiff({Fixture(), "--nitrate", "3", "--json"}).status, 2);
    EXPECT_EQ(Stiff({Fixture(), "--widths", "1,2,3", "--json"}).status, 2);
    EXPECT_EQ(Stiff({Fixture(), "--bogus"}).status, 2);
    EXPECT_EQ(Stiff({"--json"}).status, 2);
}

}  // namespace
