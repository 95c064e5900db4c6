// The data-check window (File>データ確認): every suspect cell of the workbook last opened, and
// for a workbook that loaded, one row per sample with its charge balance (coloured where it
// does not balance), dominant ions and diamond field. It only shows; it changes nothing.
#pragma once

#include <QDialog>

#include "waterquality/core/diagram_app.h"

class QTableWidget;

namespace wq {

class DataCheckWindow : public QDialog {
    Q_OBJECT
  public:
    DataCheckWindow(QWidget* parent, const DataCheck& check);

    // Background of a CBE cell: none within 5 %, amber above 5 %, red above 10 %.
    static QColor FlagColour(BalanceFlag flag);

  private:
    QTableWidget* BuildSuspectTable(const SuspectReport& report, bool table);
    QTableWidget* BuildRowTable(const std::vector<CheckRow>& rows);
};

}  // namespace wq
