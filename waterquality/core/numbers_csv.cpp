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

std::vector<std::string> AnalysisCsvFields(const SampleTable& table, int sample) {
    auto ui = static_cast<std::size_t>(sample);
    std::vector<std::string> f{std::to_string(sample), table.SampleName[ui]};
    for (int k = 0; k < kIonCount; ++k)
        f.push_back(hc::CsvNumber(table.RawMg[ui][static_cast<std::size_t>(k)]));
    for (int k = 0; k < kIonCount; ++k)
        f.push_back(table.SampleValid[ui] >= 1
                        ? hc::CsvNumber(table.Meq[ui][static_cast<std::size_t>(k)])
                        : std::string());
    return f;
}

std::string ColumnChartCsv(const SampleTable& table, const PlotSettings& settings) {
    hc::CsvTable csv;
    std::vector<std::string> header = AnalysisCsvHeader();
    for (const char* q : {"plot Na+K", "plot Ca", "plot Mg", "plot Cl", "plot HCO3", "plot SO4",
                          "plot NO3", "column", "column scale"})
        header.push_back(q);
    csv.Row(header);
    for (const Column& c : ScreenColumns(table.SampleCount, settings)) {
        auto q = ComputePlotValues(table, settings.NitrateType, c.scale);
        for (int i = c.first; i <= c.last; ++i) {
            std::vector<std::string> row = AnalysisCsvFields(table, i);
            const PlotValues& p = q[static_cast<std::size_t>(i)];
            bool drawn = table.SampleValid[static_cast<std::size_t>(i)] == 1;
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
