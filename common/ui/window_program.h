// The start of every window program: --help and --version without a window, the file named on
// the command line, what the program remembers from its last run, its language (and Qt's own
// texts in it), the icon and fonts, then the main window, which opens that file once its splash
// has gone.
#pragma once

#include <QApplication>
#include <optional>
#include <string>
#include <utility>

#include "common/render/fonts.h"
#include "common/ui/program_start.h"
#include "common/ui/qt_platform.h"
#include "common/ui/remembered.h"
#include "common/ui/window_helpers.h"

namespace hc {

// Window is built as Window(platform, args...) and offers Splash() and OpenFile(path).
template <class Window, class... Args>
int RunWindowProgram(int argc, char** argv, const ProgramInfo& info, Args&&... args) {
    if (std::optional<int> status = AnswerInfoOptions(argc, argv, info))
        return *status;
    QApplication app(argc, argv);
    std::optional<std::string> file;
    if (!TakeFileArgument(info, file))
        return 2;
    remembered::Enable(QString::fromStdString(info.name));
    ChooseLanguage();
    QApplication::setWindowIcon(ProgramIcon(info.name));
    InstallFontSubstitutions();
    QtPlatformServices platform;
    Window window(platform, std::forward<Args>(args)...);
    platform.SetParentWindow(&window);
    remembered::RestoreWindowPlace(&window);
    window.show();
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                     [&window] { remembered::SaveWindowPlace(&window); });
    if (file)
        OpenAfterSplash(window.Splash(), &window,
                        [&window, path = *file] { window.OpenFile(path); });
    return app.exec();
}

}  // namespace hc
