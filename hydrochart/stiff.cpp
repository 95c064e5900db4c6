// hydrochart stiff: reads a water-quality workbook and writes the Stiff diagram sheets of
// polyplot's File>Print, its window canvas, the display list or the computed values as JSON.
// The options are those of "hydrochart hexa".
#include "polyplot/core/stiff.h"
#include "hydrochart/diagram_command.h"

namespace {

const hcmd::Register reg(hcmd::ColumnCommand(
    "stiff", "Stiff diagrams of a water-quality workbook (polyplot)", stiff::PolyPlotVariant()));

}  // namespace
