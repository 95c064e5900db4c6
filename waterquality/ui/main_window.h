// The main window (Form1) shared by the water-quality programs: the chart view, the status
// boxes and the menus. It shows a DiagramApp, turns menu events into its requests and shows
// what they give (the loading notice, the message box, the beeps, the caption, the status
// line) where the programs always did. A program plugs in its texts (DiagramProgram), whose
// variant carries its rules and drawing.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <string>
#include <vector>

#include "common/core/platform.h"
#include "waterquality/core/diagram_app.h"
#include "waterquality/ui/diagram_program.h"

class QAction;
class QLineEdit;
class QMenu;
class QScrollBar;
class QTableView;

namespace hc {
class ChartExportActions;
class PictureBox;
class SplashWindow;
}  // namespace hc

namespace wq {

class DataCheckWindow;
class LoadingNotice;
class PageSetupWindow;
class TextTableModel;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(hc::PlatformServices& platform, const DiagramProgram& program);
    ~MainWindow() override;

    // What File>Open does once its dialog has given a path (an empty path is a cancel).
    void OpenFile(const std::string& path);

    // The model shown, for tests and for anything that reads the data in force.
    const DiagramApp& App() const { return app_; }
    // The start-up splash while it is shown.
    QPointer<hc::SplashWindow> Splash() const { return splash_; }
    // The status bar line (a failure reason).
    QString StatusText() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private Q_SLOTS:
    void ChooseFile();
    void ShowTemplate();
    void ShowDataCheck();
    void OpenPageSetup();
    void PrintChart();
    void Exit();
    void ChooseNitrate(int index);
    void ChooseScale(int column, int index);
    void ChooseStyle(int group, int index);
    void ChooseWidth(int group, int index);
    void ShowHelp(int topic);  // 0 use, 1 data entry, 2 nitrate type, 3 version
    void Scroll(int value);
    void SetShifts(const QString& right, const QString& up);
    void EnableFileMenus();

  private:
    // The redraw entry every menu ends in.
    void Redraw(Request request);
    void LoadAndDraw();
    // Clears the view and draws the chart; shows the scroll bar when needed.
    void DrawScreen();

    void BuildMenus();
    void BuildKindMenu();
    void ChooseKind(DiagramKind kind);
    void ChooseKindOptions();
    void SetDataMenusEnabled(bool on);
    void BuildView();
    void BuildStatusArea(QWidget* host);
    void LayoutView();
    void EnableDataMenus();
    void EnableColumnScales();
    // Check marks and the type box as the settings in force say.
    void ShowSettings();
    void Status(const std::string& text);
    void Status(const hc::Error& error);
    void ShowLoadingNotice();
    void CloseLoadingNotice();

    hc::PlatformServices& platform_;
    const DiagramProgram& program_;
    DiagramApp app_;
    std::string startDir_;
    bool exiting_ = false;

    QWidget* viewHost_ = nullptr;
    QWidget* chartView_ = nullptr;            // Picture1: the square window onto the chart
    hc::PictureBox* chart_ = nullptr;         // Picture2: the chart, twice as wide when scrolled
    QScrollBar* chartScroll_ = nullptr;       // HScroll1
    QLineEdit* nitrateBox_ = nullptr;         // Text1: how nitrate is shown
    QLineEdit* shiftRightBox_ = nullptr;      // Text2: print shift to the right, mm
    QLineEdit* shiftUpBox_ = nullptr;         // Text3: print shift up, mm
    QPointer<hc::SplashWindow> splash_;
    QPointer<PageSetupWindow> pageSetup_;
    QPointer<LoadingNotice> notice_;
    QPointer<DataCheckWindow> dataCheck_;
    hc::ChartExportActions* exports_ = nullptr;

    QMenu* mnuFile_ = nullptr;
    QMenu* mnuType_ = nullptr;
    QMenu* mnuScale_ = nullptr;
    QMenu* mnuStyle_ = nullptr;
    QMenu* mnuWidth_ = nullptr;
    QMenu* mnuHelp_ = nullptr;
    QAction* mnuFilePageItem_ = nullptr;
    QAction* mnuFilePrintItem_ = nullptr;
    QAction* mnuFileEndItem_ = nullptr;
    QAction* mnuFileCheckItem_ = nullptr;
    std::array<QAction*, 3> mnuTypeVal_{};
    std::array<QMenu*, kMaxColumns> mnuScaleColumn_{};
    std::array<std::array<QAction*, kScaleCount>, kMaxColumns> mnuScaleVal_{};
    std::vector<std::array<QAction*, kStyleChoiceCount>> mnuStyleVal_;
    std::vector<std::array<QAction*, 5>> mnuWidthVal_;
    // wqplot: the diagram kinds and their options (fields, labels, TDS circles, K apart).
    static constexpr std::size_t kKindOptionCount = 6;
    QMenu* mnuKind_ = nullptr;
    std::vector<QAction*> mnuKindVal_;
    std::array<QAction*, kKindOptionCount> mnuKindOption_{};
    QTableView* tableView_ = nullptr;
    TextTableModel* tableModel_ = nullptr;
};

// Moves the check mark of a group to item `chosen` (none when it is -1).
void MoveCheck(const std::vector<QAction*>& group, int chosen);

}  // namespace wq
