#include "rainprob/core/rain_app.h"

#include "common/core/numbers.h"
#include "rainprob/core/chart.h"
#include "rainprob/core/numbers_csv.h"

namespace rain {

hc::Result<LoadedRecord> ReadRecord(const std::string& path, const ChartSettings& settings) {
    auto naming = [&](hc::Error e) {
        e.file = path;
        return e;
    };
    hc::Result<RainTable> table = LoadRainFile(path);
    if (!table)
        return table.error();
    hc::Result<RainAnalysis> analysis = AnalyseRain(*table, StandardNormalTable());
    if (!analysis)
        return naming(analysis.error());
    if (hc::Status drawable = CheckDrawable(*analysis, settings.ScaleMin, settings.ScaleMax);
        !drawable)
        return naming(drawable.error());
    return LoadedRecord{std::move(*table), std::move(*analysis)};
}

RainApp::RainApp(const ChartSettings& settings) : settings_(settings), defaultsSet_(true) {}

hc::Status RainApp::Load(const std::string& path) {
    action_ = ChartAction::Load;
    // The first load is checked against the range it is about to apply.
    ChartSettings range = settings_;
    if (!defaultsSet_) {
        range.ScaleMin = ChartSettings{}.ScaleMin;
        range.ScaleMax = ChartSettings{}.ScaleMax;
    }
    hc::Result<LoadedRecord> fresh = ReadRecord(path, range);
    if (!fresh)
        return fresh.error();
    table_ = std::move(fresh->table);
    analysis_ = std::move(fresh->analysis);
    loaded_ = true;
    if (!defaultsSet_) {
        ChartSettings defaults;
        defaults.offsetRight = settings_.offsetRight;
        defaults.offsetUp = settings_.offsetUp;
        settings_ = defaults;
        defaultsSet_ = true;
    }
    action_ = ChartAction::Redraw;
    return {};
}

hc::Status RainApp::LoadFromEditor(const std::string& path) {
    const AnalysisMode previous = settings_.analysisMode;
    settings_.analysisMode = AnalysisMode::None;
    hc::Status loaded = Load(path);
    if (!loaded)
        settings_.analysisMode = previous;
    return loaded;
}

hc::Status RainApp::Request(ChartAction action) {
    if (action == ChartAction::Load)
        return Load(DataPath());
    action_ = action;
    if (action == ChartAction::Exit)
        return {};
    if (!loaded_)
        return hc::FileError(hc::ErrorKind::Unusable, "", "データが読み込まれていません",
                             "no record is loaded");
    return CheckScalePair(settings_.ScaleMin, settings_.ScaleMax);
}

void RainApp::SetScaleMin(std::int32_t mm) {
    settings_.ScaleMin = mm;
}

void RainApp::SetScaleMax(std::int32_t mm) {
    settings_.ScaleMax = mm;
}

hc::Status RainApp::SetLineWidth(PrintLine line, int width) {
    if (hc::Status ok = CheckLineWidth(width); !ok)
        return ok;
    settings_.LineWidths.Of(line) = width;
    return {};
}

void RainApp::SetAnalysisMode(AnalysisMode mode) {
    settings_.analysisMode = mode;
}

void RainApp::SetPrintOffset(std::string_view right, std::string_view up) {
    settings_.offsetRight = PrintOffsetOf(right);
    settings_.offsetUp = PrintOffsetOf(up);
}

std::string RainApp::Caption() const {
    if (!loaded_)
        return kMainCaption;
    return std::string(kMainCaption) + "  < " + DataPath() + " > ";
}

std::string RainApp::LoadedStatus() const {
    return DataPath() + ": " + std::to_string(table_.Count()) + " 年";
}

std::int32_t RainApp::ShownMean() const {
    return hc::RoundToInt32(analysis_.mean);
}

void RainApp::DrawScreen(hc::Surface& s) const {
    DrawScreenChart(s, table_, analysis_, Normal(), settings_);
}

void RainApp::PrintChart(hc::Surface& printer) const {
    rain::PrintChart(printer, table_, analysis_, Normal(), settings_);
}

std::string RainApp::Csv() const {
    return AnalysisCsv(table_, analysis_);
}

}  // namespace rain
