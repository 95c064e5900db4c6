#include "waterquality/core/column_layout.h"

#include <algorithm>
#include <cmath>

#include "common/core/numbers.h"

namespace wq {

int LastColumnIndex(int sampleCount) {
    if (sampleCount < 1)
        return -1;
    return (std::min(sampleCount, kMaxSamples) - 1) / kSamplesPerColumn;
}

namespace {

Column MakeColumn(int index, double x0, int first, int last, const PlotSettings& settings) {
    return {index, x0, first, last, settings.ColumnScale[static_cast<std::size_t>(index)]};
}

}  // namespace

std::vector<Column> ScreenColumns(int sampleCount, const PlotSettings& settings) {
    std::vector<Column> out;
    int g = LastColumnIndex(sampleCount);
    int n = std::min(sampleCount, kMaxSamples);
    for (int k = 0; k <= g; ++k) {
        int first = kSamplesPerColumn * k + 1;
        int last = k == g ? n : kSamplesPerColumn * k + kSamplesPerColumn;
        out.push_back(
            MakeColumn(k + 1, kScreenColumnStep * k + kScreenFirstX0, first, last, settings));
    }
    return out;
}

bool ScrollBarShown(int sampleCount) {
    return LastColumnIndex(sampleCount) >= 2;
}

std::vector<Sheet> PrintSheets(int sampleCount, const PlotSettings& s) {
    int g = LastColumnIndex(sampleCount);
    int n = std::min(sampleCount, kMaxSamples);
    switch (g) {
        case 0:
            return {{MakeColumn(1, kPaperSingleX0, 1, n, s)}};
        case 1:
            return {{MakeColumn(1, kPaperLeftX0, 1, 8, s), MakeColumn(2, kPaperRightX0, 9, n, s)}};
        case 2:
            return {{MakeColumn(1, kPaperLeftX0, 1, 8, s), MakeColumn(2, kPaperRightX0, 9, 16, s)},
                    {MakeColumn(3, kPaperLeftX0, 17, n, s)}};
        case 3:
            return {
                {MakeColumn(1, kPaperLeftX0, 1, 8, s), MakeColumn(2, kPaperRightX0, 9, 16, s)},
                {MakeColumn(3, kPaperLeftX0, 17, 24, s), MakeColumn(4, kPaperRightX0, 25, n, s)}};
        default:
            return {};
    }
}

int ColumnOfSample(int sample) {
    return (sample - 1) / kSamplesPerColumn + 1;
}

int PrintOffsetFromText(const std::string& text) {
    std::optional<double> mm = hc::TryTextToDouble(text);
    double value = mm ? *mm : hc::LeadingNumber(text);
    try {
        return hc::RoundToInt32(value * 10.0);
    } catch (const hc::ConversionError&) {
        return 0;  // far beyond any sheet: no shift rather than a failure at print time
    }
}

PrintOffset OffsetOf(const Shifts& shifts) {
    return {PrintOffsetFromText(shifts.right), PrintOffsetFromText(shifts.up)};
}

namespace {

// A shift the printer can take: a number whose tenths of a millimetre fit an integer.
bool Convertible(const std::string& text, std::int32_t& value) {
    auto v = hc::TryTextToDouble(text);
    if (!v)
        return false;
    try {
        hc::RoundToInt32(*v * 10.0);
        value = hc::RoundToInt32(*v);
    } catch (const hc::ConversionError&) {
        return false;
    }
    return true;
}

}  // namespace

hc::Result<Shifts> CheckShifts(const Shifts& typed) {
    auto refuse = [](int box, const std::string& text) {
        hc::Error e;
        e.kind = hc::ErrorKind::BadValue;
        e.line = box;
        e.ja = std::string(box == 1 ? "横方向" : "縦方向") + "の長さ「" + text +
               "」は数値ではありません";
        e.en = std::string(box == 1 ? "the shift to the right" : "the upward shift") + " \"" +
               text + "\" is not a number";
        return e;
    };
    Shifts r = typed;
    std::int32_t h = 0;
    if (!Convertible(typed.right, h))
        return refuse(1, typed.right);
    if (h > kMaxShiftMm) {
        r.right = "0";
        return r;
    }
    std::int32_t v = 0;
    if (!Convertible(typed.up, v))
        return refuse(2, typed.up);
    if (v > kMaxShiftMm)
        r.up = "0";
    return r;
}

}  // namespace wq
