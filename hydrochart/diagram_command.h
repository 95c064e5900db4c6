// The water-quality diagrams of the headless command (hexa, stiff, tri): a workbook read by the
// programs' own application layer, the options of their menus, and the sheets, the window
// picture, the display list or the computed values written out. Only the program's variant, the
// size of its picture and its JSON differ between them.
#pragma once

#include <string>

#include "hydrochart/commands.h"
#include "waterquality/core/diagram_app.h"

namespace hcmd {

struct DiagramCommand {
    const wq::DiagramVariant& variant;
    double screenWidth;  // the window's picture, pixels
    double screenHeight;
    std::string (*json)(const wq::DiagramApp& app);  // the --json document
};

int RunDiagramCommand(Args& args, const DiagramCommand& command);

// The column programs (hexa, stiff): their canvas of a 720-pixel view and their JSON.
DiagramCommand ColumnCommand(const wq::DiagramVariant& variant);
inline constexpr const char* kColumnUsage =
    "WORKBOOK [-o OUT.pdf|OUT.svg|OUT.png] [--screen] [--page N] [--json|--csv] "
    "[--display-list OUT.jsonl] [--nitrate 0|1|2] [--direction up|down] "
    "[--numbering on|off] [--scale COL=VALUE]... [--offset RIGHT,UP] "
    "[--widths W1,W2,W3,W4,W5]";

}  // namespace hcmd
