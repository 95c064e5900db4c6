// The main window of rainprob: the panel with the open file, the record's mean and extremes
// and the drawing settings, the chart picture and the menus. It turns menu events into the
// requests of RainApp and shows their results (panel, status line, message boxes).
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <string>

#include "common/core/platform.h"
#include "common/ui/splash_window.h"
#include "rainprob/core/help_texts.h"
#include "rainprob/core/rain_app.h"
#include "rainprob/core/settings.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;

namespace hc {
class ChartExportActions;
class PictureBox;
}  // namespace hc

namespace rain {

class MaskEditor;
class ReturnPeriodWindow;
class FitTableWindow;

// Title of message boxes that have none of their own.
inline constexpr const char* kAppTitle = "rainprob";

// Calls back whenever the widget it watches changes size.
class ResizeWatch : public QObject {
  public:
    ResizeWatch(QObject* watched, std::function<void()> resized);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> resized_;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(hc::PlatformServices& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // What File > Open does once its dialog has chosen `path`: load, analyse and draw it, and
    // open the menus that need data. A file that cannot be loaded leaves everything as it was
    // and says why in the status line.
    void OpenFile(const std::string& path);

    // Read-only state, for tests and for what is wired onto the window.
    const RainApp& App() const { return app_; }
    const std::string& StartDir() const { return startDir_; }
    QString StatusText() const;
    // The start-up splash (Form9) while it is shown.
    hc::SplashWindow* Splash() const { return splash_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private Q_SLOTS:
    void ChooseFile();
    void ChoosePrinter();
    void PrintChart();
    void Exit();
    void ChooseScaleMin(int index);
    void ChooseScaleMax(int index);
    void ChooseLineWidth(rain::PrintLine line, int index);
    void ChooseAnalysisMode(rain::AnalysisMode mode);
    void OpenPrintPosition();
    void SetPrintPosition(const QString& right, const QString& up);
    void OpenEditor();
    void LoadFromEditor(const QString& path);
    void EditorClosedWithoutSaving();
    void ShowDataFileHelp();
    void ShowDrawingHelp();
    void ShowAnalysisHelp();
    void ShowVersion();
    void ShowStatus(const QString& text);
    void ChoosePosition(rain::PlottingPosition position);
    void ChooseDistribution(rain::Distribution distribution);
    void OpenReturnPeriods();
    void OpenFitTable();
    void ToggleBand(bool on);

  private:
    void BuildPanel(QWidget* client);
    void BuildMenus();
    void SplashClosed();
    // The dispatcher every menu action ends in: loads, redraws, prints or exits.
    void RefreshChart(ChartAction action);
    // ChartAction::Load of `path` (from File > Open or the editor); true when it was loaded.
    bool LoadAndDraw(const std::string& path, bool fromEditor);
    // The settings menu also holds the editor entry, which is usable from the end of the splash.
    void SetSettingsEnabled(bool on);
    void EnableAfterLoad();
    // The panel's settings and every check mark, from the settings in force.
    void ShowSettings();
    void ShowAnalysisMode();
    void DrawScreen(bool clear);
    bool Drawable() const;
    void PlacePicture();
    void ShowHelp(const HelpText& help);
    void BuildFrequencyMenu();
    void ChooseFrequencyAnalysis(PlottingPosition position, Distribution distribution);
    // The frequency menu's check marks and the return-period window, from the choice in force.
    void ShowFrequencyChoice();
    // The smallest client area in which the panel, the picture and the status line keep apart.
    QSize MinimumClientSize() const;

    hc::PlatformServices& platform_;
    RainApp app_;
    std::string startDir_;
    bool shown_ = false;

    QWidget* client_ = nullptr;
    QFrame* pictureFrame_ = nullptr;
    hc::PictureBox* picture_ = nullptr;     // Picture1
    QLineEdit* fileBox_ = nullptr;          // Text1: DataPath
    QLineEdit* meanBox_ = nullptr;          // Text2
    QLineEdit* maxBox_ = nullptr;           // Text3
    QLineEdit* minBox_ = nullptr;           // Text4
    QLineEdit* scaleMaxBox_ = nullptr;      // Text5
    QLineEdit* scaleMinBox_ = nullptr;      // Text6
    QLineEdit* rightBox_ = nullptr;         // Text7: print position right (mm)
    QLineEdit* upBox_ = nullptr;            // Text8: print position up (mm)
    QLabel* modeNote_ = nullptr;            // Label17
    QLabel* modeHeading_ = nullptr;         // Label18
    std::array<QLabel*, 3> widthLabels_{};  // Label23..25: solid, dotted, regression
    QLabel* statusText_ = nullptr;

    QMenu* fileMenu_ = nullptr;  // mnuFile
    QAction* openItem_ = nullptr;
    QAction* printerItem_ = nullptr;
    QAction* printItem_ = nullptr;
    QAction* exitItem_ = nullptr;
    QMenu* settingsMenu_ = nullptr;  // mnuSellect
    std::array<QAction*, kScaleMinChoices.size()> scaleMinItems_{};
    std::array<QAction*, kScaleMaxChoices.size()> scaleMaxItems_{};
    // Per line (solid, dotted, regression), the items of widths 1..5.
    std::array<std::array<QAction*, kMaxLineWidth>, 3> widthItems_{};
    QAction* editorItem_ = nullptr;  // mnuEditFile
    QMenu* analysisMenu_ = nullptr;  // mnuAna
    std::array<QAction*, 3> modeItems_{};
    QMenu* helpMenu_ = nullptr;       // mnuMess
    QMenu* frequencyMenu_ = nullptr;  // mnuFreq: plotting position, distribution, return periods
    std::array<QAction*, std::size(kPositionFormulas)> positionItems_{};
    std::array<QAction*, std::size(kDistributionNames)> distributionItems_{};
    hc::ChartExportActions* exports_ = nullptr;

    QPointer<hc::SplashWindow> splash_;
    QPointer<MaskEditor> editor_;
    QPointer<ReturnPeriodWindow> returnPeriods_;
    QPointer<FitTableWindow> fitTable_;
    QAction* bandItem_ = nullptr;  // mnuFreqBandItem
};

}  // namespace rain
