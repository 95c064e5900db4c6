#include "flowcalc/core/cross_section.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <optional>

#include "common/core/language.h"
#include "common/core/list_input.h"
#include "common/core/numbers.h"
#include "common/core/text_file.h"

namespace flow {

namespace {

struct HScaleStep {
    double below;
    std::int32_t hscale;
};
constexpr std::array<HScaleStep, 11> kHScaleTable{{{25, 100},
                                                   {50, 200},
                                                   {75, 300},
                                                   {100, 400},
                                                   {125, 500},
                                                   {150, 600},
                                                   {200, 800},
                                                   {250, 1000},
                                                   {500, 2000},
                                                   {750, 3000},
                                                   {1000, 4000}}};
constexpr std::int32_t kHScaleOtherwise = 5000;

struct VScaleStep {
    double below;
    std::int32_t vscale;
    double step;
};
constexpr std::array<VScaleStep, 5> kVScaleTable{
    {{2, 20, 0.2}, {5, 50, 0.5}, {10, 100, 1}, {20, 200, 2}, {40, 400, 4}}};
constexpr VScaleStep kVScaleOtherwise{0, 500, 5};

// The middle elevation in grid steps. Surveyed decimals often meet exactly halfway between
// two steps (9.1 m on the 0.2 m grid is 45.5 steps), but the binary quotient lands a hair
// off the half and would decide the rounding by noise; such quotients are taken as the half.
double StepsOfMiddle(double middle, double step) {
    double q = middle / step;
    double halves = std::nearbyint(q * 2);
    if (std::fabs(q * 2 - halves) <= hc::NoiseMargin(q))
        return halves / 2;
    return q;
}

}  // namespace

std::int32_t HScaleFor(double maxX) {
    for (const HScaleStep& s : kHScaleTable)
        if (maxX < s.below)
            return s.hscale;
    return kHScaleOtherwise;
}

VScaleChoice VScaleFor(double elevationRange) {
    // The range is a difference of surveyed decimals: one of exactly 2 m may come out a hair
    // under 2 in binary, and must not take the smaller scale (the section would overflow the
    // frame once the centre snaps to the grid).
    for (const VScaleStep& s : kVScaleTable)
        if (elevationRange < s.below - hc::kDecimalNoise)
            return {s.vscale, s.step};
    return {kVScaleOtherwise.vscale, kVScaleOtherwise.step};
}

ChartScales AutoScales(const CrossSection& section) {
    double maxY = *std::max_element(section.PointY.begin(), section.PointY.end());
    double minY = *std::min_element(section.PointY.begin(), section.PointY.end());
    ChartScales scales;
    scales.HScale = HScaleFor(section.MaxX);
    VScaleChoice v = VScaleFor(maxY - minY);
    scales.VScale = v.vscale;
    double steps = hc::RoundHalfEven(StepsOfMiddle((maxY + minY) / 2, v.step));
    // Steps below a metre divide by steps per metre, so 46 steps of 0.2 m give exactly the
    // double nearest 9.2 (46 x 0.2 would give 9.200000000000001).
    scales.YCentre = v.step < 1 ? steps / std::round(1 / v.step) : steps * v.step;
    return scales;
}

namespace {

hc::Error Refusal(hc::ErrorKind kind, int line, std::string ja, std::string en) {
    hc::Error e = hc::FileError(kind, {}, std::move(ja), std::move(en));
    e.line = line;
    return e;
}

hc::Error NotANumber(int line, const std::string& item) {
    if (item.empty())
        return Refusal(hc::ErrorKind::BadValue, line, "数値のはずの項目が空です",
                       "an empty item where a number was expected");
    return Refusal(hc::ErrorKind::BadValue, line, "「" + item + "」は数値ではありません",
                   "\"" + item + "\" is not a number");
}

}  // namespace

hc::Result<LoadedSection> ParseSection(const std::string& text) {
    hc::ListInput in(text);
    // Blank lines carry nothing; they are skipped before every item.
    if (in.AtEndSkippingBlankLines())
        return Refusal(hc::ErrorKind::BadCount, in.Line(), "ファイルが空です", "the file is empty");
    const int countLine = in.Line();
    const std::string countItem = in.ReadItem();
    const std::optional<double> count = hc::TryTextToDouble(countItem);
    if (!count)
        return NotANumber(countLine, countItem);
    const std::optional<std::int32_t> n = hc::TryTextToInt32(countItem);
    if (!n || *n < 1 || *n > kMaxPoints) {
        const std::string shown = n ? std::to_string(*n) : countItem;
        const std::string limits = "1.." + std::to_string(kMaxPoints);
        return Refusal(hc::ErrorKind::BadCount, countLine,
                       "点の数 " + shown + " が " + limits + " の範囲外です",
                       "point count " + shown + " is outside " + limits);
    }
    CrossSection s;
    s.PointCount = *n;
    s.PointX.reserve(static_cast<std::size_t>(*n));
    s.PointY.reserve(static_cast<std::size_t>(*n));
    for (int k = 1; k <= *n; ++k) {
        double xy[2];
        for (int i = 0; i < 2; ++i) {
            if (in.AtEndSkippingBlankLines()) {
                const std::string of = std::to_string(k - 1) + " of " + std::to_string(*n);
                if (i == 0)
                    return Refusal(hc::ErrorKind::BadCount, in.Line(),
                                   std::to_string(*n) + " 点のうち " + std::to_string(k - 1) +
                                       " 点でファイルが終わっています",
                                   "the file ends after " + of + " points");
                return Refusal(hc::ErrorKind::BadCount, in.Line(),
                               "点 " + std::to_string(k) + " は距離だけで標高がありません",
                               "point " + std::to_string(k) + " has a distance but no elevation");
            }
            const int line = in.Line();
            const std::string item = in.ReadItem();
            const std::optional<double> v = hc::TryTextToDouble(item);
            if (!v)
                return NotANumber(line, item);
            xy[i] = *v;
        }
        s.PointX.push_back(xy[0]);
        s.PointY.push_back(xy[1]);
    }
    // True extremes, whatever the magnitude of the survey coordinates.
    s.MinX = *std::min_element(s.PointX.begin(), s.PointX.end());
    s.MaxX = *std::max_element(s.PointX.begin(), s.PointX.end());
    s.BedLevel = *std::min_element(s.PointY.begin(), s.PointY.end());
    LoadedSection out;
    out.Scales = AutoScales(s);
    out.Section = std::move(s);
    return out;
}

hc::Result<LoadedSection> ParseSectionCsv(const std::string& text) {
    CrossSection s;
    std::size_t columns = 0;
    std::size_t pos = 0;
    int line = 0;
    std::vector<double> pointN;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string row = text.substr(pos, end - pos);
        pos = end + 1;
        ++line;
        if (!row.empty() && row.back() == '\r')
            row.pop_back();
        if (line == 1 && row.rfind("\xEF\xBB\xBF", 0) == 0)
            row.erase(0, 3);  // a spreadsheet's byte order mark
        if (row.find_first_not_of(" \t") == std::string::npos)
            continue;
        std::vector<std::string> items;
        for (std::size_t from = 0;;) {
            const std::size_t comma = row.find(',', from);
            std::string item =
                row.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
            const std::size_t a = item.find_first_not_of(" \t\"");
            const std::size_t b = item.find_last_not_of(" \t\"");
            items.push_back(a == std::string::npos ? std::string() : item.substr(a, b - a + 1));
            if (comma == std::string::npos)
                break;
            from = comma + 1;
        }
        // A header: the first row whose first item is no number.
        if (columns == 0 && s.PointX.empty() && !hc::TryTextToDouble(items[0]))
            continue;
        if (columns == 0) {
            columns = items.size();
            if (columns < 2 || columns > 3)
                return Refusal(hc::ErrorKind::BadValue, line,
                               "列の数は 2（距離,標高）か 3（距離,標高,粗度係数）です",
                               "a row has distance,elevation or distance,elevation,n");
        }
        if (items.size() != columns)
            return Refusal(hc::ErrorKind::BadValue, line,
                           "列の数が " + std::to_string(items.size()) + " で、最初の行の " +
                               std::to_string(columns) + " と違います",
                           std::to_string(items.size()) + " columns where the first row has " +
                               std::to_string(columns));
        if (static_cast<int>(s.PointX.size()) == kMaxPoints) {
            const std::string limit = std::to_string(kMaxPoints);
            return Refusal(hc::ErrorKind::BadCount, line, "点の数が " + limit + " を超えています",
                           "more than " + limit + " points");
        }
        double v[3] = {0, 0, 0};
        for (std::size_t i = 0; i < columns; ++i) {
            const std::optional<double> d = hc::TryTextToDouble(items[i]);
            if (!d)
                return NotANumber(line, items[i]);
            v[i] = *d;
        }
        if (columns == 3 && !(v[2] > 0))
            return Refusal(hc::ErrorKind::BadValue, line,
                           "粗度係数 " + items[2] + " は 0 より大きくしてください",
                           "the roughness " + items[2] + " is not above 0");
        s.PointX.push_back(v[0]);
        s.PointY.push_back(v[1]);
        if (columns == 3)
            pointN.push_back(v[2]);
    }
    if (s.PointX.empty())
        return Refusal(hc::ErrorKind::BadCount, line, "点がひとつもありません", "no points");
    s.PointCount = static_cast<std::int32_t>(s.PointX.size());
    if (!pointN.empty())
        s.SegmentN.assign(pointN.begin(), pointN.end() - 1);
    s.MinX = *std::min_element(s.PointX.begin(), s.PointX.end());
    s.MaxX = *std::max_element(s.PointX.begin(), s.PointX.end());
    s.BedLevel = *std::min_element(s.PointY.begin(), s.PointY.end());
    LoadedSection out;
    out.Scales = AutoScales(s);
    out.Section = std::move(s);
    return out;
}

hc::Result<LoadedSection> LoadSection(const std::string& path) {
    hc::Result<std::string> bytes = hc::ReadFileBytes(path);
    if (!bytes)
        return bytes.error();
    hc::Result<LoadedSection> out =
        IsCsvSectionFile(path, *bytes) ? ParseSectionCsv(*bytes) : ParseSection(*bytes);
    if (!out) {
        hc::Error e = out.error();
        e.file = path;
        return e;
    }
    out->Section.DataPath = path;
    return out;
}

std::string MainCaption(const std::string& dataPath) {
    return hc::TS("マニング式による流量計算") + " < " + dataPath + " >";
}

bool IsCsvSectionPath(const std::string& path) {
    if (path.size() < 4)
        return false;
    std::string end = path.substr(path.size() - 4);
    std::transform(end.begin(), end.end(), end.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return end == ".csv";
}

bool IsCsvSectionFile(const std::string& path, const std::string& text) {
    if (!IsCsvSectionPath(path))
        return false;
    std::size_t from = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    while (from < text.size()) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        const std::string line = text.substr(from, end - from);
        if (line.find_first_not_of(" \t\r") != std::string::npos)
            return line.find(',') != std::string::npos;
        from = end + 1;
    }
    return true;  // an empty file: the name decides
}

std::string SectionFileTextFor(const std::string& path, const std::vector<double>& x,
                               const std::vector<double>& y) {
    // A file written over keeps its form; a new one takes the form its name asks for.
    const hc::Result<std::string> existing = hc::ReadFileBytes(path);
    const bool csv = existing ? IsCsvSectionFile(path, *existing) : IsCsvSectionPath(path);
    if (!csv)
        return SectionFileText(x, y);
    std::string out = "distance,elevation\n";
    for (std::size_t k = 0; k < x.size() && k < y.size(); ++k)
        out += hc::DoubleToText(x[k]) + "," + hc::DoubleToText(y[k]) + "\n";
    return out;
}

std::string SectionFileText(const std::vector<double>& x, const std::vector<double>& y) {
    std::string out = std::to_string(x.size()) + "\n";
    for (std::size_t k = 0; k < x.size() && k < y.size(); ++k)
        out += hc::DoubleToText(x[k]) + " " + hc::DoubleToText(y[k]) + "\n";
    return out;
}

std::string ReadHelpText(const std::string& path) {
    auto text = hc::ReadTextFile(path);
    if (!text)
        return {};
    std::string out;
    std::size_t pos = 0;
    const std::string& t = *text;
    while (pos < t.size()) {
        std::size_t end = t.find('\n', pos);
        std::string line = t.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        out += "\r\n" + line;
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    return out;
}

}  // namespace flow
