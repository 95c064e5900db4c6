// rainprob: annual precipitation totals on normal probability paper.
#include "common/ui/window_program.h"
#include "rainprob/ui/main_window.h"

int main(int argc, char** argv) {
    const hc::ProgramInfo info{
        "rainprob",
        "Plots annual precipitation totals on normal probability paper and finds the 1-in-10 and "
        "1-in-50 dry and wet years.",
        "FILE", "FILE holds annual totals, one year and its amount in mm a line."};
    return hc::RunWindowProgram<rain::MainWindow>(argc, argv, info);
}
