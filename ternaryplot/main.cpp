// ternaryplot: colour trilinear diagrams of water-quality analyses.
#include <QApplication>

#include "common/render/fonts.h"
#include "common/ui/program_start.h"
#include "common/ui/qt_platform.h"
#include "common/ui/window_helpers.h"
#include "ternaryplot/ui/ternaryplot_program.h"
#include "waterquality/ui/main_window.h"

int main(int argc, char** argv) {
    const hc::ProgramInfo info{
        "ternaryplot",
        "Draws a colour trilinear diagram of up to 32 water analyses and "
        "prints it with a table of samples.",
        "WORKBOOK",
        "WORKBOOK is laid out like the template hinagata.xls (.xls, .xlsx or "
        ".ods), with marks and colours in rows 20 and 21."};
    if (std::optional<int> status = hc::AnswerInfoOptions(argc, argv, info))
        return *status;
    QApplication app(argc, argv);
    hc::InstallJapaneseTranslations();
    std::optional<std::string> file;
    if (!hc::TakeFileArgument(info, file))
        return 2;
    QApplication::setWindowIcon(hc::ProgramIcon(info.name));
    hc::InstallFontSubstitutions();
    hc::QtPlatformServices platform;
    wq::MainWindow window(platform, tri::TernaryPlotProgram());
    platform.SetParentWindow(&window);
    window.show();
    if (file)
        hc::OpenAfterSplash(window.Splash(), &window,
                            [&window, path = *file] { window.OpenFile(path); });
    return app.exec();
}
