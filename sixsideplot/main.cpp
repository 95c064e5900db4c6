// sixsideplot: hexadiagrams of water-quality analyses.
#include <QApplication>

#include "common/render/fonts.h"
#include "common/ui/qt_platform.h"
#include "sixsideplot/ui/sixsideplot_program.h"
#include "waterquality/ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    hc::InstallFontSubstitutions();
    hc::QtPlatformServices platform;
    wq::MainWindow window(platform, hexa::SixsidePlotProgram());
    platform.SetParentWindow(&window);
    window.show();
    return app.exec();
}
