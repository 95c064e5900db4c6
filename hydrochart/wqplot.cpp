// hydrochart piper|schoeller|chadha|durov|hfed|ussl|gibbs|classify: wqplot's diagrams and the
// classification table of a workbook or a long table, from the program's own variant with the
// diagram fixed by the command.
#include <QJsonArray>
#include <cmath>
#include <string>

#include "hydrochart/diagram_command.h"
#include "hydrochart/json.h"
#include "wqplot/core/chadha_chart.h"
#include "wqplot/core/classification.h"
#include "wqplot/core/durov_chart.h"
#include "wqplot/core/hfed_chart.h"
#include "wqplot/core/gibbs_chart.h"
#include "wqplot/core/piper_chart.h"
#include "wqplot/core/schoeller_chart.h"
#include "wqplot/core/ussl_chart.h"
#include "wqplot/core/wqplot_chart.h"

namespace {

using wq::Language;

// The samples with what every wqplot document gives: group, date and the further columns.
QJsonArray Samples(const wq::DiagramApp& app) {
    const wq::SampleModel model = app.Model();
    QJsonArray samples = hcmd::SamplesJson(model);
    for (int n = 1; n <= model.Count(); ++n) {
        const wq::Sample& s = model.At(n);
        const wq::Composition& c = model.CompositionOf(n);
        QJsonObject o = samples[n - 1].toObject();
        o["group"] = hcmd::JsonString(s.group);
        o["date"] = hcmd::JsonString(s.date);
        o["co3_mg_l"] = hcmd::JsonOptional(s.co3);
        o["f_mg_l"] = hcmd::JsonOptional(s.f);
        o["ec_us_cm"] = hcmd::JsonOptional(s.ec);
        o["ph"] = hcmd::JsonOptional(s.ph);
        o["tds_mg_l"] = s.drawn ? QJsonValue(c.tds) : QJsonValue::Null;
        o["tds_computed"] = s.drawn && c.tdsComputed;
        samples[n - 1] = o;
    }
    return samples;
}

void Common(const wq::DiagramApp& app, QJsonObject& j) {
    j["sample_count"] = app.Table().Count();
    j["nitrate_type"] = static_cast<int>(app.Settings().NitrateType);
}

QJsonValue Point(const wqp::Pt& p) {
    return QJsonObject{{"x", p.x}, {"y", p.y}};
}

void PiperJson(const wq::DiagramApp& app, QJsonObject& j) {
    Common(app, j);
    const wq::SampleModel model = app.Model();
    const wq::NitrateType nitrate = app.Settings().NitrateType;
    const wqp::PiperModel piper = wqp::BuildPiperModel(model, app.Settings());
    QJsonArray samples = Samples(app);
    std::size_t next = 0;
    for (int n = 1; n <= model.Count(); ++n) {
        QJsonObject o = samples[n - 1].toObject();
        const wq::Composition& c = model.CompositionOf(n);
        const wq::Fractions& f = wq::SharesUnder(c, nitrate);
        const wq::Facies& fa = wq::FaciesUnder(c, nitrate);
        const bool cation = c.drawn && f.cationDefined;
        const bool anion = c.drawn && f.anionDefined;
        o["cation_percent"] = cation ? QJsonValue(QJsonObject{{"ca", f.CationFraction[1] * 100},
                                                              {"mg", f.CationFraction[2] * 100},
                                                              {"na_k", f.CationFraction[0] * 100}})
                                     : QJsonValue::Null;
        o["anion_percent"] =
            anion ? QJsonValue(QJsonObject{{"hco3_co3", f.AnionFraction[1] * 100},
                                           {"cl_group", f.AnionFraction[0] * 100},
                                           {"so4_group", f.AnionFraction[2] * 100}})
                  : QJsonValue::Null;
        o["cation_type"] = c.drawn ? QJsonValue(hcmd::JsonString(
                                         wq::PiperCationName(fa.cation, Language::English)))
                                   : QJsonValue::Null;
        o["anion_type"] = c.drawn ? QJsonValue(hcmd::JsonString(
                                        wq::PiperAnionName(fa.anion, Language::English)))
                                  : QJsonValue::Null;
        o["diamond_field"] = c.drawn ? QJsonValue(hcmd::JsonString(
                                           wq::PiperFieldName(fa.field, Language::English)))
                                     : QJsonValue::Null;
        if (next < piper.points.size() && piper.points[next].sample == n) {
            const wqp::PiperPoint& p = piper.points[next++];
            o["cation_point"] = Point(p.cation);
            o["anion_point"] = Point(p.anion);
            o["diamond_point"] = Point(p.diamond);
        } else {
            o["cation_point"] = o["anion_point"] = o["diamond_point"] = QJsonValue::Null;
        }
        samples[n - 1] = o;
    }
    j["samples"] = samples;
}

void SchoellerJson(const wq::DiagramApp& app, QJsonObject& j) {
    Common(app, j);
    const wqp::SchoellerModel m = wqp::BuildSchoellerModel(app.Model(), app.Settings());
    QJsonArray axes;
    for (const std::string& a : m.axes) {
        std::string plain;
        for (char ch : a)
            if (ch != ' ')
                plain += ch;
        axes.append(hcmd::JsonString(plain));
    }
    j["axes"] = axes;
    j["low_meq"] = std::pow(10.0, m.lowDecade);
    j["high_meq"] = std::pow(10.0, m.highDecade);
    QJsonArray samples = Samples(app);
    for (const wqp::SchoellerLine& line : m.lines) {
        QJsonObject o = samples[line.sample - 1].toObject();
        QJsonArray meq;
        for (double v : line.meq)
            meq.append(v);
        o["axis_meq"] = meq;
        samples[line.sample - 1] = o;
    }
    for (qsizetype k = 0; k < samples.size(); ++k) {
        QJsonObject o = samples[k].toObject();
        if (!o.contains("axis_meq"))
            o["axis_meq"] = QJsonValue::Null;
        samples[k] = o;
    }
    j["samples"] = samples;
}

void ChadhaJson(const wq::DiagramApp& app, QJsonObject& j) {
    Common(app, j);
    const wq::SampleModel model = app.Model();
    const wq::NitrateType nitrate = app.Settings().NitrateType;
    QJsonArray samples = Samples(app);
    for (int n = 1; n <= model.Count(); ++n) {
        QJsonObject o = samples[n - 1].toObject();
        const wq::Composition& c = model.CompositionOf(n);
        const wq::Facies& fa = wq::FaciesUnder(c, nitrate);
        const bool defined = c.drawn && fa.chadha.defined;
        o["x_percent"] = defined ? QJsonValue(fa.chadha.x) : QJsonValue::Null;
        o["y_percent"] = defined ? QJsonValue(fa.chadha.y) : QJsonValue::Null;
        const int number = wq::ChadhaFieldNumber(fa.chadhaField);
        o["field"] = defined && number > 0 ? QJsonValue(number) : QJsonValue::Null;
        o["field_name"] = defined ? QJsonValue(hcmd::JsonString(wq::ChadhaFieldName(
                                        fa.chadhaField, Language::English)))
                                  : QJsonValue::Null;
        samples[n - 1] = o;
    }
    j["samples"] = samples;
}

void ClassifyJson(const wq::DiagramApp& app, QJsonObject& j) {
    Common(app, j);
    QJsonArray rows;
    for (const wqp::ClassRow& r :
         wqp::ClassificationRows(app.Model(), app.Settings().NitrateType)) {
        QJsonObject o{{"number", r.number},
                      {"name", hcmd::JsonString(r.name)},
                      {"group", hcmd::JsonString(r.group)},
                      {"drawn", r.drawn}};
        auto text = [&](const std::string& s) {
            return r.drawn ? QJsonValue(hcmd::JsonString(s)) : QJsonValue(QJsonValue::Null);
        };
        auto number = [&](const std::optional<double>& v) {
            return r.drawn ? hcmd::JsonOptional(v) : QJsonValue(QJsonValue::Null);
        };
        o["cbe_percent"] = number(r.cbe);
        o["cation_type"] = text(wq::PiperCationName(r.cation, Language::English));
        o["anion_type"] = text(wq::PiperAnionName(r.anion, Language::English));
        o["diamond_field"] = text(wq::PiperFieldName(r.field, Language::English));
        const int chadha = wq::ChadhaFieldNumber(r.chadha);
        o["chadha_field"] = r.drawn && chadha > 0 ? QJsonValue(chadha) : QJsonValue::Null;
        o["sar"] = number(r.indices.sar);
        o["sodium_percent"] = number(r.indices.sodiumPercent);
        o["kelly_ratio"] = number(r.indices.kelly);
        o["rsc_meq"] = number(r.indices.rsc);
        o["permeability_index_percent"] = number(r.indices.pi);
        o["magnesium_hazard_percent"] = number(r.indices.mh);
        o["hardness_mg_l_caco3"] = number(r.indices.hardness);
        o["tds_mg_l"] = r.drawn ? QJsonValue(r.tds) : QJsonValue::Null;
        o["tds_computed"] = r.drawn && r.tdsComputed;
        o["hfed_facies"] = r.drawn && !r.hfed.empty() ? QJsonValue(hcmd::JsonString(r.hfed))
                                                      : QJsonValue::Null;
        o["ussl_class"] = r.drawn && r.ussl.Defined()
                              ? QJsonValue(hcmd::JsonString(wqp::UsslClassName(r.ussl)))
                              : QJsonValue::Null;
        rows.append(o);
    }
    j["samples"] = rows;
}

// The irrigation charts' samples: the chart's values where it draws the sample, else null.
void UsslJson(const wq::DiagramApp& app, QJsonObject& j) {
    Common(app, j);
    const wqp::UsslModel m = wqp::BuildUsslModel(app.Model(), app.Settings());
    j["ec_low_us_cm"] = m.ecLow;
    j["ec_high_us_cm"] = m.ecHigh;
    j["sar_high"] = m.sarHigh;
    j["left_out_without_ec"] = m.withoutEc;
    j["left_out_without_sar"] = m.withoutSar;
    QJsonArray samples = Samples(app);
    for (qsizetype k = 0; k < samples.size(); ++k) {
        QJsonObject o = samples[k].toObject();
        o["sar"] = QJsonValue::Null;
        o["ussl_class"] = QJsonValue::Null;
        samples[k] = o;
    }
    for (const wqp::UsslMark& p : m.points) {
        QJsonObject o = samples[p.sample - 1].toObject();
        o["sar"] = p.sar;
        o["ussl_class"] = hcmd::JsonString(wqp::UsslClassName(p.cls));
        samples[p.sample - 1] = o;
    }
    j["samples"] = samples;
}

void GibbsJson(const wq::DiagramApp& app, QJsonObject& j) {
    Common(app, j);
    const wqp::GibbsModel m = wqp::BuildGibbsModel(app.Model(), app.Settings());
    j["ratio_basis"] = m.options.gibbsMeq ? "meq" : "mass";
    j["tds_low_mg_l"] = std::pow(10.0, m.lowDecade);
    j["tds_high_mg_l"] = std::pow(10.0, m.highDecade);
    j["left_out_without_tds"] = m.withoutTds;
    QJsonArray samples = Samples(app);
    for (qsizetype k = 0; k < samples.size(); ++k) {
        QJsonObject o = samples[k].toObject();
        o["na_ratio"] = o["cl_ratio"] = QJsonValue::Null;
        samples[k] = o;
    }
    for (const wqp::GibbsMark& p : m.points) {
        QJsonObject o = samples[p.sample - 1].toObject();
        o["na_ratio"] = hcmd::JsonOptional(p.ratios.cation);
        o["cl_ratio"] = hcmd::JsonOptional(p.ratios.anion);
        samples[p.sample - 1] = o;
    }
    j["samples"] = samples;
}

void DurovJson(const wq::DiagramApp& app, QJsonObject& j) {
    Common(app, j);
    const wqp::DurovModel m = wqp::BuildDurovModel(app.Model(), app.Settings());
    j["tds_panel"] = m.tdsPanel;
    j["ph_panel"] = m.phPanel;
    j["tds_left_out"] = m.tdsLeftOut;
    j["ph_left_out"] = m.phLeftOut;
    QJsonArray samples = Samples(app);
    for (qsizetype k = 0; k < samples.size(); ++k) {
        QJsonObject o = samples[k].toObject();
        o["square_percent"] = QJsonValue::Null;
        samples[k] = o;
    }
    for (const wqp::DurovMark& p : m.points) {
        QJsonObject o = samples[p.sample - 1].toObject();
        o["square_percent"] = QJsonObject{{"x", p.square.x}, {"y", p.square.y}};
        samples[p.sample - 1] = o;
    }
    j["samples"] = samples;
}

void HfedJson(const wq::DiagramApp& app, QJsonObject& j) {
    Common(app, j);
    const wq::SampleModel model = app.Model();
    const wq::NitrateType nitrate = app.Settings().NitrateType;
    QJsonArray samples = Samples(app);
    for (int n = 1; n <= model.Count(); ++n) {
        QJsonObject o = samples[n - 1].toObject();
        const wq::Composition& c = model.CompositionOf(n);
        const wqp::HfedPoint p =
            c.drawn ? wqp::HfedCoordinates(wq::SharesUnder(c, nitrate)) : wqp::HfedPoint{};
        o["hfed_point"] = p.defined ? QJsonValue(QJsonObject{{"x", p.x}, {"y", p.y}})
                                    : QJsonValue::Null;
        o["hfed_facies"] =
            p.defined ? QJsonValue(hcmd::JsonString(wqp::HfedFaciesName(p))) : QJsonValue::Null;
        samples[n - 1] = o;
    }
    j["samples"] = samples;
    const wqp::HfedModel m = wqp::BuildHfedModel(model, app.Settings());
    if (m.mixingFrom > 0) {
        QJsonArray line;
        for (const std::vector<wqp::Pt>& piece : m.mixing) {
            QJsonArray points;
            for (const wqp::Pt& p : piece)
                points.append(Point(p));
            line.append(points);
        }
        j["mixing_line"] = QJsonObject{{"fresh_sample", m.mixingFrom}, {"pieces", line}};
    } else {
        j["mixing_line"] = QJsonValue::Null;
    }
}

hcmd::DiagramCommand Wq(const char* name, const char* summary, wq::DiagramKind kind,
                        void (*json)(const wq::DiagramApp&, QJsonObject&)) {
    hcmd::DiagramCommand c{name,         summary, wqp::WqPlotVariant(), wqp::kScreenSide,
                           wqp::kScreenSide, json, ""};
    c.kind = kind;
    c.printShifts = false;
    c.input = "TABLE";
    c.notes = "TABLE is a workbook laid out as the template hinagata.xls (.xls, .xlsx, .ods) or "
              "a table with one row per sample under a heading row (.csv, .xlsx, .ods).\n";
    return c;
}

const hcmd::Register piper(hcmd::MakeDiagramCommand(
    Wq("piper", "Piper diagram of water analyses (wqplot)", wq::DiagramKind::Piper, &PiperJson)));
const hcmd::Register schoeller(hcmd::MakeDiagramCommand(
    Wq("schoeller", "Schoeller diagram of water analyses (wqplot)", wq::DiagramKind::Schoeller,
       &SchoellerJson)));
const hcmd::Register chadha(hcmd::MakeDiagramCommand(
    Wq("chadha", "Chadha diagram of water analyses (wqplot)", wq::DiagramKind::Chadha,
       &ChadhaJson)));
const hcmd::Register ussl(hcmd::MakeDiagramCommand(
    Wq("ussl", "USSL diagram of irrigation water: salinity and sodium hazard (wqplot)",
       wq::DiagramKind::Ussl, &UsslJson)));
const hcmd::Register gibbs(hcmd::MakeDiagramCommand(
    Wq("gibbs", "Gibbs diagram of water analyses: TDS against Na/(Na+Ca) and Cl/(Cl+HCO3) "
                "(wqplot)",
       wq::DiagramKind::Gibbs, &GibbsJson)));
const hcmd::Register classify(hcmd::MakeDiagramCommand(
    Wq("classify", "classification table of water analyses: facies and indices (wqplot)",
       wq::DiagramKind::Classification, &ClassifyJson)));

const hcmd::Register durov(hcmd::MakeDiagramCommand(
    Wq("durov", "expanded Durov diagram of water analyses with TDS and pH (wqplot)",
       wq::DiagramKind::Durov, &DurovJson)));
const hcmd::Register hfed(hcmd::MakeDiagramCommand(
    Wq("hfed", "hydrochemical facies evolution diagram (HFE-D) of water analyses (wqplot)",
       wq::DiagramKind::Hfed, &HfedJson)));

}  // namespace
