// polyplot: Stiff diagrams of water-quality analyses.
#include <QApplication>

#include "common/render/fonts.h"
#include "common/ui/qt_platform.h"
#include "polyplot/ui/polyplot_program.h"
#include "waterquality/ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    hc::InstallFontSubstitutions();
    hc::QtPlatformServices platform;
    wq::MainWindow window(platform, stiff::PolyPlotProgram());
    platform.SetParentWindow(&window);
    window.show();
    return app.exec();
}
