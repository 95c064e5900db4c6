#include "hydrochart/diagram_command.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "common/core/recording_surface.h"
#include "waterquality/core/column_layout.h"
#include "waterquality/core/meq.h"

namespace hcmd {

namespace {

// The canvas Picture2 of a 720-pixel view: twice as wide as it is high.
constexpr double kColumnScreenWidth = 1440;
constexpr double kColumnScreenHeight = 720;

// An option value the application layer refused.
[[noreturn]] void Refused(const std::string& option, const hc::Error& error) {
    throw UsageError{option + ": " + error.en};
}

// "COL=VALUE": VALUE is the number of a scale caption ("1cm = 10.0" -> 10).
std::pair<int, int> TakeScale(const std::string& text) {
    auto eq = text.find('=');
    if (eq == std::string::npos)
        throw UsageError{"--scale takes COL=VALUE, e.g. 2=10.0"};
    int column = OptionInt("--scale", text.substr(0, eq));
    double value = OptionDouble("--scale", text.substr(eq + 1));
    if (hc::Status c = wq::CheckColumn(column); !c)
        Refused("--scale", c.error());
    hc::Result<int> index = wq::ScaleIndexOfCaption(value);
    if (!index)
        Refused("--scale", index.error());
    return {column, *index};
}

// "on" or "off": the first or the second item of a two-way choice.
int OnOff(const std::string& option, const std::string& value) {
    if (value != "on" && value != "off")
        throw UsageError{option + " takes on or off"};
    return value == "on" ? 0 : 1;
}

bool Offers(const wq::DiagramVariant& v, wq::Style style) {
    return std::find(v.styles.begin(), v.styles.end(), style) != v.styles.end();
}

std::string Numbers(const wq::IonValues& v) {
    std::string j = "[";
    for (int k = 0; k < wq::kIonCount; ++k)
        j += (k ? "," : "") + hc::JsonNumber(v[static_cast<std::size_t>(k)]);
    return j + "]";
}

std::string ColumnJson(const wq::DiagramApp& app) {
    using hc::JsonNumber;
    const wq::SampleTable& t = app.Table();
    const wq::PlotSettings& s = app.Settings();
    std::string j = "{\"count\":" + std::to_string(t.SampleCount) +
                    ",\"auto_scale\":" + JsonNumber(app.AutoScale().AutoScale) +
                    ",\"nitrate_type\":" + std::to_string(static_cast<int>(s.NitrateType)) +
                    ",\"samples\":[";
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

}  // namespace

DiagramCommand ColumnCommand(const wq::DiagramVariant& variant) {
    return {variant, kColumnScreenWidth, kColumnScreenHeight, &ColumnJson};
}

int RunDiagramCommand(Args& args, const DiagramCommand& command) {
    const wq::DiagramVariant& variant = command.variant;
    wq::DiagramApp app(variant);
    OutputOptions out;
    std::string workbook;
    std::vector<std::pair<int, int>> scales;  // column, item: set after the load's own
    while (!args.Empty()) {
        if (TakeOutputOption(args, out))
            continue;
        std::string a = args.Next();
        if (a == "--nitrate") {
            hc::Result<wq::NitrateType> type = wq::NitrateFromNumber(OptionInt(a, args.Value(a)));
            if (!type)
                Refused(a, type.error());
            app.SetNitrate(*type);
        } else if (a == "--direction" && Offers(variant, wq::Style::Direction)) {
            std::string v = args.Value(a);
            if (v != "up" && v != "down")
                throw UsageError{"--direction takes up or down"};
            app.SetDirection(v == "up" ? wq::Direction::BottomUp : wq::Direction::TopDown);
        } else if (a == "--numbering" && Offers(variant, wq::Style::Numbering)) {
            app.ChooseStyle(wq::Style::Numbering, OnOff(a, args.Value(a)));
        } else if (a == "--table" && Offers(variant, wq::Style::SampleList)) {
            app.ChooseStyle(wq::Style::SampleList, OnOff(a, args.Value(a)));
        } else if (a == "--scale" && variant.columnScales) {
            scales.push_back(TakeScale(args.Value(a)));
        } else if (a == "--offset") {
            auto parts = SplitCommas(args.Value(a));
            if (parts.size() != 2)
                throw UsageError{"--offset takes RIGHT,UP in millimetres"};
            // Checked as the page setup checks its boxes: above 100 mm goes back to 0.
            hc::Result<wq::Shifts> shifts = wq::CheckShifts({parts[0], parts[1]});
            if (!shifts)
                Refused(a, shifts.error());
            app.SetPrintShifts(*shifts);
        } else if (a == "--widths") {
            const std::size_t n = variant.startWidths.size();
            auto parts = SplitCommas(args.Value(a));
            if (parts.size() != n)
                throw UsageError{"--widths takes " + std::to_string(n) +
                                 " widths separated by commas"};
            for (std::size_t k = 0; k < n; ++k) {
                int width = OptionInt(a, parts[k]);
                if (hc::Status w = wq::CheckLineWidth(width); !w)
                    Refused(a, w.error());
                app.SetLineWidth(static_cast<int>(k), width);
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

    app.SetDataPath(workbook);
    if (hc::Status loaded = app.Load(); !loaded) {
        hc::Error e = loaded.error();
        e.file.clear();  // the refusal names the file as given
        return Refuse(workbook, e.English());
    }
    for (const auto& [column, index] : scales)
        app.SetColumnScale(column, index);

    ChartJob job;
    job.drawPaper = [&](hc::Surface& s) { app.Print(s); };
    job.drawScreen = [&](hc::Surface& s) { app.DrawScreen(s); };
    job.screenWidth = command.screenWidth;
    job.screenHeight = command.screenHeight;
    job.json = [&] { return command.json(app); };
    job.csv = [&] { return app.Csv(); };
    return WriteOutputs(out, job);
}

}  // namespace hcmd
