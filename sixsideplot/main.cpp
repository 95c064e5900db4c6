// sixsideplot: hexadiagrams of water-quality analyses.
#include <QApplication>

#include "common/render/fonts.h"
#include "common/ui/qt_platform.h"
#include "sixsideplot/core/hexa.h"
#include "sixsideplot/ui/sixsideplot_program.h"
#include "waterquality/ui/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    hc::InstallFontSubstitutions();
    hc::QtPlatformServices platform;
    hexa::HexaDiagram diagram;
    wq::ColumnStrategy strategy(diagram);
    wq::Form1 form(platform, hexa::SixsidePlotProgram(), strategy);
    platform.SetParentWindow(&form);
    form.show();
    return app.exec();
}
