// A precipitation file through everything rainprob does with it: parse, analyse, and draw the
// chart on screen and on paper with the regression line and the printed values.
#include <cstdint>
#include <string>

#include "common/core/recording_surface.h"
#include "rainprob/core/analysis.h"
#include "rainprob/core/chart.h"
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
    return 0;
}
