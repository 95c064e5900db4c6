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
    // Answers of the next questions, in order; いいえ once they run out.
    std::deque<bool> questionAnswers;
    // Requests the dialogs were shown with.
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;

    std::vector<Message> messages;
    std::vector<Message> questions;
    int beeps = 0;
    std::vector<int> pointerHistory;
    // The questions before an editor closes, and their answers (キャンセル once none is left).
    std::vector<Message> saveQuestions;
    std::deque<SaveChoice> saveChoices;
    // What the desktop would open files with (a spreadsheet program unless a test says
    // otherwise; nullopt: nothing), the files handed over and the opener's exit status.
    std::optional<DesktopHandler> desktopHandler =
        DesktopHandler{"libreoffice-calc.desktop", "libreoffice --calc %U"};
    std::vector<std::string> handlerQueries;
    std::vector<std::string> desktopOpened;
    int desktopOpenExitStatus = 0;
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
    bool Question(const std::string& text, const std::string& title) override;
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
    SaveChoice AskToSave(const std::string& text, const std::string& title) override;
    std::optional<DesktopHandler> DesktopHandlerFor(const std::string& path) override {
        handlerQueries.push_back(path);
        return desktopHandler;
    }
    Status OpenWithDesktop(const std::string& path) override;
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
