// hydrochart check: the data check of a water-quality workbook before its diagrams are trusted:
// per sample the charge balance, the dominant ions and the field of the trilinear diamond, and
// every suspect cell of the workbook, as a text table, JSON or CSV. The exit status gates a
// batch: 0 only when the workbook loads and every sample balances within 10 %.
#include <QFileInfo>
#include <QJsonArray>
#include <memory>
#include <optional>
#include <sstream>

#include "common/core/workbook.h"
#include "hydrochart/commands.h"
#include "hydrochart/json.h"
#include "sixsideplot/core/hexa.h"
#include "ternaryplot/core/trilinear_chart.h"
#include "waterquality/core/data_check.h"
#include "waterquality/core/diagram_app.h"
#include "waterquality/core/sample_table.h"
#include "waterquality/core/suspect_cells.h"

namespace {

using hcmd::UsageError;
using wq::Language;

struct Choices {
    std::optional<wq::NitrateType> nitrate;
    bool marks = false;
};

const char* BalanceId(const wq::CheckRow& r) {
    if (!r.drawn)
        return "not_drawn";
    switch (r.balance.flag) {
    case wq::BalanceFlag::Ok:
        return "ok";
    case wq::BalanceFlag::Above5:
        return "above_5";
    case wq::BalanceFlag::Above10:
        return "above_10";
    case wq::BalanceFlag::Undefined:
        break;
    }
    return "undefined";
}

struct Checked {
    wq::SuspectReport report;
    std::optional<hc::Error> refusal;  // the load's, when it refuses the workbook
    std::vector<wq::CheckRow> rows;
    wq::NitrateType nitrate = wq::NitrateType::None;
    bool Balanced() const { return !refusal && wq::EveryBalanceWithinLimit(rows); }
};

Checked Check(const Choices& c, const std::string& path) {
    const wq::DiagramVariant& variant =
        c.marks ? tri::TernaryPlotVariant() : hexa::SixsidePlotVariant();
    Checked r;
    wq::ScanOptions scan;
    scan.marksAndColours = c.marks;
    scan.maxSamples = variant.maxSamples;
    // The loader's own choice of layout and reader, so that every input it takes is scanned
    // alike.
    r.report = wq::ScanSampleFile(path, scan);
    wq::DiagramApp app(variant);
    if (c.nitrate)
        app.SetNitrate(*c.nitrate);
    app.SetDataPath(path);
    if (hc::Status loaded = app.Load(); !loaded)
        r.refusal = loaded.error();
    r.nitrate = app.Settings().NitrateType == wq::NitrateType::Unset ? wq::NitrateType::None
                                                                      : app.Settings().NitrateType;
    if (!r.refusal)
        r.rows = wq::CheckRows(app.Table(), app.Compositions(), r.nitrate);
    return r;
}

QJsonValue Optional(double v, bool defined) {
    return defined ? QJsonValue(v) : QJsonValue(QJsonValue::Null);
}

QJsonObject Json(const std::string& file, const Checked& k) {
    QJsonObject j = hcmd::JsonDocument("check", file);
    j["nitrate_type"] = static_cast<int>(k.nitrate);
    j["refused"] = k.refusal.has_value();
    j["refusal"] = k.refusal ? hcmd::JsonString(k.refusal->en) : QJsonValue(QJsonValue::Null);
    j["balanced"] = k.Balanced();
    j["balance_limit_percent"] = wq::kBalanceLimitPercent;
    QJsonArray samples;
    for (const wq::CheckRow& r : k.rows) {
        const bool d = r.drawn && r.dominant.defined;
        QJsonObject cations, anions;
        for (std::size_t i = 0; i < wq::kCationGroupNames.size(); ++i)
            cations[QString::fromLatin1(wq::kCationGroupNames[i]).toLower()] =
                r.dominant.cationShare[i];
        for (std::size_t i = 0; i < wq::kAnionGroupNames.size(); ++i)
            anions[QString::fromLatin1(wq::kAnionGroupNames[i]).toLower()] =
                r.dominant.anionShare[i];
        samples.append(QJsonObject{
            {"number", r.number},
            {"name", hcmd::JsonString(r.name)},
            {"drawn", d},
            {"cation_sum_meq", Optional(r.balance.cationSum, r.drawn)},
            {"anion_sum_meq", Optional(r.balance.anionSum, r.drawn)},
            {"cbe_percent",
             r.drawn ? hcmd::JsonOptional(r.balance.cbe) : QJsonValue(QJsonValue::Null)},
            {"balance", BalanceId(r)},
            {"dominant_type",
             r.drawn ? hcmd::JsonString(wq::DominantTypeName(r.dominant, Language::English))
                     : QJsonValue(QJsonValue::Null)},
            {"cation_shares", d ? QJsonValue(cations) : QJsonValue(QJsonValue::Null)},
            {"anion_shares", d ? QJsonValue(anions) : QJsonValue(QJsonValue::Null)},
            {"diamond_field",
             r.drawn ? hcmd::JsonString(wq::DiamondFieldName(r.field, Language::English))
                     : QJsonValue(QJsonValue::Null)},
            {"diamond_code", hcmd::JsonString(r.drawn ? wq::DiamondFieldCode(r.field) : "")}});
    }
    j["samples"] = samples;
    QJsonArray cells;
    for (const wq::SuspectCell& c : k.report.cells)
        cells.append(QJsonObject{{"cell", hcmd::JsonString(c.reference)},
                                 {"row", c.row},
                                 {"column", c.column},
                                 {"sample", c.sample},
                                 {"name", hcmd::JsonString(c.sampleName)},
                                 {"kind", wq::SuspectKindId(c.kind)},
                                 {"refuses_load", c.refusesLoad},
                                 {"excerpt", hcmd::JsonString(c.excerpt)},
                                 {"message", hcmd::JsonString(c.messageEn)}});
    j["suspect_cells"] = cells;
    return j;
}

std::string Csv(const Checked& k) {
    return wq::CheckRowsCsv(k.rows, Language::English) + "\n" +
           wq::SuspectCellsCsv(k.report, Language::English);
}

std::string Fixed(double v, int decimals) {
    return wq::FixedDecimals(v, decimals);
}

// A table to read on a terminal.
std::string Text(const std::string& file, const Checked& k) {
    std::ostringstream t;
    t << file << ":\n" << wq::CheckRowsText(k.rows, Language::English);
    if (!k.report.cells.empty()) {
        t << "\nsuspect cells:\n";
        for (const wq::SuspectCell& c : k.report.cells)
            t << "  " << (c.reference.empty() ? "file" : c.reference) << ": " << c.messageEn
              << (c.refusesLoad ? " (refuses the load)" : "") << "\n";
    }
    return t.str();
}

int RunFile(const Choices& c, const hcmd::Input& input, const hcmd::OutputOptions& out) {
    const Checked k = Check(c, input.path);
    int rc = 0;
    const std::string format = hcmd::OutputFormat(out);
    if (!out.out.empty())
        rc = hcmd::WriteText(out.out, format == "json" ? hcmd::JsonText(Json(input.shown, k))
                                                       : Csv(k));
    else if (out.json)
        rc = hcmd::WriteText("-", hcmd::JsonText(Json(input.shown, k)));
    else if (out.csv)
        rc = hcmd::WriteText("-", Csv(k));
    else
        rc = hcmd::WriteText("-", Text(input.shown, k));
    // What fails the gate, on standard error: the refusal, or each sample beyond the limit.
    if (k.refusal)
        return hcmd::Refuse(input, *k.refusal);
    bool balanced = true;
    for (const wq::CheckRow& r : k.rows) {
        if (!r.drawn || r.balance.flag == wq::BalanceFlag::Ok ||
            r.balance.flag == wq::BalanceFlag::Above5)
            continue;
        balanced = false;
        hcmd::Refuse(input.shown,
                     "sample " + std::to_string(r.number) + " (" + r.name + "): " +
                         (r.balance.cbe ? "charge balance error " + Fixed(*r.balance.cbe, 2) +
                                              " % beyond 10 %"
                                        : std::string("no ions to balance")));
    }
    return balanced ? rc : 1;
}

hcmd::Command CheckCommand() {
    hcmd::Command c;
    c.name = "check";
    c.summary = "charge balance, water type and suspect cells of a water-quality workbook";
    c.input = "WORKBOOK";
    c.chartOutputs = false;
    c.options = {
        {"nitrate", "0|1|2",
         "how nitrate is grouped for the diamond field: 0 not at all, 1 with chloride, 2 with "
         "sulfate; default 0 (the charge balance always counts it)"},
        {"marks", "", "also check the mark and colour rows (20 and 21) as ternaryplot reads them"},
    };
    c.notes = "Without --json, --csv or -o a table is written to standard output. The exit "
              "status is 0 only when the\nworkbook loads and every drawn sample's charge balance "
              "error |CBE| is at most 10 %;\nCBE = (cations - anions) / (cations + anions) x 100 "
              "in meq/L.\n";
    c.prepare = [](const hcmd::Options& o) -> hcmd::FileRun {
        auto choices = std::make_shared<Choices>();
        if (o.Has("nitrate")) {
            hc::Result<wq::NitrateType> type =
                wq::NitrateFromNumber(hcmd::OptionInt("--nitrate", o.Value("nitrate")));
            if (!type)
                throw UsageError{"--nitrate: " + type.error().en};
            choices->nitrate = *type;
        }
        choices->marks = o.Has("marks");
        hcmd::OutputOptions out;
        out.out = o.Value("output");
        out.format = o.Value("format");
        if (o.Has("json") && o.Has("csv"))
            throw UsageError{"--json and --csv both write to standard output: give one"};
        if (!out.out.empty()) {
            const std::string f = hcmd::OutputFormat(out);
            if (f != "json" && f != "csv")
                throw UsageError{"check writes .json or .csv (or give --format json|csv)"};
            if (o.Has("json") || o.Has("csv"))
                throw UsageError{"give -o or --json/--csv, not both"};
        } else if (!out.format.empty()) {
            throw UsageError{"--format applies to -o: give -o FILE or -o -"};
        }
        return [choices](const hcmd::Input& in, const hcmd::OutputOptions& out) {
            return RunFile(*choices, in, out);
        };
    };
    return c;
}

const hcmd::Register reg(CheckCommand());

}  // namespace
