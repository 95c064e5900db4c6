#include "rainprob/ui/fit_table_window.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/core/file_write.h"
#include "common/core/language.h"
#include "common/core/numbers.h"
#include "common/render/fonts.h"
#include "common/ui/window_helpers.h"
#include "rainprob/core/messages.h"
#include "rainprob/ui/table_export.h"

namespace rain {

namespace {

constexpr int kColumns = static_cast<int>(std::size(text::kFitTableHeaders));

QString Fixed(const std::optional<double>& v, int decimals) {
    return v ? hc::Q(hc::FixedDecimals(*v, decimals)) : QString();
}

}  // namespace

FitTableWindow::FitTableWindow(QWidget* parent, hc::PlatformServices& platform, const RainApp& app)
    : QDialog(parent), platform_(platform), app_(app) {
    setObjectName("frmFitTable");
    setWindowTitle(hc::T(text::kFitTableTitle));
    setFont(hc::MakeFont(hc::kGothic, 9));
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(this);
    heading_->setObjectName("lblPosition");
    QStringList headers;
    for (const char* h : text::kFitTableHeaders)
        headers << hc::T(h);
    table_ = MakeResultsTable(this, "tblFitTable", static_cast<int>(std::size(kDistributionNames)),
                              headers);
    status_ = new QLabel(this);
    status_->setObjectName("lblStatus");
    QHBoxLayout* buttons = TableButtons(this, [this] { SaveCsv(); }, [this] { Copy(); });
    layout->addWidget(heading_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    Refresh();
    table_->resizeColumnsToContents();
    int tableHeight = table_->horizontalHeader()->sizeHint().height() + 2 * table_->frameWidth();
    for (int r = 0; r < table_->rowCount(); ++r)
        tableHeight += table_->rowHeight(r);
    table_->setMinimumHeight(tableHeight);
    setMinimumSize(layout->minimumSize());
    resize(900, layout->sizeHint().height());
    hc::CentreOnScreen(this);
}

void FitTableWindow::Refresh() {
    heading_->setText(hc::Q(text::FitTableHeading(app_.Position())));
    const std::vector<FitTableRow> rows = app_.FitTable();
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const FitTableRow& row = rows[static_cast<std::size_t>(r)];
        QString cells[kColumns];
        cells[0] = row.rank ? QString::number(row.rank) : QString();
        cells[1] = hc::T(text::DistributionLabel(row.kind));
        cells[2] = hc::T(text::MethodLabel(row.kind));
        if (row.fit) {
            cells[3] = Fixed(row.fit->slsc, 3);
            cells[4] = row.accepted ? "○" : "×";
            cells[5] = Fixed(row.fit->ppcc, 4);
            cells[6] = Fixed(row.fit->standardError, 1);
            cells[7] = Fixed(row.wet100, 0);
            cells[8] = Fixed(row.wet100Error, 1);
        } else {
            cells[9] = hc::Q(hc::ShownReason(row.fit.error()));
        }
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            const bool words = c == 1 || c == 2 || c == 9;
            item->setTextAlignment((words ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    }
    status_->clear();
}

QString FitTableWindow::TableText() const {
    return TabSeparatedText(*table_);
}

void FitTableWindow::SaveCsv() {
    const std::string status = SaveTableCsv(platform_, app_.DataPath(), text::kFitTableCsvTitle,
                                            "fit", app_.FitTableCsv());
    if (!status.empty())
        status_->setText(hc::Q(status));
}

void FitTableWindow::Copy() {
    QGuiApplication::clipboard()->setText(TableText());
    status_->setText(hc::T(text::kFitTableCopied));
}

}  // namespace rain
