// wqplot: Piper, Schoeller and Chadha diagrams and a classification table of water analyses.
#include "common/ui/window_program.h"
#include "waterquality/ui/main_window.h"
#include "wqplot/ui/wqplot_program.h"

int main(int argc, char** argv) {
    const hc::ProgramInfo info{
        "wqplot",
        "Draws Piper, Schoeller and Chadha diagrams of water analyses and classifies each "
        "sample, for tables of up to 10,000 samples.",
        "TABLE",
        "TABLE is a workbook laid out like the template hinagata.xls (.xls, .xlsx or .ods) or a "
        "table with one row per sample under a heading row (.csv, .xlsx, .ods)."};
    return hc::RunWindowProgram<wq::MainWindow>(argc, argv, info, wqp::WqPlotProgram());
}
