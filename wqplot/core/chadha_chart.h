// Chadha's (1999) diagram: the difference of alkaline earths and alkali metals (x) against the
// difference of weak and strong acid anions (y), in % of each side's meq/L, on a square of
// -100..100 with the four fields 5..8 named in their quadrants.
#pragma once

#include <string>
#include <vector>

#include "waterquality/core/composition.h"
#include "waterquality/core/sample_model.h"
#include "wqplot/core/chart_style.h"

namespace wqp {

struct ChadhaMark {
    int sample = 0;
    int style = 0;
    double x = 0, y = 0;  // -100..100
    std::string name;
};

struct ChadhaModel {
    wq::NitrateType nitrate = wq::NitrateType::None;
    wq::DiagramOptions options;
    SampleStyles styles;
    std::vector<ChadhaMark> points;
    int leftOut = 0;  // drawn samples without a point (a sum of 0)
};

ChadhaModel BuildChadhaModel(const wq::SampleModel& samples, const wq::PlotSettings& settings);

void DrawChadha(hc::Surface& s, const ChadhaModel& model, const ChartMedia& m);

}  // namespace wqp
