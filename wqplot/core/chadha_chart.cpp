#include "wqplot/core/chadha_chart.h"

#include "common/core/language.h"

#include <algorithm>
#include <map>

#include "waterquality/core/facies.h"
#include "waterquality/core/ion_label.h"

namespace wqp {

ChadhaModel BuildChadhaModel(const wq::SampleModel& samples, const wq::PlotSettings& settings) {
    const wq::SampleTable& table = samples.table;
    const std::vector<wq::Composition>& compositions = samples.compositions;
    ChadhaModel model;
    model.nitrate = settings.NitrateType == wq::NitrateType::Unset ? wq::NitrateType::None
                                                                   : settings.NitrateType;
    model.options = settings.Diagram;
    model.styles = AssignStyles(table);
    const std::size_t n = std::min(table.samples.size(), compositions.size());
    for (std::size_t i = 0; i < n; ++i) {
        const wq::Composition& c = compositions[i];
        if (!c.drawn)
            continue;
        const wq::ChadhaPoint& p = wq::FaciesUnder(c, model.nitrate).chadha;
        if (!p.defined) {
            ++model.leftOut;
            continue;
        }
        ChadhaMark mark{static_cast<int>(i) + 1, model.styles.styleOf[i], p.x, p.y, ""};
        if (model.options.labels)
            mark.name = table.samples[i].name;
        model.points.push_back(std::move(mark));
    }
    return model;
}

void DrawChadha(hc::Surface& s, const ChadhaModel& model, const ChartMedia& m) {
    BeginChart(s, m);
    const Box box = PlotBox(m);
    s.SetFontSize(m.textSize);
    const double lh = s.TextHeight("Ca");
    s.SetFontSize(m.tickSize);
    const double th = s.TextHeight("0");
    const double leftRoom = s.TextWidth("-100") + th;
    const double side = std::min(box.Width() - leftRoom - lh, box.Height() - lh * 5);
    const double left = box.left + leftRoom + (box.Width() - leftRoom - side) / 2;
    const double top = box.top + lh * 2.5;
    auto X = [&](double x) { return left + (x + 100) / 200 * side; };
    auto Y = [&](double y) { return top + (100 - y) / 200 * side; };

    s.SetDrawWidth(m.gridWidth);
    for (int v = -80; v <= 80; v += 20) {
        if (v == 0)
            continue;
        s.Line(X(v), Y(-100), X(v), Y(100), m.grid);
        s.Line(X(-100), Y(v), X(100), Y(v), m.grid);
    }
    for (int v = -100; v <= 100; v += 50) {
        const std::string t = std::to_string(v);
        TextCentred(s, X(v), Y(-100) + th * 0.3, t);
        TextRight(s, X(-100) - th * 0.4, Y(v) - th / 2, t);
    }
    s.SetDrawWidth(m.frameWidth);
    s.Box(X(-100), Y(100), X(100), Y(-100));
    s.Line(X(0), Y(-100), X(0), Y(100));
    s.Line(X(-100), Y(0), X(100), Y(0));
    s.SetDrawWidth(1);

    s.SetFontSize(m.textSize);
    const std::string ofMeq = hc::TS("　（meq/L の %）");
    TextCentred(s, X(0), Y(-100) + th * 1.5, "(Ca+Mg) − (Na+K)" + ofMeq);
    const std::string strong = model.nitrate == wq::NitrateType::None ? "Cl+SO " : "Cl+SO +NO ";
    const std::string yTitle = "(HCO +CO ) − (" + strong + ")" + ofMeq;
    wq::PrintIonLabel(s, X(-100) - leftRoom, box.top, yTitle, m.subscriptSize, 0.45);

    // The fields in the outer corners of their quadrants, where points are fewest.
    const struct {
        double x, y;
        wq::ChadhaField field;
        const char* name;
        const char* note;
    } fields[] = {
        {50, 92, wq::ChadhaField::RechargeCaMgHCO3, "5  Ca-Mg-HCO ", hc::N("（涵養水）")},
        {50, -80, wq::ChadhaField::ReverseExchangeCaMgCl, "6  Ca-Mg-Cl", hc::N("（逆イオン交換）")},
        {-50, -80, wq::ChadhaField::SeawaterNaCl, "7  Na-Cl", hc::N("（海水）")},
        {-50, 92, wq::ChadhaField::BaseExchangeNaHCO3, "8  Na-HCO ", hc::N("（イオン交換）")},
    };
    s.SetFontSize(m.tickSize);
    for (const auto& f : fields) {
        IonLabelCentred(s, m, X(f.x), Y(f.y), f.name);
        TextCentred(s, X(f.x), Y(f.y) + th * 1.2, hc::TS(f.note));
    }

    DrawScatter(s, m, model.styles, model.points, model.options.labels,
                [&](const ChadhaMark& p) { return std::pair{X(p.x), Y(p.y)}; });
    DrawLegend(s, m, model.styles, 0, Y(-100) + lh * 4);
    if (model.leftOut > 0) {
        s.SetFontSize(m.tickSize);
        TextAt(s, box.left, box.bottom - th,
               ZeroSumNote(model.leftOut));
    }
    EndChart(s, m);
}

}  // namespace wqp
