// Platform services for tests: dialogs answer from a script, message boxes and beeps are
// recorded, the printer is a recording surface on paper.
#pragma once

#include <deque>
#include <map>
#include <utility>

#include "common/core/platform.h"
#include "common/core/recording_surface.h"

namespace hc::test {

class ScriptedPlatform : public PlatformServices {
  public:
    struct Message {
        std::string text;
        std::string title;
    };

    // Answers of the next dialogs, in order; nullopt answers "cancel".
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<bool> printerDialogAnswers;
    // Requests the dialogs were shown with.
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;

    std::vector<Message> messages;
    int beeps = 0;
    std::vector<int> pointerHistory;
    std::vector<std::string> desktopOpened;
    bool desktopOpenResult = true;
    std::vector<std::string> programsStarted;
    std::map<std::string, std::string> programs;  // FindProgram answers
    std::string currentDirectory = "/start";
    std::map<std::string, std::string> dataFiles;  // LocateDataFile answers by name

    // Every print run draws here; the result of the next run is `printResult`, once (a failure
    // is reported by the run it was set for, and the next run prints again).
    RecordingSurface printer = RecordingSurface::Paper();
    PrintResult printResult;
    int printRuns = 0;
    std::vector<std::string> printJobNames;  // the job name of each run
    int printerDialogs = 0;

    void MessageBox(const std::string& text, const std::string& title) override;
    std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
    using PlatformServices::Print;
    PrintResult Print(const std::function<void(Surface&)>& draw, const std::string& jobName) override {
        ++printRuns;
        printJobNames.push_back(jobName);
        draw(printer);
        return std::exchange(printResult, PrintResult{});
    }
    bool ShowPrinterDialog() override;
    void Beep() override { ++beeps; }
    int TimerTickMs() const override { return 1; }
    void SetMousePointer(int code) override;
    int MousePointer() const override { return pointer_; }
    bool OpenWithDesktop(const std::string& path) override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& args) override;
    std::optional<std::string> FindProgram(const std::string& name) override;
    std::string CurrentDirectory() override { return currentDirectory; }
    bool SetCurrentDirectory(const std::string& path) override;
    std::optional<std::string> LocateDataFile(const std::string& startDir,
                                              const std::string& name) override;

  private:
    int pointer_ = kPointerDefault;
};

// Path of a file under the source tree (fixtures, examples, data).
std::string SourcePath(const std::string& relative);

}  // namespace hc::test
