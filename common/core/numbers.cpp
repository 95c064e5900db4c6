#include "common/core/numbers.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace hc {

double RoundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    double floorValue = std::floor(value);
    double diff = value - floorValue;
    if (diff > 0.5)
        return floorValue + 1.0;
    if (diff < 0.5)
        return floorValue;
    // Exactly half: go to the even neighbour.
    return std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
}

std::int32_t RoundToInt32(double value) {
    if (std::isnan(value))
        throw ConversionError("not a number");
    double r = RoundHalfEven(value);
    if (r < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        r > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        throw ConversionError("value out of the integer range: " + DoubleToText(value));
    }
    return static_cast<std::int32_t>(r);
}

namespace {

// Strips ASCII blanks, tabs and the full-width blank (U+3000, UTF-8 E3 80 80) at both ends.
std::string_view Trim(std::string_view s) {
    auto isBlankAt = [&](std::size_t i, bool fromEnd) -> std::size_t {
        if (!fromEnd) {
            if (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
                return 1;
            if (i + 3 <= s.size() && s.substr(i, 3) == "\xE3\x80\x80")
                return 3;
        } else {
            if (i >= 1 && (s[i - 1] == ' ' || s[i - 1] == '\t'))
                return 1;
            if (i >= 3 && s.substr(i - 3, 3) == "\xE3\x80\x80")
                return 3;
        }
        return 0;
    };
    std::size_t b = 0;
    while (std::size_t n = isBlankAt(b, false))
        b += n;
    std::size_t e = s.size();
    while (e > b) {
        std::size_t n = isBlankAt(e, true);
        if (n == 0)
            break;
        e -= n;
    }
    return s.substr(b, e - b);
}

// Length of the longest prefix of s that is a decimal number: [sign] digits [. digits]
// [e|E [sign] digits]; at least one digit in the mantissa. 0 when there is none.
std::size_t NumberPrefixLength(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    std::size_t mantissaEnd = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        std::size_t expDigits = 0;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            return j;
    }
    return mantissaEnd;
}

double ParsePrefix(std::string_view s, std::size_t length) {
    std::string copy(s.substr(0, length));
    errno = 0;
    char* end = nullptr;
    double v = std::strtod(copy.c_str(), &end);
    if (errno == ERANGE && std::isinf(v))
        throw ConversionError("number too large: " + copy);
    return v;
}

}  // namespace

std::optional<double> TryTextToDouble(std::string_view text) {
    std::string_view t = Trim(text);
    std::size_t n = NumberPrefixLength(t);
    if (n == 0 || n != t.size())
        return std::nullopt;
    try {
        return ParsePrefix(t, n);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

double TextToDouble(std::string_view text) {
    std::string_view t = Trim(text);
    std::size_t n = NumberPrefixLength(t);
    if (n == 0 || n != t.size()) {
        throw ConversionError("not a number: \"" + std::string(text) + "\"");
    }
    return ParsePrefix(t, n);
}

std::int32_t TextToInt32(std::string_view text) {
    return RoundToInt32(TextToDouble(text));
}

std::optional<std::int32_t> TryTextToInt32(std::string_view text) {
    std::optional<double> d = TryTextToDouble(text);
    if (!d)
        return std::nullopt;
    try {
        return RoundToInt32(*d);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

double LeadingNumber(std::string_view text) {
    std::string_view t = text;
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    std::size_t n = NumberPrefixLength(t);
    if (n == 0)
        return 0.0;
    try {
        return ParsePrefix(t, n);
    } catch (const ConversionError&) {
        return 0.0;
    }
}

std::string DoubleToText(double value) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0.0)
        return "0";
    // %.15G without the locale's decimal comma: to_chars, checked, its exponent in capitals.
    char buf[64];
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    if (ec != std::errc{})
        throw ConversionError("no text for the number");  // cannot happen in 64 characters
    std::string s(buf, end);
    for (char& c : s)
        if (c == 'e')
            c = 'E';
    // Split off an exponent, trim trailing zeros of the mantissa.
    std::string mantissa = s, exponent;
    if (std::size_t e = s.find('E'); e != std::string::npos) {
        mantissa = s.substr(0, e);
        exponent = s.substr(e);
    }
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0')
            mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.')
            mantissa.pop_back();
    }
    // The classic runtime writes at least two exponent digits ("1E-05", "1E+15", "1E-300"),
    // as %G does.
    return mantissa + exponent;
}

std::string FixedDecimals(double value, int decimals) {
    if (!std::isfinite(value))
        return {};
    if (std::abs(value) >= kFixedLimit)
        return DoubleToText(value);
    decimals = std::clamp(decimals, 0, 15);
    char buf[64];  // 15 digits, a sign, a point and 15 decimals
    const auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (ec != std::errc{})
        return DoubleToText(value);
    std::string s(buf, end);
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos)
        s.erase(0, 1);  // a tiny negative rounded to zero
    return s;
}

double NoiseMargin(double value) {
    return kDecimalNoise * std::max(1.0, std::fabs(value));
}

std::int32_t IntDiv(std::int32_t a, std::int32_t b) {
    if (b == 0)
        throw ConversionError("division by zero");
    if (a == std::numeric_limits<std::int32_t>::min() && b == -1)
        throw ConversionError("integer quotient out of range");
    return a / b;
}

Point2i CentredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    return {IntDiv(screenWidth - windowWidth, 2), IntDiv(screenHeight - windowHeight, 2)};
}

}  // namespace hc
