// rainprob's application layer: what is loaded (the record and its analysis), the settings in
// force, and the requests the main window's menus make of them. The window turns menu events
// into these requests and shows their results; hydrochart loads, checks and draws through the
// same object without a window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/language.h"
#include "common/core/result.h"
#include "common/core/surface.h"
#include "rainprob/core/analysis.h"
#include "rainprob/core/fit_table.h"
#include "rainprob/core/frequency.h"
#include "rainprob/core/rain_data.h"
#include "rainprob/core/settings.h"

namespace rain {

// The requests of the one entry every menu action ends in; the numbers are the classic action
// codes.
enum class ChartAction { Exit = -1, Print = 0, Redraw = 1, Load = 2 };

// The main window's caption before a file is loaded; the loaded path is appended as
// "  < path > ".
inline constexpr const char* kMainCaption = hc::N("年降水量の非超過確率分布の作図");
// The filter of the dialogs that open precipitation files, all files first.
inline constexpr const char* kRainFileFilter = "All Files (*.*)|*.*|Text Files (*.txt)|*.txt";

// A record read and analysed, ready to replace the one in force.
struct LoadedRecord {
    RainTable table;
    RainAnalysis analysis;
    DistributionFit fit;  // the distribution asked for, fitted to `analysis`
};

// Reads and analyses the file at path and checks that it can be drawn on the axis range of
// `settings`. Every Error names the file (and the line where one applies).
hc::Result<LoadedRecord> ReadRecord(const std::string& path, const ChartSettings& settings);
// The same with the plotting position and the distribution chosen: a record the distribution
// cannot be fitted to (log-normal with an amount of 0 mm or less) is refused.
hc::Result<LoadedRecord> ReadRecord(const std::string& path, const ChartSettings& settings,
                                    PlottingPosition position, Distribution distribution);

class RainApp {
  public:
    // The window's: the settings wait for the first load to apply their defaults.
    RainApp() = default;
    // hydrochart's: the settings are chosen before the load, and loads keep them.
    explicit RainApp(const ChartSettings& settings);

    bool Loaded() const { return loaded_; }
    const RainTable& Table() const { return table_; }
    const RainAnalysis& Analysis() const { return analysis_; }
    const NormalTable& Normal() const { return StandardNormalTable(); }
    // The file of the record in force; empty before the first load.
    const std::string& DataPath() const { return table_.DataPath; }
    // The settings in force; until DefaultsSet() they are the defaults the first load applies.
    const ChartSettings& Settings() const { return settings_; }
    bool DefaultsSet() const { return defaultsSet_; }
    // The request made last; a successful load leaves Redraw.
    ChartAction Action() const { return action_; }
    // The frequency analysis in force: Hazen positions and the normal regression until another
    // is chosen. Fit() is the chosen distribution fitted to Analysis(); the chart, its line and
    // the design values follow both.
    PlottingPosition Position() const { return position_; }
    Distribution DistributionChoice() const { return distribution_; }
    const DistributionFit& Fit() const { return fit_; }

    // Reads path into fresh objects: the record and the settings change only when the whole
    // file was read, analysed and can be drawn on the axis range in force. The first successful
    // load applies the default settings (the print position stays as typed).
    hc::Status Load(const std::string& path);
    // The mask editor's save and exit: the analysis mode goes back to None before the load; a
    // failed load puts the mode back.
    hc::Status LoadFromEditor(const std::string& path);
    // Redraw and Print: whether the chart can be drawn now. Unusable when nothing is loaded
    // (nothing to do), BadValue with kBadScaleMessage for a refused axis pair (the window says
    // so). Load reads DataPath() again; Exit always goes ahead.
    hc::Status Request(ChartAction action);

    // The settings menus. Each takes effect even when the axis pair it makes is refused for
    // drawing; none recomputes the analysis.
    void SetScaleMin(std::int32_t mm);
    void SetScaleMax(std::int32_t mm);
    hc::Status SetLineWidth(PrintLine line, int width);
    void SetAnalysisMode(AnalysisMode mode);
    // The print position boxes' texts (right, up), read by PrintOffsetOf.
    void SetPrintOffset(std::string_view right, std::string_view up);
    // The frequency menu: analyses the record in force again with the position and fits the
    // distribution. A fit the record does not allow is refused (Error naming the file) and the
    // choice in force stays; before the first load the choice is only remembered.
    hc::Status SetFrequencyAnalysis(PlottingPosition position, Distribution distribution);

    // What the window shows.
    std::string Caption() const;
    std::string LoadedStatus() const;  // "path: 26 年"
    std::int32_t ShownMean() const;    // the mean rounded half to even
    // The window's chart (sets its user scale, does not clear) and the printed sheet (ended
    // with EndDoc), for the record and settings in force. Both need Request() to have agreed.
    void DrawScreen(hc::Surface& s) const;
    void PrintChart(hc::Surface& printer) const;
    // The numbers behind the chart, as 数値を保存 writes them, with the design values of the
    // fit in force.
    std::string Csv() const;
    // The dry-year and wet-year amounts of the return periods from the fit in force, and the
    // same as the return-period window saves them.
    // Both carry the jackknife of every amount where the record allows one.
    std::vector<ReturnPeriodValue> ReturnPeriods() const;
    std::string ReturnPeriodCsv() const;
    // The leave-one-out refits of the fit in force, or why there are none.
    const std::vector<DistributionFit>& LeaveOneOut() const { return leaveOneOut_; }
    const std::optional<hc::Error>& JackknifeRefused() const { return jackknifeRefused_; }
    // The 適合度 table of every distribution on the record and positions in force, and the same
    // as CSV.
    std::vector<FitTableRow> FitTable() const;
    std::string FitTableCsv() const;
    // The ±1 standard-error band of the line on the chart and the printed sheet (log-Pearson
    // III: with its 90 % limits); drawn only where the jackknife is possible and the line is
    // shown.
    void SetBandShown(bool on);
    bool BandShown() const { return bandShown_; }

  private:
    // The fit handed to the chart: none for the normal fit, whose line is the regression's.
    const DistributionFit* ChartFit() const;
    // The band drawn, or none.
    const rain::ChartBand* ChartBand() const;
    // The leave-one-out refits (and the band) of the fit in force, after a load or a choice.
    void Refit();

    RainTable table_;
    RainAnalysis analysis_;
    DistributionFit fit_;
    std::vector<DistributionFit> leaveOneOut_;
    std::optional<hc::Error> jackknifeRefused_;
    rain::ChartBand band_;
    bool bandShown_ = false;
    PlottingPosition position_ = PlottingPosition::Hazen;
    Distribution distribution_ = Distribution::Normal;
    ChartSettings settings_;
    bool loaded_ = false;
    bool defaultsSet_ = false;
    ChartAction action_ = ChartAction::Redraw;
};

}  // namespace rain
