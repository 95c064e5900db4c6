// A precipitation file through everything rainprob does with it: parse, analyse, fit every
// distribution with its jackknife, and draw the chart on screen and on paper with the
// regression line, the printed values and a fit's band.
#include <cstdint>
#include <string>

#include "common/core/recording_surface.h"
#include "rainprob/core/analysis.h"
#include "rainprob/core/chart.h"
#include "rainprob/core/fit_table.h"
#include "rainprob/core/rain_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const rain::NormalTable& normal = rain::StandardNormalTable();
    hc::Result<rain::RainTable> parsed =
        rain::ParseRainText(std::string(reinterpret_cast<const char*>(data), size));
    if (!parsed)
        return 0;
    const rain::RainTable& table = *parsed;
    hc::Result<rain::RainAnalysis> analysed = rain::AnalyseRain(table, normal);
    if (!analysed)
        return 0;
    const rain::RainAnalysis& analysis = *analysed;
    (void)rain::ComputeDesignValues(analysis);
    rain::ChartSettings settings;
    settings.analysisMode = rain::AnalysisMode::LineAndValues;
    if (!rain::CheckDrawable(analysis, settings.ScaleMin, settings.ScaleMax))
        return 0;
    hc::RecordingSurface screen = hc::RecordingSurface::Screen(377, 473);
    rain::DrawScreenChart(screen, table, analysis, normal, settings);
    hc::RecordingSurface paper = hc::RecordingSurface::Paper();
    rain::PrintChart(paper, table, analysis, normal, settings);
    for (const rain::FitTableRow& row :
         rain::BuildFitTable(table, analysis, normal, rain::PlottingPosition::Hazen)) {
        if (!row.fit)
            continue;
        const auto loo =
            rain::LeaveOneOutFits(table, normal, rain::PlottingPosition::Hazen, *row.fit);
        rain::ChartBand band;
        if (loo)
            band.standardError = rain::ConfidenceBand(*row.fit, *loo);
        band.limits = rain::LogPearsonLimits(*row.fit, table.Count());
        rain::DrawScreenChart(screen, table, analysis, normal, settings, &*row.fit, &band);
    }
    return 0;
}
