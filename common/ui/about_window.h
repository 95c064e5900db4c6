// The version window of rainprob and flowcalc: program title, version, description, contact
// line, OK and a button that starts the desktop's system-information viewer when one is
// installed (hardinfo2, hardinfo, kinfocenter or gnome-system-monitor, first found).
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "common/core/platform.h"

class QLabel;
class QPushButton;

namespace hc {

enum class AboutVariant { Rainprob, Flowcalc };

// The programs looked for by the system-information button, in order.
const std::vector<std::string>& SystemInfoViewers();

// The message shown when no viewer is installed.
inline constexpr const char* kNoSystemInfo = "現時点ではｼｽﾃﾑ情報を使用できません";

// Starts the first installed viewer; shows kNoSystemInfo when there is none. A viewer that
// fails to start is not reported.
void StartSysInfo(PlatformServices& platform, const std::string& messageTitle);

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    frmAbout(QWidget* parent, PlatformServices& platform, AboutVariant variant);

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer = nullptr;  // flowcalc only
    QLabel* Label1 = nullptr;         // rainprob only: contact header and line
    QLabel* Label2 = nullptr;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

    void cmdOK_Click();
    void cmdSysInfo_Click();

  private:
    PlatformServices& platform_;
    AboutVariant variant_;
};

// Opens the version window (application-modal, deleted when closed) and returns at once.
void ShowAboutWindow(QWidget* parent, PlatformServices& platform, AboutVariant variant);

}  // namespace hc
