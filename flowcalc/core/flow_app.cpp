#include "flowcalc/core/flow_app.h"

#include <cmath>

#include "common/core/numbers.h"
#include "flowcalc/core/messages.h"

namespace flow {

namespace {

using hc::DoubleToText;

hc::Error BadValue(std::string ja, std::string en) {
    return hc::FileError(hc::ErrorKind::BadValue, {}, std::move(ja), std::move(en));
}

}  // namespace

hc::Error Refusal(Setting s) {
    switch (s) {
        case Setting::Scale:
            return BadValue(text::kScaleInvalid, "the horizontal and vertical scales must be " +
                                                     std::string("whole numbers of at least ") +
                                                     std::to_string(kMinScale));
        case Setting::Range:
            return BadValue(text::kRangeInvalid,
                            "the analysis range must have its left end before its right end, "
                            "and its right end not beyond the last point");
        case Setting::Roughness:
            return BadValue(text::kRoughnessInvalid,
                            "the roughness must lie between " + DoubleToText(kMinRoughness) +
                                " and " + DoubleToText(kMaxRoughness) + " (usually 0.01 to 0.1)");
        case Setting::Slope:
            return BadValue(text::kSlopeInvalid, "the bed slope 1/N needs a whole N of at least " +
                                                     std::to_string(kMinSlopeDenominator));
        case Setting::Depth:
            return BadValue(text::kDepthInvalid,
                            "the water depth must be at least " + DoubleToText(kMinDepth) + " m");
    }
    return BadValue(text::kParametersUnusable, "the entry is refused");
}

hc::Result<double> ReadNumber(Setting s, const std::string& text) {
    if (std::optional<double> v = hc::TryTextToDouble(text))
        return *v;
    return Refusal(s);
}

hc::Result<std::int32_t> ReadWholeNumber(Setting s, const std::string& text) {
    if (std::optional<std::int32_t> v = hc::TryTextToInt32(text))
        return *v;
    return Refusal(s);
}

hc::Status CheckScales(const ScaleChoice& scales) {
    if (scales.HScale < kMinScale || scales.VScale < kMinScale)
        return Refusal(Setting::Scale);
    return {};
}

hc::Status CheckRange(const CrossSection& section, const AnalysisRange& range) {
    if (section.PointCount < 1 || range.Right > section.X(section.PointCount) ||
        !(range.Left < range.Right))
        return Refusal(Setting::Range);
    return {};
}

hc::Status CheckRoughness(double roughness) {
    if (!(roughness >= kMinRoughness && roughness <= kMaxRoughness))
        return Refusal(Setting::Roughness);
    return {};
}

hc::Status CheckSlope(std::int32_t slopeDenominator) {
    if (slopeDenominator < kMinSlopeDenominator)
        return Refusal(Setting::Slope);
    return {};
}

hc::Status CheckDepth(double depth) {
    if (!(depth >= kMinDepth))
        return Refusal(Setting::Depth);
    return {};
}

hc::Result<ScaleChoice> ReadScales(const std::string& hscale, const std::string& vscale) {
    hc::Result<std::int32_t> h = ReadWholeNumber(Setting::Scale, hscale);
    hc::Result<std::int32_t> v = ReadWholeNumber(Setting::Scale, vscale);
    if (!h || !v)
        return Refusal(Setting::Scale);
    ScaleChoice scales{*h, *v};
    if (hc::Status checked = CheckScales(scales); !checked)
        return checked.error();
    return scales;
}

hc::Result<AnalysisRange> ReadRange(const CrossSection& section, const std::string& left,
                                    const std::string& right) {
    hc::Result<double> l = ReadNumber(Setting::Range, left);
    hc::Result<double> r = ReadNumber(Setting::Range, right);
    if (!l || !r)
        return Refusal(Setting::Range);
    AnalysisRange range{*l, *r};
    if (hc::Status checked = CheckRange(section, range); !checked)
        return checked.error();
    return range;
}

hc::Result<double> ReadRatingStep(const std::string& text) {
    if (std::optional<double> v = hc::TryTextToDouble(text); v && *v > 0)
        return *v;
    return BadValue(text::kStepInvalid, "the stage step must be a number above 0 m");
}

hc::Result<double> ReadDischarge(const std::string& text) {
    if (std::optional<double> v = hc::TryTextToDouble(text); v && *v > 0)
        return *v;
    return BadValue(text::kDischargeInvalid, "the discharge must be a number above 0 m3/s");
}

hc::Result<BankStations> ReadBanks(const std::string& left, const std::string& right) {
    if (left.empty() && right.empty())
        return BankStations{};
    const std::optional<double> l = hc::TryTextToDouble(left), r = hc::TryTextToDouble(right);
    if (!l || !r || !(*l < *r))
        return BadValue(text::kBanksInvalid,
                        "the bank stations need a left station before the right one");
    return BankStations{true, *l, *r};
}

const char* RegimeText(FlowRegime r) {
    switch (r) {
        case FlowRegime::Subcritical:
            return text::kSubcritical;
        case FlowRegime::Critical:
            return text::kCritical;
        case FlowRegime::Supercritical:
            return text::kSupercritical;
        case FlowRegime::None:
            break;
    }
    return text::kNoFlow;
}

std::string LoadRefusedText(const hc::Error& e) {
    return hc::TS("読み込めませんでした: ") + hc::Shown(e);
}

std::string CellNotANumberText(int row, const std::string& text) {
    return hc::TS("%1 行目: 「%2」は数値ではありません", {std::to_string(row), text});
}

std::string RatingDoneText(const RatingCurve& c) {
    return hc::TS(
        "%1 段の水位で計算しました（河床 %2 ｍ から岸の天端 %3 ｍ まで）",
        {std::to_string(c.Rows.size()), DoubleToText(c.BedLevel), DoubleToText(c.BankTop)});
}

std::string EnergyCriticalText(const EnergyCurve& c) {
    if (c.Critical.empty())
        return hc::TS("岸の天端（低い方）までに限界水深はありません");
    const std::string unit = " " + hc::TS(WindowUnits(c.Unit).Length);
    auto fixed = [](double v) { return DoubleToText(std::round(v * 1000) / 1000); };
    std::string out = hc::TS("限界水深");
    for (std::size_t i = 0; i < c.Critical.size(); ++i)
        out += (i ? hc::TS("、") : " ") +
               hc::TS("%1%2（比エネルギー %3%2）",
                      {fixed(c.Critical[i].Depth), unit, fixed(c.Critical[i].Energy)});
    if (c.Critical.size() > 1)
        out += hc::TS("：比エネルギーの極小が %1 つあります", {std::to_string(c.Critical.size())});
    return out;
}

std::string SaveFailedText(const hc::Error& e) {
    return hc::TS(text::kSaveFailed) + hc::Shown(e);
}

bool RoughnessAndSlopeUsable(const FlowParameters& p) {
    return p.Roughness > 0 && std::isfinite(p.Roughness) &&
           p.SlopeDenominator >= kMinSlopeDenominator;
}

bool ParametersUsable(const FlowParameters& p) {
    return RoughnessAndSlopeUsable(p) && p.Depth >= kMinDepth;
}

FlowApp::FlowApp(std::string startDir, std::string helpText)
    : startDir_(std::move(startDir)), helpText_(std::move(helpText)) {}

const std::string& FlowApp::ShownPath() const {
    return last_ ? last_->Section.DataPath : section_.DataPath;
}

std::vector<std::string> FlowApp::InputFiles() const {
    std::vector<std::string> files{section_.DataPath};
    if (last_ && last_->Section.DataPath != section_.DataPath)
        files.push_back(last_->Section.DataPath);
    return files;
}

bool FlowApp::HasScales() const {
    return scales_.HScale > 0 && scales_.VScale > 0;
}

hc::Status FlowApp::Load(const std::string& path) {
    hc::Result<LoadedSection> loaded = LoadSection(path);
    parameters_.Depth = 0;
    if (!loaded) {
        scales_.HScale = 0;
        scales_.VScale = 0;
        return loaded.error();
    }
    section_ = std::move(loaded->Section);
    scales_ = loaded->Scales;
    parameters_.RangeLeft = section_.MinX;
    parameters_.RangeRight = section_.MaxX;
    return {};
}

hc::Result<FollowUp> FlowApp::SetScales(const ScaleChoice& scales, const AnalysisRange& range) {
    if (hc::Status checked = CheckScales(scales); !checked)
        return checked.error();
    if (hc::Status checked = CheckRange(section_, range); !checked)
        return checked.error();
    scales_.HScale = scales.HScale;
    scales_.VScale = scales.VScale;
    parameters_.RangeLeft = range.Left;
    parameters_.RangeRight = range.Right;
    return parameters_.Depth >= kMinDepth ? FollowUp::Compute : FollowUp::AskParameters;
}

FollowUp FlowApp::CancelScales() const {
    return parameters_.Depth >= kMinDepth ? FollowUp::Compute : FollowUp::Nothing;
}

const FlowParameters& FlowApp::ProposeParameters() {
    if (parameters_.Roughness == 0)
        parameters_.Roughness = kDefaultRoughness;
    if (parameters_.SlopeDenominator == 0)
        parameters_.SlopeDenominator = kDefaultSlopeDenominator;
    if (parameters_.Depth == 0)
        parameters_.Depth = kDefaultDepth;
    return parameters_;
}

void FlowApp::StoreParameters(double roughness, std::int32_t slopeDenominator, double depth) {
    parameters_.Roughness = roughness;
    parameters_.SlopeDenominator = slopeDenominator;
    parameters_.Depth = depth;
}

hc::Status FlowApp::CancelParameters() const {
    if (ParametersUsable(parameters_))
        return {};
    return BadValue(text::kParametersUnusable,
                    "the roughness, the bed slope and the water depth do not allow a computation");
}

const Computation& FlowApp::Compute() {
    Computation c;
    c.Section = section_;
    c.Scales = scales_;
    c.Parameters = parameters_;
    c.Result = ComputeDischarge(section_, parameters_);
    last_ = std::move(c);
    return *last_;
}

hc::Result<RatingCurve> FlowApp::Rating(double step) const {
    return ComputeRatingCurve(section_, parameters_, step);
}

hc::Result<NormalDepth> FlowApp::ApplyDischarge(double Q) {
    hc::Result<NormalDepth> n = ComputeNormalDepth(section_, parameters_, Q);
    if (n) {
        // The depth in force is shown in the depth box and on the sheet: to the millimetre,
        // as the window reports it, rather than with the bisection's fifteen digits.
        parameters_.Depth = std::round(n->Depth * 1000.0) / 1000.0;
        Compute();
    }
    return n;
}

hc::Status FlowApp::SetBanks(const BankStations& banks) {
    if (banks.Set && !(banks.Left < banks.Right))
        return BadValue(text::kBanksInvalid,
                        "the bank stations need a left station before the right one");
    parameters_.Banks = banks;
    return {};
}

hc::Result<EnergyCurve> FlowApp::Energy(double Q, double step) const {
    return ComputeEnergyCurve(section_, parameters_, Q, step);
}

hc::Status FlowApp::SetPrintWidth(PrintLine line, int width) {
    if (width < kMinPrintWidth || width > kMaxPrintWidth)
        return BadValue("印字の太さは " + std::to_string(kMinPrintWidth) + "～" +
                            std::to_string(kMaxPrintWidth) + " 単位です",
                        "each width is " + std::to_string(kMinPrintWidth) + " to " +
                            std::to_string(kMaxPrintWidth));
    (line == PrintLine::Frame     ? widths_.Frame
     : line == PrintLine::Section ? widths_.Section
                                  : widths_.Water) = width;
    return {};
}

int FlowApp::PrintWidth(PrintLine line) const {
    return line == PrintLine::Frame     ? widths_.Frame
           : line == PrintLine::Section ? widths_.Section
                                        : widths_.Water;
}

}  // namespace flow
