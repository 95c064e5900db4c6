// The hexadiagram program's texts for the shared water-quality window: titles, help texts,
// splash labels and menu captions.
#pragma once

#include "waterquality/ui/diagram_program.h"

namespace hexa {

const wq::DiagramProgram& SixsidePlotProgram();

}  // namespace hexa
