#include "waterquality/core/ion_label.h"

namespace wq {

std::vector<std::pair<int, std::string>> SubscriptDigits(const std::string& label) {
    std::vector<std::pair<int, std::string>> out;
    for (std::size_t j = 2; j < label.size(); ++j) {
        if (label[j] != ' ')
            continue;
        std::string before = label.substr(j - 2, 2);
        if (before == "CO" || before == "NO")
            out.emplace_back(static_cast<int>(j), "3");
        else if (before == "SO")
            out.emplace_back(static_cast<int>(j), "4");
    }
    return out;
}

void PrintSubscriptDigits(hc::Surface& s, double x, double y, const std::string& label,
                          double subscriptSize, double drop) {
    const auto digits = SubscriptDigits(label);
    if (digits.empty())
        return;
    const double labelSize = s.FontSize();
    const double th = s.TextHeight(label);
    for (const auto& [j, digit] : digits) {
        // Measured in the label's size: a fraction of the whole label's width holds only for a
        // face whose letters and blanks are all one width.
        const double at = x + s.TextWidth(label.substr(0, static_cast<std::size_t>(j)));
        s.SetFontSize(subscriptSize);
        s.CurrentX = at;
        s.CurrentY = y + drop * th;
        s.Print(digit);
        s.SetFontSize(labelSize);
    }
}

void PrintIonLabel(hc::Surface& s, double x, double y, const std::string& label,
                   double subscriptSize, double drop) {
    s.CurrentX = x;
    s.CurrentY = y;
    s.Print(label);
    PrintSubscriptDigits(s, x, y, label, subscriptSize, drop);
}

}  // namespace wq
