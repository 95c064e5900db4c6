#include "rainprob/ui/table_export.h"

#include <QDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>

#include "common/core/file_write.h"
#include "common/core/language.h"
#include "common/ui/window_helpers.h"
#include "rainprob/core/messages.h"

namespace rain {

QTableWidget* MakeResultsTable(QDialog* window, const char* name, int rows,
                               const QStringList& headings) {
    auto* table = new QTableWidget(rows, static_cast<int>(headings.size()), window);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    hc::MakeResultTable(table);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QHBoxLayout* TableButtons(QDialog* window, std::function<void()> save,
                          std::function<void()> copy) {
    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name, const char* caption) {
        auto* b = new QPushButton(hc::T(caption), window);
        b->setObjectName(name);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    QObject::connect(button("cmdSaveCsv", text::kSaveCsvButton), &QPushButton::clicked, window,
                     std::move(save));
    QObject::connect(button("cmdCopy", text::kCopyButton), &QPushButton::clicked, window,
                     std::move(copy));
    buttons->addStretch(1);
    QObject::connect(button("cmdClose", text::kCloseButton), &QPushButton::clicked, window,
                     &QDialog::close);
    return buttons;
}

QString TabSeparatedText(const QTableWidget& table) {
    QStringList lines;
    QStringList header;
    for (int c = 0; c < table.columnCount(); ++c)
        header << table.horizontalHeaderItem(c)->text().replace('\n', ' ');
    lines << header.join('\t');
    for (int r = 0; r < table.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table.columnCount(); ++c)
            row << (table.item(r, c) ? table.item(r, c)->text() : QString());
        lines << row.join('\t');
    }
    return lines.join('\n') + '\n';
}

std::string SaveTableCsv(hc::PlatformServices& platform, const std::string& dataPath,
                         const char* title, const char* suffix, const std::string& csv) {
    hc::FileDialogRequest r;
    r.title = hc::TS(title);
    r.filter = hc::TS(text::kCsvFilter);
    const QFileInfo data(hc::Q(dataPath));
    r.initialPath =
        hc::S(data.absolutePath() + "/" + data.completeBaseName() + "-" + suffix + ".csv");
    r.defaultSuffix = ".csv";
    const std::optional<std::string> path = platform.SaveOutputDialog(r);
    if (!path)
        return {};
    hc::Status saved = platform.CheckOutput(*path);
    if (saved)
        saved = hc::WriteFileAtomically(*path, csv);
    return saved ? text::Saved(*path) : text::SaveRefused(saved.error());
}

}  // namespace rain
