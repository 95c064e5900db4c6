#include "rainprob/core/numbers_csv.h"

#include "common/core/csv.h"

namespace rain {

namespace {

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

std::string ReturnPeriodCsv(const DistributionFit& fit, const NormalTable& normal,
                            PlottingPosition position) {
    auto optional = [](const std::optional<double>& v) {
        return v ? hc::CsvNumber(*v) : std::string();
    };
    hc::CsvTable csv;
    csv.Row({"item", "value"});
    csv.Row({"distribution", DistributionNameOf(fit.kind)});
    csv.Row({"plotting position", PositionName(position)});
    csv.Row({"location", hc::CsvNumber(fit.location)});
    csv.Row({"scale", hc::CsvNumber(fit.scale)});
    csv.Row({"probability plot correlation", optional(fit.ppcc)});
    csv.Row({"standard error (mm)", optional(fit.standardError)});
    csv.Blank();
    csv.Row({"return period (years)", "dry year (mm)", "wet year (mm)", "dry year rounded (mm)",
             "wet year rounded (mm)"});
    for (const ReturnPeriodValue& v : ReturnPeriodTable(fit, normal))
        csv.Row({std::to_string(v.years), hc::CsvNumber(v.dry), hc::CsvNumber(v.wet),
                 std::to_string(v.dryMm), std::to_string(v.wetMm)});
    return csv.Text();
}

}  // namespace rain
