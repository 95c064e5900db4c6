// Number conversions shared by every program: rounding half to even, text to number with the
// classic runtime's rules, the leading-number reading of print offsets and the standard text
// of a double.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace hc {

// Thrown when a value cannot be converted: a text that is no number, or a value outside
// the 32-bit integer range.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Double to 32-bit integer, to the nearest integer with halves going to the even neighbour
// (12.5 -> 12, 13.5 -> 14, -2.5 -> -2). Throws ConversionError for NaN or out-of-range values.
std::int32_t RoundToInt32(double value);

// Nearest integer with halves to even, as a double (no range limit); NaN stays NaN.
double RoundHalfEven(double value);

// Text to double: leading and trailing blanks (including the full-width blank) are ignored,
// a sign, digits, a decimal point and an exponent are accepted ("12.5", " -3 ", "1e3", ".5").
// Throws ConversionError for anything else, including an empty text.
double TextToDouble(std::string_view text);

// Text to 32-bit integer: TextToDouble, then RoundToInt32 ("12.5" -> 12).
std::int32_t TextToInt32(std::string_view text);

// Non-throwing forms.
std::optional<double> TryTextToDouble(std::string_view text);
std::optional<std::int32_t> TryTextToInt32(std::string_view text);

// The leading numeric part of a text, 0 when there is none: "5mm" -> 5, " -3.5cm" -> -3.5,
// "abc" -> 0, "" -> 0. Used where a text box is read leniently (print offsets).
double LeadingNumber(std::string_view text);

// The standard text of a double: up to 15 significant digits, no fixed decimals, no trailing
// zeros, no exponent for ordinary magnitudes (0.5, 44.8839..., 100, -3, 0).
// Very large or small magnitudes use the "1E+20" / "1E-20" form.
std::string DoubleToText(double value);

// A number with a fixed count of decimals (0..15) and a point, whatever the locale;
// "-0.00" -> "0.00". From kFixedLimit on, where digits beyond the fifteenth are noise of the
// binary value, the standard text ("1E+62"); empty when not finite.
inline constexpr double kFixedLimit = 1e15;
std::string FixedDecimals(double value, int decimals);

// Integer division as the classic runtime's "\" on the already-converted integers: the
// quotient truncated toward zero. Division by zero and the one overflowing quotient
// (-2147483648 \ -1) throw ConversionError, as the runtime raises an error for them.
std::int32_t IntDiv(std::int32_t a, std::int32_t b);

// The noise decimal data picks up on its way through binary arithmetic (0.1 + 0.2 is a hair
// above 0.3): where a rule is stated exactly (a table bound, a half step, the water level, a
// 50 % line), values this close, relative to the larger of 1 and their size, count as equal.
inline constexpr double kDecimalNoise = 1e-9;
// The margin kDecimalNoise gives around a value.
double NoiseMargin(double value);

// Window centring: left = (screen width - window width) div 2; top likewise.
struct Point2i {
    int x = 0;
    int y = 0;
};
Point2i CentredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

}  // namespace hc
