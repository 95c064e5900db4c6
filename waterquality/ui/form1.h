// The main window (Form1) shared by the water-quality programs: the chart view, the status
// boxes, the menus that change the plot settings, and the redraw entry every menu ends in.
// A program plugs in its texts (DiagramProgram) and its drawing (DiagramStrategy).
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <string>
#include <vector>

#include "common/core/platform.h"
#include "common/ui/chart_export.h"
#include "common/ui/picture_box.h"
#include "common/ui/splash_window.h"
#include "waterquality/core/diagram_strategy.h"
#include "waterquality/core/samples.h"
#include "waterquality/core/workbook_load.h"
#include "waterquality/ui/diagram_program.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;

namespace wq {

class Form2;
class Form8;

// RedrawRequest codes.
inline constexpr int kRequestNothing = -1;
inline constexpr int kRequestLoad = 0;
inline constexpr int kRequestTemplate = 1;
inline constexpr int kRequestRedraw = 2;
inline constexpr int kRequestPrint = 3;

class Form1 : public QMainWindow, private LoadHost {
    Q_OBJECT
  public:
    Form1(hc::PlatformServices& platform, const DiagramProgram& program,
          const DiagramStrategy& strategy);
    ~Form1() override;

    // Module state of the program.
    SampleTable table;
    PlotSettings settings;
    std::string StartDir;
    std::string DataPath;
    int RedrawRequest = kRequestNothing;

    // The redraw entry, steered by RedrawRequest.
    void Redraw();
    // Clears the view and draws every column; shows the scroll bar when needed.
    void DrawScreen();

    // Menu handlers (public so that tests and scripts can drive them like the menus do).
    void FileOpen();
    // File>Open once the path is chosen (also a file named on the command line or dropped).
    void OpenDataFile(const std::string& path);
    void FileNew();
    void FilePageSetup();
    void FilePrint();
    void FileExit();
    void ChooseNitrate(int index);
    void ChooseScale(int column, int index);
    void ChooseStyle(int group, int index);
    void ChooseWidth(int group, int index);
    void ShowHelp(int topic);  // 0 use, 1 data entry, 2 nitrate type, 3 version

    // Controls.
    QWidget* Picture1 = nullptr;
    hc::PictureBox* Picture2 = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QPointer<hc::SplashWindow> Form9;
    QPointer<Form2> PageSetup;

    // Menus.
    QMenu* mnuFile = nullptr;
    QMenu* mnuType = nullptr;
    QMenu* mnuScale = nullptr;
    QMenu* mnuStyle = nullptr;
    QMenu* mnuWidth = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuFileOpenItem = nullptr;
    QAction* mnuFileNewItem = nullptr;
    QAction* mnuFilePageItem = nullptr;
    QAction* mnuFilePrintItem = nullptr;
    QAction* mnuFileEndItem = nullptr;
    std::array<QAction*, 3> mnuTypeVal{};
    std::array<QMenu*, kMaxColumns> mnuScaleColumn{};
    std::array<std::array<QAction*, kScaleCount>, kMaxColumns> mnuScaleVal{};
    std::vector<std::array<QAction*, 2>> mnuStyleVal;
    std::vector<std::array<QAction*, 5>> mnuWidthVal;

    // The status bar line (a failure reason), for tests.
    QString StatusText() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildView();
    void BuildStatusArea(QWidget* host);
    void LayoutView();
    void OnScroll(int value);
    void EnableDataMenus();
    void ApplyFirstLoadDefaults();
    void EnableColumnScales();
    void MarkScales(int index);
    PrintOffset CurrentOffset() const;
    void Status(const std::string& reason);

    // LoadHost
    void ShowLoadingNotice() override;
    void CloseLoadingNotice() override;
    void SetCaption(const std::string& caption) override;
    void FocusMain() override;

    hc::PlatformServices& platform_;
    hc::ChartExportActions* exports_ = nullptr;
    const DiagramProgram& program_;
    const DiagramStrategy& strategy_;
    QWidget* viewHost_ = nullptr;
    QPointer<Form8> notice_;
    bool exiting_ = false;
};

// Moves the check mark of a group to item `chosen`.
void MoveCheck(const std::vector<QAction*>& group, int chosen);

}  // namespace wq
