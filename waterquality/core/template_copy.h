// File>データ入力: the template is copied to a new workbook in the folder last used and that copy
// is handed to a spreadsheet program. The template itself is never opened, and no file is ever
// handed to one of the suite's own programs (their desktop entries claim the workbook types).
#pragma once

#include <string>
#include <vector>

#include "common/core/platform.h"
#include "common/core/result.h"

namespace wq {

inline constexpr const char* kTemplateCopyStem = "新しい水質データ";
inline constexpr int kMaxTemplateCopies = 9999;

// The k-th name tried for a copy: "新しい水質データ.xls", then "新しい水質データ-2.xls", ...
std::string TemplateCopyName(int k);

// Copies the template into `dir` under the first of those names that is free. The file is
// created exclusively, so a file of that name, even one made meanwhile, is never replaced.
hc::Result<std::string> CopyTemplate(const std::string& templatePath, const std::string& dir);

// What File>データ入力 did.
struct TemplateHandOff {
    enum class Outcome {
        Opened,         // the copy was handed to a spreadsheet program
        NoSpreadsheet,  // the desktop has no spreadsheet program for it (or only ours)
        OpenFailed,     // the opener reported a failure
        CopyFailed,     // no copy could be made
        Missing,        // no template was found
    };
    Outcome outcome = Outcome::Missing;
    std::string copy;  // the copy, when one was made
    hc::Error error;   // why, for OpenFailed, CopyFailed and Missing (Missing: the path sought)
};

// Locates the template (start-up directory first), copies it into `folder` and hands the copy
// to the desktop's spreadsheet program unless that is none or one of ours.
TemplateHandOff HandOverTemplate(const std::string& startDir, const std::string& folder,
                                 hc::PlatformServices& platform);

// The status line after it: names the copy whenever one was made.
std::string TemplateStatusText(const TemplateHandOff& handOff);
// The message box after anything but Opened: what went wrong and where the copy or the
// template is; `searched` are the folders the template was looked for in.
std::string TemplateHandOffMessage(const TemplateHandOff& handOff,
                                   const std::vector<std::string>& searched);

}  // namespace wq
