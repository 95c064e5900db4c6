// hydrochart rain: the annual precipitation chart on normal probability paper, as printed and
// as shown in the window, and the analysis as JSON.
#include <iostream>
#include <sstream>

#include "common/core/numbers.h"
#include "common/core/recording_surface.h"
#include "common/ui/window_helpers.h"
#include "hydrochart/commands.h"
#include "rainprob/core/chart.h"
#include "rainprob/core/rain_app.h"

namespace {

using hc::JsonNumber;

// The picture's size in the window at its design size.
constexpr double kScreenWidth = hc::TwipsToPixels(rain::kPictureWidthTwips);
constexpr double kScreenHeight = hc::TwipsToPixels(rain::kPictureHeightTwips);

std::string AnalysisJson(const rain::RainTable& t, const rain::RainAnalysis& a) {
    std::ostringstream j;
    j << "{\"count\":" << t.Count() << ",\"records\":[";
    for (std::size_t i = 0; i < t.Rain.size(); ++i) {
        if (i)
            j << ",";
        j << "{\"year\":" << t.Years[i] << ",\"rain\":" << t.Rain[i] << ",\"rank\":" << a.rank[i]
          << ",\"pp\":" << JsonNumber(a.pp[i]) << ",\"deviate\":" << JsonNumber(a.deviate[i])
          << "}";
    }
    const rain::DesignValues v = rain::ComputeDesignValues(a);
    j << "],\"mean\":" << JsonNumber(a.mean) << ",\"max\":" << a.max << ",\"min\":" << a.min
      << ",\"slope\":" << JsonNumber(a.slope) << ",\"dev10\":" << JsonNumber(a.dev10)
      << ",\"dev50\":" << JsonNumber(a.dev50) << ",\"dry10\":" << v.dry10
      << ",\"dry50\":" << v.dry50 << ",\"wet10\":" << v.wet10 << ",\"wet50\":" << v.wet50 << "}";
    return j.str();
}

// An option value the settings' rules refuse.
void Require(const std::string& option, const hc::Status& ok) {
    if (!ok)
        throw hcmd::UsageError{option + ": " + ok.error().en};
}

int RunRain(hcmd::Args& args) {
    hcmd::OutputOptions out;
    rain::ChartSettings settings;
    std::string file;
    while (!args.Empty()) {
        if (hcmd::TakeOutputOption(args, out))
            continue;
        std::string a = args.Next();
        if (a == "--min") {
            settings.ScaleMin = hcmd::OptionInt(a, args.Value(a));
        } else if (a == "--max") {
            settings.ScaleMax = hcmd::OptionInt(a, args.Value(a));
        } else if (a == "--mode") {
            hc::Result<rain::AnalysisMode> mode =
                rain::AnalysisModeOf(hcmd::OptionInt(a, args.Value(a)));
            if (!mode)
                throw hcmd::UsageError{"--mode takes 0, 1 or 2"};
            settings.analysisMode = *mode;
        } else if (a == "--widths") {
            auto parts = hcmd::SplitCommas(args.Value(a));
            if (parts.size() != 3)
                throw hcmd::UsageError{"--widths takes SOLID,DOTTED,REGRESSION"};
            const rain::PrintLine lines[] = {rain::PrintLine::Solid, rain::PrintLine::Dotted,
                                             rain::PrintLine::Regression};
            for (std::size_t i = 0; i < 3; ++i) {
                const int w = hcmd::OptionInt(a, parts[i]);
                Require(a, rain::CheckLineWidth(w));
                settings.LineWidths.Of(lines[i]) = w;
            }
        } else if (a == "--offset") {
            auto parts = hcmd::SplitCommas(args.Value(a));
            if (parts.size() != 2)
                throw hcmd::UsageError{"--offset takes RIGHT,UP in millimetres"};
            settings.offsetRight = hcmd::OptionDouble(a, parts[0]);
            settings.offsetUp = hcmd::OptionDouble(a, parts[1]);
            Require(a, rain::CheckPrintOffset(settings.offsetRight));
            Require(a, rain::CheckPrintOffset(settings.offsetUp));
        } else if (!a.empty() && a[0] == '-') {
            throw hcmd::UsageError{"unknown option " + a};
        } else if (file.empty()) {
            file = a;
        } else {
            throw hcmd::UsageError{"one precipitation file only"};
        }
    }
    if (file.empty())
        throw hcmd::UsageError{"no precipitation file given"};
    Require("--min/--max", rain::CheckScalePair(settings.ScaleMin, settings.ScaleMax));

    rain::RainApp app(settings);
    if (hc::Status loaded = app.Load(file); !loaded) {
        std::cerr << "hydrochart: " << loaded.error().English() << "\n";
        return 1;
    }
    hcmd::ChartJob job;
    job.drawPaper = [&](hc::Surface& s) { app.PrintChart(s); };
    job.drawScreen = [&](hc::Surface& s) { app.DrawScreen(s); };
    job.screenWidth = kScreenWidth;
    job.screenHeight = kScreenHeight;
    job.json = [&] { return AnalysisJson(app.Table(), app.Analysis()); };
    job.csv = [&] { return app.Csv(); };
    return hcmd::WriteOutputs(out, job);
}

// The usage, with the defaults the window's first load applies.
const std::string kUsage = [] {
    const rain::ChartSettings d;
    const auto n = [](auto v) { return std::to_string(v); };
    return "FILE [-o OUT.pdf|OUT.svg|OUT.png] [--screen] [--page N] [--json|--csv]\n"
           "          [--display-list OUT.jsonl] [--min MM] [--max MM] [--mode 0|1|2]\n"
           "          [--widths SOLID,DOTTED,REGRESSION] [--offset RIGHT,UP]\n"
           "  defaults: --min " +
           n(d.ScaleMin) + " --max " + n(d.ScaleMax) + " --mode " +
           n(static_cast<int>(d.analysisMode)) + " --widths " + n(d.LineWidths.solid) + "," +
           n(d.LineWidths.dotted) + "," + n(d.LineWidths.regression) + " --offset " +
           hc::DoubleToText(d.offsetRight) + "," + hc::DoubleToText(d.offsetUp);
}();

const hcmd::Register reg({"rain", "annual precipitation on normal probability paper (rainprob)",
                          kUsage.c_str(), &RunRain});

}  // namespace
