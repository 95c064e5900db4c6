// Irrigation-water classes read off the USSL diagram (US Salinity Laboratory Staff 1954, USDA
// Handbook 60, fig. 25): the salinity hazard C1..C4 from the electrical conductivity and the
// sodium hazard S1..S4 from the SAR against the conductivity.
//
// A value exactly on a boundary belongs to the higher class, as the handbook's salinity classes
// read (C1 "less than 250", C2 "250 to 750" micromhos/cm): EC 250 is C2, and a SAR on the
// S1|S2 line is S2
// (within the decimal noise of hc::kDecimalNoise, so that 5.55 at EC 1000 is on its line). The sodium lines are the handbook's straight lines on the log EC axis; they
// are used as they are beyond its 100..5000 µS/cm.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace wqp {

// EC (µS/cm at 25 °C) where C2, C3 and C4 start.
inline constexpr std::array<double, 3> kUsslSalinityLimits{250, 750, 2250};
// The sodium lines SAR = a - b log10 EC where S2, S3 and S4 start.
struct UsslSodiumLine {
    double a, b;
};
inline constexpr std::array<UsslSodiumLine, 3> kUsslSodiumLines{
    {{18.87, 4.44}, {31.31, 6.66}, {43.75, 8.87}}};

// The SAR on sodium line k (0: S1|S2, 1: S2|S3, 2: S3|S4) at a conductivity above 0.
double UsslSodiumLimit(std::size_t k, double ec);

struct UsslClass {
    int salinity = 0;  // 1..4; 0 where the EC is missing or not above 0
    int sodium = 0;    // 1..4; 0 where the SAR or the EC is missing
    bool Defined() const { return salinity > 0 && sodium > 0; }
};
UsslClass ClassifyUssl(std::optional<double> ec, std::optional<double> sar);
// "C3-S1"; "" where not defined.
std::string UsslClassName(const UsslClass& c);

}  // namespace wqp
