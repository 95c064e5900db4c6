// Gibbs's (1970) diagram (Science 170, 1088-1090): TDS on a log axis against Na/(Na+Ca) and
// against Cl/(Cl+HCO3), two panels side by side, with the envelope of the world's surface waters
// that parts rainfall, rock and evaporation-crystallisation dominance. The ratios are of mg/L
// (mass) or of meq/L (equivalents), as the menu chooses; the axis titles say which.
//
// TDS is the composition's: the table's value, else the sum of the constituents (composition.h),
// which is what Gibbs's TDS is too; a computed TDS is drawn alike and marked so in the CSV. A
// sample with a TDS not above 0, or whose ratio has no denominator (no Na nor Ca; no Cl nor
// HCO3), is left out of that panel and counted in a note.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "waterquality/core/sample_model.h"
#include "wqplot/core/chart_style.h"

namespace wqp {

// A vertex of the envelope: the ratio (0..1) and TDS (mg/L).
struct GibbsVertex {
    double ratio, tds;
};
using GibbsLine = std::vector<GibbsVertex>;
// The envelope's three lines in each panel: the rock-dominance boundary towards rainfall, the
// inner boundary bending round from evaporation to rainfall, and the upper boundary.
extern const std::array<GibbsLine, 3> kGibbsCationEnvelope;
extern const std::array<GibbsLine, 3> kGibbsAnionEnvelope;

struct GibbsRatios {
    std::optional<double> cation;  // Na / (Na + Ca)
    std::optional<double> anion;   // Cl / (Cl + HCO3)
};
// The ratios of mg/L (meq false) or of meq/L (meq true) of one composition.
GibbsRatios ComputeGibbsRatios(const wq::Sample& sample, const wq::Composition& c, bool meq);

struct GibbsMark {
    int sample = 0;
    int style = 0;
    double tds = 0;
    bool tdsComputed = false;
    GibbsRatios ratios;
    std::string name;
};

struct GibbsModel {
    wq::DiagramOptions options;
    SampleStyles styles;
    std::vector<GibbsMark> points;  // with TDS; either ratio may be missing
    int lowDecade = 0, highDecade = 5;  // TDS 1..100,000 mg/L, widened to the data
    int withoutTds = 0;
    int withoutCation = 0;  // drawn samples without a Na/(Na+Ca) (no Na nor Ca)
    int withoutAnion = 0;
};

GibbsModel BuildGibbsModel(const wq::SampleModel& samples, const wq::PlotSettings& settings);
void DrawGibbs(hc::Surface& s, const GibbsModel& model, const ChartMedia& m);
// "（mg/L の比）" or "（meq/L の比）": the basis as the axis titles give it.
std::string GibbsBasisText(bool meq);

}  // namespace wqp
