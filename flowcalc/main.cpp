// flowcalc: Manning discharge of a surveyed river cross-section.
#include <QApplication>

#include "common/render/fonts.h"
#include "common/ui/program_start.h"
#include "common/ui/qt_platform.h"
#include "common/ui/window_helpers.h"
#include "flowcalc/ui/form1.h"

int main(int argc, char** argv) {
    const hc::ProgramInfo info{
        "flowcalc",
        "Computes the Manning discharge of a surveyed river cross-section and draws the section.",
        "FILE",
        "FILE is a cross-section: the point count, then distance and elevation in metres, one "
        "point a line."};
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
    flow::MainWindow form(platform);
    platform.SetParentWindow(&form);
    form.show();
    if (file)
        hc::OpenAfterSplash(form.Splash(), &form,
                            [&form, path = *file] { form.OpenFile(path); });
    return app.exec();
}
