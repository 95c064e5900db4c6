// The Stiff diagram: one column's scale bar and legend (the frame) and one polygon per sample
// with its name, on the screen canvas or on paper. The page, scale bar, legend box, titles
// and names are the column frame's; the polygon is the hexagon mirrored on both axes (cations
// left, Na+K and Cl on the upper row).
#pragma once

#include "waterquality/core/column_chart.h"
#include "waterquality/core/diagram_app.h"

namespace stiff {

void DrawFrameTopDown(hc::Surface& s, const wq::ColumnContext& c);
void DrawFrameBottomUp(hc::Surface& s, const wq::ColumnContext& c);
void DrawPolygons(hc::Surface& s, const wq::ColumnContext& c);

// The printed counterparts: the same routines, with paper media in the context.
inline void PrintFrameTopDown(hc::Surface& printer, const wq::ColumnContext& c) {
    DrawFrameTopDown(printer, c);
}
inline void PrintFrameBottomUp(hc::Surface& printer, const wq::ColumnContext& c) {
    DrawFrameBottomUp(printer, c);
}
inline void PrintPolygons(hc::Surface& printer, const wq::ColumnContext& c) {
    DrawPolygons(printer, c);
}

// The Stiff diagram as the column programs' drawing strategy.
class StiffDiagram : public wq::ColumnDiagram {
  public:
    void FrameTopDown(hc::Surface& s, const wq::ColumnContext& c) const override {
        DrawFrameTopDown(s, c);
    }
    void FrameBottomUp(hc::Surface& s, const wq::ColumnContext& c) const override {
        DrawFrameBottomUp(s, c);
    }
    void Samples(hc::Surface& s, const wq::ColumnContext& c) const override { DrawPolygons(s, c); }
};

// polyplot's rules: the column frame with Stiff polygons and its caption.
const wq::DiagramVariant& PolyPlotVariant();

}  // namespace stiff
