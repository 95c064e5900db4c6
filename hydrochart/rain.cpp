// hydrochart rain: the annual precipitation chart on normal probability paper, as printed and
// as shown in the window, with the plotting position and the distribution of choice, and the
// analysis and its return periods as JSON and CSV.
#include <QJsonArray>
#include <memory>

#include "common/core/numbers.h"
#include "common/ui/window_helpers.h"
#include "hydrochart/commands.h"
#include "hydrochart/json.h"
#include "rainprob/core/chart.h"
#include "rainprob/core/fit_table.h"
#include "rainprob/core/frequency.h"
#include "rainprob/core/rain_app.h"

namespace {

using hcmd::UsageError;

// The picture's size in the window at its design size.
constexpr double kScreenWidth = hc::TwipsToPixels(rain::kPictureWidthTwips);
constexpr double kScreenHeight = hc::TwipsToPixels(rain::kPictureHeightTwips);

// The amount axis is labelled every 500 mm from its left end, as the scale menus offer it.
constexpr std::int32_t kAxisStep = 500;

struct Choices {
    rain::ChartSettings settings;
    rain::PlottingPosition position = rain::PlottingPosition::Hazen;
    rain::Distribution distribution = rain::Distribution::Normal;
    bool returnPeriodCsv = false;
    bool fitTableCsv = false;
    bool band = false;
};

// "normal, lognormal, ... or exponential", from the one list of names.
std::string DistributionList() {
    std::string list;
    const std::size_t n = std::size(rain::kDistributionNames);
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0)
            list += i + 1 == n ? " or " : ", ";
        list += rain::kDistributionNames[i].name;
    }
    return list;
}

// An option value the settings' rules refuse.
void Require(const std::string& option, const hc::Status& ok) {
    if (!ok)
        throw UsageError{option + ": " + ok.error().en};
}

Choices TakeChoices(const hcmd::Options& o) {
    Choices c;
    rain::ChartSettings& s = c.settings;
    for (auto [name, value] : {std::pair{"min", &s.ScaleMin}, {"max", &s.ScaleMax}}) {
        if (!o.Has(name))
            continue;
        const std::string option = std::string("--") + name;
        *value = hcmd::OptionInt(option, o.Value(name));
        // Other ends would put the 500 mm labels off their lines.
        if (*value < 0 || *value % kAxisStep != 0)
            throw UsageError{"--min/--max: the axis ends are multiples of 500 mm, 0 or more"};
    }
    if (o.Has("mode")) {
        hc::Result<rain::AnalysisMode> mode =
            rain::AnalysisModeOf(hcmd::OptionInt("--mode", o.Value("mode")));
        if (!mode)
            throw UsageError{"--mode takes 0, 1 or 2"};
        s.analysisMode = *mode;
    }
    if (o.Has("widths")) {
        auto parts = hcmd::SplitCommas(o.Value("widths"));
        if (parts.size() != 3)
            throw UsageError{"--widths takes SOLID,DOTTED,REGRESSION"};
        const rain::PrintLine lines[] = {rain::PrintLine::Solid, rain::PrintLine::Dotted,
                                         rain::PrintLine::Regression};
        for (std::size_t i = 0; i < 3; ++i) {
            const int w = hcmd::OptionInt("--widths", parts[i]);
            Require("--widths", rain::CheckLineWidth(w));
            s.LineWidths.Of(lines[i]) = w;
        }
    }
    if (o.Has("offset")) {
        auto parts = hcmd::SplitCommas(o.Value("offset"));
        if (parts.size() != 2)
            throw UsageError{"--offset takes RIGHT,UP in millimetres"};
        s.offsetRight = hcmd::OptionDouble("--offset", parts[0]);
        s.offsetUp = hcmd::OptionDouble("--offset", parts[1]);
        Require("--offset", rain::CheckPrintOffset(s.offsetRight));
        Require("--offset", rain::CheckPrintOffset(s.offsetUp));
    }
    Require("--min/--max", rain::CheckScalePair(s.ScaleMin, s.ScaleMax));
    if (o.Has("position")) {
        auto p = rain::ParsePosition(o.Value("position"));
        if (!p)
            throw UsageError{"--position takes hazen, weibull, cunnane, gringorten or blom"};
        c.position = *p;
    }
    if (o.Has("distribution")) {
        auto d = rain::ParseDistribution(o.Value("distribution"));
        if (!d)
            throw UsageError{"--distribution takes " + DistributionList()};
        c.distribution = *d;
    }
    c.returnPeriodCsv = o.Has("return-periods");
    c.fitTableCsv = o.Has("fit-table");
    if (c.returnPeriodCsv && c.fitTableCsv)
        throw UsageError{"--return-periods and --fit-table choose different CSV tables"};
    c.band = o.Has("band");
    return c;
}

QJsonValue FitJson(const hc::Result<rain::DistributionFit>& fit) {
    if (!fit)
        return QJsonValue::Null;
    return QJsonObject{{"method", rain::EstimationMethod(fit->kind)},
                       {"location", fit->location},
                       {"scale", fit->scale},
                       {"shape", fit->shape},
                       {"ppcc", hcmd::JsonOptional(fit->ppcc)},
                       {"standard_error_mm", hcmd::JsonOptional(fit->standardError)},
                       {"slsc", hcmd::JsonOptional(fit->slsc)}};
}

QJsonValue JackknifeJson(const std::optional<rain::JackknifeValue>& j) {
    if (!j)
        return QJsonValue::Null;
    return QJsonObject{{"mean_mm", j->mean},
                       {"corrected_mm", j->corrected},
                       {"standard_error_mm", j->standardError}};
}

QJsonArray FitTableJson(const std::vector<rain::FitTableRow>& rows) {
    QJsonArray out;
    for (const rain::FitTableRow& r : rows)
        out.append(
            QJsonObject{{"distribution", rain::DistributionNameOf(r.kind)},
                        {"rank", r.rank ? QJsonValue(r.rank) : QJsonValue::Null},
                        {"accepted", r.accepted},
                        {"wet_100_mm", hcmd::JsonOptional(r.wet100)},
                        {"wet_100_jackknife_se_mm", hcmd::JsonOptional(r.wet100Error)},
                        {"fit", FitJson(r.fit)},
                        {"error", r.fit ? QJsonValue::Null : hcmd::JsonString(r.fit.error().en)}});
    return out;
}

QJsonObject Json(const std::string& file, const rain::RainApp& app) {
    const rain::RainTable& t = app.Table();
    const rain::RainAnalysis& a = app.Analysis();
    const rain::DistributionFit& fit = app.Fit();
    const rain::PlottingPosition position = app.Position();
    const rain::NormalTable& normal = app.Normal();
    QJsonObject j = hcmd::JsonDocument("rain", file);
    j["record_count"] = t.Count();
    j["plotting_position"] = rain::PositionName(position);
    j["distribution"] = rain::DistributionNameOf(fit.kind);
    QJsonArray records;
    for (std::size_t i = 0; i < t.Rain.size(); ++i)
        records.append(QJsonObject{{"year", t.Years[i]},
                                   {"amount_mm", t.Rain[i]},
                                   {"rank", a.rank[i]},
                                   {"probability", a.pp[i]},
                                   {"deviate", a.deviate[i]}});
    j["records"] = records;
    j["mean_mm"] = a.mean;
    j["max_mm"] = a.max;
    j["min_mm"] = a.min;
    j["regression_slope_mm"] = a.slope;
    j["dev_10_mm"] = a.dev10;
    j["dev_50_mm"] = a.dev50;
    const rain::DesignValues v = rain::FitDesignValues(fit, normal);
    j["design_values_mm"] = QJsonObject{{"dry_10", static_cast<double>(v.dry10)},
                                        {"dry_50", static_cast<double>(v.dry50)},
                                        {"wet_10", static_cast<double>(v.wet10)},
                                        {"wet_50", static_cast<double>(v.wet50)}};
    j["fit"] = FitJson(fit);
    QJsonArray periods;
    for (const rain::ReturnPeriodValue& r : app.ReturnPeriods())
        periods.append(QJsonObject{{"years", r.years},
                                   {"dry_mm", r.dry},
                                   {"wet_mm", r.wet},
                                   {"dry_rounded_mm", static_cast<double>(r.dryMm)},
                                   {"wet_rounded_mm", static_cast<double>(r.wetMm)},
                                   {"dry_jackknife", JackknifeJson(r.dryJackknife)},
                                   {"wet_jackknife", JackknifeJson(r.wetJackknife)}});
    j["return_periods"] = periods;
    j["jackknife_error"] =
        app.JackknifeRefused() ? hcmd::JsonString(app.JackknifeRefused()->en) : QJsonValue::Null;
    j["fit_table"] = FitTableJson(app.FitTable());
    QJsonArray fits;
    for (const rain::FitComparison& f : rain::CompareFits(t, a)) {
        QJsonValue one = FitJson(f.fit);
        QJsonObject o = one.isObject() ? one.toObject() : QJsonObject{};
        o["distribution"] = rain::DistributionNameOf(f.kind);
        o["error"] = f.fit ? QJsonValue::Null : hcmd::JsonString(f.fit.error().en);
        if (!f.fit)
            for (const char* k :
                 {"method", "location", "scale", "shape", "ppcc", "standard_error_mm", "slsc"})
                o[k] = QJsonValue::Null;
        fits.append(o);
    }
    j["fit_comparison"] = fits;
    return j;
}

int RunFile(const Choices& c, const hcmd::Input& input, const hcmd::OutputOptions& out) {
    // The window's own application layer: the frequency analysis is chosen before the load, as
    // the window keeps a choice for the next file, so the chart, the JSON and both CSV tables
    // come from the one analysis and fit the window would hold.
    rain::RainApp app(c.settings);
    app.SetBandShown(c.band);
    if (hc::Status chosen = app.SetFrequencyAnalysis(c.position, c.distribution); !chosen)
        return hcmd::Refuse(input, chosen.error());
    if (hc::Status loaded = app.Load(input.path); !loaded)
        return hcmd::Refuse(input, loaded.error());
    hcmd::ChartJob job;
    job.drawPaper = [&](hc::Surface& s) { app.PrintChart(s); };
    job.drawScreen = [&](hc::Surface& s) { app.DrawScreen(s); };
    job.screenWidth = kScreenWidth;
    job.screenHeight = kScreenHeight;
    job.json = [&] { return Json(input.shown, app); };
    job.csv = [&] {
        if (c.fitTableCsv)
            return app.FitTableCsv();
        return c.returnPeriodCsv ? app.ReturnPeriodCsv() : app.Csv();
    };
    return hcmd::WriteOutputs(out, job);
}

hcmd::Command RainCommand() {
    const rain::ChartSettings d;
    const auto n = [](auto v) { return std::to_string(v); };
    hcmd::Command c;
    c.name = "rain";
    c.summary = "annual precipitation on normal probability paper (rainprob)";
    c.input = "FILE";
    c.options = {
        {"min", "MM",
         "left end of the amount axis in mm, a multiple of 500 (menu スケール); default " +
             n(d.ScaleMin)},
        {"max", "MM",
         "right end of the amount axis in mm, a multiple of 500 above --min, at most 100000 mm "
         "from it; default " + n(d.ScaleMax)},
        {"mode", "0|1|2",
         "0 the plotted years only, 1 with the fitted line, 2 with the line and the printed 1/10 "
         "and 1/50 dry- and wet-year amounts; default " + n(static_cast<int>(d.analysisMode))},
        {"position", "NAME",
         "plotting position: hazen (i-0.5)/n, weibull i/(n+1), cunnane (i-0.4)/(n+0.2), "
         "gringorten (i-0.44)/(n+0.12) or blom (i-0.375)/(n+0.25); default hazen"},
        {"distribution", "NAME",
         "the fitted line: normal (regression on the normal deviates), lognormal (the same on "
         "log amounts, drawn as a curve), gumbel (method of moments), gumbel-regression, "
         "gumbel-lmom (L-moments), lognormal3 (three-parameter log-normal by L-moments), "
         "pearson3 and logpearson3 (moments, corrected skew), gev and glo (generalised extreme "
         "value and logistic by L-moments), sqrtet (SQRT-ET by maximum likelihood) or "
         "exponential (two-parameter, L-moments); default normal"},
        {"return-periods", "",
         "--csv and .csv outputs write the fit and its dry- and wet-year amounts for return "
         "periods of 2, 3, 5, 10, 20, 30, 50, 80, 100, 150, 200 and 500 years with their "
         "jackknife, as the return-period window saves them, instead of the window's numbers"},
        {"fit-table", "",
         "--csv and .csv outputs write the goodness of fit of every distribution ranked by "
         "SLSC, as the fit table window saves it"},
        {"band", "",
         "with the line shown (--mode 1 or 2), draw its band of plus and minus one jackknife "
         "standard error, for logpearson3 also its approximate 90 % limits (menu "
         "推定誤差の幅を表示)"},
        {"widths", "SOLID,DOTTED,REGRESSION",
         "print widths of the 500 mm grid, the dotted 100 mm grid and the fitted line, each 1 "
         "to 5 units; default " + n(d.LineWidths.solid) + "," + n(d.LineWidths.dotted) + "," +
             n(d.LineWidths.regression)},
        {"offset", "RIGHT,UP",
         "shift of the printed sheet in millimetres, to the right and upwards, each -1000 to "
         "1000; default " + hc::DoubleToText(d.offsetRight) + "," + hc::DoubleToText(d.offsetUp)},
    };
    c.notes = "FILE holds one year and its precipitation in mm a line, as rainprob reads it.\n";
    c.prepare = [](const hcmd::Options& o) -> hcmd::FileRun {
        auto choices = std::make_shared<const Choices>(TakeChoices(o));
        return [choices](const hcmd::Input& in, const hcmd::OutputOptions& out) {
            return RunFile(*choices, in, out);
        };
    };
    return c;
}

const hcmd::Register reg(RainCommand());

}  // namespace
