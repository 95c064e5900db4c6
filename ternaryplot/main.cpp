// ternaryplot: colour trilinear diagrams of water-quality analyses.
#include "common/ui/window_program.h"
#include "ternaryplot/ui/ternaryplot_program.h"
#include "waterquality/ui/main_window.h"

int main(int argc, char** argv) {
    const hc::ProgramInfo info{
        "ternaryplot",
        "Draws a colour trilinear diagram of up to 32 water analyses and "
        "prints it with a table of samples.",
        "WORKBOOK",
        "WORKBOOK is laid out like the template hinagata.xls (.xls, .xlsx or "
        ".ods), with marks and colours in rows 20 and 21, or is a CSV table with a heading row "
        "(mark and colour columns optional)."};
    return hc::RunWindowProgram<wq::MainWindow>(argc, argv, info, tri::TernaryPlotProgram());
}
