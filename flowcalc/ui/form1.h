// Form1, the main window of flowcalc: the chart picture beside the panel of settings and
// results, the menus, the start-up splash, and the guided sequence after a load.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <array>

#include "common/core/platform.h"
#include "common/ui/chart_export.h"
#include "common/ui/picture_box.h"
#include "common/ui/splash_window.h"
#include "flowcalc/core/flow_model.h"

class QAction;
class QMenu;

namespace flow {

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit Form1(hc::PlatformServices& platform, QWidget* parent = nullptr);

    FlowModel& Model() { return model_; }
    hc::PlatformServices& Platform() { return platform_; }

    // Reads a section file into the model; on success enables the settings menu and opens
    // the scale window. Used by File>Open and by the editor after saving.
    void LoadAndGuide(const std::string& path);
    // Computes at the stored settings, fills the result boxes and draws the chart.
    void ComputeAndDraw();
    void EnablePrint();
    // Panel boxes Text1..Text10.
    QLineEdit* PanelBox(int n) { return text_[static_cast<std::size_t>(n - 1)]; }

    void OpenScaleWindow();
    void OpenParameterWindow();
    void OpenAbout();

    hc::SplashWindow* Splash() { return splash_; }
    hc::PictureBox* Picture() { return Picture1; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    QWidget* BuildPanel();
    void OpenFile();
    void OpenEditor();
    void PrintChart();
    void OpenHelp();
    void Exit();
    // Print width group g (0 frame, 1 section, 2 water), item index 0..4.
    void SetPrintWidth(int group, int index);
    void Redraw();

    hc::PlatformServices& platform_;
    FlowModel model_;
    hc::ChartExportActions* exports_ = nullptr;
    bool splashShown_ = false;
    QPointer<hc::SplashWindow> splash_;

    hc::PictureBox* Picture1 = nullptr;
    std::array<QLineEdit*, 10> text_{};
    std::array<QLabel*, 3> widthLabel_{};
    QMenu* mnuFile = nullptr;
    QMenu* mnuSetting = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuFilePrintItem = nullptr;
    std::array<std::array<QAction*, 5>, 3> widthItems_{};
};

}  // namespace flow
