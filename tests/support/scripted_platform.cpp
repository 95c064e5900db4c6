#include "support/scripted_platform.h"

namespace hc::test {

void ScriptedPlatform::MessageBox(const std::string& text, const std::string& title) {
    messages.push_back({text, title});
}

bool ScriptedPlatform::Question(const std::string& text, const std::string& title) {
    questions.push_back({text, title});
    if (questionAnswers.empty())
        return false;
    const bool a = questionAnswers.front();
    questionAnswers.pop_front();
    return a;
}

std::optional<std::string> ScriptedPlatform::OpenFileDialog(const FileDialogRequest& request) {
    openRequests.push_back(request);
    if (openAnswers.empty())
        return std::nullopt;
    auto a = openAnswers.front();
    openAnswers.pop_front();
    return a;
}

std::optional<std::string> ScriptedPlatform::SaveFileDialog(const FileDialogRequest& request) {
    saveRequests.push_back(request);
    if (saveAnswers.empty())
        return std::nullopt;
    auto a = saveAnswers.front();
    saveAnswers.pop_front();
    return a;
}

bool ScriptedPlatform::ShowPrinterDialog() {
    ++printerDialogs;
    if (printerDialogAnswers.empty())
        return false;
    bool a = printerDialogAnswers.front();
    printerDialogAnswers.pop_front();
    return a;
}

void ScriptedPlatform::SetMousePointer(int code) {
    pointer_ = code;
    pointerHistory.push_back(code);
}

SaveChoice ScriptedPlatform::AskToSave(const std::string& text, const std::string& title) {
    saveQuestions.push_back({text, title});
    if (saveChoices.empty())
        return SaveChoice::Cancel;
    SaveChoice a = saveChoices.front();
    saveChoices.pop_front();
    return a;
}

Status ScriptedPlatform::OpenWithDesktop(const std::string& path) {
    desktopOpened.push_back(path);
    return OpenerExitStatus(path, "xdg-open", desktopOpenExitStatus);
}

bool ScriptedPlatform::StartProgram(const std::string& program, const std::vector<std::string>&) {
    programsStarted.push_back(program);
    return true;
}

std::optional<std::string> ScriptedPlatform::FindProgram(const std::string& name) {
    auto it = programs.find(name);
    if (it == programs.end())
        return std::nullopt;
    return it->second;
}

bool ScriptedPlatform::SetCurrentDirectory(const std::string& path) {
    currentDirectory = path;
    return true;
}

std::optional<std::string> ScriptedPlatform::LocateDataFile(const std::string& startDir,
                                                            const std::string& name) {
    auto it = dataFiles.find(name);
    if (it != dataFiles.end())
        return it->second;
    return FindFileInDirs({startDir}, name);
}

std::string SourcePath(const std::string& relative) {
    return std::string(HC_SOURCE_DIR) + "/" + relative;
}

}  // namespace hc::test
