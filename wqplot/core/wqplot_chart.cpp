#include "wqplot/core/wqplot_chart.h"

#include "common/core/csv.h"
#include "common/core/language.h"
#include "common/core/numbers.h"
#include "wqplot/core/chadha_chart.h"
#include "wqplot/core/durov_chart.h"
#include "wqplot/core/gibbs_chart.h"
#include "wqplot/core/hfed_chart.h"
#include "wqplot/core/piper_chart.h"
#include "wqplot/core/schoeller_chart.h"
#include "wqplot/core/table_sheet.h"
#include "wqplot/core/ussl_chart.h"

namespace wqp {

namespace {

constexpr int kShareDecimals = 2;  // % of meq/L
constexpr int kMeqDecimals = 4;
constexpr const char* kTableTitle = hc::N("水質分類表");

// The first columns of every CSV: the sample as the table gives it.
std::vector<std::string> SampleFields(const wq::SampleModel& m, int n) {
    const wq::Sample& s = m.At(n);
    return {std::to_string(n), s.name, s.group, s.drawn ? "1" : "0"};
}

std::string Percent(double share) {
    return hc::FixedDecimals(share * 100, kShareDecimals);
}

class WqPlotStrategy : public wq::DiagramStrategy {
  public:
    wq::ScaleChoice Convert(const wq::SampleModel& /*model*/,
                            wq::PlotSettings& /*settings*/) const override {
        return {};  // no scale: every diagram is in % or on log axes
    }
    void DrawScreen(hc::Surface& canvas, const wq::SampleModel& model,
                    const wq::PlotSettings& settings) const override {
        const ChartMedia media = ScreenMedia(kScreenSide, kScreenSide);
        switch (settings.Diagram.kind) {
            case wq::DiagramKind::Piper:
                DrawPiper(canvas, BuildPiperModel(model, settings), media);
                break;
            case wq::DiagramKind::Schoeller:
                DrawSchoeller(canvas, BuildSchoellerModel(model, settings), media);
                break;
            case wq::DiagramKind::Chadha:
                DrawChadha(canvas, BuildChadhaModel(model, settings), media);
                break;
            case wq::DiagramKind::Durov:
                DrawDurov(canvas, BuildDurovModel(model, settings), media);
                break;
            case wq::DiagramKind::Hfed:
                DrawHfed(canvas, BuildHfedModel(model, settings), media);
                break;
            case wq::DiagramKind::Ussl:
                DrawUssl(canvas, BuildUsslModel(model, settings), media);
                break;
            case wq::DiagramKind::Gibbs:
                DrawGibbs(canvas, BuildGibbsModel(model, settings), media);
                break;
            case wq::DiagramKind::Classification:
                DrawTableSheet(canvas, ClassificationTable(model, settings.NitrateType),
                               hc::TS(kTableTitle));
                break;
        }
    }
    void Print(hc::Surface& printer, const wq::SampleModel& model, const wq::PlotSettings& settings,
               const wq::PrintOffset& /*offset*/) const override {
        const ChartMedia media = PaperMedia();
        switch (settings.Diagram.kind) {
            case wq::DiagramKind::Piper:
                DrawPiper(printer, BuildPiperModel(model, settings), media);
                break;
            case wq::DiagramKind::Schoeller:
                DrawSchoeller(printer, BuildSchoellerModel(model, settings), media);
                break;
            case wq::DiagramKind::Chadha:
                DrawChadha(printer, BuildChadhaModel(model, settings), media);
                break;
            case wq::DiagramKind::Durov:
                DrawDurov(printer, BuildDurovModel(model, settings), media);
                break;
            case wq::DiagramKind::Hfed:
                DrawHfed(printer, BuildHfedModel(model, settings), media);
                break;
            case wq::DiagramKind::Ussl:
                DrawUssl(printer, BuildUsslModel(model, settings), media);
                break;
            case wq::DiagramKind::Gibbs:
                DrawGibbs(printer, BuildGibbsModel(model, settings), media);
                break;
            case wq::DiagramKind::Classification:
                PrintTableSheets(printer, ClassificationTable(model, settings.NitrateType),
                                 hc::TS(kTableTitle));
                break;
        }
    }
    std::string Csv(const wq::SampleModel& model, const wq::PlotSettings& settings) const override {
        switch (settings.Diagram.kind) {
            case wq::DiagramKind::Piper:
                return PiperCsv(model, settings.NitrateType);
            case wq::DiagramKind::Schoeller:
                return SchoellerCsv(model, settings);
            case wq::DiagramKind::Chadha:
                return ChadhaCsv(model, settings.NitrateType);
            case wq::DiagramKind::Ussl:
                return UsslCsv(model, settings);
            case wq::DiagramKind::Gibbs:
                return GibbsCsv(model, settings);
            case wq::DiagramKind::Durov:
                return DurovCsv(model, settings);
            case wq::DiagramKind::Hfed:
                return HfedCsv(model, settings);
            case wq::DiagramKind::Classification:
                break;
        }
        return ClassificationCsv(ClassificationRows(model, settings.NitrateType),
                                 wq::Language::Japanese);
    }
    std::optional<wq::TextTable> Table(const wq::SampleModel& model,
                                       const wq::PlotSettings& settings) const override {
        if (settings.Diagram.kind != wq::DiagramKind::Classification)
            return std::nullopt;
        return ClassificationTable(model, settings.NitrateType);
    }
};

}  // namespace

wq::TextTable ClassificationTable(const wq::SampleModel& model, wq::NitrateType nitrate) {
    wq::TextTable t;
    t.headings = ClassificationHeader(wq::ShownLanguage());
    for (std::size_t k = 0; k < kClassColumns.size(); ++k)
        t.numeric.push_back(kClassColumns[k].decimals >= 0 || k == kColNumber);
    for (const ClassRow& r : ClassificationRows(model, nitrate))
        t.rows.push_back(ClassificationCells(r, wq::ShownLanguage(), CellUse::Window));
    return t;
}

std::string PiperCsv(const wq::SampleModel& model, wq::NitrateType nitrate) {
    hc::CsvTable csv;
    csv.Row({"number", "name", "group", "drawn", "Ca (%)", "Mg (%)", "Na+K (%)", "HCO3+CO3 (%)",
             "Cl (%)", "SO4 (%)", "cation type", "anion type", "diamond field"});
    for (int n = 1; n <= model.Count(); ++n) {
        std::vector<std::string> row = SampleFields(model, n);
        const wq::Composition& c = model.CompositionOf(n);
        const wq::Fractions& f = wq::SharesUnder(c, nitrate);
        const wq::Facies& fa = wq::FaciesUnder(c, nitrate);
        for (double v : {f.CationFraction[1], f.CationFraction[2], f.CationFraction[0]})
            row.push_back(c.drawn && f.cationDefined ? Percent(v) : std::string());
        for (double v : {f.AnionFraction[1], f.AnionFraction[0], f.AnionFraction[2]})
            row.push_back(c.drawn && f.anionDefined ? Percent(v) : std::string());
        if (c.drawn) {
            row.push_back(wq::PiperCationName(fa.cation, wq::Language::Japanese));
            row.push_back(wq::PiperAnionName(fa.anion, wq::Language::Japanese));
            row.push_back(wq::PiperFieldName(fa.field, wq::Language::Japanese));
        } else {
            row.insert(row.end(), 3, std::string());
        }
        csv.Row(row);
    }
    return csv.Text();
}

std::string SchoellerCsv(const wq::SampleModel& model, const wq::PlotSettings& settings) {
    const SchoellerModel sm = BuildSchoellerModel(model, settings);
    hc::CsvTable csv;
    std::vector<std::string> head{"number", "name", "group", "drawn"};
    for (const std::string& a : sm.axes) {
        std::string plain;
        for (char ch : a)
            if (ch != ' ')
                plain += ch;
        head.push_back(plain + " (meq/L)");
    }
    csv.Row(head);
    std::size_t line = 0;
    for (int n = 1; n <= model.Count(); ++n) {
        std::vector<std::string> row = SampleFields(model, n);
        if (line < sm.lines.size() && sm.lines[line].sample == n) {
            for (double v : sm.lines[line].meq)
                row.push_back(hc::FixedDecimals(v, kMeqDecimals));
            ++line;
        } else {
            row.insert(row.end(), sm.axes.size(), std::string());
        }
        csv.Row(row);
    }
    return csv.Text();
}

std::string ChadhaCsv(const wq::SampleModel& model, wq::NitrateType nitrate) {
    hc::CsvTable csv;
    csv.Row({"number", "name", "group", "drawn", "x (%)", "y (%)", "field", "field name"});
    for (int n = 1; n <= model.Count(); ++n) {
        std::vector<std::string> row = SampleFields(model, n);
        const wq::Composition& c = model.CompositionOf(n);
        const wq::Facies& fa = wq::FaciesUnder(c, nitrate);
        if (c.drawn && fa.chadha.defined) {
            row.push_back(hc::FixedDecimals(fa.chadha.x, kShareDecimals));
            row.push_back(hc::FixedDecimals(fa.chadha.y, kShareDecimals));
            const int number = wq::ChadhaFieldNumber(fa.chadhaField);
            row.push_back(number > 0 ? std::to_string(number) : std::string());
            row.push_back(wq::ChadhaFieldName(fa.chadhaField, wq::Language::Japanese));
        } else {
            row.insert(row.end(), 4, std::string());
        }
        csv.Row(row);
    }
    return csv.Text();
}

std::string DurovCsv(const wq::SampleModel& model, const wq::PlotSettings& settings) {
    const DurovModel dm = BuildDurovModel(model, settings);
    hc::CsvTable csv;
    csv.Row({"number", "name", "group", "drawn", "x (%)", "y (%)", "TDS (mg/L)", "pH"});
    std::size_t next = 0;
    for (int n = 1; n <= model.Count(); ++n) {
        std::vector<std::string> row = SampleFields(model, n);
        if (next < dm.points.size() && dm.points[next].sample == n) {
            const DurovMark& p = dm.points[next++];
            row.push_back(hc::FixedDecimals(p.square.x, kShareDecimals));
            row.push_back(hc::FixedDecimals(p.square.y, kShareDecimals));
            row.push_back(p.tds ? hc::FixedDecimals(*p.tds, 1) : std::string());
            row.push_back(p.ph ? hc::FixedDecimals(*p.ph, 2) : std::string());
        } else {
            row.insert(row.end(), 4, std::string());
        }
        csv.Row(row);
    }
    return csv.Text();
}

std::string HfedCsv(const wq::SampleModel& model, const wq::PlotSettings& settings) {
    const wq::NitrateType nitrate = settings.NitrateType == wq::NitrateType::Unset
                                        ? wq::NitrateType::None
                                        : settings.NitrateType;
    hc::CsvTable csv;
    csv.Row({"number", "name", "group", "drawn", "x", "y", "facies"});
    for (int n = 1; n <= model.Count(); ++n) {
        std::vector<std::string> row = SampleFields(model, n);
        const wq::Composition& c = model.CompositionOf(n);
        const HfedPoint p = c.drawn ? HfedCoordinates(wq::SharesUnder(c, nitrate)) : HfedPoint{};
        if (p.defined) {
            row.push_back(hc::FixedDecimals(p.x, kShareDecimals));
            row.push_back(hc::FixedDecimals(p.y, kShareDecimals));
            row.push_back(HfedFaciesName(p));
        } else {
            row.insert(row.end(), 3, std::string());
        }
        csv.Row(row);
    }
    return csv.Text();
}

std::string UsslCsv(const wq::SampleModel& model, const wq::PlotSettings& settings) {
    const UsslModel um = BuildUsslModel(model, settings);
    hc::CsvTable csv;
    csv.Row({"number", "name", "group", "drawn", "EC (uS/cm)", "SAR", "USSL class"});
    std::size_t next = 0;
    for (int n = 1; n <= model.Count(); ++n) {
        std::vector<std::string> row = SampleFields(model, n);
        if (next < um.points.size() && um.points[next].sample == n) {
            const UsslMark& p = um.points[next++];
            row.push_back(hc::FixedDecimals(p.ec, 1));
            row.push_back(hc::FixedDecimals(p.sar, kShareDecimals));
            row.push_back(UsslClassName(p.cls));
        } else {
            row.insert(row.end(), 3, std::string());
        }
        csv.Row(row);
    }
    return csv.Text();
}

std::string GibbsCsv(const wq::SampleModel& model, const wq::PlotSettings& settings) {
    const GibbsModel gm = BuildGibbsModel(model, settings);
    const std::string basis = settings.Diagram.gibbsMeq ? " (meq/L)" : " (mg/L)";
    hc::CsvTable csv;
    csv.Row({"number", "name", "group", "drawn", "TDS (mg/L)", "TDS computed", "Na/(Na+Ca)" + basis,
             "Cl/(Cl+HCO3)" + basis});
    std::size_t next = 0;
    for (int n = 1; n <= model.Count(); ++n) {
        std::vector<std::string> row = SampleFields(model, n);
        if (next < gm.points.size() && gm.points[next].sample == n) {
            const GibbsMark& p = gm.points[next++];
            row.push_back(hc::FixedDecimals(p.tds, 1));
            row.push_back(p.tdsComputed ? "1" : "0");
            for (const std::optional<double>& v : {p.ratios.cation, p.ratios.anion})
                row.push_back(v ? hc::FixedDecimals(*v, kMeqDecimals) : std::string());
        } else {
            row.insert(row.end(), 4, std::string());
        }
        csv.Row(row);
    }
    return csv.Text();
}

const wq::DiagramVariant& WqPlotVariant() {
    static const WqPlotStrategy strategy;
    static const wq::DiagramVariant variant = [] {
        wq::DiagramVariant v;
        v.captionPrefix = hc::N("水質ダイアグラム < ");
        v.styles = {};
        v.startWidths = {};
        v.columnScales = false;
        v.maxSamples = wq::kMaxLongTableSamples;
        // Marks and colours of a workbook's rows 20 and 21, or a table's mark and colour.
        v.extraRows = wq::ReadMarkAndColour;
        v.strategy = &strategy;
        return v;
    }();
    return variant;
}

}  // namespace wqp
