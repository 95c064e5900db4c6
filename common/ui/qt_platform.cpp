#include "common/ui/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <iostream>

#include "common/ui/window_helpers.h"

namespace hc {

QString QtNameFilters(const std::string& filter) {
    QStringList out;
    for (const auto& [desc, pattern] : SplitFilter(filter)) {
        QString d = QString::fromStdString(desc).trimmed();
        // Patterns such as "*.Xls" must match "data.xls" and "DATA.XLS" as well: the classic
        // dialog ignores case, the desktop's dialogs here do not.
        QStringList patterns;
        for (const QString& one : QString::fromStdString(pattern).split(';', Qt::SkipEmptyParts)) {
            for (const QString& variant :
                 {one.trimmed(), one.trimmed().toLower(), one.trimmed().toUpper()}) {
                if (!variant.isEmpty() && !patterns.contains(variant))
                    patterns << variant;
            }
        }
        QString p = patterns.join(' ');
        if (d.contains('(')) {
            out << d.left(d.indexOf('(')).trimmed() + " (" + p + ")";
        } else {
            out << d + " (" + p + ")";
        }
    }
    return out.join(";;");
}

QtPlatformServices::QtPlatformServices(QWidget* parent) : parent_(parent) {
    printer_.setPageSize(QPageSize(QPageSize::A4));
}

QtPlatformServices::~QtPlatformServices() {
    if (printerSurface_)
        printerSurface_->Finish();
}

QWidget* QtPlatformServices::DialogParent() const {
    QWidget* w = QApplication::activeWindow();
    return w ? w : parent_;
}

void QtPlatformServices::MessageBox(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, Q(title), MessageText(text), QMessageBox::Ok,
                    DialogParent());
    box.setObjectName("MessageBox");
    box.exec();
}

namespace {

std::optional<std::string> RunFileDialog(QWidget* parent, const FileDialogRequest& r, bool save) {
    QFileDialog dlg(parent, QString::fromStdString(r.title));
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setOption(QFileDialog::DontUseNativeDialog, qEnvironmentVariableIsSet("HC_PLAIN_DIALOGS"));
    dlg.setOption(QFileDialog::DontConfirmOverwrite, false);
    QStringList filters = QtNameFilters(r.filter).split(";;", Qt::SkipEmptyParts);
    dlg.setNameFilters(filters);
    if (r.filterIndex >= 1 && r.filterIndex <= filters.size())
        dlg.selectNameFilter(filters[r.filterIndex - 1]);
    if (!r.defaultSuffix.empty()) {
        QString suffix = QString::fromStdString(r.defaultSuffix);
        if (suffix.startsWith('.'))
            suffix.remove(0, 1);
        dlg.setDefaultSuffix(suffix);
    }
    if (!r.initialPath.empty()) {
        QFileInfo fi(QString::fromStdString(r.initialPath));
        if (fi.isDir()) {
            dlg.setDirectory(fi.absoluteFilePath());
        } else {
            dlg.setDirectory(fi.absolutePath());
            dlg.selectFile(fi.fileName());
        }
    } else {
        dlg.setDirectory(QDir::currentPath());
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    QString chosen = dlg.selectedFiles().first();
    // The classic dialog makes the chosen folder current.
    QDir::setCurrent(QFileInfo(chosen).absolutePath());
    return QDir::toNativeSeparators(chosen).toStdString();
}

}  // namespace

std::optional<std::string> QtPlatformServices::OpenFileDialog(const FileDialogRequest& request) {
    return RunFileDialog(DialogParent(), request, false);
}

std::optional<std::string> QtPlatformServices::SaveFileDialog(const FileDialogRequest& request) {
    return RunFileDialog(DialogParent(), request, true);
}

Surface& QtPlatformServices::Printer() {
    if (!printerSurface_)
        printerSurface_ = QtSurface::OnPrinter(&printer_);
    return *printerSurface_;
}

bool QtPlatformServices::ShowPrinterDialog() {
    if (printerSurface_)
        printerSurface_->Finish();
    QPrintDialog dlg(&printer_, DialogParent());
    dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
    bool ok = dlg.exec() == QDialog::Accepted;
    if (ok && printerSurface_)
        printerSurface_->ResetDocuments();
    return ok;
}

std::optional<std::string> QtPlatformServices::TakePrinterError() {
    if (!printerSurface_ || !printerSurface_->TakeFailure())
        return std::nullopt;
    QString name = printer_.outputFormat() == QPrinter::PdfFormat ? printer_.outputFileName()
                                                                  : printer_.printerName();
    if (name.isEmpty())
        return std::string("プリンタが見つかりません");
    return "プリンタ " + name.toStdString() + " に出力できません";
}

void QtPlatformServices::Beep() {
    QApplication::beep();
}

void QtPlatformServices::SetMousePointer(int code) {
    if (code == kPointerHourglass) {
        if (pointer_ != kPointerHourglass)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (pointer_ == kPointerHourglass) {
        QApplication::restoreOverrideCursor();
    }
    pointer_ = code;
}

bool QtPlatformServices::OpenWithDesktop(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

bool QtPlatformServices::StartProgram(const std::string& program,
                                      const std::vector<std::string>& args) {
    QStringList a;
    for (const auto& s : args)
        a << QString::fromStdString(s);
    return QProcess::startDetached(QString::fromStdString(program), a);
}

std::optional<std::string> QtPlatformServices::FindProgram(const std::string& name) {
    QString p = QStandardPaths::findExecutable(QString::fromStdString(name));
    if (p.isEmpty())
        return std::nullopt;
    return p.toStdString();
}

std::string QtPlatformServices::CurrentDirectory() {
    return QDir::currentPath().toStdString();
}

bool QtPlatformServices::SetCurrentDirectory(const std::string& path) {
    return QDir::setCurrent(QString::fromStdString(path));
}

std::optional<std::string> QtPlatformServices::LocateDataFile(const std::string& startDir,
                                                              const std::string& name) {
    const std::vector<std::string> dirs =
        DataFileDirs(startDir, QCoreApplication::applicationDirPath().toStdString());
    std::optional<std::string> found = FindFileInDirs(dirs, name);
    // The window shows what the missing file means; standard error says where it was sought,
    // which is what an installation needs to be put right.
    if (!found)
        std::cerr << QCoreApplication::applicationName().toStdString() << ": "
                  << MissingDataFileReport(name, dirs) << "\n";
    return found;
}

}  // namespace hc
