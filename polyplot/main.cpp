// polyplot: Stiff diagrams of water-quality analyses.
#include <QApplication>

#include "common/render/fonts.h"
#include "common/ui/program_start.h"
#include "common/ui/qt_platform.h"
#include "common/ui/window_helpers.h"
#include "polyplot/ui/polyplot_program.h"
#include "waterquality/ui/main_window.h"

int main(int argc, char** argv) {
    const hc::ProgramInfo info{
        "polyplot",
        "Draws Stiff diagrams of up to 32 water analyses (mg/L converted to meq/L) and prints them "
        "on A4.",
        "WORKBOOK", "WORKBOOK is laid out like the template hinagata.xls (.xls, .xlsx or .ods)."};
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
    wq::MainWindow window(platform, stiff::PolyPlotProgram());
    platform.SetParentWindow(&window);
    window.show();
    if (file)
        hc::OpenAfterSplash(window.Splash(), &window,
                            [&window, path = *file] { window.OpenFile(path); });
    return app.exec();
}
