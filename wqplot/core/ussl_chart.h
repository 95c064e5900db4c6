// The USSL diagram (US Salinity Laboratory Staff 1954, USDA Handbook 60, fig. 25): SAR against
// the electrical conductivity on a log axis, with the salinity classes C1..C4 and the sodium
// classes S1..S4 of irrigation_class.h. A sample without EC, or whose SAR is undefined (no Ca
// nor Mg), is left out of this chart only and counted in a note.
#pragma once

#include <string>
#include <vector>

#include "waterquality/core/sample_model.h"
#include "wqplot/core/chart_style.h"
#include "wqplot/core/irrigation_class.h"

namespace wqp {

struct UsslMark {
    int sample = 0;
    int style = 0;
    double ec = 0;  // µS/cm
    double sar = 0;
    UsslClass cls;
    std::string name;
};

struct UsslModel {
    wq::DiagramOptions options;
    SampleStyles styles;
    std::vector<UsslMark> points;
    // The axes: the handbook's 100..5000 µS/cm and SAR 0..30, widened to whole decades and tens
    // where a sample lies beyond them.
    double ecLow = 100, ecHigh = 5000;
    double sarHigh = 30;
    int withoutEc = 0;   // drawn samples left out for want of an EC
    int withoutSar = 0;  // ... for want of a SAR (Ca + Mg = 0)
};

UsslModel BuildUsslModel(const wq::SampleModel& samples, const wq::PlotSettings& settings);
void DrawUssl(hc::Surface& s, const UsslModel& model, const ChartMedia& m);

// The notes of the samples a chart leaves out: 「EC のない 3 試料は描いていません」.
std::string LeftOutNote(const std::string& what, int count);

}  // namespace wqp
