// hydrochart's command line as scripts use it: the forms of options, standard input and
// output, batches with a bad file among good ones, the exit status of check, the JSON of every
// command against the keys docs/json.md documents, and the rain and flow options worked by hand.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "hydrochart/hydrochart_run.h"

namespace {

using hc::test::HydrochartRun;
using hc::test::RunHydrochart;

QString Source(const QString& rel) {
    return QString(HC_SOURCE_DIR) + "/" + rel;
}
const QString kBook = Source("examples/sample12.xls");
const QString kRain = Source("examples/rainprob/textbook26.txt");
const QString kIsland = Source("examples/flowcalc/island_section.txt");

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QJsonObject Json(const QByteArray& out) {
    return QJsonDocument::fromJson(out).object();
}

class HydrochartCli : public ::testing::Test {
  protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) {
        QFile f(Path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return Path(name);
    }
    QTemporaryDir dir;
};

TEST_F(HydrochartCli, OptionFormsAndUsageErrors) {
    Write("-dash.xls", Bytes(kBook));
    const QString section = Write("v.txt", "3\n0 10\n5 0\n10 10\n");
    struct Case {
        QString command;
        QStringList args;  // %d: the temporary directory
        int status;
        const char* message;  // in standard error, or standard output for help
        const char* written;  // a file that must then exist
    };
    const QStringList flow{section, "--roughness", "0.03", "--slope"};
    const Case cases[] = {
        {"hexa", {kBook, "--output=%d/a.pdf"}, 0, "", "a.pdf"},
        {"hexa", {"-o", "%d/b.svg", "--page=1", kBook}, 0, "", "b.svg"},
        {"hexa", {"--json", "--", "-dash.xls"}, 0, "", ""},
        {"hexa", {"--json", "-dash.xls"}, 2, "Unknown option", ""},
        {"hexa", {kBook, "--bogus"}, 2, "Unknown option 'bogus'", ""},
        {"hexa", {kBook, "--json", "--nitrate"}, 2, "Missing value after '--nitrate'", ""},
        {"hexa", {kBook, "--nitrate=3", "--json"}, 2, "--nitrate", ""},
        {"hexa", {kBook, "--offset", "150,0", "--json"}, 2, "--offset: each shift is at most 100", ""},
        {"hexa", {kBook, "--offset=100,-5", "--json"}, 0, "", ""},
        {"hexa", {kBook, "-o", "-"}, 2, "give --format", ""},
        {"hexa", {kBook, "-o", "%d/c.png", "--dpi", "20"}, 2, "--dpi takes 50 to 1200", ""},
        {"hexa", {kBook, "-o", "%d/c.pdf", "--dpi", "100"}, 2, "--dpi applies", ""},
        {"hexa", {kBook, "-o", "%d/c.png", "--size", "300x200"}, 2, "give --screen", ""},
        {"hexa", {kBook, "--json", "--csv"}, 2, "give one", ""},
        {"hexa", {kBook}, 2, "nothing to write", ""},
        {"hexa", {"--json"}, 2, "no WORKBOOK given", ""},
        {"hexa", {kBook, "--bogus", "--help"}, 0, "--nitrate 0|1|2", ""},
        {"stiff", {"--help"}, 0, "POLYGON,NITRATE,CENTRE,SCALE,LEGEND", ""},
        {"flow", {"--help"}, 0, "800 means a slope of 1/800", ""},
        {"rain", {kRain, "--min", "1234", "--max", "2000", "--json"}, 2, "multiples of 500", ""},
        {"rain", {kRain, "--min=1000", "--max=2000", "--json"}, 0, "", ""},
        {"rain", {kRain, "--position", "median", "--json"}, 2, "--position takes", ""},
        {"rain", {kRain, "--distribution=gumbel", "-o", "%d/r.json"}, 0, "", "r.json"},
        {"flow", flow + QStringList{"0.001", "--depth", "1", "--json"}, 2, "give 1000", ""},
        {"flow", flow + QStringList{"800", "--depth", "1", "--discharge", "5", "--json"}, 2,
         "give one", ""},
        {"flow", flow + QStringList{"100", "--rating", "0", "--json"}, 2, "--rating", ""},
        {"flow", flow + QStringList{"100", "--rating", "1", "--method", "whole", "--json"}, 2,
         "parts or", ""},
        {"flow", flow + QStringList{"100", "--energy", "5", "--units", "ft", "--json"}, 2,
         "si or us", ""},
        {"flow", flow + QStringList{"100", "--depth", "1", "--units", "us", "--json"}, 2,
         "in metres", ""},
        {"check", {kBook, "-o", "%d/x.pdf"}, 2, ".json or .csv", ""},
        {"gibbs", {kBook, "--gibbs-basis", "weight", "--json"}, 2, "takes mass or meq", ""},
        {"ussl", {kBook, "--gibbs-basis", "meq", "--json"}, 2, "Unknown option", ""},
    };
    for (const Case& c : cases) {
        QStringList args;
        for (const QString& a : c.args)
            args << QString(a).replace("%d", dir.path());
        HydrochartRun r = RunHydrochart(c.command, args, {}, dir.path());
        const std::string what = (c.command + " " + args.join(' ')).toStdString();
        EXPECT_EQ(r.status, c.status) << what << "\n" << r.err.toStdString();
        EXPECT_TRUE((c.status == 0 && r.err.isEmpty() ? r.out : r.err).contains(c.message))
            << what << "\n" << r.err.toStdString();
        if (*c.written) {
            EXPECT_TRUE(QFile::exists(Path(c.written))) << what;
        }
    }
    HydrochartRun version = RunHydrochart("--version", {});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.startsWith("hydrochart "));
}

TEST_F(HydrochartCli, StandardInputOutputAndSizes) {
    HydrochartRun file = RunHydrochart("tri", {kBook, "--json"});
    HydrochartRun piped = RunHydrochart("tri", {"-", "--json"}, Bytes(kBook));
    ASSERT_EQ(piped.status, 0) << piped.err.toStdString();
    QJsonObject a = Json(file.out), b = Json(piped.out);
    EXPECT_EQ(b["file"].toString(), "standard input");
    a.remove("file");
    b.remove("file");
    EXPECT_EQ(a, b);

    HydrochartRun pdf = RunHydrochart("stiff", {kBook, "-o", "-", "--format", "pdf"});
    ASSERT_EQ(pdf.status, 0) << pdf.err.toStdString();
    EXPECT_TRUE(pdf.out.startsWith("%PDF-"));

    ASSERT_EQ(RunHydrochart("hexa", {kBook, "--screen", "--size=300x200", "-o", Path("s.png")})
                  .status,
              0);
    EXPECT_EQ(QImage(Path("s.png")).size(), QSize(300, 200));
    // A sheet at 100 dpi has half the pixels across of the default 200 dpi.
    ASSERT_EQ(RunHydrochart("hexa", {kBook, "-o", Path("200.png")}).status, 0);
    ASSERT_EQ(RunHydrochart("hexa", {kBook, "-o", Path("100.png"), "--dpi", "100"}).status, 0);
    EXPECT_NEAR(QImage(Path("100.png")).width() * 2.0, QImage(Path("200.png")).width(), 2);
}

TEST_F(HydrochartCli, BatchWritesTheGoodFilesAndNamesTheBadOne) {
    QStringList inputs;
    for (const char* name : {"a.xls", "b.xls", "c.xls", "d.xls"})
        inputs << Write(name, Bytes(kBook));
    inputs.insert(2, Write("bad.xls", "not a workbook\n"));
    HydrochartRun r = RunHydrochart(
        "hexa", inputs + QStringList{"-o", Path("out/"), "--display-list", Path("{stem}.jsonl")});
    EXPECT_EQ(r.status, 1);
    const QStringList lines = QString::fromUtf8(r.err).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << r.err.toStdString();
    EXPECT_TRUE(lines[0].startsWith("hydrochart: " + Path("bad.xls") + ": not a workbook"));
    EXPECT_FALSE(QFile::exists(Path("out/bad.pdf")));
    // Drawn on worker threads, each sheet is the one a call of its own draws.
    ASSERT_EQ(RunHydrochart("hexa", {kBook, "--display-list", Path("single.jsonl")}).status, 0);
    const mode_t mask = umask(0);
    umask(mask);
    for (const char* stem : {"a", "b", "c", "d"}) {
        EXPECT_TRUE(Bytes(Path(QString("out/%1.pdf").arg(stem))).startsWith("%PDF")) << stem;
        struct stat st {};
        stat(Path(QString("out/%1.pdf").arg(stem)).toLocal8Bit().constData(), &st);
        EXPECT_EQ(st.st_mode & 07777, 0666 & ~mask) << "as a shell's > makes it";
        EXPECT_EQ(Bytes(Path(QString("%1.jsonl").arg(stem))), Bytes(Path("single.jsonl")));
    }

    // A pattern's directory is made as a directory of -o is.
    HydrochartRun json =
        RunHydrochart("stiff", inputs + QStringList{"-o", Path("json/{stem}.json")});
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(Json(Bytes(Path("json/d.json")))["schema"].toString(), "hydrochart/stiff/1");
    // Two inputs of one name would overwrite each other; standard output takes one document.
    QDir().mkpath(Path("sub"));
    const QString twin = Write("sub/a.xls", Bytes(kBook));
    EXPECT_EQ(RunHydrochart("hexa", {inputs[0], twin, "-o", Path("out/")}).status, 2);
    EXPECT_EQ(RunHydrochart("hexa", {inputs[0], inputs[1], "--json"}).status, 2);
    EXPECT_EQ(RunHydrochart("hexa", {inputs[0], inputs[1], "-o", Path("one.pdf")}).status, 2);
}

// -j sets how many inputs run at once without changing a byte of what they write; --progress
// logs one line per input where no terminal is, and --quiet keeps only the refusals.
TEST_F(HydrochartCli, JobsProgressAndQuiet) {
    QStringList inputs;
    for (const char* name : {"a.xls", "b.xls", "c.xls"})
        inputs << Write(name, Bytes(kBook));
    inputs << Write("bad.xls", "not a workbook\n");
    const QString refusal = "hydrochart: " + inputs.last() + ": not a workbook";

    HydrochartRun all = RunHydrochart("stiff", inputs + QStringList{"-o", Path("all/{stem}.json"),
                                                                    "--progress"});
    EXPECT_EQ(all.status, 1);
    QStringList lines = QString::fromUtf8(all.err).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 5) << all.err.toStdString();
    EXPECT_EQ(lines.filter(refusal).size(), 1);
    for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(lines.filter(QString("hydrochart: %1/4 files").arg(k)).size(), 1) << k;

    HydrochartRun one = RunHydrochart(
        "stiff", inputs + QStringList{"-o", Path("one/{stem}.json"), "-j", "1", "--quiet"});
    EXPECT_EQ(one.status, 1);
    lines = QString::fromUtf8(one.err).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << one.err.toStdString();
    EXPECT_TRUE(lines[0].startsWith(refusal));
    for (const char* stem : {"a", "b", "c"}) {
        const QByteArray json = Bytes(Path(QString("all/%1.json").arg(stem)));
        EXPECT_TRUE(json.contains("hydrochart/stiff/1")) << stem;
        EXPECT_EQ(Bytes(Path(QString("one/%1.json").arg(stem))), json) << stem;
    }
    EXPECT_EQ(RunHydrochart("stiff", {inputs[0], "-j", "0", "--json"}).status, 2);
    EXPECT_EQ(RunHydrochart("stiff", {inputs[0], "-q", "--progress", "--json"}).status, 2);
}

TEST_F(HydrochartCli, AnOutputIsNeverAnInput) {
    const QByteArray samples = Bytes(Source("examples/sample12.csv"));
    ASSERT_FALSE(samples.isEmpty());
    Write("s.csv", samples);
    Write("other.csv", samples);
    QFile::link("s.csv", Path("link.csv"));
    QDir().mkpath(Path("sub"));
    struct Case {
        QStringList args;    // run in the temporary directory; %d: its path
        const char* output;  // as the message names it
    };
    for (const Case& c : {
             Case{{"s.csv", "-o", "s.csv"}, "s.csv"},
             Case{{"s.csv", "-o", "./s.csv"}, "./s.csv"},
             Case{{"s.csv", "-o", "%d/s.csv"}, "%d/s.csv"},
             Case{{"s.csv", "-o", "sub/../s.csv"}, "sub/../s.csv"},
             Case{{"s.csv", "-o", "{stem}.csv"}, "s.csv"},
             Case{{"%d/s.csv", "-o", "./{stem}.csv"}, "./s.csv"},
             Case{{"s.csv", "-o", "link.csv"}, "link.csv"},
             Case{{"link.csv", "-o", "s.csv"}, "s.csv"},
             Case{{"s.csv", "--display-list", "s.csv"}, "s.csv"},
             Case{{"other.csv", "s.csv", "-o", "./", "--format", "csv"}, "./other.csv"},
         }) {
        QStringList args;
        for (const QString& a : c.args)
            args << QString(a).replace("%d", dir.path());
        HydrochartRun r = RunHydrochart("hexa", args, {}, dir.path());
        const std::string what = args.join(' ').toStdString();
        EXPECT_EQ(r.status, 2) << what;
        const QString output = QString(c.output).replace("%d", dir.path());
        EXPECT_TRUE(r.err.contains(("the output " + output + " is the input ").toUtf8()))
            << what << "\n" << r.err.toStdString();
        EXPECT_EQ(Bytes(Path("s.csv")), samples) << what;
        EXPECT_TRUE(QFileInfo(Path("link.csv")).isSymLink()) << what;
    }
    // Another spelling of a new file is still that file: it takes one output.
    HydrochartRun twice = RunHydrochart(
        "hexa", {"s.csv", "-o", "x.json", "--display-list", "./x.json"}, {}, dir.path());
    EXPECT_EQ(twice.status, 2);
    EXPECT_TRUE(twice.err.contains("would both write ./x.json")) << twice.err.toStdString();
}

TEST_F(HydrochartCli, CheckGatesOnTheChargeBalance) {
    struct Case {
        QString file;
        int status;
        const char* message;
    };
    // stiff1.xls: Na 1.5 + K 1.5 = 3.0 meq/L of cations against Cl 2.5 + HCO3 1.0 + SO4 0.5 +
    // NO3 0.2 = 4.2 of anions: (3.0 - 4.2) / 7.2 = -16.67 %.
    for (const Case& c : {
             Case{kBook, 0, ""},
             Case{Source("tests/polyplot/fixtures/stiff1.xls"), 1,
                  "sample 1 (P1): charge balance error -16.67 % beyond 10 %"},
             Case{Source("tests/fixtures/waterquality/suspect.xls"), 1, "cell C16"},
         }) {
        HydrochartRun r = RunHydrochart("check", {c.file, "--json"});
        EXPECT_EQ(r.status, c.status) << c.file.toStdString() << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_EQ(Json(r.out)["balanced"].toBool(), c.status == 0);
    }
    // Every reason of a refused workbook at once.
    QJsonObject suspect =
        Json(RunHydrochart("check", {Source("tests/fixtures/waterquality/suspect.xls"), "--json"})
                 .out);
    EXPECT_TRUE(suspect["refused"].toBool());
    QStringList cells;
    for (const QJsonValue& c : suspect["suspect_cells"].toArray())
        cells << c.toObject()["cell"].toString();
    EXPECT_EQ(cells, (QStringList{"B15", "C16", "D11", "E11", "F18", "F19", "H11"}));
    HydrochartRun csv = RunHydrochart("check", {Source("tests/polyplot/fixtures/stiff1.xls"), "--csv"});
    EXPECT_TRUE(csv.out.contains("-16.67")) << csv.out.toStdString();
}

// The keys and types of `actual` are those of the documented example `doc`: objects have the
// same keys, arrays hold elements like the example's first, null stands for any type.
void Conforms(const QJsonValue& doc, const QJsonValue& actual, const QString& at,
              QStringList& faults) {
    if (doc.isNull() || actual.isNull())
        return;
    if (doc.type() != actual.type()) {
        faults << at + ": type";
        return;
    }
    if (doc.isObject()) {
        const QJsonObject d = doc.toObject(), a = actual.toObject();
        for (const QString& k : d.keys())
            if (!a.contains(k))
                faults << at + "." + k + ": missing";
        for (const QString& k : a.keys())
            d.contains(k) ? Conforms(d[k], a[k], at + "." + k, faults)
                          : void(faults << at + "." + k + ": not documented");
    } else if (doc.isArray() && !doc.toArray().isEmpty()) {
        for (const QJsonValue& e : actual.toArray())
            Conforms(doc.toArray()[0], e, at + "[]", faults);
    }
}

TEST_F(HydrochartCli, EveryCommandWritesTheDocumentedKeys) {
    const QString page = QString::fromUtf8(Bytes(Source("docs/json.md")));
    std::map<QString, QJsonObject> documented;
    QRegularExpression example("### `hydrochart (\\w+) ([^`]*)`\\s*```json\\n(.*?)```",
                               QRegularExpression::DotMatchesEverythingOption);
    for (auto m = example.globalMatch(page); m.hasNext();) {
        auto match = m.next();
        documented[match.captured(1)] = Json(match.captured(3).toUtf8());
        // The example is what the command writes today.
        HydrochartRun r = RunHydrochart(match.captured(1), match.captured(2).split(' '), {},
                                        QString(HC_SOURCE_DIR));
        ASSERT_EQ(r.status, 0) << match.captured(0).toStdString() << r.err.toStdString();
    }
    ASSERT_EQ(documented.size(), 12u);
    const QString flat = Write("flat.txt", "1990 0\n1991 1200\n1992 900\n");
    struct Case {
        QString command;
        QStringList args;
    };
    for (const Case& c : {
             Case{"hexa", {kBook}},
             Case{"hexa", {Source("tests/sixsideplot/fixtures/count32.xls")}},
             Case{"stiff", {Source("tests/polyplot/fixtures/stiff1.xls")}},
             Case{"tri", {kBook, "--nitrate", "1"}},
             Case{"tri", {Source("examples/nitrate5.xlsx")}},
             Case{"rain", {kRain, "--distribution", "lognormal", "--position", "blom"}},
             Case{"rain", {flat, "--distribution", "gumbel-regression"}},
             Case{"flow", {kIsland, "--roughness", "0.035", "--slope", "800", "--depth", "1"}},
             Case{"flow", {kIsland, "--roughness", "0.035", "--slope", "800", "--rating", "1"}},
             Case{"flow", {kIsland, "--roughness", "0.035", "--slope", "800", "--energy", "20"}},
             Case{"check", {kBook}},
             Case{"check", {Source("tests/fixtures/waterquality/suspect.xls")}},
             Case{"piper", {kBook, "--nitrate", "2", "--tds-circles", "on"}},
             Case{"classify", {Source("examples/nitrate5.xlsx")}},
             Case{"classify", {Source("examples/network40.csv")}},
             Case{"ussl", {Source("examples/sample12.xls"), "--labels", "on"}},
             Case{"gibbs", {Source("examples/sample12.xls")}},
             Case{"durov", {kBook, "--nitrate", "2"}},
             Case{"hfed", {Source("examples/nitrate5.xlsx"), "--nitrate", "1"}},
         }) {
        HydrochartRun r = RunHydrochart(c.command, c.args + QStringList{"--json"});
        const std::string what = (c.command + " " + c.args.join(' ')).toStdString();
        ASSERT_FALSE(r.out.isEmpty()) << what << r.err.toStdString();
        const QJsonObject j = Json(r.out);
        EXPECT_EQ(j["schema"].toString(), "hydrochart/" + c.command + "/1") << what;
        QStringList faults;
        Conforms(documented[c.command], j, c.command, faults);
        EXPECT_TRUE(faults.isEmpty()) << what << ": " << faults.join(", ").toStdString();
    }
}

// A table without EC for one sample: the USSL diagram leaves it out and counts it, the
// classification gives it no class, and the data check lists its empty EC cell.
TEST_F(HydrochartCli, ASampleWithoutEcIsLeftOutOfTheUsslDiagramAndListed) {
    const QString table = Write("ec.csv", "name,Na,K,Ca,Mg,Cl,HCO3,SO4,NO3,EC\n"
                                          "W1,30,2,40,10,35,150,20,5,800\n"
                                          "W2,30,2,40,10,35,150,20,5,\n");
    const QJsonObject ussl = Json(RunHydrochart("ussl", {table, "--json"}).out);
    EXPECT_EQ(ussl["left_out_without_ec"].toInt(), 1);
    const QJsonArray samples = ussl["samples"].toArray();
    // SAR = 1.3049 / sqrt((1.9961 + 0.8229) / 2) = 1.099 at EC 800: C3-S1.
    EXPECT_EQ(samples[0].toObject()["ussl_class"].toString(), "C3-S1");
    EXPECT_NEAR(samples[0].toObject()["sar"].toDouble(), 1.099, 1e-3);
    EXPECT_TRUE(samples[1].toObject()["ussl_class"].isNull());
    const QJsonArray rows = Json(RunHydrochart("classify", {table, "--json"}).out)["samples"]
                                .toArray();
    EXPECT_EQ(rows[0].toObject()["ussl_class"].toString(), "C3-S1");
    EXPECT_TRUE(rows[1].toObject()["ussl_class"].isNull());
    QStringList kinds;
    for (const QJsonValue& c :
         Json(RunHydrochart("check", {table, "--json"}).out)["suspect_cells"].toArray())
        kinds << c.toObject()["cell"].toString() + " " + c.toObject()["kind"].toString();
    EXPECT_EQ(kinds, QStringList{"3:EC missing_ec"});
}

TEST_F(HydrochartCli, RainPositionsFitsAndReturnPeriods) {
    // Weibull: rank / (n + 1); 1981 is the 10th smallest of 26.
    QJsonObject w = Json(RunHydrochart("rain", {kRain, "--position", "weibull", "--json"}).out);
    EXPECT_DOUBLE_EQ(w["records"].toArray()[0].toObject()["probability"].toDouble(), 10.0 / 27);
    // Gumbel by moments from the record itself: alpha = s sqrt(6) / pi, u = mean - 0.5772 alpha.
    QJsonObject g = Json(RunHydrochart("rain", {kRain, "--distribution", "gumbel", "--json"}).out);
    double sum = 0, squares = 0;
    const QJsonArray records = g["records"].toArray();
    for (const QJsonValue& r : records)
        sum += r.toObject()["amount_mm"].toDouble();
    const double n = records.size(), mean = sum / n;
    for (const QJsonValue& r : records)
        squares += std::pow(r.toObject()["amount_mm"].toDouble() - mean, 2);
    const double alpha = std::sqrt(squares / (n - 1)) * std::sqrt(6.0) / M_PI;
    EXPECT_NEAR(g["fit"].toObject()["scale"].toDouble(), alpha, 1e-9);
    EXPECT_NEAR(g["fit"].toObject()["location"].toDouble(), mean - 0.5772157 * alpha, 1e-3);
    // 100 years: y = -ln(-ln 0.99) = 4.60015.
    const QJsonObject y100 = g["return_periods"].toArray()[8].toObject();
    EXPECT_EQ(y100["years"].toInt(), 100);
    EXPECT_NEAR(y100["wet_mm"].toDouble(), mean - 0.5772157 * alpha + 4.600149 * alpha, 1e-2);
    // The normal fit's 10 and 50 years are the printed design values 1008/1371 and 899/1481;
    // 2 years is the mean 1189.77 either way. Each row goes on with its jackknife.
    HydrochartRun csv = RunHydrochart("rain", {kRain, "--return-periods", "--csv"});
    const QList<QByteArray> rows = csv.out.split('\n');
    // 10 fit rows and their header, a blank line, the periods' header and 12 periods, the last
    // newline.
    ASSERT_EQ(rows.size(), 26) << csv.out.toStdString();
    EXPECT_TRUE(rows[12].startsWith("return period (years),")) << rows[12].toStdString();
    EXPECT_TRUE(rows[13].startsWith("2,") && rows[13].contains(",1190,1190,"));
    EXPECT_TRUE(rows[16].contains(",1008,1371,")) << rows[16].toStdString();
    EXPECT_TRUE(rows[19].contains(",899,1481,")) << rows[19].toStdString();
    // The fit table ranks all twelve distributions; --return-periods and --fit-table exclude
    // each other.
    const QList<QByteArray> fits =
        RunHydrochart("rain", {kRain, "--fit-table", "--csv"}).out.split('\n');
    ASSERT_EQ(fits.size(), 18);
    EXPECT_TRUE(fits[5].startsWith("1,")) << fits[5].toStdString();
    EXPECT_EQ(RunHydrochart("rain", {kRain, "--fit-table", "--return-periods", "--csv"}).status, 2);
}

TEST_F(HydrochartCli, FlowNormalDepthRatingAndFroudeByHand) {
    // A V channel 10 m wide and 10 m deep: at depth d the top width is d / 2 each side of the
    // bed, the area d^2 / 2, the perimeter 2 d sqrt(1.25).
    const QString v = Write("v.txt", "3\n0 10\n5 0\n10 10\n");
    const QStringList p{v, "--roughness", "0.03", "--slope", "100"};
    QJsonObject at5 = Json(RunHydrochart("flow", p + QStringList{"--depth", "5", "--json"}).out);
    const QJsonObject ch = at5["sub_channels"].toArray()[0].toObject();
    // V = (1 / 0.03) (12.5 / 11.1803)^(2/3) 0.1 = 3.5907; Fr = V / sqrt(9.80665 x 12.5 / 5).
    EXPECT_NEAR(ch["froude"].toDouble(), 3.59070 / std::sqrt(9.80665 * 2.5), 1e-4);
    EXPECT_EQ(ch["regime"].toString(), "subcritical");
    // The discharge at 5 m gives back 5 m.
    const double q = at5["total_discharge_m3_s"].toDouble();
    QJsonObject back = Json(
        RunHydrochart("flow", p + QStringList{"--discharge", QString::number(q, 'g', 17), "--json"})
            .out);
    EXPECT_NEAR(back["normal_depth"].toObject()["depth_m"].toDouble(), 5, 1e-6);
    EXPECT_NEAR(back["water_level_m"].toDouble(), 5, 1e-6);
    HydrochartRun over = RunHydrochart("flow", p + QStringList{"--discharge", "1e6", "--json"});
    EXPECT_EQ(over.status, 1);
    EXPECT_TRUE(over.err.startsWith(("hydrochart: " + v + ": ").toUtf8())) << over.err.toStdString();
    // Rating in 1 m steps to the bank top at 10 m: 11 stages. At 2 m: A = 2, B = 2,
    // P = 4.4721, R = 0.44721, Q = (1 / 0.03) x 2 x R^(2/3) x 0.1 = 3.8987.
    QJsonObject rating = Json(RunHydrochart("flow", p + QStringList{"--rating", "1", "--json"}).out);
    const QJsonArray rows = rating["rating"].toObject()["rows"].toArray();
    ASSERT_EQ(rows.size(), 11);
    const QJsonObject r2 = rows[2].toObject();
    EXPECT_NEAR(r2["area_m2"].toDouble(), 2, 1e-9);
    EXPECT_NEAR(r2["top_width_m"].toDouble(), 2, 1e-9);
    EXPECT_NEAR(r2["wetted_perimeter_m"].toDouble(), 4.472136, 1e-6);
    EXPECT_NEAR(r2["discharge_m3_s"].toDouble(), 3.8987, 1e-3);
    EXPECT_TRUE(at5["rating"].isNull());
    HydrochartRun csv = RunHydrochart("flow", p + QStringList{"--rating", "1", "--csv"});
    // The window's table: 11 stages, a blank line, then the 9 parameters under their header.
    EXPECT_EQ(csv.out.count('\n'), 23);
    EXPECT_TRUE(csv.out.startsWith("water depth (m),water level (m),area (m2),"));
}

// With --lang en every word a chart draws is English, on the sheets and on the screen picture;
// a Japanese text left there was never marked for translation. The inputs name their samples
// and groups in Latin letters, so any Japanese drawn comes from the program. Without --lang the
// charts keep their Japanese words.
TEST_F(HydrochartCli, ChartWordsFollowTheLanguage) {
    QByteArray network = Bytes(Source("examples/network40.csv"));
    int g = 0;
    for (const char* group : {"扇状地上流", "扇状地下流", "海岸部", "深層地下水"})
        network.replace(group, "group " + QByteArray::number(++g));
    const QString table = Write("network.csv", network);
    const QString river = Source("examples/flowcalc/river_section.txt");
    const QStringList flow{river, "--roughness", "0.035", "--slope", "800"};
    struct Case {
        QString command;
        QStringList args;
    };
    std::vector<Case> cases{
        {"hexa", {kBook}},
        {"stiff", {kBook}},
        {"tri", {kBook}},
        {"rain", {kRain, "--mode", "2", "--distribution", "logpearson3", "--band"}},
        {"flow", flow + QStringList{"--depth", "3"}},
        {"flow", flow + QStringList{"--rating", "0.5"}},
        {"flow", flow + QStringList{"--energy", "100"}},
    };
    // Each wqplot chart from a full table and from the workbook, which has no EC, TDS or pH.
    for (const char* c : {"piper", "schoeller", "chadha", "durov", "hfed", "gibbs", "ussl",
                          "classify"})
        for (const QString& input : {table, kBook})
            cases.push_back({c, {input}});
    static const QRegularExpression japanese(
        "[\\x{3040}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff66}-\\x{ff9f}]");
    auto words = [&](const Case& c, const QStringList& more) {
        const QString list = Path("chart.jsonl");
        QFile::remove(list);
        const HydrochartRun run =
            RunHydrochart(c.command, c.args + more + QStringList{"--display-list", list});
        EXPECT_EQ(run.status, 0) << c.command.toStdString() << ": " << run.err.toStdString();
        QStringList texts;
        for (const QJsonObject& op : hc::test::ReadDisplayList(list))
            if (op["op"] == "text")
                texts << op["text"].toString();
        return texts;
    };
    for (const Case& c : cases)
        for (const QStringList& target : {QStringList{}, QStringList{"--screen"}}) {
            if (c.command == "classify" && !target.isEmpty())
                continue;  // the table has no picture of its own
            const QStringList texts = words(c, target + QStringList{"--lang", "en"});
            EXPECT_FALSE(texts.isEmpty()) << c.command.toStdString();
            for (const QString& t : texts)
                EXPECT_FALSE(japanese.match(t).hasMatch())
                    << c.command.toStdString() << " " << c.args.last().toStdString() << " "
                    << target.join(' ').toStdString() << ": " << t.toStdString();
        }
    for (const Case& c : {cases[0], cases[3]})
        EXPECT_TRUE(words(c, {}).filter(japanese).size() > 0) << c.command.toStdString();
    EXPECT_EQ(RunHydrochart("hexa", {kBook, "--lang", "fr", "--json"}).status, 2);
}

}  // namespace
