// rainprob: annual precipitation totals on normal probability paper.
#include <QApplication>

#include "common/render/fonts.h"
#include "common/ui/program_start.h"
#include "common/ui/qt_platform.h"
#include "common/ui/window_helpers.h"
#include "rainprob/ui/main_window.h"

int main(int argc, char** argv) {
    const hc::ProgramInfo info{
        "rainprob",
        "Plots annual precipitation totals on normal probability paper and finds the 1-in-10 and "
        "1-in-50 dry and wet years.",
        "FILE", "FILE holds annual totals, one year and its amount in mm a line."};
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
    rain::MainWindow form(platform);
    platform.SetParentWindow(&form);
    form.show();
    if (file)
        hc::OpenAfterSplash(form.Splash(), &form,
                            [&form, path = *file] { form.OpenFile(path); });
    return app.exec();
}
