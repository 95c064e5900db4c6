// The column diagrams of the headless command (hexa, stiff): read a water-quality workbook with
// the options of the main window's menus and write the sheets, the canvas, the display list or
// the computed values. Only the diagram and the program's texts differ between them.
#pragma once

#include "hydrochart/commands.h"
#include "waterquality/core/column_chart.h"

namespace hcmd {

struct ColumnCommand {
    const char* captionPrefix;  // the program's window title after a load
    const char* messageTitle;   // the program's own message title
    const wq::ColumnDiagram& diagram;
};

inline constexpr const char* kColumnUsage =
    "WORKBOOK [-o OUT.pdf|OUT.svg|OUT.png] [--screen] [--page N] [--json|--csv] "
    "[--display-list OUT.jsonl] [--nitrate 0|1|2] [--direction up|down] "
    "[--numbering on|off] [--scale COL=VALUE]... [--offset RIGHT,UP] "
    "[--widths W1,W2,W3,W4,W5]";

int RunColumnCommand(Args& args, const ColumnCommand& command);

}  // namespace hcmd
