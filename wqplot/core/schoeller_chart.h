// Schoeller's semi-logarithmic diagram: meq/L of Ca, Mg, Na+K (Na and K apart when asked), the
// chloride group, the sulfate group and HCO3+CO3 on equally spaced vertical axes, one polyline
// per sample. Nitrate joins Cl or SO4 under its type, as in the other diagrams.
//
// The decades run from the one at or below the smallest positive value to the one at or above
// the largest. A zero (or an ion the analysis lacks) has no place on a log axis: the polyline
// breaks there and no mark is drawn, rather than a mark at the bottom edge that would read as a
// measured value.
#pragma once

#include <string>
#include <vector>

#include "waterquality/core/composition.h"
#include "waterquality/core/sample_model.h"
#include "wqplot/core/chart_style.h"

namespace wqp {

struct SchoellerLine {
    int sample = 0;
    int style = 0;
    std::vector<double> meq;  // one value per axis; 0 or less is not drawn
    std::string name;
};

struct SchoellerModel {
    wq::DiagramOptions options;
    std::vector<std::string> axes;  // ion labels with subscript blanks ("SO ")
    int lowDecade = -1;             // the axis runs from 10^low to 10^high meq/L
    int highDecade = 1;
    SampleStyles styles;
    std::vector<SchoellerLine> lines;
};

// Decades for the smallest and largest positive values (-1..1 when there are none).
std::pair<int, int> SchoellerDecades(double smallestPositive, double largest);

SchoellerModel BuildSchoellerModel(const wq::SampleModel& samples,
                                   const wq::PlotSettings& settings);

void DrawSchoeller(hc::Surface& s, const SchoellerModel& model, const ChartMedia& m);

}  // namespace wqp
