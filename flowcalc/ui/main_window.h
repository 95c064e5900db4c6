// The main window of flowcalc (object name Form1): the chart picture beside the panel of settings
// and results, the menus, the start-up splash, and the guided sequence after a load. It shows the
// application object and turns menu events and the settings windows' signals into requests.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QTableWidget>
#include <array>
#include <string>

#include "common/core/platform.h"
#include "common/ui/chart_export.h"
#include "common/ui/picture_box.h"
#include "common/ui/splash_window.h"
#include "flowcalc/core/flow_app.h"

class QAction;
class QMenu;

namespace flow {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(hc::PlatformServices& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // What File>Open does after its dialog: reads the section file and, when it gives usable
    // scales, enables the settings menu and opens the scale window (then the parameter window
    // while no depth is set). A refused file is reported by a message box and a beep.
    void OpenFile(const std::string& path);

    // The application state the window shows (read-only).
    const FlowApp& App() const { return app_; }
    // The start-up splash while it is open.
    hc::SplashWindow* Splash() const { return splash_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private Q_SLOTS:
    void ChooseFile();
    void EditSection();
    void PrintChart();
    void Exit();
    void OpenScaleWindow();
    void OpenParameterWindow();
    void ShowHelp();
    void ShowAbout();
    void OpenRatingWindow();
    void OpenNormalDepthWindow();
    void OpenEnergyWindow();
    void OpenBanksWindow();
    // The normal depth became the depth in force: show it with the results and draw it.
    void ShowNormalDepth();
    // Computes at the settings in force, fills the result boxes and draws the chart.
    void ComputeAndDraw();
    // The parameter window's computation also makes printing available.
    void ComputeDrawAndAllowPrinting();
    void ShowScaleEntries(const QStringList& texts);
    void ShowParameterEntries(const QStringList& texts);
    void Redraw();

  private:
    void BuildMenus();
    QWidget* BuildPanel();
    void SetPrintWidth(PrintLine line, int width);
    // The result boxes and the sub-channels' Froude numbers of the last computation.
    void ShowResults(const Computation& c);

    hc::PlatformServices& platform_;
    FlowApp app_;
    hc::ChartExportActions* exports_ = nullptr;
    bool splashShown_ = false;
    QPointer<hc::SplashWindow> splash_;

    hc::PictureBox* picture_ = nullptr;
    // The panel's read-only boxes, object names Text1..Text10 in this order: the settings as
    // typed in the settings windows, then the results.
    struct PanelBoxes {
        QLineEdit* hscale = nullptr;
        QLineEdit* vscale = nullptr;
        QLineEdit* rangeLeft = nullptr;
        QLineEdit* rangeRight = nullptr;
        QLineEdit* roughness = nullptr;
        QLineEdit* slope = nullptr;
        QLineEdit* depth = nullptr;
        QLineEdit* discharge = nullptr;
        QLineEdit* velocity = nullptr;
        QLineEdit* width = nullptr;
    };
    PanelBoxes panel_;
    QTableWidget* froude_ = nullptr;
    std::array<QLabel*, 3> widthLabel_{};
    QMenu* fileMenu_ = nullptr;
    QMenu* settingMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QMenu* analysisMenu_ = nullptr;
    QAction* printItem_ = nullptr;
    std::array<std::array<QAction*, kMaxPrintWidth>, 3> widthItems_{};
};

}  // namespace flow
