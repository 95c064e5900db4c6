#include "rainprob/ui/return_period_window.h"

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

// return period, dry year, wet year, then the jackknife of each
constexpr int kColumns = 3 + static_cast<int>(std::size(text::kJackknifeHeaders));

QString Mm(double v) {
    return QString::number(static_cast<qlonglong>(hc::RoundHalfEven(v)));
}

}  // namespace

ReturnPeriodWindow::ReturnPeriodWindow(QWidget* parent, hc::PlatformServices& platform,
                                       const RainApp& app)
    : QDialog(parent), platform_(platform), app_(app) {
    setObjectName("frmReturnPeriods");
    setWindowTitle(hc::T(text::kReturnPeriodTitle));
    setFont(hc::MakeFont(hc::kGothic, 9));
    auto* layout = new QVBoxLayout(this);
    fitLine_ = new QLabel(this);
    fitLine_->setObjectName("lblFit");
    qualityLine_ = new QLabel(this);
    qualityLine_->setObjectName("lblQuality");
    jackknifeLine_ = new QLabel(this);
    jackknifeLine_->setObjectName("lblJackknife");
    jackknifeLine_->setWordWrap(true);
    QStringList headers{hc::T(text::kPeriodHeader), hc::T(text::kDryHeader),
                        hc::T(text::kWetHeader)};
    for (const char* h : text::kJackknifeHeaders)
        headers << hc::T(h);
    table_ = MakeResultsTable(this, "tblReturnPeriods", static_cast<int>(std::size(kReturnPeriods)),
                              headers);
    status_ = new QLabel(this);
    status_->setObjectName("lblStatus");
    QHBoxLayout* buttons = TableButtons(this, [this] { SaveCsv(); }, [this] { Copy(); });
    layout->addWidget(fitLine_);
    layout->addWidget(qualityLine_);
    layout->addWidget(jackknifeLine_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    Refresh();
    // Room for every row and the longest header without scroll bars; the layout keeps the
    // parts apart below that.
    table_->resizeColumnsToContents();
    int tableHeight = table_->horizontalHeader()->sizeHint().height() + 2 * table_->frameWidth();
    for (int r = 0; r < table_->rowCount(); ++r)
        tableHeight += table_->rowHeight(r);
    int tableWidth = 2 * table_->frameWidth();
    for (int c = 0; c < kColumns; ++c)
        tableWidth += table_->columnWidth(c) + 16;
    table_->setMinimumSize(tableWidth, tableHeight);
    setMinimumSize(layout->minimumSize());
    adjustSize();
    hc::CentreOnScreen(this);
}

void ReturnPeriodWindow::Refresh() {
    fitLine_->setText(hc::Q(text::FitHeading(app_.Position(), app_.DistributionChoice())));
    qualityLine_->setText(hc::Q(text::FitQuality(app_.Fit())));
    jackknifeLine_->setText(
        hc::Q(text::JackknifeNote(app_.Table().Count(), app_.JackknifeRefused())));
    const std::vector<ReturnPeriodValue> rows = app_.ReturnPeriods();
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const ReturnPeriodValue& v = rows[static_cast<std::size_t>(r)];
        QString cells[kColumns] = {QString::number(v.years), QString::number(v.dryMm),
                                   QString::number(v.wetMm)};
        int c = 3;
        for (const std::optional<JackknifeValue>& j : {v.dryJackknife, v.wetJackknife}) {
            cells[c++] = j ? Mm(j->mean) : QString();
            cells[c++] = j ? Mm(j->corrected) : QString();
            cells[c++] = j ? hc::Q(hc::FixedDecimals(j->standardError, 1)) : QString();
        }
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    }
    status_->clear();
}

QString ReturnPeriodWindow::TableText() const {
    return TabSeparatedText(*table_);
}

void ReturnPeriodWindow::SaveCsv() {
    const std::string status =
        SaveTableCsv(platform_, app_.DataPath(), text::kCsvTitle, "return", app_.ReturnPeriodCsv());
    if (!status.empty())
        status_->setText(hc::Q(status));
}

void ReturnPeriodWindow::Copy() {
    QGuiApplication::clipboard()->setText(TableText());
    status_->setText(hc::T(text::kCopied));
}

}  // namespace rain
