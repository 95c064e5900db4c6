// polyplot: Stiff diagrams of water-quality analyses.
#include "common/ui/window_program.h"
#include "polyplot/ui/polyplot_program.h"
#include "waterquality/ui/main_window.h"

int main(int argc, char** argv) {
    const hc::ProgramInfo info{
        "polyplot",
        "Draws Stiff diagrams of up to 32 water analyses (mg/L converted to meq/L) and prints them "
        "on A4.",
        "WORKBOOK",
        "WORKBOOK is laid out like the template hinagata.xls (.xls, .xlsx or .ods), or a CSV table "
        "with a heading row."};
    return hc::RunWindowProgram<wq::MainWindow>(argc, argv, info, stiff::PolyPlotProgram());
}
