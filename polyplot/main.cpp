// polyplot: Stiff diagrams of water-quality analyses.
#include <QApplication>

#include "common/render/fonts.h"
#include "common/ui/qt_platform.h"
#include "polyplot/core/stiff.h"
#include "polyplot/ui/polyplot_program.h"
#include "waterquality/ui/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    hc::InstallFontSubstitutions();
    hc::QtPlatformServices platform;
    stiff::StiffDiagram diagram;
    wq::ColumnStrategy strategy(diagram);
    wq::Form1 form(platform, stiff::PolyPlotProgram(), strategy);
    platform.SetParentWindow(&form);
    form.show();
    return app.exec();
}
