// The hexadiagram: one column's scale bar and legend (the frame) and its hexagons with their
// names, on the screen canvas or on paper. Screen and paper share each routine; the constants
// that differ travel in the context's media (wq::ScreenMedia / wq::PaperMedia).
#pragma once

#include "waterquality/core/column_chart.h"
#include "waterquality/core/diagram_app.h"

namespace hexa {

void DrawFrameTopDown(hc::Surface& s, const wq::ColumnContext& c);
void DrawFrameBottomUp(hc::Surface& s, const wq::ColumnContext& c);
void DrawHexagons(hc::Surface& s, const wq::ColumnContext& c);

// The printed counterparts: the same routines, with paper media in the context.
inline void PrintFrameTopDown(hc::Surface& printer, const wq::ColumnContext& c) {
    DrawFrameTopDown(printer, c);
}
inline void PrintFrameBottomUp(hc::Surface& printer, const wq::ColumnContext& c) {
    DrawFrameBottomUp(printer, c);
}
inline void PrintHexagons(hc::Surface& printer, const wq::ColumnContext& c) {
    DrawHexagons(printer, c);
}

// The hexadiagram as the column programs' drawing strategy.
class HexaDiagram : public wq::ColumnDiagram {
  public:
    void FrameTopDown(hc::Surface& s, const wq::ColumnContext& c) const override {
        DrawFrameTopDown(s, c);
    }
    void FrameBottomUp(hc::Surface& s, const wq::ColumnContext& c) const override {
        DrawFrameBottomUp(s, c);
    }
    void Samples(hc::Surface& s, const wq::ColumnContext& c) const override { DrawHexagons(s, c); }
};

// sixsideplot's rules: the column frame with hexagons and its caption.
const wq::DiagramVariant& SixsidePlotVariant();

}  // namespace hexa
