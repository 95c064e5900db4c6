// The trilinear diagram program's part of the shared water-quality window: titles, help
// texts, splash labels, the "作図様式(&O)" choices (table, numbering) and its four print
// line-width menus.
#pragma once

#include "waterquality/ui/diagram_program.h"

namespace tri {

const wq::DiagramProgram& TernaryPlotProgram();

}  // namespace tri
