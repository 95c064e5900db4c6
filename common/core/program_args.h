// The command line of the GUI programs: at most one file, opened after the start-up window as
// File>Open would open it, --lang ja|en, or --help / --version. Qt's own options are taken away by
// Qt first.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace hc {

// What a program says about itself on --help and --version (and so in its man page).
struct ProgramInfo {
    std::string name;      // "sixsideplot"
    std::string summary;   // one line: what the program does
    std::string fileKind;  // the operand in the usage line: "WORKBOOK", "FILE"
    std::string fileNote;  // a sentence on the operand: "FILE is a ..."
};

struct ProgramArguments {
    enum class Action { Run, Help, Version, Usage };
    Action action = Action::Run;
    std::optional<std::string> file;
    std::optional<std::string> language;  // --lang ja|en: "ja" or "en"
    std::string error;                    // Usage: what was wrong
};

// `args` without the program name. --help and --version win over anything else before "--",
// so that they work whatever else the line holds.
ProgramArguments ParseProgramArguments(const std::vector<std::string>& args);

std::string ProgramHelpText(const ProgramInfo& info);
// "sixsideplot (hydrochart suite) 4.0.12", the copyright and the licence.
std::string ProgramVersionText(const std::string& name);

}  // namespace hc
