#include "waterquality/ui/data_check_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "common/core/language.h"
#include "common/ui/window_helpers.h"
#include "waterquality/core/messages.h"
#include "waterquality/core/sample_csv.h"

namespace wq {

namespace {

using hc::Q;

QTableWidget* MakeTable(QWidget* parent, const char* name, int rows, const QStringList& headers) {
    auto* t = new QTableWidget(rows, static_cast<int>(headers.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headers);
    hc::MakeResultTable(t);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

template <std::size_t N>
QStringList Headers(const std::array<const char*, N>& texts) {
    QStringList out;
    for (const char* t : texts)
        out << hc::T(t);
    return out;
}

QTableWidgetItem* Cell(const std::string& text, bool number = false) {
    auto* item = new QTableWidgetItem(Q(text));
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QLabel* Heading(QWidget* parent, const char* name, const std::string& text) {
    auto* l = new QLabel(Q(text), parent);
    l->setObjectName(name);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

QColor DataCheckWindow::FlagColour(BalanceFlag flag) {
    switch (flag) {
        case BalanceFlag::Above5:
            return QColor(255, 224, 130);
        case BalanceFlag::Above10:
            return QColor(255, 160, 160);
        case BalanceFlag::Ok:
        case BalanceFlag::Undefined:
            break;
    }
    return {};
}

DataCheckWindow::DataCheckWindow(QWidget* parent, const DataCheck& check) : QDialog(parent) {
    setObjectName("FormCheck");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Q(hc::TS(kCheckTitle) + " - " + CheckFileLine(check.path, check.loaded)));
    auto* column = new QVBoxLayout(this);
    column->addWidget(Heading(this, "CheckFile", CheckFileLine(check.path, check.loaded)));

    column->addWidget(Heading(this, "SuspectHeading", hc::TS(kSuspectHeading)));
    if (check.suspects.cells.empty())
        column->addWidget(new QLabel(hc::T(kNoSuspects), this));
    else
        column->addWidget(BuildSuspectTable(check.suspects, IsCsvPath(check.path)), 1);

    column->addWidget(Heading(this, "RowsHeading", hc::TS(kRowsHeading)));
    if (check.loaded)
        column->addWidget(BuildRowTable(check.rows), 2);
    else
        column->addWidget(new QLabel(hc::T(kNoRowsRefused), this));

    auto* close = new QPushButton(hc::T(kCloseButton), this);
    close->setObjectName("CloseButton");
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    column->addWidget(close, 0, Qt::AlignRight);
    resize(900, 560);
}

QTableWidget* DataCheckWindow::BuildSuspectTable(const SuspectReport& report, bool table) {
    const int n = static_cast<int>(report.cells.size());
    QStringList headers = Headers(kSuspectColumns);
    if (table)
        headers[0] = hc::T(kTablePlaceColumn);  // "5:Cl", no workbook cell
    QTableWidget* t = MakeTable(this, "SuspectTable", n, headers);
    for (int i = 0; i < n; ++i) {
        const SuspectCell& c = report.cells[static_cast<std::size_t>(i)];
        const std::string sample =
            c.sample > 0 ? std::to_string(c.sample) + ": " + c.sampleName : std::string();
        t->setItem(i, 0, Cell(c.reference));
        t->setItem(i, 1, Cell(sample));
        t->setItem(i, 2, Cell(c.Message(ShownLanguage())));
        t->setItem(i, 3, Cell(hc::TS(c.refusesLoad ? kRefusesLoad : kReadAnyway)));
        if (c.refusesLoad)
            t->item(i, 3)->setForeground(QColor(192, 0, 0));
    }
    t->resizeColumnsToContents();
    // The reason takes the room; the verdict stays beside it.
    t->horizontalHeader()->setStretchLastSection(false);
    t->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    return t;
}

QTableWidget* DataCheckWindow::BuildRowTable(const std::vector<CheckRow>& rows) {
    const int n = static_cast<int>(rows.size());
    QTableWidget* t = MakeTable(this, "CheckTable", n, Headers(kCheckColumns));
    for (int i = 0; i < n; ++i) {
        const CheckRow& r = rows[static_cast<std::size_t>(i)];
        t->setItem(i, 0, Cell(std::to_string(r.number), true));
        t->setItem(i, 1, Cell(r.name));
        t->setItem(i, 5, Cell(BalanceText(r, ShownLanguage())));
        if (!r.drawn)
            continue;
        t->setItem(i, 2, Cell(FixedDecimals(r.balance.cationSum, 3), true));
        t->setItem(i, 3, Cell(FixedDecimals(r.balance.anionSum, 3), true));
        t->setItem(i, 4, Cell(r.balance.cbe ? FixedDecimals(*r.balance.cbe, 2) : "", true));
        t->setItem(i, 6, Cell(DominantTypeName(r.dominant, ShownLanguage())));
        t->setItem(i, 7, Cell(DiamondFieldName(r.field, ShownLanguage())));
        if (const QColor flag = FlagColour(r.balance.flag); flag.isValid())
            for (int col : {4, 5})
                t->item(i, col)->setBackground(flag);
    }
    t->resizeColumnsToContents();
    return t;
}

}  // namespace wq
