// The Stiff diagram program's texts for the shared water-quality window: titles, help texts,
// splash labels and the captions of its print line-width menus.
#pragma once

#include "waterquality/ui/diagram_program.h"

namespace stiff {

const wq::DiagramProgram& PolyPlotProgram();

}  // namespace stiff
