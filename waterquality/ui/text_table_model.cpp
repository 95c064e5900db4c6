#include "waterquality/ui/text_table_model.h"

namespace wq {

void TextTableModel::SetTable(TextTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.headings.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const auto r = static_cast<std::size_t>(index.row());
    const auto c = static_cast<std::size_t>(index.column());
    if (role == Qt::DisplayRole) {
        const std::vector<std::string>& row = table_.rows[r];
        return c < row.size() ? QString::fromStdString(row[c]) : QString();
    }
    if (role == Qt::TextAlignmentRole) {
        const bool right = c < table_.numeric.size() && table_.numeric[c];
        return QVariant::fromValue(Qt::Alignment(right ? Qt::AlignRight | Qt::AlignVCenter
                                                       : Qt::AlignLeft | Qt::AlignVCenter));
    }
    return {};
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return {};
    return QString::fromStdString(table_.headings[static_cast<std::size_t>(section)]);
}

}  // namespace wq
