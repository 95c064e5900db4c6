#include "common/ui/qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <iostream>
#include <memory>
#include <mutex>
#include <thread>

#include "common/core/language.h"
#include "common/ui/output_files.h"
#include "common/ui/print_queue.h"
#include "common/ui/remembered.h"
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
    PointerFreed free(*this);
    QMessageBox box(QMessageBox::NoIcon, Q(title), MessageText(text), QMessageBox::Ok,
                    DialogParent());
    box.setObjectName("MessageBox");
    box.exec();
}

bool QtPlatformServices::Question(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Question, Q(title), MessageText(text), QMessageBox::NoButton,
                    DialogParent());
    box.setObjectName("QuestionBox");
    QPushButton* yes = box.addButton(hc::T("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(hc::T("いいえ(&N)"), QMessageBox::NoRole);
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
        // Nothing proposed: the folder this kind of dialog was last in, also from an earlier
        // run, else the current one.
        const QString last =
            remembered::LastFolder(save ? remembered::Folder::Save : remembered::Folder::Open);
        dlg.setDirectory(last.isEmpty() ? QDir::currentPath() : last);
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    QString chosen = dlg.selectedFiles().first();
    // The classic dialog makes the chosen folder current.
    QDir::setCurrent(QFileInfo(chosen).absolutePath());
    remembered::SetLastFolder(save ? remembered::Folder::Save : remembered::Folder::Open,
                              QFileInfo(chosen).absolutePath());
    return QDir::toNativeSeparators(chosen).toStdString();
}

}  // namespace

std::optional<std::string> QtPlatformServices::OpenFileDialog(const FileDialogRequest& request) {
    PointerFreed free(*this);
    return RunFileDialog(DialogParent(), request, false);
}

std::optional<std::string> QtPlatformServices::SaveFileDialog(const FileDialogRequest& request) {
    PointerFreed free(*this);
    return RunFileDialog(DialogParent(), request, true);
}

void QtPlatformServices::ApplyChoice(QPrinter& printer) const {
    if (!choice_.printerName.isEmpty())
        printer.setPrinterName(choice_.printerName);
    printer.setCopyCount(choice_.copies);
    printer.setCollateCopies(choice_.collate);
    printer.setColorMode(choice_.colorMode);
    printer.setDuplex(choice_.duplex);
    printer.setPageSize(choice_.paper);
}

QtPlatformServices::PointerFreed::PointerFreed(QtPlatformServices& p) : p_(p) {
    if (p_.pointer_ == kPointerHourglass && !p_.pointerFreed_) {
        QApplication::restoreOverrideCursor();
        p_.pointerFreed_ = freed_ = true;
    }
}

QtPlatformServices::PointerFreed::~PointerFreed() {
    if (freed_) {
        p_.pointerFreed_ = false;
        if (p_.pointer_ == kPointerHourglass)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

namespace {

// Runs `work` on a thread of its own while the window keeps painting (user input waits until
// the answer is in, so that nothing starts a second run meanwhile). nullopt when no answer
// came within `deadlineMs`; the thread then finishes on its own, its answer unused.
template <class T>
std::optional<T> AwaitResponsive(std::function<T()> work, int deadlineMs) {
    struct Shared {
        std::mutex mutex;
        std::optional<T> value;
    };
    auto shared = std::make_shared<Shared>();
    std::thread([shared, work = std::move(work)] {
        T value = work();
        std::lock_guard<std::mutex> lock(shared->mutex);
        shared->value = std::move(value);
    }).detach();
    auto answered = [&shared] {
        std::lock_guard<std::mutex> lock(shared->mutex);
        return shared->value.has_value();
    };
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (answered() || clock.elapsed() >= deadlineMs)
            loop.quit();
    });
    poll.start();
    if (!answered())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    std::lock_guard<std::mutex> lock(shared->mutex);
    return std::move(shared->value);
}

// An answer well within five seconds, whatever the server does: the connection and each
// exchange give up after kPrintServerTimeout.
constexpr int kAskDeadlineMs = 4500;
// Sending documents may take longer on a busy server, but never stalls: each exchange is bounded.
constexpr int kSendDeadlineMs = 120000;

PrinterList AskPrinters() {
    std::optional<PrinterList> list = AwaitResponsive<PrinterList>(ListPrinters, kAskDeadlineMs);
    if (!list) {
        PrinterList silent;
        silent.service = PrinterList::Service::Silent;
        return silent;
    }
    return *list;
}

PrintResult Failure(std::string error) {
    PrintResult r;
    r.outcome = PrintResult::Outcome::Failed;
    r.error = std::move(error);
    return r;
}

}  // namespace

bool QtPlatformServices::AskToChoosePrinter(const std::string& text) {
    PointerFreed free(*this);
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                    Q(text + "\n" + hc::TS("プリンタを選びますか？")),
                    QMessageBox::Yes | QMessageBox::No, DialogParent());
    box.setObjectName("ChoosePrinterQuestion");
    return box.exec() == QMessageBox::Yes;
}

PrintResult QtPlatformServices::Print(const std::function<void(Surface&)>& draw,
                                      const std::string& jobName) {
    return PrintToQueue(draw, jobName, 3);
}

PrintResult QtPlatformServices::PrintToQueue(const std::function<void(Surface&)>& draw,
                                             const std::string& jobName, int retries) {
    QString pdf = choice_.pdfFile;
    PrinterList printers;
    if (pdf.isEmpty()) {
        printers = AskPrinters();
        if (printers.service == PrinterList::Service::Silent)
            return Failure(QueueAnswerText({}, {}));
    }
    if (pdf.isEmpty() && printers.names.empty()) {
        // No printer at all: offer the sheets as a PDF file instead of failing.
        FileDialogRequest r;
        r.title = printers.service == PrinterList::Service::Absent
                      ? hc::TS("印刷サービスに接続できません。PDF ファイルに保存します")
                      : hc::TS("プリンタがありません。PDF ファイルに保存します");
        r.filter = hc::TS("PDF ファイル (*.pdf)|*.pdf");
        r.defaultSuffix = ".pdf";
        std::optional<std::string> path;
        {
            PointerFreed free(*this);
            path = SaveOutputDialog(r);
        }
        if (!path) {
            PrintResult cancelled;
            cancelled.outcome = PrintResult::Outcome::Cancelled;
            return cancelled;
        }
        pdf = QString::fromStdString(*path);
    }
    PrintResult result;
    Status status;
    if (!pdf.isEmpty()) {
        // Every document its own file; none replaces an input, nor an existing file unasked.
        return PrintToPdfFiles(*this, pdf.toStdString(), draw);
    }

    // The chosen printer, or the default one when none was chosen; never another one unasked.
    std::string printer = choice_.printerName.toStdString();
    if (printer.empty())
        printer = printers.defaultName;
    QueueAnswer state;
    if (printer.empty()) {
        state.outcome = QueueAnswer::Outcome::Missing;
    } else {
        std::optional<QueueAnswer> checked =
            AwaitResponsive<QueueAnswer>([printer] { return CheckQueue(printer); }, kAskDeadlineMs);
        state = checked ? *checked : QueueAnswer{};
    }
    if (state.outcome == QueueAnswer::Outcome::Missing) {
        const std::string text = printer.empty() ? hc::TS("既定のプリンタがありません")
                                                 : QueueAnswerText(printer, state);
        if (retries > 0 && AskToChoosePrinter(text) && ShowPrinterDialog())
            return PrintToQueue(draw, jobName, retries - 1);
        return Failure(text);
    }
    if (state.outcome == QueueAnswer::Outcome::Refused ||
        state.outcome == QueueAnswer::Outcome::NoService)
        return Failure(QueueAnswerText(printer, state));

    const QString title = QString::fromStdString(
        jobName.empty() ? QCoreApplication::applicationName().toStdString() : jobName);
    auto surface = QtSurface::PdfDocumentsInMemory(choice_.paper, title);
    draw(*surface);
    status = surface->Finish();
    if (!status)
        return Failure(Shown(status.error()));
    PrintJob job;
    job.printer = printer;
    job.title = title.toStdString();
    const QSizeF paper = choice_.paper.size(QPageSize::Millimeter);
    job.media = MediaName(paper.width(), paper.height());
    job.copies = choice_.copies;
    job.collate = choice_.collate;
    job.monochrome = choice_.colorMode == QPrinter::GrayScale;
    switch (choice_.duplex) {
        case QPrinter::DuplexNone:
            job.sides = "one-sided";
            break;
        case QPrinter::DuplexLongSide:
            job.sides = "two-sided-long-edge";
            break;
        case QPrinter::DuplexShortSide:
            job.sides = "two-sided-short-edge";
            break;
        case QPrinter::DuplexAuto:
            break;  // the queue's own default
    }
    for (const QByteArray& document : surface->Documents())
        job.documents.emplace_back(document.constData(), static_cast<std::size_t>(document.size()));
    if (job.documents.empty())
        return Failure(hc::TS("印刷する図がありません"));

    std::optional<QueueAnswer> sent =
        AwaitResponsive<QueueAnswer>([job] { return SubmitJobs(job); }, kSendDeadlineMs);
    QueueAnswer answer = sent ? *sent : QueueAnswer{};
    if (answer.outcome == QueueAnswer::Outcome::Waiting) {
        result.waiting = true;
        result.note = QueueAnswerText(printer, answer);
    } else if (answer.outcome != QueueAnswer::Outcome::Accepted) {
        return Failure(QueueAnswerText(printer, answer));
    } else if (choice_.paper.id() != QPageSize::A4) {
        result.note =
            hc::TS("A4 の図を %1 の用紙に合わせて縮小", {choice_.paper.name().toStdString()});
    }
    return result;
}

bool QtPlatformServices::ShowPrinterDialog() {
    // The dialog asks the print server for its queues on this thread; a server that does not
    // answer would hold the window, so it is asked first under a deadline.
    if (AskPrinters().service == PrinterList::Service::Silent) {
        MessageBox(QueueAnswerText({}, {}), QCoreApplication::applicationName().toStdString());
        return false;
    }
    PointerFreed free(*this);
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
            ok->setText(hc::T("設定"));
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
    c.paper = printer.pageLayout().pageSize();
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

SaveChoice QtPlatformServices::AskToSave(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Question, Q(title), MessageText(text), QMessageBox::NoButton,
                    DialogParent());
    box.setObjectName("SaveQuestion");
    QPushButton* save = box.addButton(hc::T("保存"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(hc::T("破棄"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(hc::T("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChoice::Save;
    if (box.clickedButton() == discard)
        return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

namespace {

// The first line a desktop tool prints, or nothing when it is missing or fails.
QString ToolAnswer(const QString& tool, const QStringList& args) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return {};
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, args);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).section('\n', 0, 0).trimmed();
}

// The Exec line of a desktop entry's [Desktop Entry] group.
QString DesktopEntryExec(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inEntry = false;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.startsWith('['))
            inEntry = line == "[Desktop Entry]";
        else if (inEntry && line.startsWith("Exec="))
            return line.mid(5).trimmed();
    }
    return {};
}

}  // namespace

std::optional<DesktopHandler> QtPlatformServices::DesktopHandlerFor(const std::string& path) {
    // The same questions xdg-open asks: the file's type, then the default entry for it.
    QString mime = ToolAnswer("xdg-mime", {"query", "filetype", Q(path)});
    if (mime.isEmpty())
        mime = QMimeDatabase().mimeTypeForFile(Q(path)).name();
    const QString id = ToolAnswer("xdg-mime", {"query", "default", mime});
    if (id.isEmpty())
        return std::nullopt;
    DesktopHandler handler;
    handler.id = S(id);
    const QString entry = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
    if (!entry.isEmpty())
        handler.exec = S(DesktopEntryExec(entry));
    return handler;
}

Status QtPlatformServices::OpenWithDesktop(const std::string& path) {
    const QString opener = QStandardPaths::findExecutable("xdg-open");
    if (opener.isEmpty()) {
        if (QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path))))
            return {};
        return FileError(ErrorKind::Unusable, path, "開くプログラム（xdg-open）がありません",
                         "no xdg-open to open it");
    }
    // Kept alive past this call: on a desktop without a launcher of its own the opener runs the
    // program itself and waits for it.
    auto* process = new QProcess;
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(opener, {Q(path)});
    if (!process->waitForStarted(5000)) {
        delete process;
        return FileError(ErrorKind::Unusable, path, "xdg-open を起動できません",
                         "xdg-open could not be started");
    }
    if (!process->waitForFinished(3000)) {
        // Still running: the program it started is open.
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return {};
    }
    const bool crashed = process->exitStatus() != QProcess::NormalExit;
    const int code = process->exitCode();
    delete process;
    if (crashed)
        return FileError(ErrorKind::Unusable, path, "xdg-open が異常終了しました",
                         "xdg-open crashed");
    return OpenerExitStatus(path, "xdg-open", code);
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
