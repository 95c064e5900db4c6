// hydrochart tri: reads a water-quality workbook with marks and colours and writes the
// trilinear diagram sheet of ternaryplot's File>Print, its window picture, the display list
// or the computed proportions and points as JSON.
#include <QJsonArray>
#include <array>
#include <string>

#include "hydrochart/diagram_command.h"
#include "hydrochart/json.h"
#include "ternaryplot/core/trilinear.h"
#include "ternaryplot/core/trilinear_chart.h"

namespace {

QJsonValue Shares(const std::array<double, 3>& v, bool defined,
                  const std::array<const char*, 3>& names) {
    if (!defined)
        return QJsonValue::Null;
    QJsonObject j;
    for (std::size_t k = 0; k < 3; ++k)
        j[names[k]] = v[k];
    return j;
}

QJsonValue PointJson(const tri::Point& p, bool defined) {
    if (!defined)
        return QJsonValue::Null;
    return QJsonObject{{"x", p.x}, {"y", p.y}};
}

void Json(const wq::DiagramApp& app, QJsonObject& j) {
    const wq::SampleModel model = app.Model();
    const wq::PlotSettings& s = app.Settings();
    j["sample_count"] = model.Count();
    j["nitrate_type"] = static_cast<int>(s.NitrateType);
    QJsonArray samples = hcmd::SamplesJson(model);
    for (int i = 1; i <= model.Count(); ++i) {
        const wq::Sample& sample = model.At(i);
        const wq::Composition& c = model.CompositionOf(i);
        const tri::Fractions& x = wq::SharesUnder(c, s.NitrateType);
        const bool drawn = c.drawn;
        QJsonObject o = samples[i - 1].toObject();
        o["mark"] = hcmd::JsonString(sample.mark);
        o["colour"] = sample.colour;
        // Undefined proportions (a sum of 0) are null with their points.
        o["cation_sum"] = drawn ? QJsonValue(x.CationSum) : QJsonValue::Null;
        o["anion_sum"] = drawn ? QJsonValue(x.AnionSum) : QJsonValue::Null;
        o["cation_fraction"] =
            Shares(x.CationFraction, drawn && x.cationDefined, {"na_k", "ca", "mg"});
        o["anion_fraction"] =
            Shares(x.AnionFraction, drawn && x.anionDefined, {"cl_group", "hco3", "so4_group"});
        o["cation_point"] = PointJson(tri::CationPoint(x), drawn && x.cationDefined);
        o["anion_point"] = PointJson(tri::AnionPoint(x), drawn && x.anionDefined);
        o["diamond_point"] =
            PointJson(tri::DiamondPoint(x), drawn && x.cationDefined && x.anionDefined);
        samples[i - 1] = o;
    }
    j["samples"] = samples;
}

const hcmd::Register reg(hcmd::MakeDiagramCommand(
    {"tri", "colour trilinear diagram of a water-quality workbook (ternaryplot)",
     tri::TernaryPlotVariant(), tri::kScreenSide, tri::kScreenSide, &Json,
     "FRAME,HALF_LINES,ARROWS,TABLE"}));

}  // namespace
