#include "common/core/input_limits.h"

namespace hc {

std::string Excerpt(std::string_view text) {
    std::string out;
    std::size_t chars = 0;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool startsCharacter = (byte & 0xC0) != 0x80;
        if (startsCharacter && ++chars > limits::kMaxExcerptChars) {
            out += "...";
            break;
        }
        out += (byte < 0x20 || byte == 0x7F) ? ' ' : c;
    }
    return out;
}

}  // namespace hc
