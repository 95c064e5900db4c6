// The water-quality diagram program's texts for the shared water-quality window: titles, help
// texts, splash labels and the captions of its "図の種類(&D)" menu.
#pragma once

#include "waterquality/ui/diagram_program.h"

namespace wqp {

const wq::DiagramProgram& WqPlotProgram();

}  // namespace wqp
