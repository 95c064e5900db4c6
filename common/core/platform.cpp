#include "common/core/platform.h"

#include <filesystem>

#include "build_info.h"

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

std::string PrintStatusText(const PrintResult& result) {
    switch (result.outcome) {
        case PrintResult::Outcome::Cancelled:
            return {};
        case PrintResult::Outcome::Failed:
            return "印刷できませんでした: " + result.error;
        case PrintResult::Outcome::Printed:
            break;
    }
    if (result.waiting)
        return result.note;
    std::string text = "印刷しました";
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
