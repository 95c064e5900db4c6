// A table of texts (wq::TextTable) as a read-only Qt item model: a table of 10,000 rows is
// shown without a widget item per cell.
#pragma once

#include <QAbstractTableModel>

#include "waterquality/core/diagram_strategy.h"

namespace wq {

class TextTableModel : public QAbstractTableModel {
  public:
    explicit TextTableModel(QObject* parent) : QAbstractTableModel(parent) {}
    void SetTable(TextTable table);
    const TextTable& Table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    TextTable table_;
};

}  // namespace wq
