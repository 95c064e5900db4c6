#include "rainprob/core/rain_app.h"

#include "common/core/language.h"
#include "common/core/numbers.h"
#include "rainprob/core/chart.h"
#include "rainprob/core/numbers_csv.h"

namespace rain {

hc::Result<LoadedRecord> ReadRecord(const std::string& path, const ChartSettings& settings) {
    return ReadRecord(path, settings, PlottingPosition::Hazen, Distribution::Normal);
}

hc::Result<LoadedRecord> ReadRecord(const std::string& path, const ChartSettings& settings,
                                    PlottingPosition position, Distribution distribution) {
    auto naming = [&](hc::Error e) {
        e.file = path;
        return e;
    };
    hc::Result<RainTable> table = LoadRainFile(path);
    if (!table)
        return table.error();
    hc::Result<RainAnalysis> analysis = AnalyseRain(*table, StandardNormalTable(), position);
    if (!analysis)
        return naming(analysis.error());
    if (hc::Status drawable = CheckDrawable(*analysis, settings.ScaleMin, settings.ScaleMax);
        !drawable)
        return naming(drawable.error());
    hc::Result<DistributionFit> fit = FitDistribution(*table, *analysis, distribution);
    if (!fit)
        return naming(fit.error());
    return LoadedRecord{std::move(*table), std::move(*analysis), *fit};
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
    hc::Result<LoadedRecord> fresh = ReadRecord(path, range, position_, distribution_);
    if (!fresh)
        return fresh.error();
    table_ = std::move(fresh->table);
    analysis_ = std::move(fresh->analysis);
    fit_ = fresh->fit;
    loaded_ = true;
    Refit();
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

hc::Status RainApp::SetFrequencyAnalysis(PlottingPosition position, Distribution distribution) {
    if (loaded_) {
        hc::Result<RainAnalysis> analysis = AnalyseRain(table_, Normal(), position);
        if (!analysis)
            return analysis.error();
        hc::Result<DistributionFit> fit = FitDistribution(table_, *analysis, distribution);
        if (!fit) {
            hc::Error e = fit.error();
            e.file = DataPath();
            return e;
        }
        analysis_ = std::move(*analysis);
        fit_ = *fit;
        position_ = position;
        Refit();
    }
    position_ = position;
    distribution_ = distribution;
    return {};
}

const DistributionFit* RainApp::ChartFit() const {
    return distribution_ == Distribution::Normal ? nullptr : &fit_;
}

const ChartBand* RainApp::ChartBand() const {
    return bandShown_ && !(band_.standardError.empty() && band_.limits.empty()) ? &band_ : nullptr;
}

void RainApp::Refit() {
    hc::Result<std::vector<DistributionFit>> refits =
        LeaveOneOutFits(table_, Normal(), position_, fit_);
    leaveOneOut_.clear();
    jackknifeRefused_.reset();
    if (refits) {
        leaveOneOut_ = std::move(*refits);
    } else {
        jackknifeRefused_ = refits.error();
        jackknifeRefused_->file = DataPath();
    }
    SetBandShown(bandShown_);
}

void RainApp::SetBandShown(bool on) {
    bandShown_ = on;
    band_ = {};
    if (!on || !loaded_)
        return;
    band_.standardError = ConfidenceBand(fit_, leaveOneOut_);
    band_.limits = LogPearsonLimits(fit_, table_.Count());
}

std::vector<FitTableRow> RainApp::FitTable() const {
    return BuildFitTable(table_, analysis_, Normal(), position_);
}

std::string RainApp::FitTableCsv() const {
    return rain::FitTableCsv(FitTable(), position_);
}

std::string RainApp::Caption() const {
    if (!loaded_)
        return hc::TS(kMainCaption);
    return hc::TS(kMainCaption) + "  < " + DataPath() + " > ";
}

std::string RainApp::LoadedStatus() const {
    return hc::TS("%1: %2 年", {DataPath(), std::to_string(table_.Count())});
}

std::int32_t RainApp::ShownMean() const {
    return hc::RoundToInt32(analysis_.mean);
}

void RainApp::DrawScreen(hc::Surface& s) const {
    DrawScreenChart(s, table_, analysis_, Normal(), settings_, ChartFit(), ChartBand());
}

void RainApp::PrintChart(hc::Surface& printer) const {
    rain::PrintChart(printer, table_, analysis_, Normal(), settings_, ChartFit(), ChartBand());
}

std::string RainApp::Csv() const {
    return AnalysisCsv(table_, analysis_, fit_, Normal());
}

std::vector<ReturnPeriodValue> RainApp::ReturnPeriods() const {
    return ReturnPeriodTable(fit_, Normal(), leaveOneOut_);
}

std::string RainApp::ReturnPeriodCsv() const {
    return rain::ReturnPeriodCsv(fit_, position_, ReturnPeriods(), jackknifeRefused_);
}

}  // namespace rain
