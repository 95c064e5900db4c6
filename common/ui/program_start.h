// Start-up services of the GUI programs: --help and --version, the file named on the command
// line, the window icon, and files dropped on the main window. A file from the command line or
// from a drop goes through the window's own File>Open path, never a second loader.
#pragma once

#include <QIcon>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>

#include "common/core/program_args.h"
#include "common/ui/splash_window.h"

class QAction;
class QMenu;
class QWidget;

namespace hc {

class PlatformServices;

// Answers --help and --version before a window system is needed; the exit status then, or
// nullopt when the program is to start.
std::optional<int> AnswerInfoOptions(int argc, char** argv, const ProgramInfo& info);

// After the QApplication has taken its own options: the file to open, made absolute. False
// (with a message on standard error) when the line is not understood.
bool TakeFileArgument(const ProgramInfo& info, std::optional<std::string>& file);

// The language of the windows: --lang on the command line, else the one last chosen in the
// help menu, else the desktop's. Installs its translations.
void ChooseLanguage();

// 「表示言語 (Language)(&L)」 with 日本語 and English at the end of a help menu. A choice is kept
// for the next start, which shows it; the window in use stays as it is.
void AddLanguageMenu(QMenu* help, PlatformServices& platform);

// The program's icon, drawn for the suite (also installed for the desktop).
QIcon ProgramIcon(const std::string& program);

// Runs `open` once the splash has closed and handed the menus back (at once when it has
// already gone), from the event loop, so the splash is gone before a load shows anything.
void OpenAfterSplash(const QPointer<SplashWindow>& splash, QObject* context,
                     std::function<void()> open);

// Whether a menu item can be chosen now: it and every menu holding it are enabled.
bool MenuItemUsable(const QAction* item);

// Lets `window` take one local file dropped on it while `openItem` (File>Open) can be chosen;
// `open` then gets its path, from the event loop.
void AcceptFileDrops(QWidget* window, QAction* openItem,
                     std::function<void(const std::string&)> open);

}  // namespace hc
