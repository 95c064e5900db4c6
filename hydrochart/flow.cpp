// hydrochart flow: reads a cross-section file and computes the Manning discharge at one depth,
// the depth at which a given discharge flows, or the rating curve from the bed to the lower
// bank top; writes the printed sheet, the window's picture, the display list, the values as
// JSON or the numbers as CSV.
#include <QJsonArray>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "common/core/numbers.h"
#include "flowcalc/core/energy_chart.h"
#include "flowcalc/core/flow_app.h"
#include "flowcalc/core/numbers_csv.h"
#include "flowcalc/core/rating.h"
#include "flowcalc/core/rating_chart.h"
#include "flowcalc/core/section_chart.h"
#include "hydrochart/commands.h"
#include "hydrochart/json.h"

namespace {

using hcmd::UsageError;

// Picture1 of the window: 9735 x 4815 twips at 15 twips per pixel.
constexpr double kScreenWidth = 649;
constexpr double kScreenHeight = 321;
// The rating chart's picture: its 140 x 100 user units at 5 pixels each.
constexpr double kRatingPixelsPerUnit = 5;

struct Choices {
    std::string depth, roughness, slope, hscale, vscale, range;
    std::optional<double> discharge;  // --discharge Q (m3/s)
    std::optional<double> ratingStep;  // --rating STEP (m)
    std::optional<double> energy;      // --energy Q: the specific-energy curve for Q
    std::optional<double> energyStep;  // --energy-step STEP
    flow::ConveyanceMethod method = flow::ConveyanceMethod::Subdivided;
    std::string banks;
    flow::Units units = flow::Units::SI;
    bool froudeCsv = false;
    flow::PrintWidths widths;
};

Choices TakeChoices(const hcmd::Options& o) {
    Choices c;
    c.depth = o.Value("depth");
    c.roughness = o.Value("roughness");
    c.slope = o.Value("slope");
    c.hscale = o.Value("hscale");
    c.vscale = o.Value("vscale");
    c.range = o.Value("range");
    if (o.Has("widths")) {
        auto parts = hcmd::SplitCommas(o.Value("widths"));
        if (parts.size() != 3)
            throw UsageError{"--widths takes FRAME,SECTION,WATER"};
        // The menus' own rule, on an application object of its own.
        flow::FlowApp app;
        constexpr flow::PrintLine kLines[3] = {flow::PrintLine::Frame, flow::PrintLine::Section,
                                               flow::PrintLine::Water};
        for (std::size_t i = 0; i < 3; ++i)
            if (hc::Status set = app.SetPrintWidth(kLines[i], hcmd::OptionInt("--widths", parts[i]));
                !set)
                throw UsageError{"--widths: " + set.error().en};
        c.widths = app.Widths();
    }
    if (o.Has("discharge")) {
        c.discharge = hcmd::OptionDouble("--discharge", o.Value("discharge"));
        if (!(*c.discharge > 0))
            throw UsageError{"--discharge takes a discharge above 0 m3/s"};
    }
    if (o.Has("rating")) {
        c.ratingStep = hcmd::OptionDouble("--rating", o.Value("rating"));
        if (!(*c.ratingStep > 0))
            throw UsageError{"--rating takes a step above 0 m"};
    }
    if (o.Has("energy")) {
        c.energy = hcmd::OptionDouble("--energy", o.Value("energy"));
        if (!(*c.energy > 0))
            throw UsageError{"--energy takes a discharge above 0"};
    }
    if (o.Has("energy-step")) {
        c.energyStep = hcmd::OptionDouble("--energy-step", o.Value("energy-step"));
        if (!(*c.energyStep > 0))
            throw UsageError{"--energy-step takes a step above 0"};
        if (!c.energy)
            throw UsageError{"--energy-step goes with --energy"};
    }
    if (c.energy && c.ratingStep)
        throw UsageError{"--rating and --energy each replace the chart: give one"};
    if (o.Has("method")) {
        const std::string m = o.Value("method");
        if (m == "parts")
            c.method = flow::ConveyanceMethod::Parts;
        else if (m != "subdivided")
            throw UsageError{"--method takes parts or subdivided"};
    }
    c.banks = o.Value("banks");
    if (!c.banks.empty() && hcmd::SplitCommas(c.banks).size() != 2)
        throw UsageError{"--banks takes LEFT,RIGHT"};
    if (!c.banks.empty() && c.method == flow::ConveyanceMethod::Parts)
        throw UsageError{"--banks divides the section: it does not go with --method parts"};
    if (o.Has("units")) {
        const std::string u = o.Value("units");
        if (u == "us")
            c.units = flow::Units::US;
        else if (u != "si")
            throw UsageError{"--units takes si or us"};
    }
    if (c.units == flow::Units::US && !c.discharge && !c.ratingStep && !c.energy)
        throw UsageError{"--units us serves --rating, --discharge and --energy; the --depth "
                         "sheet is computed in metres"};
    c.froudeCsv = o.Has("froude");
    if (c.discharge && !c.depth.empty())
        throw UsageError{"--depth and --discharge both set the water level: give one"};
    if (c.roughness.empty() || c.slope.empty() ||
        (c.depth.empty() && !c.discharge && !c.ratingStep && !c.energy))
        throw UsageError{"--roughness, --slope and one of --depth, --discharge, --rating or "
                         "--energy are needed"};
    // A slope written as a fraction is the commonest slip: the option takes N of 1/N.
    if (auto s = hc::TryTextToDouble(c.slope); s && *s > 0 && *s < 1)
        throw UsageError{"--slope takes N of the bed slope 1/N (800 means 1/800): for " + c.slope +
                         " give " + hc::DoubleToText(std::round(1 / *s))};
    return c;
}

QJsonValue Number(double v, bool defined) {
    return defined ? QJsonValue(v) : QJsonValue(QJsonValue::Null);
}

QJsonObject Json(const std::string& file, const flow::FlowApp& app,
                 const std::optional<flow::Computation>& c,
                 const std::optional<flow::NormalDepth>& normal, double discharge,
                 const std::optional<flow::RatingCurve>& rating,
                 const std::optional<flow::EnergyCurve>& energy) {
    QJsonObject j = hcmd::JsonDocument("flow", file);
    const flow::FlowParameters& p = c ? c->Parameters : app.Parameters();
    j["point_count"] = app.Section().PointCount;
    QJsonArray segmentN;
    for (double n : app.Section().SegmentN)
        segmentN.append(n);
    j["segment_roughness"] =
        app.Section().SegmentN.empty() ? QJsonValue(QJsonValue::Null) : QJsonValue(segmentN);
    j["bed_level_m"] = app.Section().BedLevel;
    j["roughness"] = p.Roughness;
    j["slope_denominator"] = p.SlopeDenominator;
    j["range_m"] = QJsonObject{{"left", p.RangeLeft}, {"right", p.RangeRight}};
    j["method"] = flow::MethodName(app.Parameters().Method);
    j["units"] = flow::UnitsName(app.Parameters().Unit);
    j["bank_stations_m"] = app.Parameters().Banks.Set
                               ? QJsonValue(QJsonObject{{"left", app.Parameters().Banks.Left},
                                                        {"right", app.Parameters().Banks.Right}})
                               : QJsonValue(QJsonValue::Null);
    j["horizontal_scale"] = app.Scales().HScale;
    j["vertical_scale"] = app.Scales().VScale;
    j["y_centre_m"] = app.Scales().YCentre;
    const bool computed = c.has_value();
    j["depth_m"] = Number(computed ? p.Depth : 0, computed);
    j["water_level_m"] = Number(computed ? c->Result.WaterLevel : 0, computed);
    QJsonArray channels;
    if (computed) {
        const std::vector<flow::SubChannelFroude> fr = flow::ComputeFroude(c->Result);
        const std::vector<flow::CompositeRoughness> composite =
            flow::ComputeCompositeRoughness(c->Section, c->Parameters);
        for (std::size_t i = 0; i < c->Result.Sections.size(); ++i) {
            const flow::WetSection& w = c->Result.Sections[i];
            channels.append(QJsonObject{{"left_m", w.xl},
                                        {"right_m", w.xr},
                                        {"top_width_m", w.B},
                                        {"area_m2", w.A},
                                        {"wetted_perimeter_m", w.P},
                                        {"hydraulic_radius_m", w.R},
                                        {"velocity_m_s", w.V},
                                        {"discharge_m3_s", w.Q},
                                        {"froude", fr[i].Froude},
                                        {"n_horton_einstein", composite[i].HortonEinstein},
                                        {"n_lotter", composite[i].Lotter},
                                        {"regime", flow::RegimeName(fr[i].Regime)}});
        }
    }
    j["sub_channels"] = channels;
    j["total_discharge_m3_s"] = Number(computed ? c->Result.TotalDischarge : 0, computed);
    j["max_velocity_m_s"] = Number(computed ? c->Result.MaxVelocity : 0, computed);
    j["total_width_m"] = Number(computed ? c->Result.TotalWidth : 0, computed);
    j["normal_depth"] = normal ? QJsonValue(QJsonObject{{"discharge_m3_s", discharge},
                                                        {"depth_m", normal->Depth},
                                                        {"level_m", normal->Level},
                                                        {"bank_full_depth_m", normal->BankFullDepth},
                                                        {"capacity_m3_s", normal->Capacity}})
                               : QJsonValue(QJsonValue::Null);
    if (rating) {
        QJsonArray rows;
        for (const flow::RatingRow& r : rating->Rows)
            rows.append(QJsonObject{{"depth_m", r.Depth},
                                    {"level_m", r.Level},
                                    {"area_m2", r.Area},
                                    {"wetted_perimeter_m", r.Perimeter},
                                    {"top_width_m", r.TopWidth},
                                    {"velocity_m_s", r.Velocity},
                                    {"discharge_m3_s", r.Discharge},
                                    {"froude", r.Froude},
                                    {"alpha", r.Alpha}});
        j["rating"] = QJsonObject{{"step_m", rating->Step},
                                  {"bed_level_m", rating->BedLevel},
                                  {"bank_top_m", rating->BankTop},
                                  {"rows", rows}};
    } else {
        j["rating"] = QJsonValue::Null;
    }
    if (energy) {
        QJsonArray rows, minima;
        for (const flow::EnergyRow& r : energy->Rows)
            rows.append(QJsonObject{{"depth_m", r.Depth},
                                    {"level_m", r.Level},
                                    {"area_m2", r.Area},
                                    {"top_width_m", r.TopWidth},
                                    {"alpha", r.Alpha},
                                    {"velocity_m_s", r.Velocity},
                                    {"energy_m", r.Energy},
                                    {"froude", r.Froude},
                                    {"critical", r.Critical}});
        for (const flow::CriticalDepth& m : energy->Critical)
            minima.append(QJsonObject{{"depth_m", m.Depth},
                                      {"level_m", m.Level},
                                      {"energy_m", m.Energy},
                                      {"alpha", m.Alpha}});
        j["specific_energy"] =
            QJsonObject{{"discharge_m3_s", energy->Discharge}, {"step_m", energy->Step},
                        {"bed_level_m", energy->BedLevel},     {"bank_top_m", energy->BankTop},
                        {"critical_depths", minima},           {"rows", rows}};
    } else {
        j["specific_energy"] = QJsonValue::Null;
    }
    return j;
}

int RunFile(const Choices& ch, const hcmd::Input& input, const hcmd::OutputOptions& out) {
    // Everything goes through the program's own application layer: the print widths as its
    // menus take them, then the file, the scale and range window's checks and the parameter
    // window's, in the windows' order.
    flow::FlowApp app;
    for (auto [line, width] : {std::pair{flow::PrintLine::Frame, ch.widths.Frame},
                               {flow::PrintLine::Section, ch.widths.Section},
                               {flow::PrintLine::Water, ch.widths.Water}})
        (void)app.SetPrintWidth(line, width);
    if (hc::Status loaded = app.Load(input.path); !loaded)
        return hcmd::Refuse(input, loaded.error());
    flow::ScaleChoice scales{app.Scales().HScale, app.Scales().VScale};
    for (auto [text, scale] : {std::pair{&ch.hscale, &scales.HScale}, {&ch.vscale, &scales.VScale}}) {
        if (text->empty())
            continue;
        hc::Result<std::int32_t> v = flow::ReadWholeNumber(flow::Setting::Scale, *text);
        if (!v)
            return hcmd::Refuse(input, v.error());
        *scale = *v;
    }
    if (hc::Status checked = flow::CheckScales(scales); !checked)
        return hcmd::Refuse(input, checked.error());
    hc::Result<flow::AnalysisRange> chosen =
        flow::AnalysisRange{app.Parameters().RangeLeft, app.Parameters().RangeRight};
    if (!ch.range.empty()) {
        auto parts = hcmd::SplitCommas(ch.range);
        chosen = parts.size() == 2
                     ? flow::ReadRange(app.Section(), parts[0], parts[1])
                     : hc::Result<flow::AnalysisRange>(flow::Refusal(flow::Setting::Range));
    }
    if (!chosen)
        return hcmd::Refuse(input, chosen.error());
    if (hc::Result<flow::FollowUp> set = app.SetScales(scales, *chosen); !set)
        return hcmd::Refuse(input, set.error());
    app.SetMethod(ch.method);
    app.SetUnits(ch.units);
    if (!ch.banks.empty()) {
        auto parts = hcmd::SplitCommas(ch.banks);
        hc::Result<flow::BankStations> banks = flow::ReadBanks(parts[0], parts[1]);
        if (!banks)
            return hcmd::Refuse(input, banks.error());
        (void)app.SetBanks(*banks);
    }

    hc::Result<double> n = flow::ReadNumber(flow::Setting::Roughness, ch.roughness);
    if (!n)
        return hcmd::Refuse(input, n.error());
    hc::Result<std::int32_t> s = flow::ReadWholeNumber(flow::Setting::Slope, ch.slope);
    if (!s)
        return hcmd::Refuse(input, s.error());
    double depth = flow::kDefaultDepth;
    if (!ch.depth.empty()) {
        hc::Result<double> d = flow::ReadNumber(flow::Setting::Depth, ch.depth);
        if (!d)
            return hcmd::Refuse(input, d.error());
        depth = *d;
    }
    app.StoreParameters(*n, *s, depth);
    for (hc::Status checked :
         {flow::CheckRoughness(*n), flow::CheckSlope(*s), flow::CheckDepth(depth)})
        if (!checked)
            return hcmd::Refuse(input, checked.error());

    std::optional<flow::Computation> c;
    std::optional<flow::NormalDepth> normal;
    if (ch.discharge) {
        // As 等流水深 sets it: the depth in force to the millimetre, computed and drawn.
        hc::Result<flow::NormalDepth> nd = app.ApplyDischarge(*ch.discharge);
        if (!nd)
            return hcmd::Refuse(input, nd.error());
        normal = *nd;
        c = app.Last();
    } else if (!ch.depth.empty()) {
        c = app.Compute();
    }
    std::optional<flow::RatingCurve> rating;
    if (ch.ratingStep) {
        hc::Result<flow::RatingCurve> r =
            flow::ComputeRatingCurve(app.Section(), app.Parameters(), *ch.ratingStep);
        if (!r)
            return hcmd::Refuse(input, r.error());
        rating = *r;
    }

    std::optional<flow::EnergyCurve> energy;
    if (ch.energy) {
        hc::Result<flow::EnergyCurve> e =
            app.Energy(*ch.energy, ch.energyStep.value_or(flow::kDefaultEnergyStep));
        if (!e)
            return hcmd::Refuse(input, e.error());
        energy = *e;
    }

    hcmd::ChartJob job;
    if (energy) {
        job.drawPaper = [&](hc::Surface& g) {
            flow::PrintEnergyCurve(g, *energy, input.shown, app.Parameters(), app.Widths());
        };
        job.drawScreen = [&](hc::Surface& g) { flow::DrawEnergyScreen(g, *energy); };
        job.screenWidth = flow::kRatingScreenWidth * kRatingPixelsPerUnit;
        job.screenHeight = flow::kRatingScreenHeight * kRatingPixelsPerUnit;
        job.csv = [&] { return flow::EnergyCsv(app.Parameters(), *energy); };
    } else if (rating) {
        // The rating curve replaces the section as the chart and the table.
        job.drawPaper = [&](hc::Surface& g) {
            flow::PrintRatingCurve(g, *rating, input.shown, app.Parameters(), app.Widths());
        };
        job.drawScreen = [&](hc::Surface& g) { flow::DrawRatingScreen(g, *rating); };
        job.screenWidth = flow::kRatingScreenWidth * kRatingPixelsPerUnit;
        job.screenHeight = flow::kRatingScreenHeight * kRatingPixelsPerUnit;
        job.csv = [&] { return flow::RatingCsv(app.Parameters(), *rating); };
    } else {
        job.drawPaper = [&](hc::Surface& g) { flow::PrintSection(g, *c, app.Widths()); };
        job.drawScreen = [&](hc::Surface& g) { flow::DrawSection(g, *c); };
        job.screenWidth = kScreenWidth;
        job.screenHeight = kScreenHeight;
        job.csv = [&] {
            return ch.froudeCsv ? flow::FroudeCsv(c->Section, c->Parameters, c->Result)
                                : flow::DischargeCsv(c->Parameters, c->Result);
        };
    }
    job.json = [&] {
        return Json(input.shown, app, c, normal, ch.discharge.value_or(0), rating, energy);
    };
    return hcmd::WriteOutputs(out, job);
}

hcmd::Command FlowCommand() {
    hcmd::Command c;
    c.name = "flow";
    c.summary = "Manning discharge, normal depth, rating curve and specific energy of a river "
                "cross-section (flowcalc)";
    c.input = "FILE";
    c.options = {
        {"depth", "D", "water depth above the lowest bed point in m, at least 0.01"},
        {"discharge", "Q",
         "instead of --depth: the discharge in m3/s whose normal depth is computed and drawn "
         "(refused above what the section carries below its lower bank top)"},
        {"rating", "STEP",
         "write the rating curve (stage-discharge table and chart) from the bed to the lower "
         "bank top in steps of STEP m (the windows' default is 0.1) instead of the section"},
        {"energy", "Q",
         "write the specific-energy curve E = y + alpha V^2/2g of the section carrying Q (m3/s, "
         "ft3/s with --units us) from the bed to the lower bank top, with every critical depth "
         "(each least E), instead of the section"},
        {"energy-step", "STEP", "depth step of the --energy table; default 0.1"},
        {"method", "METHOD",
         "how --rating, --discharge and --energy add up the section: subdivided (the default: "
         "K = (1/n) A R^(2/3) of each subdivision summed, Q = K sqrt(S)) or parts (each wetted "
         "sub-channel whole, as the --depth sheet computes)"},
        {"banks", "LEFT,RIGHT",
         "bank stations: the main channel between them is one element, the overbanks are "
         "divided at every point; default: every point divides"},
        {"units", "UNITS",
         "si (m, m3/s) or us (ft, ft3/s, Manning's factor 1.486, g 32.174 ft/s2) for --rating, "
         "--discharge and --energy; default si"},
        {"roughness", "N", "Manning's roughness n, 0.001 to 1 (usually 0.01 to 0.1); needed"},
        {"slope", "S",
         "the bed slope as 1/S: 800 means a slope of 1/800; a whole number of at least 1 "
         "(fractions are rounded); needed"},
        {"hscale", "H", "horizontal scale 1:H of the chart, a whole number of at least 2; "
                        "default: the automatic scale of the section"},
        {"vscale", "V", "vertical scale 1:V, a whole number of at least 2; default automatic"},
        {"range", "LEFT,RIGHT",
         "the part of the section analysed, distances in m, LEFT before RIGHT; default the "
         "whole section"},
        {"froude", "",
         "--csv and .csv outputs write each wetted sub-channel with its Froude number and "
         "regime instead of the window's numbers"},
        {"widths", "FRAME,SECTION,WATER",
         "print widths of the frame, the section line and the water lines, each 1 to 5 units; "
         "default " + std::to_string(flow::PrintWidths{}.Frame) + "," +
             std::to_string(flow::PrintWidths{}.Section) + "," +
             std::to_string(flow::PrintWidths{}.Water)},
    };
    c.notes = "FILE is a cross-section as flowcalc reads it: the point count, then distance and "
              "elevation (m) a line;\nor, named *.csv, a row per point of distance,elevation or "
              "distance,elevation,n (the n of the\nsegment to the next point, used by the "
              "subdivided method and shown as each sub-channel's composite n).\nThe JSON gives "
              "every sub-channel's Froude number Fr = V / sqrt(g A / B) and regime.\n";
    c.prepare = [](const hcmd::Options& o) -> hcmd::FileRun {
        auto choices = std::make_shared<const Choices>(TakeChoices(o));
        return [choices](const hcmd::Input& in, const hcmd::OutputOptions& out) {
            return RunFile(*choices, in, out);
        };
    };
    return c;
}

const hcmd::Register reg(FlowCommand());

}  // namespace
