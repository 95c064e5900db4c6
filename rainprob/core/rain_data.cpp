#include "rainprob/core/rain_data.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "common/core/list_input.h"
#include "common/core/numbers.h"
#include "common/core/text_file.h"
#include "rainprob/core/editor_text.h"

namespace rain {

namespace {

hc::Error RecordError(hc::ErrorKind kind, int line, std::string ja, std::string en) {
    hc::Error e = hc::FileError(kind, "", std::move(ja), std::move(en));
    e.line = line;
    return e;
}

// The next item as a 32-bit integer (rounded half to even), or why it is none.
hc::Result<std::int32_t> ReadInt32Item(hc::ListInput& in) {
    const int line = in.Line();
    std::string item;
    try {
        item = in.ReadItem();
    } catch (const hc::ListInputError&) {
        return RecordError(hc::ErrorKind::BadValue, line,
                           "項目があるべきところでファイルが終わっています",
                           "the file ends where an item was expected");
    }
    std::optional<double> v = hc::TryTextToDouble(item);
    if (!v) {
        if (item.empty())
            return RecordError(hc::ErrorKind::BadValue, line, "数値があるべきところが空です",
                               "an empty line where a number was expected");
        return RecordError(hc::ErrorKind::BadValue, line, "「" + item + "」は数値ではありません",
                           "\"" + item + "\" is not a number");
    }
    try {
        return hc::RoundToInt32(*v);
    } catch (const hc::ConversionError&) {
        const std::string text = hc::DoubleToText(*v);
        return RecordError(hc::ErrorKind::BadValue, line, text + " は大きすぎます",
                           text + " is too large");
    }
}

// The number of items on each line (index 0 unused), empty items not counted: a record may run
// across lines, but a line of three items is a decimal comma ("1981 1000,5") far more often
// than a record and a half.
std::vector<int> ItemsPerLine(const std::string& text) {
    std::vector<int> counts(1, 0);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        hc::ListInput line(text.substr(start, end - start));
        int n = 0;
        while (!line.AtEndSkippingBlankLines())
            if (!line.ReadItem().empty())
                ++n;
        counts.push_back(n);
        start = end + 1;
    }
    return counts;
}

}  // namespace

hc::Result<RainTable> ParseRainText(const std::string& text) {
    RainTable t;
    hc::ListInput in(text);
    const std::vector<int> items = ItemsPerLine(text);
    auto lineRefused = [&](int line) -> std::optional<hc::Error> {
        const int n =
            line < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(line)] : 0;
        if (n < 3 || n % 2 == 0)
            return std::nullopt;
        const std::string count = std::to_string(n);
        return RecordError(hc::ErrorKind::BadValue, line,
                           "この行に " + count +
                               " 個の数値があります（年と降水量の組になりません。小数点にコンマ"
                               "を使っていませんか）",
                           "the line holds " + count +
                               " numbers, not pairs of a year and an amount (a decimal comma?)");
    };
    // Blank lines are skipped: the editor leaves one when Return is pressed at the end.
    while (!in.AtEndSkippingBlankLines()) {
        if (t.Count() >= kMaxRecords)
            return RecordError(hc::ErrorKind::BadCount, in.Line(),
                               "記録が " + std::to_string(kMaxRecords) + " 年分を超えています",
                               "more than " + std::to_string(kMaxRecords) + " records");
        if (auto refused = lineRefused(in.Line()))
            return *refused;
        const int yearLine = in.Line();
        hc::Result<std::int32_t> year = ReadInt32Item(in);
        if (!year)
            return year.error();
        if (*year < kFirstYear || *year > kLastYear) {
            const std::string y = std::to_string(*year), first = std::to_string(kFirstYear),
                              last = std::to_string(kLastYear);
            return RecordError(hc::ErrorKind::BadValue, yearLine,
                               "年 " + y + " は " + first + "～" + last + " 年の範囲にありません",
                               "year " + y + " is outside " + first + " to " + last);
        }
        const int amountLine = in.Line();
        if (in.AtEnd())
            return RecordError(
                hc::ErrorKind::BadValue, amountLine,
                std::to_string(*year) + " 年の降水量がないままファイルが終わっています",
                "the amount of year " + std::to_string(*year) +
                    " is missing at the end of the file");
        if (auto refused = lineRefused(in.Line()))
            return *refused;
        hc::Result<std::int32_t> amount = ReadInt32Item(in);
        if (!amount)
            return amount.error();
        t.Years.push_back(*year);
        t.Rain.push_back(*amount);
    }
    return t;
}

hc::Result<RainTable> LoadRainFile(const std::string& path) {
    hc::Result<std::string> text = hc::ReadTextFile(path);
    if (!text)
        return text.error();
    hc::Result<RainTable> t = ParseRainText(*text);
    if (!t) {
        hc::Error e = t.error();
        e.file = path;
        return e;
    }
    t->DataPath = path;
    return t;
}

double InverseNormal(double p) {
    if (!(p > 0.0 && p < 1.0))
        return p == 0.0 ? -INFINITY : p == 1.0 ? INFINITY : NAN;
    // Acklam's rational approximation (relative error below 1.2e-9) ...
    static constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,
                                   -2.759285104469687e+02, 1.383577518672690e+02,
                                   -3.066479806614716e+01, 2.506628277459239e+00};
    static constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02,
                                   -1.556989798598866e+02, 6.680131188771972e+01,
                                   -1.328068155288572e+01};
    static constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01,
                                   -2.400758277161838e+00, -2.549732539343734e+00,
                                   4.374664141464968e+00,  2.938163982698783e+00};
    static constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01,
                                   2.445134137142996e+00, 3.754408661907416e+00};
    constexpr double pLow = 0.02425;
    double x;
    if (p < pLow) {
        double q = std::sqrt(-2 * std::log(p));
        x = (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
            ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
    } else if (p <= 1 - pLow) {
        double q = p - 0.5;
        double r = q * q;
        x = (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
            (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
    } else {
        double q = std::sqrt(-2 * std::log1p(-p));
        x = -(((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
            ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
    }
    // ... refined by one Halley step on the exact distribution function, which brings it to
    // full double precision.
    double e = 0.5 * std::erfc(-x / std::sqrt(2.0)) - p;
    double u = e * std::sqrt(2 * std::numbers::pi) * std::exp(x * x / 2);
    return x - u / (1 + x * u / 2);
}

const NormalTable& StandardNormalTable() {
    static const NormalTable table = [] {
        NormalTable t{};
        t[0] = 0.0;  // exactly the median, so the 50 % grid line falls on the centre
        for (int k = 1; k < 500; ++k)
            t[static_cast<std::size_t>(k)] = InverseNormal(0.5 + k / 1000.0);
        return t;
    }();
    return table;
}

double NormalDeviate(const NormalTable& table, double p) {
    auto entry = [&](double offset) {
        double k = hc::RoundHalfEven(offset * 1000.0);
        if (!(k >= 0 && k < static_cast<double>(table.size())))
            return 0.0;  // outside 0 < p < 1; never asked for by the charts
        return table[static_cast<std::size_t>(k)];
    };
    if (p < 0.5)
        return -entry(0.5 - p);
    return entry(p - 0.5);
}

}  // namespace rain
