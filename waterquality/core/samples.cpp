#include "waterquality/core/samples.h"

namespace wq {

int CharacterCount(const std::string& utf8) {
    int n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80)
            ++n;  // count lead bytes only
    return n;
}

int NitrateChoice(NitrateType type) {
    for (std::size_t i = 0; i < kNitrateChoices.size(); ++i)
        if (kNitrateChoices[i] == type)
            return static_cast<int>(i);
    return -1;
}

const char* NitrateCaption(NitrateType type) {
    const int i = NitrateChoice(type);
    return i < 0 ? "" : kNitrateCaptions[static_cast<std::size_t>(i)];
}

std::string CellReference(int row, int column) {
    std::string letters;
    for (int c = column; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters + std::to_string(row);
}

}  // namespace wq
