#include "common/core/platform.h"

#include <filesystem>

#include "build_info.h"
#include "common/core/language.h"

namespace hc {

std::optional<std::string> FindFileInDirs(const std::vector<std::string>& dirs,
                                          const std::string& name) {
    for (const std::string& dir : dirs) {
        if (dir.empty())
            continue;
        std::error_code ec;
        std::filesystem::path p = std::filesystem::path(dir) / name;
        if (std::filesystem::is_regular_file(p, ec))
            return p.string();
    }
    return std::nullopt;
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty())
        return false;
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

void PlatformServices::SetInputFiles(const void* owner,
                                     std::function<std::vector<std::string>()> files) {
    std::erase_if(inputs_, [owner](const auto& in) { return in.first == owner; });
    if (files)
        inputs_.emplace_back(owner, std::move(files));
}

std::vector<std::string> PlatformServices::InputFiles() const {
    std::vector<std::string> out;
    for (const auto& in : inputs_)
        for (std::string& f : in.second())
            if (!f.empty())
                out.push_back(std::move(f));
    return out;
}

Status PlatformServices::CheckOutput(const std::string& path) const {
    for (const std::string& input : InputFiles())
        if (SameFile(path, input))
            return FileError(ErrorKind::CannotWrite, path,
                             "開いているデータのファイルなので書き込みません",
                             "it is a data file open, and is not written over");
    return {};
}

std::optional<std::string> PlatformServices::SaveOutputDialog(FileDialogRequest request) {
    if (!request.initialPath.empty() && !CheckOutput(request.initialPath)) {
        const std::filesystem::path folder =
            std::filesystem::path(request.initialPath).parent_path();
        request.initialPath = folder.string();
    }
    return SaveFileDialog(request);
}

PlatformServices::Unsaved PlatformServices::SettleUnsaved(const std::string& text,
                                                          const std::string& title,
                                                          const std::function<bool()>& save) {
    switch (AskToSave(text, title)) {
        case SaveChoice::Save:
            return save() ? Unsaved::Saved : Unsaved::Kept;
        case SaveChoice::Discard:
            return Unsaved::Discarded;
        case SaveChoice::Cancel:
            break;
    }
    return Unsaved::Kept;
}

bool PlatformServices::ConfirmReplacing(const std::vector<std::string>& files) {
    std::string names;
    for (std::size_t i = 1; i < files.size(); ++i) {
        std::error_code ec;
        // A dangling link counts too: writing through it creates a file the user never named.
        if (std::filesystem::exists(std::filesystem::symlink_status(files[i], ec)))
            names += "\r" + files[i];
    }
    if (names.empty())
        return true;
    // The question waits for the user, not for the work: no hourglass over it.
    const int pointer = MousePointer();
    SetMousePointer(kPointerDefault);
    const bool yes = Question(hc::TS(kReplaceQuestion) + names, hc::TS(kReplaceTitle));
    SetMousePointer(pointer);
    return yes;
}

std::string PrintStatusText(const PrintResult& result) {
    switch (result.outcome) {
        case PrintResult::Outcome::Cancelled:
            return {};
        case PrintResult::Outcome::Failed:
            return hc::TS("印刷できませんでした: ") + result.error;
        case PrintResult::Outcome::Printed:
            break;
    }
    if (result.waiting)
        return result.note;
    std::string text = hc::TS("印刷しました");
    for (std::size_t i = 0; i < result.files.size(); ++i)
        text += (i == 0 ? ": " : ", ") + result.files[i];
    if (!result.note.empty())
        text += " (" + result.note + ")";
    return text;
}

std::string PrintJobName(const std::string& chart, const std::string& dataPath) {
    if (dataPath.empty())
        return chart;
    return chart + " - " + std::filesystem::path(dataPath).filename().string();
}

std::string DocumentFileName(const std::string& path, int document) {
    if (document <= 1)
        return path;
    std::filesystem::path p(path);
    std::string name = p.stem().string() + "-" + std::to_string(document) + p.extension().string();
    return (p.parent_path() / name).string();
}

std::vector<std::string> DataFileDirs(const std::string& startDir, const std::string& exeDir) {
    std::vector<std::string> dirs{startDir};
    if (!exeDir.empty()) {
        dirs.push_back(exeDir);
        dirs.push_back(
            (std::filesystem::path(exeDir) / kDataDirFromBinDir).lexically_normal().string());
    }
    return dirs;
}

std::string MissingDataFileReport(const std::string& name, const std::vector<std::string>& dirs) {
    std::string out = "data file " + name + " not found in";
    const char* sep = " ";
    for (const std::string& dir : dirs) {
        if (dir.empty())
            continue;
        out += sep + dir;
        sep = ", ";
    }
    return out;
}

Status OpenerExitStatus(const std::string& path, const std::string& opener, int exitStatus) {
    if (exitStatus == 0)
        return {};
    std::string ja = "開くプログラムが失敗しました";
    std::string en = "the program failed to open it";
    if (exitStatus == 2) {
        ja = "ファイルがありません";
        en = "no such file";
    } else if (exitStatus == 3) {
        ja = "開くプログラムが見つかりません";
        en = "no program to open it";
    }
    const std::string status = std::to_string(exitStatus);
    return FileError(ErrorKind::Unusable, path, ja + "（" + opener + " の終了状態 " + status + "）",
                     en + " (" + opener + " exit status " + status + ")");
}

std::vector<std::pair<std::string, std::string>> SplitFilter(const std::string& filter) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty())
        parts.push_back(cur);
    std::vector<std::pair<std::string, std::string>> out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        out.emplace_back(parts[i], parts[i + 1]);
    return out;
}

}  // namespace hc
