// hydrochart rain: the annual precipitation chart on normal probability paper, as printed and
// as shown in the window, and the analysis as JSON.
#include <sstream>

#include "common/core/recording_surface.h"
#include "hydrochart/commands.h"
#include "rainprob/core/analysis.h"
#include "rainprob/core/chart.h"
#include "rainprob/core/numbers_csv.h"
#include "rainprob/core/rain_data.h"

namespace {

using hc::JsonNumber;

// The picture's size in the window at its design size (5655 x 7095 twips).
constexpr double kScreenWidth = 377;
constexpr double kScreenHeight = 473;

// The widest axis range accepted: 200 intervals of 500 mm.
constexpr double kMaxRange = 100000;

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

// The place and reason of an error; Refuse names the file.
std::string ReasonOf(hc::Error e) {
    e.file.clear();
    return e.English();
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
            int w[3];
            for (int i = 0; i < 3; ++i) {
                w[i] = hcmd::OptionInt(a, parts[static_cast<std::size_t>(i)]);
                if (w[i] < 1 || w[i] > 5)
                    throw hcmd::UsageError{"--widths: each width is 1 to 5"};
            }
            settings.LineWidths.solid = w[0];
            settings.LineWidths.dotted = w[1];
            settings.LineWidths.regression = w[2];
        } else if (a == "--offset") {
            auto parts = hcmd::SplitCommas(args.Value(a));
            if (parts.size() != 2)
                throw hcmd::UsageError{"--offset takes RIGHT,UP in millimetres"};
            settings.offsetRight = hcmd::OptionDouble(a, parts[0]);
            settings.offsetUp = hcmd::OptionDouble(a, parts[1]);
            if (std::abs(settings.offsetRight) > 1000 || std::abs(settings.offsetUp) > 1000)
                throw hcmd::UsageError{"--offset: at most 1000 mm either way"};
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
    if (settings.ScaleMin >= settings.ScaleMax)
        throw hcmd::UsageError{"--min must be less than --max"};
    if (static_cast<double>(settings.ScaleMax) - settings.ScaleMin > kMaxRange)
        throw hcmd::UsageError{"the axis range is at most 100000 mm"};

    const rain::NormalTable& normal = rain::StandardNormalTable();
    hc::Result<rain::RainTable> loaded = rain::LoadRainFile(file);
    if (!loaded)
        return hcmd::Refuse(file, ReasonOf(loaded.error()));
    const rain::RainTable table = std::move(*loaded);
    hc::Result<rain::RainAnalysis> analysed = rain::AnalyseRain(table, normal);
    if (!analysed)
        return hcmd::Refuse(file, ReasonOf(analysed.error()));
    const rain::RainAnalysis analysis = std::move(*analysed);
    if (hc::Status drawable = rain::CheckDrawable(analysis, settings.ScaleMin, settings.ScaleMax);
        !drawable)
        return hcmd::Refuse(file, ReasonOf(drawable.error()));

    hcmd::ChartJob job;
    job.drawPaper = [&](hc::Surface& s) { rain::PrintChart(s, table, analysis, normal, settings); };
    job.drawScreen = [&](hc::Surface& s) {
        rain::DrawScreenChart(s, table, analysis, normal, settings);
    };
    job.screenWidth = kScreenWidth;
    job.screenHeight = kScreenHeight;
    job.json = [&] { return AnalysisJson(table, analysis); };
    job.csv = [&] { return rain::AnalysisCsv(table, analysis); };
    return hcmd::WriteOutputs(out, job);
}

const hcmd::Register reg({"rain", "annual precipitation on normal probability paper (rainprob)",
                          "FILE [-o OUT.pdf|OUT.svg|OUT.png] [--screen] [--page N] [--json|--csv]\n"
                          "          [--display-list OUT.jsonl] [--min MM] [--max MM] "
                          "[--mode 0|1|2]\n"
                          "          [--widths SOLID,DOTTED,REGRESSION] [--offset RIGHT,UP]\n"
                          "  defaults: --min 0 --max 3000 --mode 0 --widths 3,2,5 --offset 0,0",
                          &RunRain});

}  // namespace
