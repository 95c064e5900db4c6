// hydrochart hexa: reads a water-quality workbook and writes the hexadiagram sheets of
// sixsideplot's File>Print, its window canvas, the display list or the computed values as JSON.
#include "sixsideplot/core/hexa.h"
#include "hydrochart/diagram_command.h"

namespace {

const hcmd::Register reg(hcmd::ColumnCommand(
    "hexa", "hexadiagrams of a water-quality workbook (sixsideplot)", hexa::SixsidePlotVariant()));

}  // namespace
