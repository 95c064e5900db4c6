#include "common/core/text_columns.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace hc {

std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    const std::size_t n = c < 0x80         ? 1
                          : (c >> 5) == 6  ? 2
                          : (c >> 4) == 14 ? 3
                          : (c >> 3) == 30 ? 4
                                           : 0;
    if (n == 0 || i + n > s.size())
        return {0xFFFD, 1};
    char32_t cp = n == 1 ? c : c & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto t = static_cast<unsigned char>(s[i + k]);
        if ((t & 0xC0) != 0x80)
            return {0xFFFD, 1};
        cp = (cp << 6) | (t & 0x3F);
    }
    return {cp, n};
}

namespace {

// East Asian Wide (W) and Fullwidth (F) blocks of Unicode 15, the ones text tables meet.
constexpr std::array<std::pair<char32_t, char32_t>, 17> kWide{{
    {0x1100, 0x115F},    // Hangul Jamo initials
    {0x2E80, 0x303E},    // CJK radicals, ideographic description, CJK symbols and punctuation
    {0x3041, 0x33FF},    // kana, bopomofo, Hangul compatibility, kanbun, CJK compatibility
    {0x3400, 0x4DBF},    // CJK extension A
    {0x4E00, 0x9FFF},    // CJK unified ideographs
    {0xA000, 0xA4CF},    // Yi
    {0xA960, 0xA97F},    // Hangul Jamo extended A
    {0xAC00, 0xD7A3},    // Hangul syllables
    {0xF900, 0xFAFF},    // CJK compatibility ideographs
    {0xFE10, 0xFE19},    // vertical forms
    {0xFE30, 0xFE6F},    // CJK compatibility forms, small form variants
    {0xFF00, 0xFF60},    // full-width ASCII
    {0xFFE0, 0xFFE6},    // full-width signs
    {0x1F300, 0x1F64F},  // pictographs, emoticons
    {0x1F900, 0x1F9FF},  // supplemental pictographs
    {0x20000, 0x2FFFD},  // CJK extensions B..F
    {0x30000, 0x3FFFD},  // CJK extension G
}};

// Combining marks and zero-width characters.
constexpr std::array<std::pair<char32_t, char32_t>, 5> kZero{
    {{0x0300, 0x036F}, {0x200B, 0x200F}, {0x3099, 0x309A}, {0xFE00, 0xFE0F}, {0xFEFF, 0xFEFF}}};

template <std::size_t N>
bool In(const std::array<std::pair<char32_t, char32_t>, N>& ranges, char32_t cp) {
    return std::any_of(ranges.begin(), ranges.end(),
                       [cp](const auto& r) { return cp >= r.first && cp <= r.second; });
}

int Width(char32_t cp) {
    if (In(kZero, cp))
        return 0;
    return In(kWide, cp) ? 2 : 1;
}

}  // namespace

int DisplayWidth(std::string_view text) {
    int width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto [cp, n] = DecodeUtf8(text, i);
        width += Width(cp);
        i += n;
    }
    return width;
}

std::string FitWidth(std::string_view text, int columns) {
    if (DisplayWidth(text) <= columns)
        return std::string(text);
    const std::string_view ellipsis = "...";
    const int room = columns - static_cast<int>(ellipsis.size());
    if (room < 0)
        return std::string(ellipsis.substr(0, static_cast<std::size_t>(std::max(columns, 0))));
    std::size_t end = 0;
    int width = 0;
    while (end < text.size()) {
        const auto [cp, n] = DecodeUtf8(text, end);
        if (width + Width(cp) > room)
            break;
        width += Width(cp);
        end += n;
    }
    return std::string(text.substr(0, end)) + std::string(ellipsis);
}

std::string PadRight(std::string_view text, int columns) {
    const int width = DisplayWidth(text);
    return std::string(text) +
           std::string(static_cast<std::size_t>(std::max(columns - width, 0)), ' ');
}

std::string PadLeft(std::string_view text, int columns) {
    const int width = DisplayWidth(text);
    return std::string(static_cast<std::size_t>(std::max(columns - width, 0)), ' ') +
           std::string(text);
}

}  // namespace hc
