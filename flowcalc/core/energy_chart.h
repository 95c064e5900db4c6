// The specific-energy chart: E across, the depth upwards, the curve for one discharge, the line
// E = y, the lower bank top and a mark at every critical depth. One routine draws it on the
// window's picture and on an A4 landscape sheet, with the rating chart's layout constants.
#pragma once

#include <string>

#include "common/core/language.h"
#include "common/core/surface.h"
#include "flowcalc/core/energy.h"
#include "flowcalc/core/rating_chart.h"

namespace flow {

inline constexpr const char* kEnergySheetTitle = hc::N("比エネルギー曲線");
inline constexpr const char* kEnergyCriticalLabel = hc::N("限界水深 ");

struct EnergyAxes {
    AxisScale Energy;  // 0 to past the bank top's energy and twice the largest least energy
    AxisScale Depth;   // 0 to a little above the lower bank top
};
EnergyAxes EnergyChartAxes(const EnergyCurve& c);

double EnergyX(const RatingChartConstants& k, const EnergyAxes& a, double energy);
double EnergyY(const RatingChartConstants& k, const EnergyAxes& a, double depth);

void DrawEnergyChart(hc::Surface& g, const RatingChartConstants& k, const EnergyCurve& c);
// A window's picture of kRatingScreenWidth x kRatingScreenHeight user units.
void DrawEnergyScreen(hc::Surface& g, const EnergyCurve& c);
// One A4 landscape sheet: the heading (file, discharge, roughness, slope, method, the critical
// depths) above the chart; ends the document.
void PrintEnergyCurve(hc::Surface& printer, const EnergyCurve& c, const std::string& dataPath,
                      const FlowParameters& p, const PrintWidths& widths);

}  // namespace flow
