// hydrochart flow: reads a cross-section file, computes the Manning discharge at one depth and
// writes the printed sheet, the window's picture, the display list or the values as JSON.
#include <string>
#include <utility>

#include "common/core/numbers.h"
#include "common/core/recording_surface.h"
#include "flowcalc/core/flow_app.h"
#include "flowcalc/core/numbers_csv.h"
#include "flowcalc/core/section_chart.h"
#include "hydrochart/commands.h"

namespace {

// Picture1 of the window: 9735 x 4815 twips at 15 twips per pixel.
constexpr double kScreenWidth = 649;
constexpr double kScreenHeight = 321;

// A refusal on standard error: the file, the place in it and the English reason.
int Refuse(const std::string& file, hc::Error e) {
    e.file.clear();
    return hcmd::Refuse(file, e.English());
}

std::string Json(const flow::Computation& c) {
    using hc::JsonNumber;
    std::string j = "{\"points\":" + std::to_string(c.Section.PointCount) +
                    ",\"bed_level\":" + JsonNumber(c.Section.BedLevel) +
                    ",\"water_level\":" + JsonNumber(c.Result.WaterLevel) +
                    ",\"hscale\":" + std::to_string(c.Scales.HScale) +
                    ",\"vscale\":" + std::to_string(c.Scales.VScale) +
                    ",\"ycentre\":" + JsonNumber(c.Scales.YCentre) + ",\"sections\":[";
    bool first = true;
    for (const flow::WetSection& w : c.Result.Sections) {
        j += first ? "" : ",";
        first = false;
        j += "{\"xl\":" + JsonNumber(w.xl) + ",\"xr\":" + JsonNumber(w.xr) +
             ",\"B\":" + JsonNumber(w.B) + ",\"A\":" + JsonNumber(w.A) +
             ",\"P\":" + JsonNumber(w.P) + ",\"R\":" + JsonNumber(w.R) +
             ",\"V\":" + JsonNumber(w.V) + ",\"Q\":" + JsonNumber(w.Q) + "}";
    }
    j += "],\"total_q\":" + JsonNumber(c.Result.TotalDischarge) +
         ",\"max_v\":" + JsonNumber(c.Result.MaxVelocity) +
         ",\"total_width\":" + JsonNumber(c.Result.TotalWidth) + "}";
    return j;
}

int RunFlow(hcmd::Args& args) {
    hcmd::OutputOptions out;
    std::string file;
    std::string depth, roughness, slope, hscale, vscale, range;
    // Everything goes through the program's own application layer: the print widths as its
    // menus take them, then the file, the scale and range window's checks and the parameter
    // window's, in the windows' order.
    flow::FlowApp app;
    while (!args.Empty()) {
        if (hcmd::TakeOutputOption(args, out))
            continue;
        std::string a = args.Next();
        if (a == "--depth") {
            depth = args.Value(a);
        } else if (a == "--roughness") {
            roughness = args.Value(a);
        } else if (a == "--slope") {
            slope = args.Value(a);
        } else if (a == "--hscale") {
            hscale = args.Value(a);
        } else if (a == "--vscale") {
            vscale = args.Value(a);
        } else if (a == "--range") {
            range = args.Value(a);
        } else if (a == "--widths") {
            auto parts = hcmd::SplitCommas(args.Value(a));
            if (parts.size() != 3)
                throw hcmd::UsageError{"--widths takes FRAME,SECTION,WATER"};
            constexpr flow::PrintLine kLines[3] = {flow::PrintLine::Frame, flow::PrintLine::Section,
                                                   flow::PrintLine::Water};
            for (std::size_t i = 0; i < 3; ++i)
                if (hc::Status set = app.SetPrintWidth(kLines[i], hcmd::OptionInt(a, parts[i]));
                    !set)
                    throw hcmd::UsageError{a + ": " + set.error().en};
        } else if (!a.empty() && a[0] == '-') {
            throw hcmd::UsageError{"unknown option " + a};
        } else if (file.empty()) {
            file = a;
        } else {
            throw hcmd::UsageError{"only one FILE is taken"};
        }
    }
    if (file.empty())
        throw hcmd::UsageError{"no FILE given"};
    if (depth.empty() || roughness.empty() || slope.empty())
        throw hcmd::UsageError{"--depth, --roughness and --slope are needed"};

    if (hc::Status loaded = app.Load(file); !loaded)
        return Refuse(file, loaded.error());
    flow::ScaleChoice scales{app.Scales().HScale, app.Scales().VScale};
    for (auto [text, scale] : {std::pair{&hscale, &scales.HScale}, {&vscale, &scales.VScale}}) {
        if (text->empty())
            continue;
        hc::Result<std::int32_t> v = flow::ReadWholeNumber(flow::Setting::Scale, *text);
        if (!v)
            return Refuse(file, v.error());
        *scale = *v;
    }
    if (hc::Status checked = flow::CheckScales(scales); !checked)
        return Refuse(file, checked.error());
    flow::AnalysisRange whole{app.Parameters().RangeLeft, app.Parameters().RangeRight};
    hc::Result<flow::AnalysisRange> chosen = whole;
    if (!range.empty()) {
        auto parts = hcmd::SplitCommas(range);
        chosen = parts.size() == 2
                     ? flow::ReadRange(app.Section(), parts[0], parts[1])
                     : hc::Result<flow::AnalysisRange>(flow::Refusal(flow::Setting::Range));
    }
    if (!chosen)
        return Refuse(file, chosen.error());
    if (hc::Result<flow::FollowUp> set = app.SetScales(scales, *chosen); !set)
        return Refuse(file, set.error());

    hc::Result<double> n = flow::ReadNumber(flow::Setting::Roughness, roughness);
    if (!n)
        return Refuse(file, n.error());
    hc::Result<std::int32_t> s = flow::ReadWholeNumber(flow::Setting::Slope, slope);
    if (!s)
        return Refuse(file, s.error());
    hc::Result<double> d = flow::ReadNumber(flow::Setting::Depth, depth);
    if (!d)
        return Refuse(file, d.error());
    app.StoreParameters(*n, *s, *d);
    for (hc::Status checked :
         {flow::CheckRoughness(*n), flow::CheckSlope(*s), flow::CheckDepth(*d)})
        if (!checked)
            return Refuse(file, checked.error());

    const flow::Computation& c = app.Compute();

    hcmd::ChartJob job;
    job.drawPaper = [&](hc::Surface& g) { flow::PrintSection(g, c, app.Widths()); };
    job.drawScreen = [&](hc::Surface& g) { flow::DrawSection(g, c); };
    job.screenWidth = kScreenWidth;
    job.screenHeight = kScreenHeight;
    job.json = [&] { return Json(c); };
    job.csv = [&] { return flow::DischargeCsv(c.Parameters, c.Result); };
    return hcmd::WriteOutputs(out, job);
}

const hcmd::Register reg({"flow", "Manning discharge of a river cross-section",
                          "FILE --depth D --roughness N --slope S [--hscale H] [--vscale V] "
                          "[--range LEFT,RIGHT] [--widths FRAME,SECTION,WATER] "
                          "[-o OUT.pdf|OUT.svg|OUT.png] [--screen] [--page N] [--json|--csv] "
                          "[--display-list OUT.jsonl]",
                          &RunFlow});

}  // namespace
