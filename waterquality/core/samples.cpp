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

namespace {
// 10000 -> "10,000", as the messages write counts.
std::string Grouped(int n) {
    std::string digits = std::to_string(n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0 && digits[static_cast<std::size_t>(i - 1)] != '-'; i -= 3)
        digits.insert(static_cast<std::size_t>(i), ",");
    return digits;
}
}  // namespace

TooManySamples TooManySamplesText(int rows, int maxSamples) {
    TooManySamples t;
    t.ja = "この表には " + Grouped(rows) + " 試料あります。";
    t.en = "the table holds " + Grouped(rows) + " samples; ";
    if (maxSamples < kMaxLongTableSamples) {
        t.ja += "このプログラムが描けるのは " + Grouped(maxSamples) + " 試料までです（wqplot は " +
                Grouped(kMaxLongTableSamples) + " 試料まで描けます）";
        t.en += "this program draws at most " + Grouped(maxSamples) + " (wqplot draws up to " +
                Grouped(kMaxLongTableSamples) + ")";
    } else {
        t.ja += "読み込めるのは " + Grouped(maxSamples) + " 試料までです";
        t.en += "at most " + Grouped(maxSamples) + " can be read";
    }
    return t;
}

std::string CellReference(int row, int column) {
    std::string letters;
    for (int c = column; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters + std::to_string(row);
}

}  // namespace wq
