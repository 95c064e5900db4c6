// The platform services on Qt: message boxes, file and printer dialogs, the system printer as a
// surface, the beep, the busy pointer, the desktop and the current directory.
#pragma once

#include <QPrinter>
#include <QWidget>
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
    std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
    Surface& Printer() override;
    bool ShowPrinterDialog() override;
    std::optional<std::string> TakePrinterError() override;
    void Beep() override;
    void SetMousePointer(int code) override;
    int MousePointer() const override { return pointer_; }
    bool OpenWithDesktop(const std::string& path) override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& args) override;
    std::optional<std::string> FindProgram(const std::string& name) override;
    std::string CurrentDirectory() override;
    bool SetCurrentDirectory(const std::string& path) override;
    std::optional<std::string> LocateDataFile(const std::string& startDir,
                                              const std::string& name) override;

  private:
    QWidget* DialogParent() const;

    QWidget* parent_;
    QPrinter printer_{QPrinter::HighResolution};
    std::unique_ptr<QtSurface> printerSurface_;
    int pointer_ = kPointerDefault;
};

// Converts a classic "Desc|*.ext" filter into a Qt name filter ("Desc (*.ext)").
QString QtNameFilters(const std::string& filter);

}  // namespace hc
