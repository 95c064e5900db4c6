#include "support/pdf_files.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace hc::test {

int PdfPageCount(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    QByteArray data = f.readAll();
    return static_cast<int>(data.count("/Type /Page\n") + data.count("/Type /Page ") +
                            data.count("/Type /Page>") + data.count("/Type/Page\n") +
                            data.count("/Type/Page/"));
}

std::optional<std::string> PdfText(const std::string& path) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        return std::nullopt;
    QProcess p;
    p.start("pdftotext", {"-layout", QString::fromStdString(path), "-"});
    p.waitForFinished(30000);
    return p.readAllStandardOutput().toStdString();
}

}  // namespace hc::test
