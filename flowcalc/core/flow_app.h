// The application layer of flowcalc: the loaded section, the chart scales, the analysis
// parameters, the last computation (what the picture and the printout show) and the print
// widths, with the rules the windows and the headless command share: every limit, default and
// message of an entry is written here once.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/core/result.h"
#include "flowcalc/core/cross_section.h"
#include "flowcalc/core/discharge.h"
#include "flowcalc/core/energy.h"
#include "flowcalc/core/rating.h"
#include "flowcalc/core/section_chart.h"

namespace flow {

// Scales of 1 and below are refused.
inline constexpr std::int32_t kMinScale = 2;
// Manning's n outside this range is refused (the message names the usual 0.01..0.1).
inline constexpr double kMinRoughness = 0.001;
inline constexpr double kMaxRoughness = 1;
inline constexpr std::int32_t kMinSlopeDenominator = 1;
inline constexpr double kMinDepth = 0.01;  // m

// What the parameter window proposes for values not chosen yet, which are 0: roughness and
// slope before the first computation, the depth after every load.
inline constexpr double kDefaultRoughness = 0.03;
inline constexpr std::int32_t kDefaultSlopeDenominator = 100;
inline constexpr double kDefaultDepth = 1.0;

// The printer pen widths the print width menus offer.
inline constexpr int kMinPrintWidth = 1;
inline constexpr int kMaxPrintWidth = 5;

// The entries a settings window (or a hydrochart option) can refuse, each with its message.
enum class Setting { Scale, Range, Roughness, Slope, Depth };

// A refused entry: BadValue with the window's message box text (ja) and hydrochart's (en).
hc::Error Refusal(Setting s);

// An entry's text as a number; a text that is no number is refused as its setting.
hc::Result<double> ReadNumber(Setting s, const std::string& text);
// The same rounded to the nearest integer, halves to even ("100.6" is 101).
hc::Result<std::int32_t> ReadWholeNumber(Setting s, const std::string& text);

struct ScaleChoice {
    std::int32_t HScale = 0;
    std::int32_t VScale = 0;
};
struct AnalysisRange {
    double Left = 0;
    double Right = 0;
};

// The checks, one per refusal message.
hc::Status CheckScales(const ScaleChoice& scales);
// The left end must lie left of the right end, which may not lie beyond the last point (the
// left end may lie before the first).
hc::Status CheckRange(const CrossSection& section, const AnalysisRange& range);
hc::Status CheckRoughness(double roughness);
hc::Status CheckSlope(std::int32_t slopeDenominator);
hc::Status CheckDepth(double depth);

// The scale and range window's entries as typed, read and checked: the scales first, then the
// range.
hc::Result<ScaleChoice> ReadScales(const std::string& hscale, const std::string& vscale);
hc::Result<AnalysisRange> ReadRange(const CrossSection& section, const std::string& left,
                                    const std::string& right);

// Whether the roughness and the slope allow Manning's formula at all.
bool RoughnessAndSlopeUsable(const FlowParameters& p);
// Whether stored parameters allow a computation (the parameter window's cancel rule).
bool ParametersUsable(const FlowParameters& p);

// The stage step of the rating table and the discharge of the normal depth as typed; a text
// that is no number is refused with the window's message.
hc::Result<double> ReadRatingStep(const std::string& text);
hc::Result<double> ReadDischarge(const std::string& text);
// The bank stations as typed: both empty unsets them; else two numbers, left before right.
hc::Result<BankStations> ReadBanks(const std::string& left, const std::string& right);

// The regime of a sub-channel as the result block names it (常流, 射流, ...).
const char* RegimeText(FlowRegime r);

// The status line after a refused file: the file, the line and the reason.
std::string LoadRefusedText(const hc::Error& e);
// The editor's status line for a cell that holds no number.
std::string CellNotANumberText(int row, const std::string& text);
// The rating window's status line after a table was computed.
std::string RatingDoneText(const RatingCurve& c);
// The energy window's line of critical depths (each with its least specific energy).
std::string EnergyCriticalText(const EnergyCurve& c);
// A save that failed, with the reason.
std::string SaveFailedText(const hc::Error& e);

// What the window does after a settings request.
enum class FollowUp {
    Nothing,        // the picture stays as it is
    Compute,        // compute at the settings in force and draw
    AskParameters,  // no depth yet: the parameter window opens
};

// The three print width menus.
enum class PrintLine { Frame, Section, Water };

class FlowApp {
  public:
    // The start-up state: no scales and no depth yet, the default print widths.
    explicit FlowApp(std::string startDir = {}, std::string helpText = {});

    const CrossSection& Section() const { return section_; }
    const ChartScales& Scales() const { return scales_; }
    const FlowParameters& Parameters() const { return parameters_; }
    // The last computation; printing and exports use it, and never recompute.
    const std::optional<Computation>& Last() const { return last_; }
    const PrintWidths& Widths() const { return widths_; }
    const std::string& StartDir() const { return startDir_; }
    // The how-to-use text read at start-up.
    const std::string& HelpText() const { return helpText_; }

    // The file whose section the window shows: that of the last computation (the picture and
    // the results), or, before the first, the section loaded. A load refused, or one whose
    // settings were cancelled before a computation, changes it not.
    const std::string& ShownPath() const;
    // The files read from (the section in force, the one shown): no output replaces them.
    std::vector<std::string> InputFiles() const;

    // Both scales are set (after a good load): settings can be made and the chart drawn.
    bool HasScales() const;

    // File>Open and the editor's save. A good file replaces the section and sets the automatic
    // scales, the whole range and a depth of 0; a refused one keeps the section but clears the
    // scales and the depth, as the program does before every load.
    hc::Status Load(const std::string& path);

    // The scale window's "この値で設定" with entries read by ReadScales and ReadRange; refused
    // without a change when they do not pass CheckScales and CheckRange.
    hc::Result<FollowUp> SetScales(const ScaleChoice& scales, const AnalysisRange& range);
    // Its "キャンセル": the values in force are drawn again once a depth is set.
    FollowUp CancelScales() const;

    // The parameter window on opening: defaults into the values still 0; the values to show.
    const FlowParameters& ProposeParameters();
    // Its "この値で計算" stores the numbers before checking them, so that a refused value stays
    // in force and a later cancel refuses to compute with it.
    void StoreParameters(double roughness, std::int32_t slopeDenominator, double depth);
    // Its "キャンセル": fine when the stored parameters allow a computation, else the refusal
    // ("パラメータは正しく入れてください").
    hc::Status CancelParameters() const;

    // Computes at the settings in force and keeps it as the last computation.
    const Computation& Compute();

    // The stage-discharge table from the bed to the lower bank top at the range, roughness and
    // slope in force.
    hc::Result<RatingCurve> Rating(double step) const;
    // The depth at which the section carries Q at the roughness, slope and range in force
    // becomes the depth in force and is computed, so that the chart shows its water level;
    // refused (nothing changes) when Q is no discharge or exceeds what the section holds.
    hc::Result<NormalDepth> ApplyDischarge(double Q);

    // The analysis menu's choices for the rating table, the normal depth and the specific
    // energy; the main sheet keeps computing each sub-channel whole, in metres.
    void SetMethod(ConveyanceMethod m) { parameters_.Method = m; }
    // Bank stations with the main channel between them as one element; refused unless the
    // left lies before the right. Unset: every surveyed point divides.
    hc::Status SetBanks(const BankStations& banks);
    void SetUnits(Units u) { parameters_.Unit = u; }

    // The specific-energy curve of the section carrying Q, from the bed to the lower bank top.
    hc::Result<EnergyCurve> Energy(double Q, double step) const;

    // A print width menu: only the printout changes.
    hc::Status SetPrintWidth(PrintLine line, int width);
    int PrintWidth(PrintLine line) const;

  private:
    CrossSection section_;
    ChartScales scales_;
    FlowParameters parameters_;
    std::optional<Computation> last_;
    PrintWidths widths_;
    std::string startDir_;
    std::string helpText_;
};

}  // namespace flow
