// hydrochart flow: reads a cross-section file, computes the Manning discharge at one depth and
// writes the printed sheet, the window's picture, the display list or the values as JSON.
#include <string>

#include "common/core/numbers.h"
#include "common/core/recording_surface.h"
#include "flowcalc/core/cross_section.h"
#include "flowcalc/core/discharge.h"
#include "flowcalc/core/numbers_csv.h"
#include "flowcalc/core/messages.h"
#include "flowcalc/core/section_chart.h"
#include "hydrochart/commands.h"

namespace {

// Picture1 of the window: 9735 x 4815 twips at 15 twips per pixel.
constexpr double kScreenWidth = 649;
constexpr double kScreenHeight = 321;

// The window's messages, written on one line.
std::string OneLine(std::string message) {
    for (char& c : message)
        if (c == '\r')
            c = ' ';
    return message;
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
    flow::PrintWidths widths;
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
            int w[3];
            for (int i = 0; i < 3; ++i) {
                w[i] = hcmd::OptionInt(a, parts[static_cast<std::size_t>(i)]);
                if (w[i] < 1 || w[i] > 5)
                    throw hcmd::UsageError{"--widths: each width is 1 to 5"};
            }
            widths = {w[0], w[1], w[2]};
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

    flow::LoadOutcome loaded = flow::LoadSection(file);
    if (!loaded.ok)
        return hcmd::Refuse(file, loaded.reason + " (" + OneLine(flow::text::kLoadFailed) + ")");

    flow::Computation c;
    c.Section = std::move(loaded.section);
    c.Scales = loaded.scales;
    // The scale and range window's checks.
    try {
        if (!hscale.empty())
            c.Scales.HScale = hc::TextToInt32(hscale);
        if (!vscale.empty())
            c.Scales.VScale = hc::TextToInt32(vscale);
    } catch (const hc::ConversionError&) {
        return hcmd::Refuse(file, flow::text::kScaleInvalid);
    }
    if (c.Scales.HScale <= 1 || c.Scales.VScale <= 1)
        return hcmd::Refuse(file, flow::text::kScaleInvalid);
    flow::FlowParameters& p = c.Parameters;
    p.RangeLeft = c.Section.MinX;
    p.RangeRight = c.Section.MaxX;
    if (!range.empty()) {
        auto parts = hcmd::SplitCommas(range);
        auto l = parts.size() == 2 ? hc::TryTextToDouble(parts[0]) : std::nullopt;
        auto r = parts.size() == 2 ? hc::TryTextToDouble(parts[1]) : std::nullopt;
        if (!l || !r)
            return hcmd::Refuse(file, flow::text::kRangeInvalid);
        p.RangeLeft = *l;
        p.RangeRight = *r;
    }
    if (p.RangeRight > c.Section.X(c.Section.PointCount) || !(p.RangeLeft < p.RangeRight))
        return hcmd::Refuse(file, flow::text::kRangeInvalid);
    // The parameter window's checks.
    auto n = hc::TryTextToDouble(roughness);
    if (!n || *n < 0.001 || *n > 1)
        return hcmd::Refuse(file, OneLine(flow::text::kRoughnessInvalid));
    p.Roughness = *n;
    auto s = hc::TryTextToInt32(slope);
    if (!s || *s < 1)
        return hcmd::Refuse(file, OneLine(flow::text::kSlopeInvalid));
    p.SlopeDenominator = *s;
    auto d = hc::TryTextToDouble(depth);
    if (!d || *d < 0.01)
        return hcmd::Refuse(file, OneLine(flow::text::kDepthInvalid));
    p.Depth = *d;

    c.Result = flow::ComputeDischarge(c.Section, p);

    hcmd::ChartJob job;
    job.drawPaper = [&](hc::Surface& g) { flow::PrintSection(g, c, widths); };
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
