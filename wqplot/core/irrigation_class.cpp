#include "wqplot/core/irrigation_class.h"

#include <cmath>

#include "common/core/numbers.h"

namespace wqp {

double UsslSodiumLimit(std::size_t k, double ec) {
    const UsslSodiumLine& l = kUsslSodiumLines[k];
    return l.a - l.b * std::log10(ec);
}

UsslClass ClassifyUssl(std::optional<double> ec, std::optional<double> sar) {
    UsslClass c;
    if (!ec || !(*ec > 0) || !std::isfinite(*ec))
        return c;
    c.salinity = 1;
    for (double limit : kUsslSalinityLimits)
        if (*ec >= limit - hc::kDecimalNoise)
            ++c.salinity;
    if (!sar || !std::isfinite(*sar))
        return c;
    c.sodium = 1;
    for (std::size_t k = 0; k < kUsslSodiumLines.size(); ++k)
        if (*sar >= UsslSodiumLimit(k, *ec) - hc::kDecimalNoise)
            c.sodium = static_cast<int>(k) + 2;
    return c;
}

std::string UsslClassName(const UsslClass& c) {
    if (!c.Defined())
        return "";
    return "C" + std::to_string(c.salinity) + "-S" + std::to_string(c.sodium);
}

}  // namespace wqp
