// Ion labels of the charts whose blanks hold subscript digits: "SO " reads SO4, "HCO " HCO3 and
// "Cl(+NO )" Cl(+NO3), each digit one size smaller and set a little lower.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/core/surface.h"

namespace wq {

// The subscript digits of a label: (zero-based position of the blank, digit). The blank after
// HCO and NO holds a 3, the blank after SO a 4.
std::vector<std::pair<int, std::string>> SubscriptDigits(const std::string& label);

// Prints the subscript digits of `label`, whose top-left corner is at (x, y) in the current font
// and size: each at size `subscriptSize`, where the label's own text up to its blank ends (its
// measured width, so the digit lands in the blank whatever the face), `drop` label heights below
// the label's top. The size is the label's again afterwards.
void PrintSubscriptDigits(hc::Surface& s, double x, double y, const std::string& label,
                          double subscriptSize, double drop);

// The label at (x, y) in the current font and size, then its subscript digits.
void PrintIonLabel(hc::Surface& s, double x, double y, const std::string& label,
                   double subscriptSize, double drop);

}  // namespace wq
