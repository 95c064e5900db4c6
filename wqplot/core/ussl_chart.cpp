#include "wqplot/core/ussl_chart.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "common/core/language.h"
#include "common/core/numbers.h"

namespace wqp {

std::string LeftOutNote(const std::string& what, int count) {
    return hc::TS("%1のない %2 試料は描いていません", {hc::TS(what), std::to_string(count)});
}

UsslModel BuildUsslModel(const wq::SampleModel& samples, const wq::PlotSettings& settings) {
    const wq::SampleTable& table = samples.table;
    const std::vector<wq::Composition>& compositions = samples.compositions;
    UsslModel model;
    model.options = settings.Diagram;
    model.styles = AssignStyles(table);
    const std::size_t n = std::min(table.samples.size(), compositions.size());
    for (std::size_t i = 0; i < n; ++i) {
        const wq::Sample& smp = table.samples[i];
        const wq::Composition& c = compositions[i];
        if (!c.drawn)
            continue;
        if (!smp.ec || !(*smp.ec > 0) || !std::isfinite(*smp.ec)) {
            ++model.withoutEc;
            continue;
        }
        if (!c.indices.sar) {
            ++model.withoutSar;
            continue;
        }
        UsslMark mark{static_cast<int>(i) + 1, model.styles.styleOf[i], *smp.ec, *c.indices.sar,
                      ClassifyUssl(smp.ec, c.indices.sar), ""};
        if (model.options.labels)
            mark.name = smp.name;
        if (mark.ec < model.ecLow)
            model.ecLow = std::pow(10.0, std::floor(std::log10(mark.ec)));
        if (mark.ec > model.ecHigh)
            model.ecHigh = std::pow(10.0, std::ceil(std::log10(mark.ec)));
        if (mark.sar > model.sarHigh)
            model.sarHigh = std::ceil(mark.sar / 10) * 10;
        model.points.push_back(std::move(mark));
    }
    return model;
}

void DrawUssl(hc::Surface& s, const UsslModel& model, const ChartMedia& m) {
    BeginChart(s, m);
    const Box box = PlotBox(m);
    s.SetFontSize(m.textSize);
    const double lh = s.TextHeight("S");
    s.SetFontSize(m.tickSize);
    const double th = s.TextHeight("0");
    const double leftRoom = s.TextWidth("100") + th * 2.5;
    const double width = box.Width() - leftRoom - s.TextWidth("S4") - th;
    const double height = std::min(box.Height() - lh * 6, width * 0.85);
    const double left = box.left + leftRoom;
    const double top = box.top + lh * 3;
    const double right = left + width, bottom = top + height;
    const double lo = std::log10(model.ecLow), hi = std::log10(model.ecHigh);
    auto X = [&](double ec) { return left + (std::log10(ec) - lo) / (hi - lo) * width; };
    auto Y = [&](double sar) { return bottom - sar / model.sarHigh * height; };

    // Grid: the log cycles and every 2 of SAR.
    s.SetDrawWidth(m.gridWidth);
    for (int d = static_cast<int>(std::floor(lo)); d < static_cast<int>(std::ceil(hi)); ++d)
        for (int k = 1; k <= 9; ++k) {
            const double v = k * std::pow(10.0, d);
            if (v > model.ecLow && v < model.ecHigh)
                s.Line(X(v), top, X(v), bottom, m.grid);
        }
    for (double v = 2; v < model.sarHigh; v += 2)
        s.Line(left, Y(v), right, Y(v), m.grid);
    s.SetDrawWidth(m.frameWidth);
    s.Box(left, top, right, bottom);
    // The salinity limits and the sodium lines.
    for (double limit : kUsslSalinityLimits)
        s.Line(X(limit), top, X(limit), bottom);
    for (std::size_t k = 0; k < kUsslSodiumLines.size(); ++k) {
        double x0 = model.ecLow, y0 = UsslSodiumLimit(k, x0);
        double x1 = model.ecHigh, y1 = UsslSodiumLimit(k, x1);
        // Cut at the top of the frame where the axis is short of the line.
        if (y0 > model.sarHigh) {
            const UsslSodiumLine& l = kUsslSodiumLines[k];
            x0 = std::pow(10.0, (l.a - model.sarHigh) / l.b);
            y0 = model.sarHigh;
        }
        if (y1 < 0) {
            const UsslSodiumLine& l = kUsslSodiumLines[k];
            x1 = std::pow(10.0, l.a / l.b);
            y1 = 0;
        }
        s.Line(X(x0), Y(y0), X(x1), Y(y1));
    }
    s.SetDrawWidth(1);

    // Ticks: the class limits and the decades on EC, every 10 of SAR.
    s.SetFontSize(m.tickSize);
    std::vector<double> ticks{kUsslSalinityLimits.begin(), kUsslSalinityLimits.end()};
    for (int d = static_cast<int>(std::ceil(lo)); d <= static_cast<int>(std::floor(hi)); ++d)
        ticks.push_back(std::pow(10.0, d));
    ticks.push_back(model.ecHigh);
    std::sort(ticks.begin(), ticks.end());
    ticks.erase(std::unique(ticks.begin(), ticks.end()), ticks.end());
    for (double v : ticks)
        if (v >= model.ecLow && v <= model.ecHigh)
            TextCentred(s, X(v), bottom + th * 0.3, hc::FixedDecimals(v, 0));
    for (double v = 0; v <= model.sarHigh; v += 10)
        TextRight(s, left - th * 0.4, Y(v) - th / 2, hc::FixedDecimals(v, 0));

    // The classes: salinity above the frame, sodium at the right of each band.
    const std::array<const char*, 4> salinity{hc::N("C1 低"), hc::N("C2 中"), hc::N("C3 高"),
                                                  hc::N("C4 非常に高い")};
    std::vector<double> edges{model.ecLow, kUsslSalinityLimits[0], kUsslSalinityLimits[1],
                              kUsslSalinityLimits[2], model.ecHigh};
    for (std::size_t k = 0; k < salinity.size(); ++k)
        TextCentred(s, (X(edges[k]) + X(edges[k + 1])) / 2, top - th * 1.3, hc::TS(salinity[k]));
    const std::array<const char*, 4> sodium{"S1", "S2", "S3", "S4"};
    const double at = model.ecLow * 1.15;
    for (std::size_t k = 0; k < sodium.size(); ++k) {
        const double below = k == 0 ? 0 : UsslSodiumLimit(k - 1, at);
        const double above = k == 3 ? std::min(model.sarHigh, below + 6) : UsslSodiumLimit(k, at);
        TextAt(s, X(at), (Y(below) + Y(above)) / 2 - th / 2, sodium[k]);
    }
    s.SetFontSize(m.textSize);
    TextCentred(s, (left + right) / 2, box.top, hc::TS("塩害の危険度（C）とナトリウムの危険度（S）"));
    TextCentred(s, (left + right) / 2, bottom + th * 1.6, hc::TS("電気伝導度 EC（μS/cm, 25 ℃）"));
    TextAt(s, box.left, top - lh * 2.2, "SAR");

    DrawScatter(s, m, model.styles, model.points, model.options.labels,
                [&](const UsslMark& p) { return std::pair{X(p.ec), Y(p.sar)}; });
    DrawLegend(s, m, model.styles, 0, bottom + lh * 3.5);
    s.SetFontSize(m.tickSize);
    double noteY = box.bottom - th;
    if (model.withoutSar > 0) {
        TextAt(s, box.left, noteY, LeftOutNote(hc::N("SAR"), model.withoutSar));
        noteY -= th * 1.3;
    }
    if (model.withoutEc > 0)
        TextAt(s, box.left, noteY, LeftOutNote(hc::N("EC "), model.withoutEc));
    EndChart(s, m);
}

}  // namespace wqp
