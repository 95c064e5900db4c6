#include "wqplot/core/schoeller_chart.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "common/core/numbers.h"
#include "waterquality/core/ion_label.h"

namespace wqp {

namespace {

std::string DecadeLabel(int d) {
    return hc::FixedDecimals(std::pow(10.0, d), d < 0 ? -d : 0);
}

}  // namespace

std::pair<int, int> SchoellerDecades(double smallestPositive, double largest) {
    if (!(smallestPositive > 0) || !(largest > 0))
        return {-1, 1};
    // A little slack, so that 10.000000001 from a conversion stays in the decade of 10.
    const int low = static_cast<int>(std::floor(std::log10(smallestPositive) + 1e-9));
    int high = static_cast<int>(std::ceil(std::log10(largest) - 1e-9));
    if (high <= low)
        high = low + 1;
    return {low, high};
}

SchoellerModel BuildSchoellerModel(const wq::SampleModel& samples,
                                   const wq::PlotSettings& settings) {
    const wq::SampleTable& table = samples.table;
    const std::vector<wq::Composition>& compositions = samples.compositions;
    SchoellerModel model;
    model.options = settings.Diagram;
    model.styles = AssignStyles(table);
    const wq::NitrateType nitrate = settings.NitrateType;
    const bool kApart = settings.Diagram.potassiumApart;
    model.axes = {"Ca", "Mg"};
    if (kApart) {
        model.axes.push_back("Na");
        model.axes.push_back("K");
    } else {
        model.axes.push_back("Na+K");
    }
    model.axes.push_back(nitrate == wq::NitrateType::WithChloride ? "Cl+NO " : "Cl");
    model.axes.push_back(nitrate == wq::NitrateType::WithSulfate ? "SO +NO " : "SO ");
    model.axes.push_back("HCO +CO ");
    double smallest = std::numeric_limits<double>::infinity();
    double largest = 0;
    const std::size_t n = std::min(table.samples.size(), compositions.size());
    for (std::size_t i = 0; i < n; ++i) {
        const wq::Composition& c = compositions[i];
        if (!c.drawn)
            continue;
        const wq::IonValues& q = c.meq;
        SchoellerLine line;
        line.sample = static_cast<int>(i) + 1;
        line.style = model.styles.styleOf[i];
        line.meq = {q[wq::kCa], q[wq::kMg]};
        if (kApart) {
            line.meq.push_back(q[wq::kNa]);
            line.meq.push_back(q[wq::kK]);
        } else {
            line.meq.push_back(q[wq::kNa] + q[wq::kK]);
        }
        line.meq.push_back(q[wq::kCl] +
                           (nitrate == wq::NitrateType::WithChloride ? q[wq::kNO3] : 0));
        line.meq.push_back(q[wq::kSO4] +
                           (nitrate == wq::NitrateType::WithSulfate ? q[wq::kNO3] : 0));
        line.meq.push_back(q[wq::kHCO3] + c.co3Meq);
        for (double v : line.meq) {
            if (v > 0 && std::isfinite(v)) {
                smallest = std::min(smallest, v);
                largest = std::max(largest, v);
            }
        }
        if (model.options.labels)
            line.name = table.samples[i].name;
        model.lines.push_back(std::move(line));
    }
    std::tie(model.lowDecade, model.highDecade) = SchoellerDecades(smallest, largest);
    return model;
}

void DrawSchoeller(hc::Surface& s, const SchoellerModel& model, const ChartMedia& m) {
    BeginChart(s, m);
    const Box box = PlotBox(m);
    s.SetFontSize(m.tickSize);
    const double th = s.TextHeight("0");
    const double leftRoom = s.TextWidth(DecadeLabel(std::min(model.lowDecade, 0))) + th;
    s.SetFontSize(m.textSize);
    const double lh = s.TextHeight("Ca");
    const double rightRoom = model.options.labels ? s.TextWidth("MMMMMMMM") : lh;
    const double left = box.left + leftRoom + lh;
    const double right = box.right - rightRoom;
    const double top = box.top + lh * 1.5;
    const double bottom = box.bottom - lh * 2;
    const int decades = model.highDecade - model.lowDecade;
    auto Y = [&](double v) {
        return bottom - (std::log10(v) - model.lowDecade) / decades * (bottom - top);
    };
    const std::size_t axes = model.axes.size();
    const double step = (right - left) / static_cast<double>(axes - 1 + 1);
    auto X = [&](std::size_t k) { return left + step * (static_cast<double>(k) + 0.5); };

    // Decade lines and the 2..9 lines between them.
    s.SetDrawWidth(m.gridWidth);
    for (int d = model.lowDecade; d < model.highDecade; ++d)
        for (int j = 2; j <= 9; ++j)
            s.Line(left, Y(j * std::pow(10.0, d)), right, Y(j * std::pow(10.0, d)),
                   hc::Color{225, 225, 225});
    s.SetFontSize(m.tickSize);
    for (int d = model.lowDecade; d <= model.highDecade; ++d) {
        const double y = Y(std::pow(10.0, d));
        s.Line(left, y, right, y, hc::Color{150, 150, 150});
        TextRight(s, left - th * 0.4, y - th / 2, DecadeLabel(d));
    }
    s.SetDrawWidth(m.frameWidth);
    s.Box(left, top, right, bottom);
    s.SetFontSize(m.textSize);
    for (std::size_t k = 0; k < axes; ++k) {
        s.Line(X(k), top, X(k), bottom);
        IonLabelCentred(s, m, X(k), bottom + lh * 0.4, model.axes[k]);
    }
    TextAt(s, left - leftRoom, box.top, "meq/L");
    s.SetDrawWidth(1);

    const std::vector<PointStyle>& styles = model.styles.styles;
    const double r = m.markPoints * m.unitsPerPoint * 0.8;
    MarkPainter marks(s, styles, r);
    s.SetDrawWidth(m.lineWidth);
    for (const SchoellerLine& line : model.lines) {
        const PointStyle& st = styles[static_cast<std::size_t>(line.style)];
        for (std::size_t k = 0; k + 1 < line.meq.size(); ++k)
            if (line.meq[k] > 0 && line.meq[k + 1] > 0)
                s.Line(X(k), Y(line.meq[k]), X(k + 1), Y(line.meq[k + 1]), st.colour);
        for (std::size_t k = 0; k < line.meq.size(); ++k)
            if (line.meq[k] > 0)
                marks.Draw(line.style, X(k), Y(line.meq[k]));
    }
    s.SetDrawWidth(1);
    if (model.options.labels) {
        s.SetFontSize(m.tickSize);
        for (const SchoellerLine& line : model.lines) {
            // After the last axis the line reaches.
            for (std::size_t k = line.meq.size(); k-- > 0;) {
                if (line.meq[k] > 0) {
                    TextAt(s, X(k) + r * 2, Y(line.meq[k]) - th / 2, line.name);
                    break;
                }
            }
        }
    }
    DrawLegend(s, m, model.styles);
    EndChart(s, m);
}

}  // namespace wqp
