// The 適合度 table: every distribution fitted to the record in force, ranked by SLSC with the
// 0.04 acceptance, the probability-plot correlation, the standard error and the jackknife error
// of the 1 in 100 wet year; saved as CSV or copied. It follows the main window while open.
#pragma once

#include <QDialog>

#include "common/core/platform.h"
#include "rainprob/core/rain_app.h"

class QLabel;
class QTableWidget;

namespace rain {

// Named frmFitTable; the table is tblFitTable, the buttons cmdSaveCsv, cmdCopy and cmdClose,
// the heading lblPosition, the outcome of a save or copy lblStatus.
class FitTableWindow : public QDialog {
    Q_OBJECT
  public:
    FitTableWindow(QWidget* parent, hc::PlatformServices& platform, const RainApp& app);

    void Refresh();
    // The table as copied: a header row, then one row per distribution, tab-separated.
    QString TableText() const;

  private Q_SLOTS:
    void SaveCsv();
    void Copy();

  private:
    hc::PlatformServices& platform_;
    const RainApp& app_;
    QLabel* heading_;
    QTableWidget* table_;
    QLabel* status_;
};

}  // namespace rain
