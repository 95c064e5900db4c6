// What a window program keeps between runs: the folder its open dialogs and its save dialogs
// were last in, the five files it opened last, and its main window's place. Nothing about the
// charts is kept: every start draws with the initial settings. It stays off until a program
// turns it on at its start, so that tests and hydrochart neither read nor write it.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QMenu;
class QWidget;

namespace hc {

class PlatformServices;

namespace remembered {

// Turns remembering on for `program`: QSettings of the organisation "hydrochart" under the
// program's name (~/.config/hydrochart/<program>.ini).
void Enable(const QString& program);
void Disable();
bool Enabled();

enum class Folder { Open, Save };
// The last folder of that kind of dialog, when one is kept and still exists; else empty.
QString LastFolder(Folder kind);
void SetLastFolder(Folder kind, const QString& folder);

inline constexpr int kRecentFiles = 5;
// Newest first, at most kRecentFiles, absolute paths.
QStringList RecentFiles();
void AddRecentFile(const QString& path);
void RemoveRecentFile(const QString& path);

// The language chosen in the help menu, when one was.
std::optional<std::string> SavedLanguage();
void SaveLanguage(const std::string& code);

// The main window's place: restored only where the whole window fits on one of the screens
// now attached, and its size only where the window can be resized.
void RestoreWindowPlace(QWidget* window);
void SaveWindowPlace(const QWidget* window);

}  // namespace remembered

// 「最近使ったファイル(&R)」 in a File menu, before `before`: the recent files numbered 1 to 5,
// usable when `openItem` is. Choosing one calls `open`; a file that is gone is removed from
// the list with a message instead. Hidden while remembering is off.
class RecentFilesMenu : public QObject {
  public:
    // Made with new: the file menu owns it.
    RecentFilesMenu(QMenu* fileMenu, QAction* before, QAction* openItem, PlatformServices& platform,
                    std::function<void(const std::string&)> open);

  private:
    void Fill();

    QMenu* menu_;
    QAction* openItem_;
    PlatformServices& platform_;
    std::function<void(const std::string&)> open_;
};

}  // namespace hc
