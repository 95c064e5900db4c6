// The version window: a program's title, version, description and contact lines, OK, and a
// button that starts the desktop's system-information viewer when one is installed (hardinfo2,
// hardinfo, kinfocenter or gnome-system-monitor, first found). Each program passes its own
// texts and icon.
#pragma once

#include <QDialog>
#include <QPainter>
#include <functional>
#include <string>
#include <vector>

#include "common/core/language.h"
#include "common/core/platform.h"

namespace hc {

// One label under the window's rule, with the object name it goes by.
struct AboutLine {
    std::string objectName;
    std::string text;  // CR starts a new line
};

// What a program shows in its version window.
struct AboutTexts {
    std::string caption;      // the window title
    std::string title;        // lblTitle
    std::string version;      // lblVersion
    std::string description;  // lblDescription; CR starts a new line
    std::vector<AboutLine> contact;
    // Paints picIcon's 32 x 32 picture inside a white square with a black border.
    std::function<void(QPainter&)> drawIcon;
    std::string messageTitle;  // of the message shown when no viewer is installed
    bool beepOnOk = false;
};

// The suite's version, which every program shows as its own.
struct VersionNumbers {
    int major = 0;
    int minor = 0;
    int patch = 0;
};
VersionNumbers SuiteVersion();

// The suite's contact line: it is maintained as a whole; no personal data is shipped.
inline constexpr const char* kSuiteContact = "hydrochart suite maintainers";

// The programs looked for by the system-information button, in order.
const std::vector<std::string>& SystemInfoViewers();

// The message shown when no viewer is installed.
inline constexpr const char* kNoSystemInfo = hc::N("現時点ではｼｽﾃﾑ情報を使用できません");

// Starts the first installed viewer; shows kNoSystemInfo when there is none. A viewer that
// fails to start is not reported.
void StartSysInfo(PlatformServices& platform, const std::string& messageTitle);

// Named frmAbout; its labels and buttons go by picIcon, lblTitle, lblVersion, lblDescription,
// the contact lines' names, cmdOK and cmdSysInfo.
class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    AboutWindow(QWidget* parent, PlatformServices& platform, AboutTexts texts);

  private Q_SLOTS:
    void Confirm();
    void StartSystemInformation();

  private:
    PlatformServices& platform_;
    AboutTexts texts_;
};

// Opens the version window (application-modal, deleted when closed) and returns at once.
void ShowAboutWindow(QWidget* parent, PlatformServices& platform, AboutTexts texts);

}  // namespace hc
