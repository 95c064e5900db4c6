// The File menu items that take a chart and its numbers out of a window: 図を保存... (the
// printed sheets as PDF, or each sheet as SVG or PNG, drawn by the same routine as the
// printer), 図をコピー (the picture as shown, to the clipboard) and 数値を保存... (CSV).
#pragma once

#include <QImage>
#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "common/core/platform.h"
#include "common/core/result.h"

class QAction;
class QMenu;

namespace hc {

struct ChartExport {
    std::function<void(Surface&)> drawPaper;  // the whole print run
    std::function<QImage()> screenImage;      // the picture as the window shows it
    std::function<std::string()> csv;         // the numbers
    // The file of the data shown (never one refused or still being set up): the dialogs
    // propose names beside it.
    std::function<std::string()> dataPath;
    std::function<void(const std::string&)> status;  // the window's status line
    // Optional: false when the chart cannot be drawn now; the window has then said why.
    std::function<bool()> canDraw;
};

// Writes the printed sheets to path by its extension: .pdf one file with every sheet; .svg and
// .png sheet 1 under path and sheet k as "name-k.ext". Path was confirmed in a save dialog;
// before anything is written, an input among the files is refused and the user is asked about
// the others that exist (a no writes nothing). The files written, as a print run gives them.
PrintResult SaveFigure(PlatformServices& platform, const std::string& path,
                       const std::function<void(Surface&)>& drawPaper);

// The PNG resolution of saved sheets (the same as hydrochart's default).
inline constexpr double kFigurePngDpi = 200;

class ChartExportActions : public QObject {
    Q_OBJECT
  public:
    // Inserts the three items, between separators, into `file` before `before` (the exit item).
    ChartExportActions(QMenu* file, QAction* before, PlatformServices& platform,
                       ChartExport exports);

    QAction* SaveFigureItem() const { return saveFigure_; }
    QAction* CopyFigureItem() const { return copyFigure_; }
    QAction* SaveNumbersItem() const { return saveNumbers_; }
    // The items need a chart: enabled together with printing.
    void SetEnabled(bool enabled);

  private Q_SLOTS:
    void SaveFigureAs();
    void CopyFigure();
    void SaveNumbersAs();

  private:
    // The name proposed for an output: the data file's name with `suffix`, or with
    // "-<tag>" before it when that would be the data file itself (a CSV table, say).
    std::string Proposed(const char* suffix, const char* tag) const;

    PlatformServices& platform_;
    ChartExport exports_;
    QAction* saveFigure_;
    QAction* copyFigure_;
    QAction* saveNumbers_;
};

}  // namespace hc
