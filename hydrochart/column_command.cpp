#include "hydrochart/column_command.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "common/core/numbers.h"
#include "common/core/recording_surface.h"
#include "hydrochart/quiet_platform.h"
#include "waterquality/core/column_layout.h"
#include "waterquality/core/meq.h"
#include "waterquality/core/numbers_csv.h"
#include "waterquality/core/workbook_load.h"

namespace hcmd {

namespace {

// The canvas Picture2 of a 720-pixel view: twice as wide as it is high.
constexpr double kScreenWidth = 1440;
constexpr double kScreenHeight = 720;

// "COL=VALUE": VALUE is the number of a scale caption ("1cm = 10.0" -> 10).
void TakeScale(const std::string& text, wq::PlotSettings& settings) {
    auto eq = text.find('=');
    if (eq == std::string::npos)
        throw UsageError{"--scale takes COL=VALUE, e.g. 2=10.0"};
    int column = OptionInt("--scale", text.substr(0, eq));
    double value = OptionDouble("--scale", text.substr(eq + 1));
    if (column < 1 || column > wq::kMaxColumns)
        throw UsageError{"--scale: column must be 1 to 4"};
    for (double s : wq::kScaleValues) {
        if (std::abs(s / 3 - value) < hc::kDecimalNoise) {
            settings.ColumnScale[static_cast<std::size_t>(column)] = s;
            return;
        }
    }
    throw UsageError{"--scale: VALUE must be one of 0.5 1 2 3 5 10 20 30 50 100"};
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
    bool first = true;
    for (const wq::Column& c : wq::ScreenColumns(t.SampleCount, s)) {
        j += (first ? "" : ",") + std::string("{\"column\":") + std::to_string(c.index) +
             ",\"first\":" + std::to_string(c.first) + ",\"last\":" + std::to_string(c.last) +
             ",\"scale\":" + JsonNumber(c.scale) + "}";
        first = false;
    }
    j += "],\"plot\":[";
    first = true;
    for (const wq::Column& c : wq::ScreenColumns(t.SampleCount, s)) {
        auto q = wq::ComputePlotValues(t, s.NitrateType, c.scale);
        for (int i = c.first; i <= c.last; ++i) {
            auto ui = static_cast<std::size_t>(i);
            if (t.SampleValid[ui] != 1)
                continue;
            const wq::PlotValues& p = q[ui];
            j += (first ? "" : ",") + std::string("{\"number\":") + std::to_string(i) +
                 ",\"qNaK\":" + JsonNumber(p.qNaK) + ",\"qCa\":" + JsonNumber(p.qCa) +
                 ",\"qMg\":" + JsonNumber(p.qMg) + ",\"qCl\":" + JsonNumber(p.qCl) +
                 ",\"qHCO3\":" + JsonNumber(p.qHCO3) + ",\"qSO4\":" + JsonNumber(p.qSO4) +
                 ",\"qN\":" + JsonNumber(p.qN) + "}";
            first = false;
        }
    }
    return j + "]}";
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

}  // namespace

int RunColumnCommand(Args& args, const ColumnCommand& command) {
    OutputOptions out;
    std::string workbook;
    int nitrate = wq::kNitrateNone, direction = 1, numbering = 1;
    std::vector<std::string> scales;
    wq::PrintOffset offset;
    std::array<int, 5> widths{3, 1, 1, 2, 2};
    while (!args.Empty()) {
        if (TakeOutputOption(args, out))
            continue;
        std::string a = args.Next();
        if (a == "--nitrate") {
            nitrate = OptionInt(a, args.Value(a));
            if (nitrate < 0 || nitrate > 2)
                throw UsageError{"--nitrate takes 0, 1 or 2"};
        } else if (a == "--direction") {
            std::string v = args.Value(a);
            if (v != "up" && v != "down")
                throw UsageError{"--direction takes up or down"};
            direction = v == "up" ? 1 : -1;
        } else if (a == "--numbering") {
            std::string v = args.Value(a);
            if (v != "on" && v != "off")
                throw UsageError{"--numbering takes on or off"};
            numbering = v == "on" ? 1 : 0;
        } else if (a == "--scale") {
            scales.push_back(args.Value(a));
        } else if (a == "--offset") {
            auto parts = SplitCommas(args.Value(a));
            if (parts.size() != 2)
                throw UsageError{"--offset takes RIGHT,UP in millimetres"};
            // Checked as the page setup checks its boxes: above 100 mm goes back to 0.
            wq::ShiftCheck c = wq::CheckShifts(parts[0], parts[1]);
            if (!c.ok)
                throw UsageError{"--offset: not a number: " + parts[c.badBox - 1]};
            offset = {wq::PrintOffsetFromText(c.right), wq::PrintOffsetFromText(c.up)};
        } else if (a == "--widths") {
            auto parts = SplitCommas(args.Value(a));
            if (parts.size() != 5)
                throw UsageError{"--widths takes five widths W1,W2,W3,W4,W5"};
            for (std::size_t k = 0; k < 5; ++k) {
                widths[k] = OptionInt(a, parts[k]);
                if (widths[k] < 1 || widths[k] > 5)
                    throw UsageError{"--widths: each width is 1 to 5"};
            }
        } else if (!a.empty() && a[0] == '-') {
            throw UsageError{"unknown option " + a};
        } else if (workbook.empty()) {
            workbook = a;
        } else {
            throw UsageError{"one workbook only"};
        }
    }
    if (workbook.empty())
        throw UsageError{"no workbook given"};

    wq::PlotSettings settings;
    settings.NitrateType = nitrate;
    settings.Direction = direction;
    settings.Numbering = numbering;
    settings.LineWidths = widths;
    wq::PlotSettings checked = settings;  // options are checked before the file is read
    for (const std::string& s : scales)
        TakeScale(s, checked);

    wq::SampleTable table;
    QuietPlatform platform;
    QuietHost host;
    wq::LoadOptions options;
    options.captionPrefix = command.captionPrefix;
    options.messageTitle = command.messageTitle;
    wq::LoadReport report = wq::LoadWorkbook(workbook, table, platform, host, options);
    if (report.status != wq::LoadStatus::Loaded) {
        std::string reason = Reason(workbook, report.reason);
        if (!platform.message.empty())
            reason += " (" + platform.message + ")";
        return Refuse(workbook, reason);
    }
    wq::ScaleChoice choice = wq::ConvertToMeq(table);
    wq::ApplyAutoScale(settings, choice);
    for (const std::string& s : scales)
        TakeScale(s, settings);

    const wq::ColumnDiagram& diagram = command.diagram;
    ChartJob job;
    job.drawPaper = [&](hc::Surface& s) { wq::PrintRun(s, table, settings, offset, diagram); };
    job.drawScreen = [&](hc::Surface& s) { wq::DrawScreen(s, table, settings, diagram); };
    job.screenWidth = kScreenWidth;
    job.screenHeight = kScreenHeight;
    job.json = [&] { return Json(table, settings, choice.AutoScale); };
    job.csv = [&] { return wq::ColumnChartCsv(table, settings); };
    return WriteOutputs(out, job);
}

}  // namespace hcmd
