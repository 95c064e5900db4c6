// flowcalc: Manning discharge of a surveyed river cross-section.
#include <QApplication>

#include "common/render/fonts.h"
#include "common/ui/qt_platform.h"
#include "flowcalc/ui/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    hc::InstallFontSubstitutions();
    hc::QtPlatformServices platform;
    flow::MainWindow form(platform);
    platform.SetParentWindow(&form);
    form.show();
    return app.exec();
}
