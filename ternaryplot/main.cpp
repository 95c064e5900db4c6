// ternaryplot: colour trilinear diagrams of water-quality analyses.
#include <QApplication>

#include "common/render/fonts.h"
#include "common/ui/qt_platform.h"
#include "ternaryplot/core/trilinear_chart.h"
#include "ternaryplot/ui/ternaryplot_program.h"
#include "waterquality/ui/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    hc::InstallFontSubstitutions();
    hc::QtPlatformServices platform;
    tri::TrilinearStrategy strategy;
    wq::Form1 form(platform, tri::TernaryPlotProgram(), strategy);
    platform.SetParentWindow(&form);
    form.show();
    return app.exec();
}
