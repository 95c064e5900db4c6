// rainprob: annual precipitation totals on normal probability paper.
#include <QApplication>

#include "common/render/fonts.h"
#include "common/ui/qt_platform.h"
#include "rainprob/ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    hc::InstallFontSubstitutions();
    hc::QtPlatformServices platform;
    rain::MainWindow form(platform);
    platform.SetParentWindow(&form);
    form.show();
    return app.exec();
}
