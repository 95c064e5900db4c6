#include "rainprob/core/settings.h"

#include <cmath>
#include <string>

#include "common/core/language.h"
#include "common/core/numbers.h"

namespace rain {

namespace {

hc::Error BadValue(std::string ja, std::string en) {
    return hc::FileError(hc::ErrorKind::BadValue, "", std::move(ja), std::move(en));
}

// The member of a width set (const or not) that holds a line's width.
template <class Set>
auto& WidthOf(Set& set, PrintLine line) {
    switch (line) {
        case PrintLine::Dotted:
            return set.dotted;
        case PrintLine::Regression:
            return set.regression;
        case PrintLine::Solid:
            break;
    }
    return set.solid;
}

}  // namespace

hc::Result<AnalysisMode> AnalysisModeOf(int number) {
    switch (number) {
        case 0:
            return AnalysisMode::None;
        case 1:
            return AnalysisMode::Line;
        case 2:
            return AnalysisMode::LineAndValues;
        default:
            return BadValue("解析項目は 0、1、2 のどれかです", "the analysis mode is 0, 1 or 2");
    }
}

AnalysisModeText ModeText(AnalysisMode m) {
    switch (m) {
        case AnalysisMode::Line:
            return {
                hc::N("解析項目：回帰線だけを表示する"),
                hc::N(
                    "印刷紙面には回帰線は印字されますが、豊水・渇水の解析数値は印字されません。")};
        case AnalysisMode::LineAndValues:
            return {hc::N("解析項目：回帰線と解析値を表示"),
                    hc::N("印刷紙面には回帰線と豊水・渇水の解析数値が印字されます。")};
        case AnalysisMode::None:
            break;
    }
    return {hc::N("解析項目：回帰結果を表示しない"),
            hc::N("印刷紙面には回帰線と豊水・渇水の解析数値は印字されません。")};
}

int& LineWidthSet::Of(PrintLine line) {
    return WidthOf(*this, line);
}

int LineWidthSet::Of(PrintLine line) const {
    return WidthOf(*this, line);
}

hc::Status CheckLineWidth(int width) {
    if (width < kMinLineWidth || width > kMaxLineWidth)
        return BadValue("線の太さは " + std::to_string(kMinLineWidth) + "～" +
                            std::to_string(kMaxLineWidth) + " 単位です",
                        "each width is " + std::to_string(kMinLineWidth) + " to " +
                            std::to_string(kMaxLineWidth));
    return {};
}

hc::Status CheckScalePair(std::int32_t ScaleMin, std::int32_t ScaleMax) {
    if (ScaleMin >= ScaleMax)
        return BadValue(kBadScaleMessage, "the axis minimum must be less than its maximum");
    if (static_cast<std::int64_t>(ScaleMax) - ScaleMin > kMaxAxisRange)
        return BadValue("横軸の範囲は " + std::to_string(kMaxAxisRange) + " mm までです",
                        "the axis range is at most " + std::to_string(kMaxAxisRange) + " mm");
    return {};
}

double PrintOffsetOf(std::string_view text) {
    return hc::LeadingNumber(text);
}

hc::Status CheckPrintOffset(double mm) {
    if (!(std::abs(mm) <= kMaxPrintOffset))
        return BadValue(
            "印刷位置は左右上下とも " + hc::DoubleToText(kMaxPrintOffset) + " mm までです",
            "at most " + hc::DoubleToText(kMaxPrintOffset) + " mm either way");
    return {};
}

}  // namespace rain
