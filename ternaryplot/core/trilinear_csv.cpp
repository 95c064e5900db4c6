#include "ternaryplot/core/trilinear_csv.h"

#include "common/core/csv.h"
#include "ternaryplot/core/trilinear.h"
#include "waterquality/core/numbers_csv.h"

namespace tri {

std::string TrilinearCsv(const wq::SampleModel& model, const wq::PlotSettings& settings) {
    hc::CsvTable csv;
    std::vector<std::string> header = wq::AnalysisCsvHeader();
    // The diamond's point is read on its two upper sides: the alkali share of the cations and
    // the chloride-and-sulfate share of the anions.
    for (const char* h : {"mark", "colour", "cation Na+K (%)", "cation Ca (%)", "cation Mg (%)",
                          "anion Cl (%)", "anion HCO3 (%)", "anion SO4 (%)", "diamond Na+K (%)",
                          "diamond Cl+SO4 (%)"})
        header.push_back(h);
    csv.Row(header);
    for (int i = 1; i <= model.Count(); ++i) {
        const wq::Sample& sample = model.At(i);
        const wq::Composition& c = model.CompositionOf(i);
        std::vector<std::string> row = wq::AnalysisCsvFields(model, i);
        row.push_back(sample.mark);
        row.push_back(std::to_string(sample.colour));
        // An undrawn sample has no proportions: its fields stay empty.
        const Fractions& x = wq::SharesUnder(c, settings.NitrateType);
        auto percent = [&](bool defined, double v) {
            row.push_back(defined ? hc::CsvNumber(v * 100) : std::string());
        };
        for (double v : x.CationFraction)
            percent(x.cationDefined, v);
        for (double v : x.AnionFraction)
            percent(x.anionDefined, v);
        bool both = x.cationDefined && x.anionDefined;
        percent(both, x.CationFraction[0]);
        percent(both, x.AnionFraction[0] + x.AnionFraction[2]);
        csv.Row(row);
    }
    return csv.Text();
}

}  // namespace tri
