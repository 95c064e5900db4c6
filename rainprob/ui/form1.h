// The main window of rainprob: the panel with the open file, the record's mean and extremes
// and the drawing settings, the chart picture, the menus, and RefreshChart, the one entry
// every menu action ends in (load, redraw, print, exit).
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <optional>
#include <string>

#include "common/core/platform.h"
#include "common/ui/chart_export.h"
#include "common/ui/splash_window.h"
#include "rainprob/core/model.h"
#include "rainprob/ui/mask_editor.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;

namespace hc {
class PictureBox;
}  // namespace hc

namespace rain {

// The caption before a file is loaded; the loaded path is appended as "  < path > ".
inline constexpr const char* kMainCaption = "年降水量の非超過確率分布の作図";
// Title of message boxes that have none of their own.
inline constexpr const char* kAppTitle = "rainprob";
// The open dialog's filter, all files first.
inline constexpr const char* kRainFileFilter = "All Files (*.*)|*.*|Text Files (*.txt)|*.txt";

// ChartAction codes.
enum ChartActionCode { kActionExit = -1, kActionPrint = 0, kActionRedraw = 1, kActionLoad = 2 };

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit Form1(hc::PlatformServices& platform, QWidget* parent = nullptr);
    ~Form1() override;

    const RainModel& Model() const { return model_; }
    const std::string& StartDir() const { return startDir_; }
    const std::string& DataPath() const { return dataPath_; }
    int ChartAction() const { return chartAction_; }
    // The start-up splash while it is shown.
    hc::SplashWindow* Form9() const { return form9_; }
    // The mask editor while it is open.
    Form3* Editor() const { return form3_; }

    // The dispatcher. Action 2 reports whether the file was loaded.
    bool RefreshChart(int action);

    // The editor's save-and-exit hands its file over here.
    void LoadFromEditor(const std::string& path);
    // The editor's forced exit.
    void EditorClosed();
    // One line in the status bar (file, line, what was wrong).
    void ShowStatus(const std::string& text);
    QString StatusText() const;

    // Enabled state of a top-level menu.
    static bool MenuEnabled(const QMenu* menu);

    // Controls, named as the program names them.
    hc::PictureBox* Picture1;
    QLineEdit* Text1;  // DataPath
    QLineEdit* Text2;  // mean
    QLineEdit* Text3;  // maximum
    QLineEdit* Text4;  // minimum
    QLineEdit* Text5;  // ScaleMax
    QLineEdit* Text6;  // ScaleMin
    QLineEdit* Text7;  // print offset right (mm)
    QLineEdit* Text8;  // print offset up (mm)
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label23;
    QLabel* Label24;
    QLabel* Label25;

    QMenu* mnuFile;
    QAction* mnuFileOpenItem;
    QAction* mnuPrinterItem;
    QAction* mnuPrintOutItem;
    QAction* mnuEndItem;
    QMenu* mnuSellect;
    QMenu* mnuSetScaleMin;
    QMenu* mnuSetScaleMax;
    std::array<QAction*, 9> mnuScaleMinVal;
    std::array<QAction*, 14> mnuScaleMaxVal;
    QMenu* mnuSetPrntWaku;
    QMenu* mnuSetPrntDott;
    QMenu* mnuSetPrntKaik;
    std::array<QAction*, 5> mnuPrntWakuVal;
    std::array<QAction*, 5> mnuPrntDottVal;
    std::array<QAction*, 5> mnuPrntKaikVal;
    QAction* mnuSetPosItem;
    QAction* mnuEditFile;
    QMenu* mnuAna;
    QAction* mnuAnaNot;
    QAction* mnuAnaLine;
    QAction* mnuAnaAll;
    QMenu* mnuMess;
    QAction* mnuMessEditItem;
    QAction* mnuMessUseItem;
    QAction* mnuMessAnaItem;
    QAction* mnuMessVerItem;

    // Menu handlers.
    void mnuFileOpenItem_Click();
    void mnuPrinterItem_Click();
    void mnuPrintOutItem_Click();
    void mnuEndItem_Click();
    void mnuScaleMinVal_Click(int index);
    void mnuScaleMaxVal_Click(int index);
    void mnuPrntWakuVal_Click(int index);
    void mnuPrntDottVal_Click(int index);
    void mnuPrntKaikVal_Click(int index);
    void mnuSetPosItem_Click();
    void mnuEditFile_Click();
    void mnuAna_Click(int mode);
    void mnuMessEditItem_Click();
    void mnuMessUseItem_Click();
    void mnuMessAnaItem_Click();
    void mnuMessVerItem_Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildPanel(QWidget* client);
    void BuildMenus();
    void SplashClosed();
    // Settings enabled after the first load (the editor entry has its own state).
    void SetSellectEnabled(bool on);
    void EnableAfterLoad();
    // The settings in force with the print offsets of the panel.
    ChartSettings PrintSettings() const;
    void ApplyDefaults();
    void SetAnalysisMode(int mode);
    void CheckScaleItems();
    void DrawScreen(bool clear);
    void PlacePicture();
    bool ScalePairValid() const;

    hc::PlatformServices& platform_;
    RainModel model_;
    hc::ChartExportActions* exports_ = nullptr;
    std::string startDir_;
    std::string dataPath_;
    int chartAction_ = kActionRedraw;
    bool sellectEnabled_ = false;
    bool shown_ = false;
    QWidget* client_ = nullptr;
    QFrame* pictureFrame_ = nullptr;
    QLabel* statusText_ = nullptr;
    QPointer<hc::SplashWindow> form9_;
    QPointer<Form3> form3_;
};

}  // namespace rain
