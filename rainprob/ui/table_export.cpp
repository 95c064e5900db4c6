#include "rainprob/ui/table_export.h"

#include <QFileInfo>
#include <QStringList>
#include <QTableWidget>

#include "common/core/file_write.h"
#include "common/core/language.h"
#include "common/ui/window_helpers.h"
#include "rainprob/core/messages.h"

namespace rain {

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
