// hydrochart tri: reads a water-quality workbook with marks and colours and writes the
// trilinear diagram sheet of ternaryplot's File>Print, its window picture, the display list
// or the computed proportions and points as JSON.
#include <array>
#include <string>
#include <vector>

#include "common/core/recording_surface.h"
#include "hydrochart/commands.h"
#include "hydrochart/output.h"
#include "hydrochart/quiet_platform.h"
#include "ternaryplot/core/trilinear.h"
#include "ternaryplot/core/trilinear_chart.h"
#include "ternaryplot/core/trilinear_csv.h"
#include "waterquality/core/column_layout.h"
#include "waterquality/core/meq.h"
#include "waterquality/core/workbook_load.h"

namespace {

using hc::JsonNumber;

constexpr const char* kUsage =
    "WORKBOOK [-o OUT.pdf|OUT.svg|OUT.png] [--screen] [--page N] [--json|--csv] "
    "[--display-list OUT.jsonl] [--nitrate 0|1|2] [--table on|off] [--numbering on|off] "
    "[--offset RIGHT,UP] [--widths W1,W2,W3,W4]";

int OnOff(const std::string& option, const std::string& value) {
    if (value != "on" && value != "off")
        throw hcmd::UsageError{option + " takes on or off"};
    return value == "on" ? 1 : 0;
}

std::string Triple(const std::array<double, 3>& v) {
    return "[" + JsonNumber(v[0]) + "," + JsonNumber(v[1]) + "," + JsonNumber(v[2]) + "]";
}

std::string PointJson(const tri::Point& p) {
    return "[" + JsonNumber(p.x) + "," + JsonNumber(p.y) + "]";
}

std::string Json(const wq::SampleTable& t, const wq::PlotSettings& s) {
    const tri::FractionTable f = tri::ComputeFractions(t, s.NitrateType);
    std::string j = "{\"count\":" + std::to_string(t.SampleCount) +
                    ",\"nitrate_type\":" + std::to_string(s.NitrateType) + ",\"samples\":[";
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

// The loader's reasons start with the file name; the refusal names the file itself.
std::string Reason(const std::string& path, const std::string& reason) {
    std::string name = path.substr(path.find_last_of("/\\") + 1);
    std::string r = reason;
    for (const std::string& prefix : {name + ": ", path + ": "})
        if (r.rfind(prefix, 0) == 0)
            r = r.substr(prefix.size());
    return r;
}

int RunTri(hcmd::Args& args) {
    hcmd::OutputOptions out;
    std::string workbook;
    wq::PlotSettings settings;
    settings.NitrateType = wq::kNitrateNone;
    settings.SampleList = 1;
    settings.Numbering = 1;
    settings.LineWidths = {tri::kStartWidths[0], tri::kStartWidths[1], tri::kStartWidths[2],
                           tri::kStartWidths[3], 1};
    wq::PrintOffset offset;
    while (!args.Empty()) {
        if (hcmd::TakeOutputOption(args, out))
            continue;
        std::string a = args.Next();
        if (a == "--nitrate") {
            settings.NitrateType = hcmd::OptionInt(a, args.Value(a));
            if (settings.NitrateType < 0 || settings.NitrateType > 2)
                throw hcmd::UsageError{"--nitrate takes 0, 1 or 2"};
        } else if (a == "--table") {
            settings.SampleList = OnOff(a, args.Value(a));
        } else if (a == "--numbering") {
            settings.Numbering = OnOff(a, args.Value(a));
        } else if (a == "--offset") {
            auto parts = hcmd::SplitCommas(args.Value(a));
            if (parts.size() != 2)
                throw hcmd::UsageError{"--offset takes RIGHT,UP in millimetres"};
            // Checked as the page setup checks its boxes: above 100 mm goes back to 0.
            wq::ShiftCheck c = wq::CheckShifts(parts[0], parts[1]);
            if (!c.ok)
                throw hcmd::UsageError{"--offset: not a number: " +
                                       parts[static_cast<std::size_t>(c.badBox - 1)]};
            offset = {wq::PrintOffsetFromText(c.right), wq::PrintOffsetFromText(c.up)};
        } else if (a == "--widths") {
            auto parts = hcmd::SplitCommas(args.Value(a));
            if (parts.size() != 4)
                throw hcmd::UsageError{"--widths takes four widths W1,W2,W3,W4"};
            for (std::size_t k = 0; k < 4; ++k) {
                settings.LineWidths[k] = hcmd::OptionInt(a, parts[k]);
                if (settings.LineWidths[k] < 1 || settings.LineWidths[k] > 5)
                    throw hcmd::UsageError{"--widths: each width is 1 to 5"};
            }
        } else if (!a.empty() && a[0] == '-') {
            throw hcmd::UsageError{"unknown option " + a};
        } else if (workbook.empty()) {
            workbook = a;
        } else {
            throw hcmd::UsageError{"one workbook only"};
        }
    }
    if (workbook.empty())
        throw hcmd::UsageError{"no workbook given"};

    wq::SampleTable table;
    hcmd::QuietPlatform platform;
    hcmd::QuietHost host;
    wq::LoadOptions options;
    options.captionPrefix = "ﾄﾘﾘﾆｱ･ﾀﾞｲﾔｸﾞﾗﾑ ｶﾗｰ版 < ";
    options.messageTitle = "ternaryplot";
    options.extraRows = wq::ReadMarkAndColour;
    wq::LoadReport report = wq::LoadWorkbook(workbook, table, platform, host, options);
    if (report.status != wq::LoadStatus::Loaded) {
        std::string reason = Reason(workbook, report.reason);
        if (!platform.message.empty())
            reason += " (" + platform.message + ")";
        return hcmd::Refuse(workbook, reason);
    }
    wq::ConvertToMeq(table);

    hcmd::ChartJob job;
    job.drawPaper = [&](hc::Surface& s) { tri::PrintChart(s, table, settings, offset); };
    job.drawScreen = [&](hc::Surface& s) { tri::DrawScreen(s, table, settings); };
    job.screenWidth = tri::kScreenSide;
    job.screenHeight = tri::kScreenSide;
    job.json = [&] { return Json(table, settings); };
    job.csv = [&] { return tri::TrilinearCsv(table, settings); };
    return hcmd::WriteOutputs(out, job);
}

const hcmd::Register reg({"tri",
                          "Colour trilinear diagram of a water-quality workbook (ternaryplot)",
                          kUsage, &RunTri});

}  // namespace
