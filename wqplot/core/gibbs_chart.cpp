#include "wqplot/core/gibbs_chart.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "common/core/language.h"
#include "common/core/numbers.h"
#include "waterquality/core/ion_label.h"
#include "wqplot/core/ussl_chart.h"

namespace wqp {

// Gibbs (1970) fig. 2 and 3, as digitised by WQChartPy (Yang, J., Liu, H., Tang, Z., Peeters, L.
// and Ye, M. 2022, Groundwater 60(4), 555-564; wqchartpy/gibbs.py), every second vertex kept.
const std::array<GibbsLine, 3> kGibbsCationEnvelope{{
    {
     {0.008, 108.9}, {0.051, 88.17}, {0.083, 74.18}, {0.125, 61.2}, {0.161, 52.47},
     {0.207, 44.97}, {0.246, 39.29}, {0.288, 33.04}, {0.350, 28.3}, {0.438, 21.6},
     {0.522, 15.57}, {0.604, 11.01}, {0.682, 7.354}, {0.753, 5.204}, {0.792, 4.294},
     {0.831, 3.543}, {0.874, 2.923}, {0.922, 2.321}, {0.962, 1.99}, {0.997, 1.739}
    },
    {
     {0.993, 7514}, {0.964, 6583}, {0.921, 5554}, {0.888, 4684}, {0.852, 3731}, {0.803, 2808},
     {0.737, 1715}, {0.677, 1087}, {0.628, 702.7}, {0.592, 508.8}, {0.562, 334.9},
     {0.538, 204.1}, {0.574, 144.6}, {0.645, 91.27}, {0.694, 68.44}, {0.736, 50.36},
     {0.801, 30.6}, {0.872, 18.24}, {0.934, 11.73}, {0.970, 8.636}, {0.996, 7.267}
    },
    {
     {0.900, 4.528e+04}, {0.841, 2.872e+04}, {0.795, 2.041e+04}, {0.729, 1.246e+04},
     {0.637, 7473}, {0.552, 5024}, {0.440, 3073}, {0.354, 2066}, {0.266, 1311}, {0.184, 816.7},
     {0.105, 508.6}, {0.045, 341.5}, {0.009, 261.9}
    },
}};
const std::array<GibbsLine, 3> kGibbsAnionEnvelope{{
    {
     {0.006, 21.48}, {0.045, 17.08}, {0.110, 13.07}, {0.145, 11.22}, {0.210, 9.639},
     {0.266, 8.937}, {0.308, 8.608}, {0.379, 8.456}, {0.451, 7.843}, {0.499, 7.411},
     {0.558, 6.741}, {0.590, 6.369}, {0.649, 5.683}, {0.698, 5.169}, {0.750, 4.792},
     {0.798, 4.528}, {0.854, 4.363}, {0.912, 4.203}, {0.970, 4.208}, {0.993, 4.13}
    },
    {
     {0.996, 10.17}, {0.967, 12.79}, {0.944, 15.48}, {0.905, 19.85}, {0.853, 24.49},
     {0.807, 30.21}, {0.755, 35.86}, {0.713, 40.98}, {0.674, 46.82}, {0.619, 54.53},
     {0.574, 61.12}, {0.538, 67.22}, {0.495, 73.92}, {0.457, 81.3}, {0.417, 89.41},
     {0.379, 96.46}, {0.340, 104.1}, {0.307, 114.5}, {0.275, 121.2}, {0.239, 130.7},
     {0.213, 146.6}, {0.200, 174.1}, {0.200, 191.7}, {0.206, 219.2}, {0.235, 260.6},
     {0.265, 298.2}, {0.300, 347.9}, {0.349, 421.8}, {0.388, 482.7}, {0.427, 563.1},
     {0.475, 657}, {0.550, 828.1}, {0.589, 929.7}, {0.638, 1044}, {0.670, 1128}, {0.709, 1242},
     {0.748, 1368}, {0.796, 1596}, {0.832, 1827}, {0.884, 2258}, {0.916, 2685}, {0.952, 3317},
     {0.985, 3944}, {0.998, 4179}
    },
    {
     {0.994, 6.234e+04}, {0.971, 4.951e+04}, {0.939, 3.572e+04}, {0.906, 2.891e+04},
     {0.861, 2.251e+04}, {0.809, 1.787e+04}, {0.760, 1.474e+04}, {0.685, 1.215e+04},
     {0.604, 9826}, {0.530, 7796}, {0.452, 5839}, {0.384, 4459}, {0.316, 3277}, {0.267, 2552},
     {0.209, 1876}, {0.163, 1461}, {0.115, 1054}, {0.076, 805}, {0.050, 677.1}, {0.021, 517.5},
     {0.008, 452.4}
    },
}};

namespace {

std::optional<double> Ratio(double a, double b) {
    if (!(a >= 0) || !(b >= 0) || !(a + b > 0))
        return std::nullopt;
    return a / (a + b);
}

}  // namespace

std::string GibbsBasisText(bool meq) {
    return hc::TS(meq ? hc::N("（meq/L の比）") : hc::N("（mg/L の比）"));
}

// Bicarbonate alone, as Gibbs drew it: carbonate is absent from his waters' ratio.
GibbsRatios ComputeGibbsRatios(const wq::Sample& sample, const wq::Composition& c, bool meq) {
    const wq::IonValues& v = meq ? c.meq : sample.mg;
    return {Ratio(v[wq::kNa], v[wq::kCa]), Ratio(v[wq::kCl], v[wq::kHCO3])};
}

GibbsModel BuildGibbsModel(const wq::SampleModel& samples, const wq::PlotSettings& settings) {
    const wq::SampleTable& table = samples.table;
    const std::vector<wq::Composition>& compositions = samples.compositions;
    GibbsModel model;
    model.options = settings.Diagram;
    model.styles = AssignStyles(table);
    const std::size_t n = std::min(table.samples.size(), compositions.size());
    for (std::size_t i = 0; i < n; ++i) {
        const wq::Sample& smp = table.samples[i];
        const wq::Composition& c = compositions[i];
        if (!c.drawn)
            continue;
        if (!(c.tds > 0) || !std::isfinite(c.tds)) {
            ++model.withoutTds;
            continue;
        }
        GibbsMark mark{static_cast<int>(i) + 1, model.styles.styleOf[i], c.tds, c.tdsComputed,
                       ComputeGibbsRatios(smp, c, model.options.gibbsMeq), ""};
        if (!mark.ratios.cation)
            ++model.withoutCation;
        if (!mark.ratios.anion)
            ++model.withoutAnion;
        if (model.options.labels)
            mark.name = smp.name;
        const double d = std::log10(c.tds);
        model.lowDecade = std::min(model.lowDecade, static_cast<int>(std::floor(d)));
        model.highDecade = std::max(model.highDecade, static_cast<int>(std::ceil(d)));
        model.points.push_back(std::move(mark));
    }
    return model;
}

void DrawGibbs(hc::Surface& s, const GibbsModel& model, const ChartMedia& m) {
    BeginChart(s, m);
    const Box box = PlotBox(m);
    s.SetFontSize(m.textSize);
    const double lh = s.TextHeight("T");
    s.SetFontSize(m.tickSize);
    const double th = s.TextHeight("0");
    const double leftRoom = s.TextWidth("100000") + th * 0.8;
    const double gap = leftRoom + th;
    const double width = (box.Width() - leftRoom - gap - th) / 2;
    const double height = std::min(box.Height() - lh * 7, width * 1.5);
    const double top = box.top + lh * 3.5;
    const double bottom = top + height;
    const double lo = model.lowDecade, hi = model.highDecade;
    auto Y = [&](double tds) { return bottom - (std::log10(tds) - lo) / (hi - lo) * height; };

    const std::vector<PointStyle>& styles = model.styles.styles;
    s.SetFontSize(m.textSize);
    const double r = m.markPoints * m.unitsPerPoint;
    MarkPainter marks(s, styles, r);

    for (int panel = 0; panel < 2; ++panel) {
        const double left = box.left + leftRoom + panel * (width + gap);
        const double right = left + width;
        auto X = [&](double ratio) { return left + ratio * width; };
        s.SetDrawWidth(m.gridWidth);
        for (int d = model.lowDecade; d < model.highDecade; ++d)
            for (int k = 2; k <= 9; ++k)
                s.Line(left, Y(k * std::pow(10.0, d)), right, Y(k * std::pow(10.0, d)), m.grid);
        for (int k = 1; k < 10; ++k)
            s.Line(X(k / 10.0), top, X(k / 10.0), bottom, m.grid);
        s.SetDrawWidth(m.frameWidth);
        s.Box(left, top, right, bottom);
        for (int d = model.lowDecade + 1; d < model.highDecade; ++d)
            s.Line(left, Y(std::pow(10.0, d)), right, Y(std::pow(10.0, d)), m.grid);
        // The envelope, dashed as Gibbs drew it.
        s.SetDrawStyle(hc::PenStyle::Dash);
        for (const GibbsLine& line : panel == 0 ? kGibbsCationEnvelope : kGibbsAnionEnvelope)
            for (std::size_t k = 1; k < line.size(); ++k)
                s.Line(X(line[k - 1].ratio), Y(line[k - 1].tds), X(line[k].ratio),
                       Y(line[k].tds));
        s.SetDrawStyle(hc::PenStyle::Solid);
        s.SetDrawWidth(1);

        s.SetFontSize(m.tickSize);
        for (int d = model.lowDecade; d <= model.highDecade; ++d)
            TextRight(s, left - th * 0.4, Y(std::pow(10.0, d)) - th / 2,
                      hc::FixedDecimals(std::pow(10.0, d), d < 0 ? -d : 0));
        for (int k = 0; k <= 10; k += 2)
            TextCentred(s, X(k / 10.0), bottom + th * 0.3, hc::FixedDecimals(k / 10.0, 1));
        // The three dominances where Gibbs named them.
        TextCentred(s, X(0.8), Y(std::pow(10.0, lo + (hi - lo) * 0.12)), hc::TS("降水の支配"));
        TextAt(s, X(0.03), Y(150) - th / 2, hc::TS("岩石の支配"));
        TextCentred(s, X(0.75), Y(2e4), hc::TS("蒸発・結晶化の支配"));

        s.SetFontSize(m.textSize);
        const std::string title = panel == 0 ? "Na/(Na+Ca)" : "Cl/(Cl+HCO )";
        const std::string basis = GibbsBasisText(model.options.gibbsMeq);
        const double tw = s.TextWidth(title + basis);
        wq::PrintIonLabel(s, (left + right) / 2 - tw / 2, bottom + th * 1.6, title + basis,
                          m.subscriptSize, 0.45);
        TextAt(s, left - leftRoom, top - lh * 1.6, "TDS (mg/L)");

        // Text marks in the font they were measured in, whatever the labels left set.
        s.SetFontSize(m.textSize);
        s.SetDrawWidth(m.lineWidth);
        for (const GibbsMark& p : model.points) {
            const std::optional<double>& x = panel == 0 ? p.ratios.cation : p.ratios.anion;
            if (x)
                marks.Draw(p.style, X(*x), Y(p.tds));
        }
        s.SetDrawWidth(1);
        if (model.options.labels) {
            s.SetFontSize(m.tickSize);
            for (const GibbsMark& p : model.points) {
                const std::optional<double>& x = panel == 0 ? p.ratios.cation : p.ratios.anion;
                if (x)
                    TextAt(s, X(*x) + r * 1.6, Y(p.tds) - th / 2, p.name);
            }
        }
    }
    s.SetFontSize(m.textSize);
    TextCentred(s, (box.left + box.right) / 2, box.top, hc::TS("ギブス図：水質を支配する作用"));
    DrawLegend(s, m, model.styles, 0, bottom + lh * 3.5);
    s.SetFontSize(m.tickSize);
    double noteY = box.bottom - th;
    const std::pair<const char*, int> notes[] = {{hc::N("TDS "), model.withoutTds},
                                                 {hc::N("Na と Ca "), model.withoutCation},
                                                 {hc::N("Cl と HCO3 "), model.withoutAnion}};
    for (const auto& [what, count] : notes) {
        if (count > 0) {
            TextAt(s, box.left, noteY, LeftOutNote(what, count));
            noteY -= th * 1.3;
        }
    }
    EndChart(s, m);
}

}  // namespace wqp
