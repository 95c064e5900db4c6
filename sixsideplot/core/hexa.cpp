#include "sixsideplot/core/hexa.h"
#include "common/core/language.h"

namespace hexa {

namespace {

using wq::ChartMedia;

// The legend's unit hexagon with its ion labels; anion half and triangle by nitrate type.
void DrawLegendHexagon(hc::Surface& s, const ChartMedia& m, double x0, double yc,
                       wq::NitrateType nitrate) {
    m.Width(s, wq::kWidthCentre);
    s.Line(m.X(x0), m.Y(yc + 50), m.X(x0), m.Y(yc - 50));
    m.Width(s, wq::kWidthPolygon);
    wq::Polyline(
        s, m,
        {{x0, yc + 50}, {x0 + 50, yc + 50}, {x0 + 100, yc}, {x0 + 50, yc - 50}, {x0, yc - 50}});
    wq::LabelRightOf(s, m, x0 + 100, yc + 50, wq::kCationLabels[0]);
    wq::LabelRightOf(s, m, x0 + 100, yc, wq::kCationLabels[1]);
    wq::LabelRightOf(s, m, x0 + 100, yc - 50, wq::kCationLabels[2]);

    const double inner = x0 - 100.0 / 3.0;  // the vertex that makes room for nitrate
    m.Width(s, wq::kWidthPolygon);
    switch (nitrate) {
        case wq::NitrateType::WithChloride:
            wq::Polyline(s, m,
                         {{x0, yc + 50},
                          {inner, yc + 50},
                          {x0 - 100, yc},
                          {x0 - 50, yc - 50},
                          {x0, yc - 50}});
            m.Width(s, wq::kWidthNitrate);
            wq::Polyline(s, m,
                         {{inner, yc + 50}, {x0 - 50, yc + 50}, {x0 - 100, yc}, {inner, yc + 50}});
            break;
        case wq::NitrateType::WithSulfate:
            wq::Polyline(s, m,
                         {{x0, yc + 50},
                          {x0 - 50, yc + 50},
                          {x0 - 100, yc},
                          {inner, yc - 50},
                          {x0, yc - 50}});
            m.Width(s, wq::kWidthNitrate);
            wq::Polyline(s, m,
                         {{x0 - 100, yc}, {x0 - 50, yc - 50}, {inner, yc - 50}, {x0 - 100, yc}});
            break;
        default:
            wq::Polyline(s, m,
                         {{x0, yc + 50},
                          {x0 - 50, yc + 50},
                          {x0 - 100, yc},
                          {x0 - 50, yc - 50},
                          {x0, yc - 50}});
            break;
    }
    const wq::AnionLabels labels = wq::AnionLabelTexts(nitrate);
    wq::LabelLeftOf(s, m, x0 - 100, yc + 50, labels.cl);
    wq::LabelLeftOf(s, m, x0 - 100, yc, labels.hco3);
    wq::LabelLeftOf(s, m, x0 - 100, yc - 50, labels.so4);
}

}  // namespace

void DrawFrameTopDown(hc::Surface& s, const wq::ColumnContext& c) {
    wq::DrawColumnFrame(s, c, wq::Direction::TopDown, DrawLegendHexagon);
}

void DrawFrameBottomUp(hc::Surface& s, const wq::ColumnContext& c) {
    wq::DrawColumnFrame(s, c, wq::Direction::BottomUp, DrawLegendHexagon);
}

void DrawHexagons(hc::Surface& s, const wq::ColumnContext& c) {
    wq::DrawSamplePolygons(s, c, 1, 1);
}

const wq::DiagramVariant& SixsidePlotVariant() {
    static const HexaDiagram diagram;
    static const wq::ColumnStrategy strategy(diagram);
    static const wq::DiagramVariant variant = wq::ColumnVariant(hc::N("ヘキサダイヤグラム < "), strategy);
    return variant;
}

}  // namespace hexa
