#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/core/numbers.h"

using namespace hc;

TEST(RoundToInt32, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundToInt32(12.5), 12);
    EXPECT_EQ(RoundToInt32(13.5), 14);
    EXPECT_EQ(RoundToInt32(0.5), 0);
    EXPECT_EQ(RoundToInt32(1.5), 2);
    EXPECT_EQ(RoundToInt32(-2.5), -2);
    EXPECT_EQ(RoundToInt32(-3.5), -4);
    EXPECT_EQ(RoundToInt32(1234.5), 1234);
    EXPECT_EQ(RoundToInt32(1235.5), 1236);
}

TEST(RoundToInt32, OtherValuesGoToTheNearest) {
    EXPECT_EQ(RoundToInt32(2.4999999), 2);
    EXPECT_EQ(RoundToInt32(2.5000001), 3);
    EXPECT_EQ(RoundToInt32(-0.4), 0);
    EXPECT_EQ(RoundToInt32(-0.6), -1);
    EXPECT_EQ(RoundToInt32(7.0), 7);
}

TEST(RoundToInt32, RangeEdges) {
    EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToInt32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    // 2147483647.5 rounds to the even 2147483648, which is out of range.
    EXPECT_THROW(RoundToInt32(2147483647.5), ConversionError);
    EXPECT_THROW(RoundToInt32(-2147483649.0), ConversionError);
    EXPECT_THROW(RoundToInt32(1e300), ConversionError);
    EXPECT_THROW(RoundToInt32(std::numeric_limits<double>::quiet_NaN()), ConversionError);
    EXPECT_THROW(RoundToInt32(std::numeric_limits<double>::infinity()), ConversionError);
}

TEST(TextToNumber, BlanksAroundAreIgnored) {
    EXPECT_DOUBLE_EQ(TextToDouble("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(TextToDouble("  -3 "), -3.0);
    EXPECT_DOUBLE_EQ(TextToDouble("\t7\t"), 7.0);
    EXPECT_DOUBLE_EQ(TextToDouble("　5　"), 5.0);  // full-width blanks
    EXPECT_DOUBLE_EQ(TextToDouble(".5"), 0.5);
    EXPECT_DOUBLE_EQ(TextToDouble("+2"), 2.0);
    EXPECT_DOUBLE_EQ(TextToDouble("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(TextToDouble("2.5E-1"), 0.25);
    EXPECT_EQ(TextToInt32("12.5"), 12);
    EXPECT_EQ(TextToInt32("13.5"), 14);
    EXPECT_EQ(TextToInt32(" 100.6 "), 101);
    EXPECT_EQ(TextToInt32("-3"), -3);
}

TEST(TextToNumber, NonNumbersFailClearly) {
    for (const char* bad :
         {"", "   ", "abc", "5mm", "1,5", "--1", "1.2.3", ".", "e5", "1e", "0x10"}) {
        EXPECT_THROW(TextToDouble(bad), ConversionError) << bad;
        EXPECT_FALSE(TryTextToDouble(bad).has_value()) << bad;
    }
    EXPECT_THROW(TextToInt32("3000000000"), ConversionError);
    EXPECT_FALSE(TryTextToInt32("3000000000").has_value());
    EXPECT_THROW(TextToDouble("1e999"), ConversionError);
}

TEST(LeadingNumber, ReadsTheNumericStartOnly) {
    EXPECT_DOUBLE_EQ(LeadingNumber("5mm"), 5.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(" -3.5cm"), -3.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("-"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("12 34"), 12.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e2x"), 100.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e"), 1.0);
}

TEST(DoubleToText, StandardTextOfADouble) {
    EXPECT_EQ(DoubleToText(0.5), "0.5");
    EXPECT_EQ(DoubleToText(100), "100");
    EXPECT_EQ(DoubleToText(0), "0");
    EXPECT_EQ(DoubleToText(-3), "-3");
    EXPECT_EQ(DoubleToText(12.5), "12.5");
    EXPECT_EQ(DoubleToText(2.5 * 2.5), "6.25");
    // 15 significant digits: 0.1 + 0.2 prints as 0.3, 1/3 as fifteen threes.
    EXPECT_EQ(DoubleToText(0.1 + 0.2), "0.3");
    EXPECT_EQ(DoubleToText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(DoubleToText(44.8839201438249), "44.8839201438249");
    EXPECT_EQ(DoubleToText(123456789012345.0), "123456789012345");
    EXPECT_EQ(DoubleToText(1e20), "1E+20");
    EXPECT_EQ(DoubleToText(0.0001), "0.0001");
}

// The runtime's switch to the exponent form: from an exponent of 15 up (beyond fifteen digits)
// and below -4, with a signed exponent of at least two digits and no trailing zeros.
TEST(DoubleToText, ExponentFormAtTheRuntimesBounds) {
    EXPECT_EQ(DoubleToText(999999999999999.0), "999999999999999");
    EXPECT_EQ(DoubleToText(1e15), "1E+15");
    EXPECT_EQ(DoubleToText(1.234e16), "1.234E+16");
    EXPECT_EQ(DoubleToText(123456789012345678.0), "1.23456789012346E+17");
    EXPECT_EQ(DoubleToText(0.00001), "1E-05");
    EXPECT_EQ(DoubleToText(5.6789e-12), "5.6789E-12");
    EXPECT_EQ(DoubleToText(1e-300), "1E-300");
    EXPECT_EQ(DoubleToText(-2.5e-7), "-2.5E-07");
    EXPECT_EQ(DoubleToText(0.1), "0.1");
    EXPECT_EQ(DoubleToText(-0.5), "-0.5");
    EXPECT_EQ(DoubleToText(-0.25), "-0.25");
    EXPECT_EQ(DoubleToText(-0.0), "0");  // no negative zero
    // Fifteen digits rounded: pi and a value that rounds up into the next power of ten.
    EXPECT_EQ(DoubleToText(3.141592653589793), "3.14159265358979");
    EXPECT_EQ(DoubleToText(9999999999999999.0), "1E+16");
}

// Every half lands on the even neighbour, also where the subtraction from the floor is inexact
// (negative values just inside a half); checked against the FPU's own round-to-nearest-even.
TEST(RoundToInt32, AgreesWithNearestEvenNearHalves) {
    for (int k = -1000; k <= 1000; ++k) {
        double half = k + 0.5;
        for (double v : {half, std::nextafter(half, -1e9), std::nextafter(half, 1e9)}) {
            EXPECT_EQ(RoundToInt32(v), static_cast<std::int32_t>(std::nearbyint(v))) << v;
        }
    }
}

TEST(CentredOrigin, IntegerDivisionOfTheDifference) {
    Point2i p = CentredOrigin(1920, 1080, 801, 600);
    EXPECT_EQ(p.x, 559);  // 1119 div 2
    EXPECT_EQ(p.y, 240);
    Point2i q = CentredOrigin(800, 600, 1001, 700);  // larger than the screen
    EXPECT_EQ(q.x, -100);                            // -201 div 2 truncates toward zero
    EXPECT_EQ(q.y, -50);
}

TEST(IntDiv, TruncatesTowardZeroAndRefusesWhatHasNoQuotient) {
    EXPECT_EQ(IntDiv(7, 2), 3);
    EXPECT_EQ(IntDiv(-7, 2), -3);
    EXPECT_EQ(IntDiv(7, -2), -3);
    EXPECT_EQ(IntDiv(-2147483647 - 1, 1), std::numeric_limits<std::int32_t>::min());
    EXPECT_THROW(IntDiv(5, 0), ConversionError);
    EXPECT_THROW(IntDiv(std::numeric_limits<std::int32_t>::min(), -1), ConversionError);
}
