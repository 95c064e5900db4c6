#include "common/core/surface.h"

#include <array>
#include <cstdio>

namespace hc {

std::string Color::Hex() const {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", r, g, b);
    return buf;
}

Color QBColor(int index) {
    static constexpr std::array<Color, 16> kPalette{{
        {0, 0, 0},
        {0, 0, 128},
        {0, 128, 0},
        {0, 128, 128},
        {128, 0, 0},
        {128, 0, 128},
        {128, 128, 0},
        {192, 192, 192},
        {128, 128, 128},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {255, 255, 0},
        {255, 255, 255},
    }};
    if (index < 0 || index > 15)
        index = 0;
    return kPalette[static_cast<std::size_t>(index)];
}

void Surface::Print(const std::string& text) {
    DoText(CurrentX, CurrentY, text);
    double h = TextHeight(text.empty() ? std::string("0") : text);
    CurrentX = 0;
    CurrentY += h;
}

void Surface::PrintInline(const std::string& text) {
    DoText(CurrentX, CurrentY, text);
    CurrentX += TextWidth(text);
}

}  // namespace hc
