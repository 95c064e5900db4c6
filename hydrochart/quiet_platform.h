// The water-quality loader's window services for the headless command: no dialogs, no sound,
// a message box kept as the refusal reason, a recording printer that nothing reads.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/core/platform.h"
#include "common/core/recording_surface.h"
#include "waterquality/core/workbook_load.h"

namespace hcmd {

// The loader's window services without a window: messages are kept as the refusal reason.
class QuietPlatform : public hc::PlatformServices {
  public:
    std::string message;
    void MessageBox(const std::string& text, const std::string&) override {
        message = text;
        for (char& c : message)
            if (c == '\r' || c == '\n')
                c = ' ';
    }
    std::optional<std::string> OpenFileDialog(const hc::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> SaveFileDialog(const hc::FileDialogRequest&) override {
        return std::nullopt;
    }
    hc::PrintResult Print(const std::function<void(hc::Surface&)>&) override {
        return {hc::PrintResult::Outcome::Cancelled, {}, {}};
    }
    bool ShowPrinterDialog() override { return false; }
    void Beep() override {}
    void SetMousePointer(int) override {}
    int MousePointer() const override { return hc::kPointerDefault; }
    bool OpenWithDesktop(const std::string&) override { return false; }
    bool StartProgram(const std::string&, const std::vector<std::string>&) override {
        return false;
    }
    std::optional<std::string> FindProgram(const std::string&) override { return std::nullopt; }
    std::string CurrentDirectory() override { return "."; }
    bool SetCurrentDirectory(const std::string&) override { return true; }
    std::optional<std::string> LocateDataFile(const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

class QuietHost : public wq::LoadHost {
  public:
    void ShowLoadingNotice() override {}
    void CloseLoadingNotice() override {}
    void SetCaption(const std::string&) override {}
    void FocusMain() override {}
};

}  // namespace hcmd
