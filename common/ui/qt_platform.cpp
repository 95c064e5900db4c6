#include "common/ui/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <iostream>

#include "common/ui/output_files.h"
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

QtPlatformServices::QtPlatformServices(QWidget* parent) : parent_(parent) {}

QtPlatformServices::~QtPlatformServices() = default;

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

bool QtPlatformServices::Question(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Question, Q(title), MessageText(text), QMessageBox::NoButton,
                    DialogParent());
    box.setObjectName("QuestionBox");
    QPushButton* yes = box.addButton("はい(&Y)", QMessageBox::YesRole);
    QPushButton* no = box.addButton("いいえ(&N)", QMessageBox::NoRole);
    yes->setObjectName("QuestionYes");
    no->setObjectName("QuestionNo");
    // Replacing files is never what Enter or Escape alone should do.
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
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
        // A name typed without an extension takes the one of the file type chosen.
        QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg](const QString& f) {
            QRegularExpressionMatch m = QRegularExpression(R"(\*\.(\w+))").match(f);
            if (m.hasMatch())
                dlg.setDefaultSuffix(m.captured(1).toLower());
        });
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

void QtPlatformServices::ApplyChoice(QPrinter& printer) const {
    if (!choice_.printerName.isEmpty())
        printer.setPrinterName(choice_.printerName);
    printer.setCopyCount(choice_.copies);
    printer.setCollateCopies(choice_.collate);
    printer.setColorMode(choice_.colorMode);
    printer.setDuplex(choice_.duplex);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

PrintResult QtPlatformServices::Print(const std::function<void(Surface&)>& draw) {
    QString pdf = choice_.pdfFile;
    if (pdf.isEmpty() && QPrinterInfo::availablePrinterNames().isEmpty()) {
        // No printer at all: offer the sheets as a PDF file instead of failing.
        FileDialogRequest r;
        r.title = "プリンタがありません。PDF ファイルに保存します";
        r.filter = "PDF ファイル (*.pdf)|*.pdf";
        r.defaultSuffix = ".pdf";
        std::optional<std::string> path = SaveOutputDialog(r);
        if (!path)
            return {PrintResult::Outcome::Cancelled, {}, {}};
        pdf = QString::fromStdString(*path);
    }
    PrintResult result;
    Status status;
    if (!pdf.isEmpty()) {
        // Every document its own file; none replaces an input, nor an existing file unasked.
        return PrintToPdfFiles(*this, pdf.toStdString(), draw);
    } else {
        QPrinter printer(QPrinter::HighResolution);
        ApplyChoice(printer);
        auto surface = QtSurface::OnPrinter(&printer);
        draw(*surface);
        status = surface->Finish();
    }
    if (!status) {
        result.outcome = PrintResult::Outcome::Failed;
        result.error = status.error().Japanese();
    }
    return result;
}

bool QtPlatformServices::ShowPrinterDialog() {
    // The dialog works on a printer of its own; only what the user chose is kept.
    QPrinter printer(QPrinter::HighResolution);
    ApplyChoice(printer);
    if (!choice_.pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(choice_.pdfFile);
    }
    QPrintDialog dlg(&printer, DialogParent());
    dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
    // The dialog only chooses the printer of the next print run; its button says so.
    if (auto* buttons = dlg.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText("設定");
    if (dlg.exec() != QDialog::Accepted)
        return false;
    PrinterChoice c;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        c.pdfFile = printer.outputFileName();
    } else {
        c.printerName = printer.printerName();
    }
    c.copies = printer.copyCount();
    c.collate = printer.collateCopies();
    c.colorMode = printer.colorMode();
    c.duplex = printer.duplex();
    choice_ = c;
    return true;
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
