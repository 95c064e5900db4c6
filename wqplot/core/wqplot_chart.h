// wqplot's rules and drawing for the shared water-quality window and for hydrochart: the chart
// the "図の種類(&D)" menu chooses (Piper, Schoeller, Chadha or the classification table), drawn
// on screen and on A4 by one routine each, and the numbers behind it as CSV.
#pragma once

#include <string>

#include "waterquality/core/diagram_app.h"
#include "wqplot/core/classification.h"

namespace wqp {

// The picture's user units: a square, as the shared window's view.
inline constexpr double kScreenSide = 800;

// The diagram kinds in the order of the "図の種類(&D)" menu.
inline constexpr std::array<wq::DiagramKind, 8> kKinds{
    wq::DiagramKind::Piper, wq::DiagramKind::Schoeller, wq::DiagramKind::Chadha,
    wq::DiagramKind::Durov, wq::DiagramKind::Hfed,      wq::DiagramKind::Ussl,
    wq::DiagramKind::Gibbs, wq::DiagramKind::Classification};

// The classification table as the window shows it and its sheets print it.
wq::TextTable ClassificationTable(const wq::SampleModel& model, wq::NitrateType nitrate);

// The numbers behind each chart (File>数値を保存, hydrochart --csv).
std::string PiperCsv(const wq::SampleModel& model, wq::NitrateType nitrate);
std::string SchoellerCsv(const wq::SampleModel& model, const wq::PlotSettings& settings);
std::string ChadhaCsv(const wq::SampleModel& model, wq::NitrateType nitrate);
std::string UsslCsv(const wq::SampleModel& model, const wq::PlotSettings& settings);
std::string GibbsCsv(const wq::SampleModel& model, const wq::PlotSettings& settings);
std::string DurovCsv(const wq::SampleModel& model, const wq::PlotSettings& settings);
std::string HfedCsv(const wq::SampleModel& model, const wq::PlotSettings& settings);

const wq::DiagramVariant& WqPlotVariant();

}  // namespace wqp
