#include "rainprob/core/numbers_csv.h"

#include "common/core/csv.h"

namespace rain {

namespace {

std::string Optional(const std::optional<double>& v) {
    return v ? hc::CsvNumber(*v) : std::string();
}

// The years, then the summary; with a fit other than the normal regression, the fit's
// parameters and its design values take the slope's place.
std::string YearsAndSummary(const RainTable& table, const RainAnalysis& a,
                            const DistributionFit* fit, const NormalTable* normal) {
    hc::CsvTable csv;
    csv.Row({"year", "amount (mm)", "rank", "plotting position", "deviate"});
    for (std::size_t i = 0; i < table.Rain.size(); ++i)
        csv.Row({std::to_string(table.Years[i]), std::to_string(table.Rain[i]),
                 std::to_string(a.rank[i]), hc::CsvNumber(a.pp[i]), hc::CsvNumber(a.deviate[i])});
    csv.Blank();
    csv.Row({"item", "value"});
    csv.Row({"years", std::to_string(table.Count())});
    csv.Row({"mean (mm)", hc::CsvNumber(a.mean)});
    csv.Row({"largest (mm)", std::to_string(a.max)});
    csv.Row({"smallest (mm)", std::to_string(a.min)});
    DesignValues v = ComputeDesignValues(a);
    if (fit) {
        csv.Row({"distribution", DistributionNameOf(fit->kind)});
        csv.Row({"location", hc::CsvNumber(fit->location)});
        csv.Row({"scale", hc::CsvNumber(fit->scale)});
        // The later fits give their shape (0 where they have none); the first four keep their
        // rows as they were.
        if (fit->kind > Distribution::GumbelRegression)
            csv.Row({"shape", hc::CsvNumber(fit->shape)});
        v = FitDesignValues(*fit, *normal);
    } else {
        csv.Row({"slope (mm per deviate)", hc::CsvNumber(a.slope)});
    }
    csv.Row({"dry year 1/10 (mm)", std::to_string(v.dry10)});
    csv.Row({"dry year 1/50 (mm)", std::to_string(v.dry50)});
    csv.Row({"wet year 1/10 (mm)", std::to_string(v.wet10)});
    csv.Row({"wet year 1/50 (mm)", std::to_string(v.wet50)});
    return csv.Text();
}

}  // namespace

std::string AnalysisCsv(const RainTable& table, const RainAnalysis& a) {
    return YearsAndSummary(table, a, nullptr, nullptr);
}

std::string AnalysisCsv(const RainTable& table, const RainAnalysis& a, const DistributionFit& fit,
                        const NormalTable& normal) {
    if (fit.kind == Distribution::Normal)
        return AnalysisCsv(table, a);
    return YearsAndSummary(table, a, &fit, &normal);
}

std::string ReturnPeriodCsv(const DistributionFit& fit, PlottingPosition position,
                            const std::vector<ReturnPeriodValue>& rows,
                            const std::optional<hc::Error>& jackknifeRefused) {
    hc::CsvTable csv;
    csv.Row({"item", "value"});
    csv.Row({"distribution", DistributionNameOf(fit.kind)});
    csv.Row({"method", EstimationMethod(fit.kind)});
    csv.Row({"plotting position", PositionName(position)});
    csv.Row({"location", hc::CsvNumber(fit.location)});
    csv.Row({"scale", hc::CsvNumber(fit.scale)});
    csv.Row({"shape", hc::CsvNumber(fit.shape)});
    csv.Row({"probability plot correlation", Optional(fit.ppcc)});
    csv.Row({"standard error (mm)", Optional(fit.standardError)});
    csv.Row({"SLSC", Optional(fit.slsc)});
    csv.Row({"jackknife", jackknifeRefused ? jackknifeRefused->en : "leave-one-out"});
    csv.Blank();
    csv.Row({"return period (years)", "dry year (mm)", "wet year (mm)", "dry year rounded (mm)",
             "wet year rounded (mm)", "dry jackknife mean (mm)", "dry bias-corrected (mm)",
             "dry standard error (mm)", "wet jackknife mean (mm)", "wet bias-corrected (mm)",
             "wet standard error (mm)"});
    auto jackknife = [](const std::optional<JackknifeValue>& j) -> std::vector<std::string> {
        if (!j)
            return {"", "", ""};
        return {hc::CsvNumber(j->mean), hc::CsvNumber(j->corrected),
                hc::CsvNumber(j->standardError)};
    };
    for (const ReturnPeriodValue& v : rows) {
        std::vector<std::string> row = {std::to_string(v.years), hc::CsvNumber(v.dry),
                                        hc::CsvNumber(v.wet), std::to_string(v.dryMm),
                                        std::to_string(v.wetMm)};
        for (const auto& j : {v.dryJackknife, v.wetJackknife})
            for (std::string& cell : jackknife(j))
                row.push_back(std::move(cell));
        csv.Row(row);
    }
    return csv.Text();
}

std::string FitTableCsv(const std::vector<FitTableRow>& rows, PlottingPosition position) {
    hc::CsvTable csv;
    csv.Row({"item", "value"});
    csv.Row({"plotting position", PositionName(position)});
    csv.Row({"SLSC accepted at or below", hc::CsvNumber(kSlscAcceptance)});
    csv.Blank();
    const std::string years = std::to_string(kFitTableYears);
    csv.Row({"rank", "distribution", "method", "SLSC", "accepted", "probability plot correlation",
             "standard error (mm)", years + "-year wet (mm)",
             years + "-year wet jackknife standard error (mm)", "location", "scale", "shape",
             "refused"});
    for (const FitTableRow& r : rows) {
        if (!r.fit) {
            csv.Row({"", DistributionNameOf(r.kind), EstimationMethod(r.kind), "", "", "", "", "",
                     "", "", "", "", r.fit.error().en});
            continue;
        }
        const DistributionFit& f = *r.fit;
        csv.Row({r.rank ? std::to_string(r.rank) : "", DistributionNameOf(r.kind),
                 EstimationMethod(r.kind), Optional(f.slsc),
                 r.accepted ? "yes" : "no", Optional(f.ppcc), Optional(f.standardError),
                 Optional(r.wet100), Optional(r.wet100Error), hc::CsvNumber(f.location),
                 hc::CsvNumber(f.scale), hc::CsvNumber(f.shape), ""});
    }
    return csv.Text();
}

}  // namespace rain
