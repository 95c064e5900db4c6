#include "wqplot/core/hfed_chart.h"

#include "common/core/language.h"

#include <algorithm>
#include <map>

#include "waterquality/core/ion_label.h"
#include "waterquality/core/meq.h"

namespace wqp {

namespace {

// Shares are in %; a tie (within the mg/L to meq/L rounding) never makes an ion dominant.
constexpr double kTie = wq::kFaciesTolerance * 100;

const char* CationText(HfedCation c) {
    switch (c) {
        case HfedCation::Na:
            return "Na";
        case HfedCation::MixNa:
            return "MixNa";
        case HfedCation::MixCa:
            return "MixCa";
        case HfedCation::Ca:
            return "Ca";
        case HfedCation::Mg:
            return "Mg";
        case HfedCation::Undefined:
            break;
    }
    return "";
}

const char* AnionText(HfedAnion a) {
    switch (a) {
        case HfedAnion::Cl:
            return "Cl";
        case HfedAnion::MixCl:
            return "MixCl";
        case HfedAnion::MixHCO3:
            return "MixHCO3";
        case HfedAnion::MixSO4:
            return "MixSO4";
        case HfedAnion::HCO3:
            return "HCO3";
        case HfedAnion::SO4:
            return "SO4";
        case HfedAnion::Undefined:
            break;
    }
    return "";
}

}  // namespace

HfedPoint HfedCoordinates(const wq::Fractions& f) {
    HfedPoint p;
    if (!f.cationDefined || !f.anionDefined)
        return p;
    p.defined = true;
    const double nak = f.CationFraction[0] * 100, ca = f.CationFraction[1] * 100,
                 mg = f.CationFraction[2] * 100;
    const double c = std::max(ca, mg);
    if (c > nak + kTie) {
        p.x = c + kHfedShift;
        p.cation = c > 50 + kTie ? (ca >= mg ? HfedCation::Ca : HfedCation::Mg) : HfedCation::MixCa;
    } else {
        p.x = 100 - nak;
        p.cation = nak > 50 + kTie ? HfedCation::Na : HfedCation::MixNa;
    }
    const double cl = f.AnionFraction[0] * 100, hco3 = f.AnionFraction[1] * 100,
                 so4 = f.AnionFraction[2] * 100;
    const double a = std::max(hco3, so4);
    // Bicarbonate names a tie with sulfate: the recharge water's side.
    const bool bicarbonate = hco3 >= so4;
    if (a > cl + kTie) {
        p.y = a + kHfedShift;
        if (a > 50 + kTie)
            p.anion = bicarbonate ? HfedAnion::HCO3 : HfedAnion::SO4;
        else
            p.anion = bicarbonate ? HfedAnion::MixHCO3 : HfedAnion::MixSO4;
    } else {
        p.y = 100 - cl;
        p.anion = cl > 50 + kTie ? HfedAnion::Cl : HfedAnion::MixCl;
    }
    return p;
}

std::string HfedFaciesName(const HfedPoint& p) {
    if (!p.defined)
        return {};
    return std::string(CationText(p.cation)) + "-" + AnionText(p.anion);
}

HfedModel BuildHfedModel(const wq::SampleModel& samples, const wq::PlotSettings& settings) {
    const wq::SampleTable& table = samples.table;
    const std::vector<wq::Composition>& compositions = samples.compositions;
    HfedModel model;
    model.nitrate = settings.NitrateType == wq::NitrateType::Unset ? wq::NitrateType::None
                                                                   : settings.NitrateType;
    model.options = settings.Diagram;
    model.styles = AssignStyles(table);
    const std::size_t n = std::min(table.samples.size(), compositions.size());
    std::size_t freshest = n;
    for (std::size_t i = 0; i < n; ++i) {
        const wq::Composition& c = compositions[i];
        if (!c.drawn)
            continue;
        const HfedPoint p = HfedCoordinates(wq::SharesUnder(c, model.nitrate));
        if (!p.defined) {
            ++model.leftOut;
            continue;
        }
        HfedMark mark{static_cast<int>(i) + 1, model.styles.styleOf[i], p.x, p.y, ""};
        if (model.options.labels)
            mark.name = table.samples[i].name;
        model.points.push_back(std::move(mark));
        if (freshest == n || table.samples[i].mg[wq::kCl] < table.samples[freshest].mg[wq::kCl])
            freshest = i;
    }
    if (model.options.mixingLine && freshest < n) {
        const wq::Composition& fresh = compositions[freshest];
        const wq::IonValues sea = wq::ToMeq(kSeawaterMg);
        int lastBranch = -1;
        for (int k = 0; k <= kHfedMixingSteps; ++k) {
            const double t = static_cast<double>(k) / kHfedMixingSteps;
            const double share = t * t;  // of sea water
            wq::IonValues meq{};
            for (std::size_t ion = 0; ion < meq.size(); ++ion)
                meq[ion] = fresh.meq[ion] * (1 - share) + sea[ion] * share;
            const HfedPoint p = HfedCoordinates(
                wq::SampleFractions(meq, model.nitrate, fresh.co3Meq * (1 - share)));
            if (!p.defined)
                continue;
            // The branch of each coordinate: Ca or Mg (HCO3 or SO4) dominating Na+K (Cl) or not.
            const bool alkalineEarth = p.cation == HfedCation::MixCa ||
                                       p.cation == HfedCation::Ca || p.cation == HfedCation::Mg;
            const bool weak = p.anion != HfedAnion::Cl && p.anion != HfedAnion::MixCl;
            const int branch = (alkalineEarth ? 1 : 0) + (weak ? 2 : 0);
            if (model.mixing.empty() || branch != lastBranch)
                model.mixing.emplace_back();
            model.mixing.back().push_back({p.x, p.y});
            lastBranch = branch;
        }
        model.mixingFrom = static_cast<int>(freshest) + 1;
        model.mixingFromName = table.samples[freshest].name;
    }
    return model;
}

void DrawHfed(hc::Surface& s, const HfedModel& model, const ChartMedia& m) {
    BeginChart(s, m);
    const Box box = PlotBox(m);
    s.SetFontSize(m.textSize);
    const double lh = s.TextHeight("Ca");
    s.SetFontSize(m.tickSize);
    const double th = s.TextHeight("0");
    const double leftRoom = s.TextWidth("MixHCO /SO ") + th;
    const double side = std::min(box.Width() - leftRoom - lh * 2, box.Height() - lh * 8);
    const double left = box.left + leftRoom + (box.Width() - leftRoom - side) / 2;
    const double top = box.top + lh * 2.5;
    auto X = [&](double x) { return left + x / kHfedSide * side; };
    auto Y = [&](double y) { return top + (kHfedSide - y) / kHfedSide * side; };

    s.SetDrawWidth(m.frameWidth);
    for (double v : kHfedLines) {
        s.Line(X(v), Y(0), X(v), Y(kHfedSide), hc::Color{90, 90, 90});
        s.Line(X(0), Y(v), X(kHfedSide), Y(v), hc::Color{90, 90, 90});
    }
    s.Box(X(0), Y(kHfedSide), X(kHfedSide), Y(0));
    s.SetDrawWidth(1);

    // The bands of each axis and the facies of each cell, named in grey behind the points.
    const std::array<double, 5> edges{0, kHfedLines[0], kHfedLines[1], kHfedLines[2], kHfedSide};
    const std::array<const char*, 4> cations{"Na", "MixNa", "MixCa", "Ca/Mg"};
    const std::array<const char*, 4> anions{"Cl", "MixCl", "MixHCO /SO ", "HCO /SO "};
    s.SetFontSize(m.tickSize);
    for (std::size_t i = 0; i < 4; ++i) {
        const double mid = (edges[i] + edges[i + 1]) / 2;
        IonLabelCentred(s, m, X(mid), Y(0) + th * 0.3, cations[i]);
        wq::PrintIonLabel(s, X(0) - th * 0.5 - s.TextWidth(anions[i]), Y(mid) - th * 0.5, anions[i],
                          m.subscriptSize, 0.45);
    }
    // The shares the lines stand for, along the top and the right side, as the paper marks
    // them: 100 % Na+K (Cl) at 0, 50 % at 50, 33.3 % and 50 % of Ca or Mg (HCO3 or SO4) at
    // 66.7 and 83.4, 100 % at 133.4.
    const std::array<std::pair<double, const char*>, 5> marks{{{0, "100"},
                                                               {kHfedLines[0], "50"},
                                                               {kHfedLines[1], "33.3"},
                                                               {kHfedLines[2], "50"},
                                                               {kHfedSide, "100"}}};
    // The top-right corner's 100 serves both sides.
    for (const auto& [v, text] : marks) {
        TextCentred(s, X(v), Y(kHfedSide) - th * 1.3, text);
        if (v < kHfedSide)
            TextAt(s, X(kHfedSide) + th * 0.3, Y(v) - th / 2, text);
    }
    s.SetForeColor(hc::Color{150, 150, 150});
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = 0; j < 4; ++j) {
            const double cx = (edges[i] + edges[i + 1]) / 2, cy = (edges[j] + edges[j + 1]) / 2;
            IonLabelCentred(s, m, X(cx), Y(cy) - th * 1.1, cations[i]);
            IonLabelCentred(s, m, X(cx), Y(cy) + th * 0.1, anions[j]);
        }
    s.SetForeColor(hc::kBlack);
    s.SetFontSize(m.textSize);
    TextCentred(s, X(kHfedSide / 2), Y(0) + th * 1.6, hc::TS("陽イオン相（meq/L の %）"));
    TextAt(s, X(0) - leftRoom, box.top, hc::TS("陰イオン相（meq/L の %）"));

    if (!model.mixing.empty()) {
        s.SetDrawWidth(m.lineWidth + 1);
        const hc::Color line{30, 110, 200};
        for (const std::vector<Pt>& piece : model.mixing)
            for (std::size_t k = 1; k < piece.size(); ++k)
                s.Line(X(piece[k - 1].x), Y(piece[k - 1].y), X(piece[k].x), Y(piece[k].y), line);
        s.SetDrawWidth(1);
        s.SetFontSize(m.tickSize);
        const Pt& sea = model.mixing.back().back();
        TextAt(s, X(sea.x) + th * 0.5, Y(sea.y) - th * 1.5, hc::TS("海水"));
    }

    DrawScatter(s, m, model.styles, model.points, model.options.labels,
                [&](const HfedMark& p) { return std::pair{X(p.x), Y(p.y)}; });
    s.SetFontSize(m.tickSize);
    double noteY = Y(0) + th * 1.6 + lh * 1.3;
    if (model.mixingFrom > 0) {
        TextAt(s, X(0), noteY,
               hc::TS("青線: 海水と Cl の最も少ない試料「%1」との混合線", {model.mixingFromName}));
        noteY += th * 1.3;
    }
    DrawLegend(s, m, model.styles, 0, noteY + lh);
    if (model.leftOut > 0)
        TextAt(s, box.left, box.bottom - th,
               ZeroSumNote(model.leftOut));
    EndChart(s, m);
}

}  // namespace wqp
