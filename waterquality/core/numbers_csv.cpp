#include "waterquality/core/numbers_csv.h"

#include "common/core/csv.h"
#include "waterquality/core/column_layout.h"
#include "waterquality/core/meq.h"

namespace wq {

std::vector<std::string> AnalysisCsvHeader() {
    std::vector<std::string> h{"number", "name"};
    for (const char* unit : {" (mg/L)", " (meq/L)"})
        for (const char* ion : kIonNames)
            h.push_back(std::string(ion) + unit);
    return h;
}

std::vector<std::string> AnalysisCsvFields(const SampleModel& model, int sample) {
    const Sample& s = model.At(sample);
    const Composition& c = model.CompositionOf(sample);
    std::vector<std::string> f{std::to_string(sample), s.name};
    for (double mg : s.mg)
        f.push_back(hc::CsvNumber(mg));
    for (double meq : c.meq)
        f.push_back(c.drawn ? hc::CsvNumber(meq) : std::string());
    return f;
}

std::string ColumnChartCsv(const SampleModel& model, const PlotSettings& settings) {
    hc::CsvTable csv;
    std::vector<std::string> header = AnalysisCsvHeader();
    for (const char* q : {"plot Na+K", "plot Ca", "plot Mg", "plot Cl", "plot HCO3", "plot SO4",
                          "plot NO3", "column", "column scale"})
        header.push_back(q);
    csv.Row(header);
    for (const Column& c : ScreenColumns(model.Count(), settings)) {
        const std::vector<PlotValues> q =
            ComputePlotValues(model.compositions, settings.NitrateType, c.scale);
        for (int i = c.first; i <= c.last; ++i) {
            std::vector<std::string> row = AnalysisCsvFields(model, i);
            const PlotValues& p = q[static_cast<std::size_t>(i - 1)];
            const bool drawn = model.At(i).drawn;
            for (double v : {p.qNaK, p.qCa, p.qMg, p.qCl, p.qHCO3, p.qSO4, p.qN})
                row.push_back(drawn ? hc::CsvNumber(v) : std::string());
            row.push_back(std::to_string(c.index));
            row.push_back(hc::CsvNumber(c.scale));
            csv.Row(row);
        }
    }
    return csv.Text();
}

}  // namespace wq
