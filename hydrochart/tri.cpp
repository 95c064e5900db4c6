// hydrochart tri: reads a water-quality workbook with marks and colours and writes the
// trilinear diagram sheet of ternaryplot's File>Print, its window picture, the display list
// or the computed proportions and points as JSON.
#include <array>
#include <string>

#include "common/core/recording_surface.h"
#include "hydrochart/diagram_command.h"
#include "ternaryplot/core/trilinear.h"
#include "ternaryplot/core/trilinear_chart.h"

namespace {

using hc::JsonNumber;

constexpr const char* kUsage =
    "WORKBOOK [-o OUT.pdf|OUT.svg|OUT.png] [--screen] [--page N] [--json|--csv] "
    "[--display-list OUT.jsonl] [--nitrate 0|1|2] [--table on|off] [--numbering on|off] "
    "[--offset RIGHT,UP] [--widths W1,W2,W3,W4]";

std::string Triple(const std::array<double, 3>& v) {
    return "[" + JsonNumber(v[0]) + "," + JsonNumber(v[1]) + "," + JsonNumber(v[2]) + "]";
}

std::string PointJson(const tri::Point& p) {
    return "[" + JsonNumber(p.x) + "," + JsonNumber(p.y) + "]";
}

std::string Json(const wq::DiagramApp& app) {
    const wq::SampleTable& t = app.Table();
    const wq::PlotSettings& s = app.Settings();
    const tri::FractionTable f = tri::ComputeFractions(t, s.NitrateType);
    std::string j = "{\"count\":" + std::to_string(t.SampleCount) +
                    ",\"nitrate_type\":" + std::to_string(static_cast<int>(s.NitrateType)) +
                    ",\"samples\":[";
    for (int i = 1; i <= t.SampleCount; ++i) {
        auto ui = static_cast<std::size_t>(i);
        const tri::Fractions& x = f[ui];
        j += (i > 1 ? "," : "") + std::string("{\"number\":") + std::to_string(i) + ",\"name\":\"" +
             hc::JsonEscape(t.SampleName[ui]) +
             "\",\"valid\":" + (t.SampleValid[ui] >= 1 ? "true" : "false") + ",\"mark\":\"" +
             hc::JsonEscape(t.SampleMark[ui]) +
             "\",\"colour\":" + std::to_string(t.SampleColor[ui]);
        if (t.SampleValid[ui] >= 1) {
            j += ",\"cation_sum\":" + JsonNumber(x.CationSum) +
                 ",\"anion_sum\":" + JsonNumber(x.AnionSum);
            // Undefined proportions (a sum of 0) are left out with their points.
            if (x.cationDefined)
                j += ",\"cation_fraction\":" + Triple(x.CationFraction) +
                     ",\"cation_point\":" + PointJson(tri::CationPoint(x));
            if (x.anionDefined)
                j += ",\"anion_fraction\":" + Triple(x.AnionFraction) +
                     ",\"anion_point\":" + PointJson(tri::AnionPoint(x));
            if (x.cationDefined && x.anionDefined)
                j += ",\"diamond_point\":" + PointJson(tri::DiamondPoint(x));
        }
        j += "}";
    }
    return j + "]}";
}

int RunTri(hcmd::Args& args) {
    return hcmd::RunDiagramCommand(
        args, {tri::TernaryPlotVariant(), tri::kScreenSide, tri::kScreenSide, &Json});
}

const hcmd::Register reg({"tri",
                          "Colour trilinear diagram of a water-quality workbook (ternaryplot)",
                          kUsage, &RunTri});

}  // namespace
