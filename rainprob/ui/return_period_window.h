// The return-period table: the dry-year and wet-year amounts of 2 to 500 years from the fit in
// force with their jackknife estimates, bias-corrected values and standard errors, and the fit's
// correlation, standard error and SLSC so that fits can be compared; saved as
// CSV or copied for a spreadsheet. It follows the main window's choices while it stays open.
#pragma once

#include <QDialog>

#include "common/core/platform.h"
#include "rainprob/core/rain_app.h"

class QLabel;
class QTableWidget;

namespace rain {

// Named frmReturnPeriods; the table is tblReturnPeriods, the buttons cmdSaveCsv, cmdCopy and
// cmdClose, the fit lines lblFit, lblQuality and lblJackknife, the outcome of a save or copy
// lblStatus.
class ReturnPeriodWindow : public QDialog {
    Q_OBJECT
  public:
    ReturnPeriodWindow(QWidget* parent, hc::PlatformServices& platform, const RainApp& app);

    // Fills the table again from the record and the fit in force.
    void Refresh();
    // The table as copied: a header row (each header on one line), then one row per return
    // period, tab-separated.
    QString TableText() const;

  private Q_SLOTS:
    void SaveCsv();
    void Copy();

  private:
    hc::PlatformServices& platform_;
    const RainApp& app_;
    QLabel* fitLine_;
    QLabel* qualityLine_;
    QLabel* jackknifeLine_;
    QTableWidget* table_;
    QLabel* status_;
};

}  // namespace rain
