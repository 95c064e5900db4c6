// hydrochart tri as a batch user runs it on the twelve-sample example: the printed and screen
// display lists under the options, the proportions as JSON, a PDF and the refusals.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "hydrochart/hydrochart_run.h"

namespace {

using hc::test::HasLine;
using hc::test::ReadDisplayList;

hc::test::HydrochartRun Tri(const QStringList& args) {
    return hc::test::RunHydrochart("tri", args);
}
QString Example() {
    return QString(HC_SOURCE_DIR) + "/examples/sample12.xls";
}

int CountWidth(const std::vector<QJsonObject>& ops, int width) {
    int n = 0;
    for (const QJsonObject& o : ops)
        n += o["op"] == "line" && o["width"].toInt() == width;
    return n;
}

TEST(HydrochartTri, SheetAndPictureUnderTheOptions) {
    QTemporaryDir dir;
    const QString list = dir.filePath("p.jsonl");
    auto r = Tri({Example(), "--display-list", list});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    auto ops = ReadDisplayList(list);
    EXPECT_TRUE(HasLine(ops, 90, 220, 20, 220, 2));  // cation base, outer frame 2
    EXPECT_TRUE(HasLine(ops, 120, 50, 182, 50, 2));  // 12 samples: two columns
    EXPECT_TRUE(HasLine(ops, 182, 90, 120, 90, 2));
    EXPECT_EQ(ops.back()["op"], "enddoc");

    // 3 mm right, 7 mm down; frame 4 units, table box 3 units.
    r = Tri({Example(), "--offset", "3,-7", "--widths", "4,1,1,3", "--display-list", list});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    ops = ReadDisplayList(list);
    EXPECT_TRUE(HasLine(ops, 93, 227, 23, 227, 4));
    EXPECT_TRUE(HasLine(ops, 123, 57, 185, 57, 3));
    EXPECT_EQ(CountWidth(ops, 3), 4);

    r = Tri({Example(), "--table", "off", "--widths", "2,1,1,3", "--display-list", list});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(CountWidth(ReadDisplayList(list), 3), 0);

    // The window picture: a quarter pixel per unit.
    r = Tri({Example(), "--screen", "--display-list", list});
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(HasLine(ReadDisplayList(list), 225, 425, 50, 425, 1));
}

TEST(HydrochartTri, JsonPdfAndRefusals) {
    auto r = Tri({Example(), "--json", "--nitrate", "1"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QJsonObject j = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(j["sample_count"].toInt(), 12);
    EXPECT_EQ(j["nitrate_type"].toInt(), 1);
    QJsonArray samples = j["samples"].toArray();
    ASSERT_EQ(samples.size(), 12);
    QJsonObject first = samples[0].toObject();
    EXPECT_EQ(first["mark"].toString().toStdString(), "●");
    EXPECT_EQ(first["colour"].toInt(), 12);
    QJsonObject c = first["cation_fraction"].toObject();
    ASSERT_EQ(c.size(), 3);
    EXPECT_NEAR(c["na_k"].toDouble() + c["ca"].toDouble() + c["mg"].toDouble(), 1, 1e-12);
    EXPECT_FALSE(samples[8].toObject()["drawn"].toBool());  // sample 9 is marked empty
    EXPECT_TRUE(samples[8].toObject()["cation_fraction"].isNull());

    QTemporaryDir dir;
    const QString pdf = dir.filePath("t.pdf");
    r = Tri({Example(), "-o", pdf});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5).startsWith("%PDF"));

    EXPECT_EQ(Tri({dir.filePath("missing.xls"), "--json"}).status, 1);
    EXPECT_EQ(Tri({Example(), "--widths", "1,2,3", "--json"}).status, 2);
    EXPECT_EQ(Tri({Example(), "--table", "maybe", "--json"}).status, 2);
    EXPECT_EQ(Tri({Example(), "--nitrate", "3", "--json"}).status, 2);
}

}  // namespace
