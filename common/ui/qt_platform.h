// The platform services on Qt: message boxes, file and printer dialogs, the system printer as a
// surface, the beep, the busy pointer, the desktop and the current directory.
#pragma once

#include <QPageSize>
#include <QPrinter>
#include <QWidget>
#include <functional>
#include <memory>

#include "common/core/platform.h"
#include "common/render/qt_surface.h"

namespace hc {

class QtPlatformServices : public PlatformServices {
  public:
    // Dialogs are parented to the active window, or to `parent` when there is none.
    explicit QtPlatformServices(QWidget* parent = nullptr);
    ~QtPlatformServices() override;

    void SetParentWindow(QWidget* parent) { parent_ = parent; }

    void MessageBox(const std::string& text, const std::string& title) override;
    bool Question(const std::string& text, const std::string& title) override;
    std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
    using PlatformServices::Print;
    // Renders the run to PDF documents exactly as the PDF output does, then hands each to the
    // chosen queue as a named job and reports what the queue answered. The print server is
    // asked on a worker thread under a deadline, so that the window keeps painting.
    PrintResult Print(const std::function<void(Surface&)>& draw, const std::string& jobName) override;
    bool ShowPrinterDialog() override;
    void Beep() override;
    void SetMousePointer(int code) override;
    int MousePointer() const override { return pointer_; }
    SaveChoice AskToSave(const std::string& text, const std::string& title) override;
    std::optional<DesktopHandler> DesktopHandlerFor(const std::string& path) override;
    Status OpenWithDesktop(const std::string& path) override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& args) override;
    std::optional<std::string> FindProgram(const std::string& name) override;
    std::string CurrentDirectory() override;
    bool SetCurrentDirectory(const std::string& path) override;
    std::optional<std::string> LocateDataFile(const std::string& startDir,
                                              const std::string& name) override;

    // What the printer dialog chose last: a printer by name, or a PDF file. Each print run
    // sets up a printer of its own from it.
    struct PrinterChoice {
        QString printerName;  // empty: the system's default printer
        QString pdfFile;      // not empty: print to this PDF file
        int copies = 1;
        bool collate = true;
        QPrinter::ColorMode colorMode = QPrinter::Color;
        QPrinter::DuplexMode duplex = QPrinter::DuplexNone;
        QPageSize paper = QPageSize(QPageSize::A4);  // the A4 sheet is fitted onto other paper
    };
    const PrinterChoice& Choice() const { return choice_; }
    void SetChoice(const PrinterChoice& choice) { choice_ = choice; }

  protected:
    // The chosen printer is gone (or none is chosen and there is no default): says so in
    // `text` and asks whether to choose one. True to open the printer dialog.
    virtual bool AskToChoosePrinter(const std::string& text);

  private:
    // Lets the busy pointer go while a dialog waits for the user; puts it back afterwards.
    class PointerFreed {
      public:
        explicit PointerFreed(QtPlatformServices& p);
        ~PointerFreed();
        PointerFreed(const PointerFreed&) = delete;
        PointerFreed& operator=(const PointerFreed&) = delete;

      private:
        QtPlatformServices& p_;
        bool freed_ = false;
    };

    QWidget* DialogParent() const;
    PrintResult PrintToQueue(const std::function<void(Surface&)>& draw, const std::string& jobName,
                             int retries);
    // The run's printer: set up from the choice, A4.
    void ApplyChoice(QPrinter& printer) const;

    QWidget* parent_;
    PrinterChoice choice_;
    int pointer_ = kPointerDefault;
    bool pointerFreed_ = false;
};

// Converts a classic "Desc|*.ext" filter into a Qt name filter ("Desc (*.ext)").
QString QtNameFilters(const std::string& filter);

}  // namespace hc
