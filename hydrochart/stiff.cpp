// hydrochart stiff: reads a water-quality workbook and writes the Stiff diagram sheets of
// polyplot's File>Print, its window canvas, the display list or the computed values as JSON.
// The options are those of "hydrochart hexa".
#include <cmath>
#include <string>
#include <vector>

#include "common/core/numbers.h"
#include "common/core/recording_surface.h"
#include "hydrochart/commands.h"
#include "hydrochart/quiet_platform.h"
#include "polyplot/core/stiff.h"
#include "waterquality/core/column_layout.h"
#include "waterquality/core/meq.h"
#include "waterquality/core/workbook_load.h"

namespace {

// The canvas Picture2 of a 720-pixel view: twice as wide as it is high.
constexpr double kScreenWidth = 1440;
constexpr double kScreenHeight = 720;

// The menu settings an invocation asks for.
struct Options {
    std::string workbook;
    wq::PlotSettings settings;
    std::vector<std::string> scales;  // "COL=VALUE", applied after the automatic scale
    wq::PrintOffset offset;
};

// "COL=VALUE": VALUE is the number of a scale caption ("1cm = 10.0" -> 10).
void TakeScale(const std::string& text, wq::PlotSettings& settings) {
    auto eq = text.find('=');
    if (eq == std::string::npos)
        throw hcmd::UsageError{"--scale takes COL=VALUE, e.g. 2=10.0"};
    int column = hcmd::OptionInt("--scale", text.substr(0, eq));
    double value = hcmd::OptionDouble("--scale", text.substr(eq + 1));
    if (column < 1 || column > wq::kMaxColumns)
        throw hcmd::UsageError{"--scale: column must be 1 to 4"};
    for (double s : wq::kScaleValues) {
        if (std::abs(s / 3 - value) < 1e-9) {
            settings.ColumnScale[static_cast<std::size_t>(column)] = s;
            return;
        }
    }
    throw hcmd::UsageError{"--scale: VALUE must be one of 0.5 1 2 3 5 10 20 30 50 100"};
}

Options TakeOptions(hcmd::Args& args, hcmd::OutputOptions& out) {
    Options o;
    o.settings.NitrateType = wq::kNitrateNone;  // the first load's defaults
    o.settings.Direction = 1;
    o.settings.Numbering = 1;
    while (!args.Empty()) {
        if (hcmd::TakeOutputOption(args, out))
            continue;
        std::string a = args.Next();
        if (a == "--nitrate") {
            int n = hcmd::OptionInt(a, args.Value(a));
            if (n < 0 || n > 2)
                throw hcmd::UsageError{"--nitrate takes 0, 1 or 2"};
            o.settings.NitrateType = n;
        } else if (a == "--direction") {
            std::string v = args.Value(a);
            if (v != "up" && v != "down")
                throw hcmd::UsageError{"--direction takes up or down"};
            o.settings.Direction = v == "up" ? 1 : -1;
        } else if (a == "--numbering") {
            std::string v = args.Value(a);
            if (v != "on" && v != "off")
                throw hcmd::UsageError{"--numbering takes on or off"};
            o.settings.Numbering = v == "on" ? 1 : 0;
        } else if (a == "--scale") {
            o.scales.push_back(args.Value(a));
        } else if (a == "--offset") {
            auto parts = hcmd::SplitCommas(args.Value(a));
            if (parts.size() != 2)
                throw hcmd::UsageError{"--offset takes RIGHT,UP in millimetres"};
            // Checked as the page setup checks its boxes: above 100 mm goes back to 0.
            wq::ShiftCheck c = wq::CheckShifts(parts[0], parts[1]);
            if (!c.ok)
                throw hcmd::UsageError{"--offset: not a number: " + parts[c.badBox - 1]};
            o.offset = {wq::PrintOffsetFromText(c.right), wq::PrintOffsetFromText(c.up)};
        } else if (a == "--widths") {
            auto parts = hcmd::SplitCommas(args.Value(a));
            if (parts.size() != 5)
                throw hcmd::UsageError{"--widths takes five widths W1,W2,W3,W4,W5"};
            for (std::size_t k = 0; k < 5; ++k) {
                int w = hcmd::OptionInt(a, parts[k]);
                if (w < 1 || w > 5)
                    throw hcmd::UsageError{"--widths: each width is 1 to 5"};
                o.settings.LineWidths[k] = w;
            }
        } else if (!a.empty() && a[0] == '-') {
            throw hcmd::UsageError{"unknown option " + a};
        } else if (o.workbook.empty()) {
            o.workbook = a;
        } else {
            throw hcmd::UsageError{"one workbook only"};
        }
    }
    if (o.workbook.empty())
        throw hcmd::UsageError{"no workbook given"};
    wq::PlotSettings checked = o.settings;  // scales are checked before the file is read
    for (const std::string& s : o.scales)
        TakeScale(s, checked);
    return o;
}

std::string Numbers(const wq::IonValues& v) {
    std::string j = "[";
    for (int k = 0; k < wq::kIonCount; ++k)
        j += (k ? "," : "") + hc::JsonNumber(v[static_cast<std::size_t>(k)]);
    return j + "]";
}

std::string Json(const wq::SampleTable& t, const wq::PlotSettings& s, double autoScale) {
    using hc::JsonNumber;
    std::string j = "{\"count\":" + std::to_string(t.SampleCount) +
                    ",\"auto_scale\":" + JsonNumber(autoScale) +
                    ",\"nitrate_type\":" + std::to_string(s.NitrateType) + ",\"samples\":[";
    for (int i = 1; i <= t.SampleCount; ++i) {
        auto ui = static_cast<std::size_t>(i);
        j += (i > 1 ? "," : "") + std::string("{\"number\":") + std::to_string(i) + ",\"name\":\"" +
             hc::JsonEscape(t.SampleName[ui]) +
             "\",\"valid\":" + (t.SampleValid[ui] == 1 ? "true" : "false") +
             ",\"mg\":" + Numbers(t.RawMg[ui]) + ",\"meq\":" + Numbers(t.Meq[ui]) + "}";
    }
    j += "],\"columns\":[";
    std::string plot;
    bool first = true;
    for (const wq::Column& c : wq::ScreenColumns(t.SampleCount, s)) {
        j += (first ? "" : ",") + std::string("{\"column\":") + std::to_string(c.index) +
             ",\"first\":" + std::to_string(c.first) + ",\"last\":" + std::to_string(c.last) +
             ",\"scale\":" + JsonNumber(c.scale) + "}";
        first = false;
        auto q = wq::ComputePlotValues(t, s.NitrateType, c.scale);
        for (int i = c.first; i <= c.last; ++i) {
            auto ui = static_cast<std::size_t>(i);
            if (t.SampleValid[ui] != 1)
                continue;
            const wq::PlotValues& p = q[ui];
            plot += (plot.empty() ? "" : ",") + std::string("{\"number\":") + std::to_string(i) +
                    ",\"qNaK\":" + JsonNumber(p.qNaK) + ",\"qCa\":" + JsonNumber(p.qCa) +
                    ",\"qMg\":" + JsonNumber(p.qMg) + ",\"qCl\":" + JsonNumber(p.qCl) +
                    ",\"qHCO3\":" + JsonNumber(p.qHCO3) + ",\"qSO4\":" + JsonNumber(p.qSO4) +
                    ",\"qN\":" + JsonNumber(p.qN) + "}";
        }
    }
    return j + "],\"plot\":[" + plot + "]}";
}

// The loader's reasons start with the file name; the refusal names the file itself.
std::string Reason(const std::string& path, const std::string& reason) {
    std::string name = path.substr(path.find_last_of("/\\") + 1);
    std::string r = reason;
    for (const std::string& prefix : {name + ": ", path + ": "})
        if (r.rfind(prefix, 0) == 0)
            r = r.substr(prefix.size());
    return r;
}

int RunStiff(hcmd::Args& args) {
    hcmd::OutputOptions out;
    Options o = TakeOptions(args, out);

    wq::SampleTable table;
    hcmd::QuietPlatform platform;
    hcmd::QuietHost host;
    wq::LoadOptions options;
    options.captionPrefix = "ｼｭﾃｨﾌﾀﾞｲﾔｸﾞﾗﾑ < ";
    options.messageTitle = "polyplot";
    wq::LoadReport report = wq::LoadWorkbook(o.workbook, table, platform, host, options);
    if (report.status != wq::LoadStatus::Loaded) {
        std::string reason = Reason(o.workbook, report.reason);
        if (!platform.message.empty())
            reason += " (" + platform.message + ")";
        return hcmd::Refuse(o.workbook, reason);
    }
    wq::PlotSettings settings = o.settings;
    wq::ScaleChoice choice = wq::ConvertToMeq(table);
    wq::ApplyAutoScale(settings, choice);
    for (const std::string& s : o.scales)
        TakeScale(s, settings);

    stiff::StiffDiagram diagram;
    hcmd::ChartJob job;
    job.drawPaper = [&](hc::Surface& s) { wq::PrintRun(s, table, settings, o.offset, diagram); };
    job.drawScreen = [&](hc::Surface& s) { wq::DrawScreen(s, table, settings, diagram); };
    job.screenWidth = kScreenWidth;
    job.screenHeight = kScreenHeight;
    job.json = [&] { return Json(table, settings, choice.AutoScale); };
    return hcmd::WriteOutputs(out, job);
}

const hcmd::Register reg({"stiff", "Stiff diagrams of a water-quality workbook (polyplot)",
                          "WORKBOOK [-o OUT.pdf|OUT.svg|OUT.png] [--screen] [--page N] [--json] "
                          "[--display-list OUT.jsonl] [--nitrate 0|1|2] [--direction up|down] "
                          "[--numbering on|off] [--scale COL=VALUE]... [--offset RIGHT,UP] "
                          "[--widths W1,W2,W3,W4,W5]",
                          &RunStiff});

}  // namespace
