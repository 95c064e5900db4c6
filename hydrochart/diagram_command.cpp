#include "hydrochart/diagram_command.h"

#include <QJsonArray>
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "hydrochart/json.h"
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

// What the options choose, applied to a fresh application object for each workbook.
struct Choices {
    std::optional<wq::NitrateType> nitrate;
    std::optional<wq::Direction> direction;
    std::vector<std::pair<wq::Style, int>> styles;
    std::vector<std::pair<int, int>> scales;  // column, item: set after the load's own
    std::optional<wq::Shifts> shifts;
    std::vector<int> widths;
    wq::DiagramOptions diagram;  // the kind comes from the command
};

// "on" or "off" as a switch of the "図の種類" menu.
bool Switch(const Options& o, const std::string& name, bool otherwise) {
    if (!o.Has(name))
        return otherwise;
    return OnOff("--" + name, o.Value(name)) == 0;
}

Choices TakeChoices(const Options& o, const wq::DiagramVariant& variant) {
    Choices c;
    c.diagram.fields = Switch(o, "fields", false);
    c.diagram.labels = Switch(o, "labels", false);
    c.diagram.tdsCircles = Switch(o, "tds-circles", false);
    c.diagram.potassiumApart = Switch(o, "k-apart", false);
    if (o.Has("gibbs-basis")) {
        const std::string v = o.Value("gibbs-basis");
        if (v != "mass" && v != "meq")
            throw UsageError{"--gibbs-basis takes mass or meq"};
        c.diagram.gibbsMeq = v == "meq";
    }
    c.diagram.mixingLine = Switch(o, "mixing-line", false);
    if (o.Has("nitrate")) {
        hc::Result<wq::NitrateType> type =
            wq::NitrateFromNumber(OptionInt("--nitrate", o.Value("nitrate")));
        if (!type)
            Refused("--nitrate", type.error());
        c.nitrate = *type;
    }
    if (o.Has("direction")) {
        const std::string v = o.Value("direction");
        if (v != "up" && v != "down")
            throw UsageError{"--direction takes up or down"};
        c.direction = v == "up" ? wq::Direction::BottomUp : wq::Direction::TopDown;
    }
    if (o.Has("numbering"))
        c.styles.push_back({wq::Style::Numbering, OnOff("--numbering", o.Value("numbering"))});
    if (o.Has("table"))
        c.styles.push_back({wq::Style::SampleList, OnOff("--table", o.Value("table"))});
    for (const std::string& s : o.Values("scale"))
        c.scales.push_back(TakeScale(s));
    if (o.Has("offset")) {
        auto parts = SplitCommas(o.Value("offset"));
        if (parts.size() != 2)
            throw UsageError{"--offset takes RIGHT,UP in millimetres"};
        hc::Result<wq::Shifts> shifts = wq::CheckShifts({parts[0], parts[1]});
        if (!shifts)
            Refused("--offset", shifts.error());
        // The page setup puts a shift above 100 mm back to 0; a command line that asked for
        // one is refused instead of printed somewhere else.
        if (shifts->right != parts[0] || shifts->up != parts[1])
            throw UsageError{"--offset: each shift is at most " + std::to_string(wq::kMaxShiftMm) +
                             " mm"};
        c.shifts = *shifts;
    }
    if (o.Has("widths")) {
        const std::size_t n = variant.startWidths.size();
        auto parts = SplitCommas(o.Value("widths"));
        if (parts.size() != n)
            throw UsageError{"--widths takes " + std::to_string(n) + " widths separated by commas"};
        for (const std::string& p : parts) {
            int width = OptionInt("--widths", p);
            if (hc::Status w = wq::CheckLineWidth(width); !w)
                Refused("--widths", w.error());
            c.widths.push_back(width);
        }
    }
    return c;
}

void ColumnJson(const wq::DiagramApp& app, QJsonObject& j) {
    const wq::SampleModel model = app.Model();
    const wq::PlotSettings& s = app.Settings();
    j["sample_count"] = model.Count();
    j["nitrate_type"] = static_cast<int>(s.NitrateType);
    j["auto_scale"] = app.AutoScale().AutoScale / 3;
    j["samples"] = SamplesJson(model);
    QJsonArray columns, plot;
    for (const wq::Column& c : wq::ScreenColumns(model.Count(), s)) {
        columns.append(QJsonObject{{"column", c.index},
                                   {"first_sample", c.first},
                                   {"last_sample", c.last},
                                   {"scale", c.scale / 3},
                                   {"divisor", c.scale}});
        const std::vector<wq::PlotValues> q =
            wq::ComputePlotValues(model.compositions, s.NitrateType, c.scale);
        for (int i = c.first; i <= c.last; ++i) {
            if (!model.At(i).drawn)
                continue;
            const wq::PlotValues& p = q[static_cast<std::size_t>(i - 1)];
            plot.append(QJsonObject{{"number", i},
                                    {"column", c.index},
                                    {"na_k", p.qNaK},
                                    {"ca", p.qCa},
                                    {"mg", p.qMg},
                                    {"cl", p.qCl},
                                    {"hco3", p.qHCO3},
                                    {"so4", p.qSO4},
                                    {"nitrate_group", p.qN}});
        }
    }
    j["columns"] = columns;
    j["plot"] = plot;
}

std::vector<OptionSpec> DiagramOptions(const DiagramCommand& c) {
    const wq::DiagramVariant& v = c.variant;
    std::vector<OptionSpec> o{
        {"nitrate", "0|1|2",
         "how nitrate is counted (menu 硝酸タイプ): 0 not at all (硝酸はふくまない), 1 with "
         "chloride (硝酸は塩素と一緒), 2 with sulfate (硝酸は硫酸と一緒); default 0"}};
    if (Offers(v, wq::Style::Direction))
        o.push_back({"direction", "up|down",
                     "the order of the rows of diagrams: up puts sample 1 at the bottom, down at "
                     "the top; default up"});
    if (Offers(v, wq::Style::Numbering))
        o.push_back({"numbering", "on|off", "sample numbers beside the names; default on"});
    if (Offers(v, wq::Style::SampleList))
        o.push_back(
            {"table", "on|off", "the printed table of sample numbers and names; default on"});
    if (v.columnScales)
        o.push_back({"scale", "COL=VALUE",
                     "the scale of column COL (1 to 4: samples 1-8, 9-16, 17-24, 25-32) as its "
                     "menu caption \"1cm = VALUE\" in meq/L: VALUE is 0.5, 1, 2, 3, 5, 10, 20, 30, "
                     "50 or 100; repeat for several columns; default: the automatic scale of the "
                     "data"});
    using wq::DiagramKind;
    if (c.kind == DiagramKind::Piper)
        o.push_back({"fields", "on|off",
                     "the diamond's four fields and their names (水質区分を描く); default off"});
    if (c.kind == DiagramKind::Piper || c.kind == DiagramKind::Chadha ||
        c.kind == DiagramKind::Durov || c.kind == DiagramKind::Hfed ||
        c.kind == DiagramKind::Ussl || c.kind == DiagramKind::Gibbs)
        o.push_back({"labels", "on|off", "sample names beside the points; default off"});
    if (c.kind == DiagramKind::Piper)
        o.push_back({"tds-circles", "on|off",
                     "circles in the diamond whose area is proportional to TDS; default off"});
    if (c.kind == DiagramKind::Schoeller)
        o.push_back({"k-apart", "on|off", "K as its own axis beside Na; default off"});
    if (c.kind == DiagramKind::Hfed)
        o.push_back({"mixing-line", "on|off",
                     "the mixing line of sea water with the sample of least chloride; default "
                     "off"});
    if (c.kind == DiagramKind::Gibbs)
        o.push_back({"gibbs-basis", "mass|meq",
                     "the ratios Na/(Na+Ca) and Cl/(Cl+HCO3) of mg/L (mass) or of meq/L (meq; menu "
                     "ギブス図の比を当量で計算する); default mass"});
    if (c.printShifts)
        o.push_back({"offset", "RIGHT,UP",
                     "shift of the printed sheet in millimetres, to the right and upwards, as the "
                     "page setup takes it: whole numbers of at most 100; default 0,0"});
    if (!v.startWidths.empty()) {
        std::string defaults;
        for (int w : v.startWidths)
            defaults += (defaults.empty() ? "" : ",") + std::to_string(w);
        o.push_back({"widths", c.widthNames,
                     "print line widths of the width menus in this order, each 1 to 5 units; "
                     "default " + defaults});
    }
    return o;
}

}  // namespace

QJsonArray SamplesJson(const wq::SampleModel& model) {
    QJsonArray samples;
    for (int i = 1; i <= model.Count(); ++i) {
        const wq::Sample& s = model.At(i);
        samples.append(QJsonObject{{"number", i},
                                   {"name", JsonString(s.name)},
                                   {"drawn", s.drawn},
                                   {"concentration", IonsJson(s.mg, "mg/L")},
                                   {"equivalent", IonsJson(model.CompositionOf(i).meq, "meq/L")}});
    }
    return samples;
}

Command MakeDiagramCommand(const DiagramCommand& command) {
    Command c;
    c.name = command.name;
    c.summary = command.summary;
    c.input = command.input;
    c.options = DiagramOptions(command);
    c.notes = command.notes;
    c.prepare = [command](const Options& o) -> FileRun {
        auto choices = std::make_shared<const Choices>(TakeChoices(o, command.variant));
        return [command, choices](const Input& input, const OutputOptions& out) {
            wq::DiagramApp app(command.variant);
            if (choices->nitrate)
                app.SetNitrate(*choices->nitrate);
            if (choices->direction)
                app.SetDirection(*choices->direction);
            for (const auto& [style, choice] : choices->styles)
                app.ChooseStyle(style, choice);
            if (choices->shifts)
                app.SetPrintShifts(*choices->shifts);
            for (std::size_t k = 0; k < choices->widths.size(); ++k)
                app.SetLineWidth(static_cast<int>(k), choices->widths[k]);
            if (command.kind) {
                wq::DiagramOptions diagram = choices->diagram;
                diagram.kind = *command.kind;
                app.SetDiagramOptions(diagram);
            }
            app.SetDataPath(input.path);
            if (hc::Status loaded = app.Load(); !loaded)
                return Refuse(input, loaded.error());
            for (const auto& [column, index] : choices->scales)
                app.SetColumnScale(column, index);

            ChartJob job;
            job.drawPaper = [&](hc::Surface& s) { app.Print(s); };
            job.drawScreen = [&](hc::Surface& s) { app.DrawScreen(s); };
            job.screenWidth = command.screenWidth;
            job.screenHeight = command.screenHeight;
            job.json = [&] {
                QJsonObject j = JsonDocument(command.name, input.shown);
                command.json(app, j);
                return j;
            };
            job.csv = [&] { return app.Csv(); };
            return WriteOutputs(out, job);
        };
    };
    return c;
}

Command ColumnCommand(std::string name, std::string summary, const wq::DiagramVariant& variant) {
    return MakeDiagramCommand({std::move(name), std::move(summary), variant, kColumnScreenWidth,
                               kColumnScreenHeight, &ColumnJson,
                               "POLYGON,NITRATE,CENTRE,SCALE,LEGEND"});
}

}  // namespace hcmd
