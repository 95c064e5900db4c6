// flowcalc: Manning discharge of a surveyed river cross-section.
#include "common/ui/window_program.h"
#include "flowcalc/ui/main_window.h"

int main(int argc, char** argv) {
    const hc::ProgramInfo info{
        "flowcalc",
        "Computes the Manning discharge of a surveyed river cross-section and draws the section.",
        "FILE",
        "FILE is a cross-section: the point count, then distance and elevation in metres, one "
        "point a line."};
    return hc::RunWindowProgram<flow::MainWindow>(argc, argv, info);
}
