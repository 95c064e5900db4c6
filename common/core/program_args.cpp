#include "common/core/program_args.h"

#include "build_info.h"

namespace hc {

ProgramArguments ParseProgramArguments(const std::vector<std::string>& args) {
    using Action = ProgramArguments::Action;
    ProgramArguments out;
    for (const std::string& a : args) {
        if (a == "--")
            break;
        if (a == "--help" || a == "-h")
            return {Action::Help, std::nullopt, {}};
        if (a == "--version")
            return {Action::Version, std::nullopt, {}};
    }
    bool operandsOnly = false;
    for (const std::string& a : args) {
        if (!operandsOnly && a == "--") {
            operandsOnly = true;
            continue;
        }
        // "-" alone is an operand (a file of that name), as elsewhere.
        if (!operandsOnly && a.size() > 1 && a[0] == '-')
            return {Action::Usage, std::nullopt, "unknown option '" + a + "'"};
        if (out.file)
            return {Action::Usage, std::nullopt, "only one file can be opened"};
        if (a.empty())
            return {Action::Usage, std::nullopt, "empty file name"};
        out.file = a;
    }
    return out;
}

std::string ProgramHelpText(const ProgramInfo& info) {
    return "Usage: " + info.name + " [" + info.fileKind + "]\n" + info.summary + "\n\n" +
           info.fileNote + " It is opened once the start-up window has closed, as File > Open " +
           "would open it.\n\nOptions:\n" +
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n";
}

std::string ProgramVersionText(const std::string& name) {
    return name + " (hydrochart suite) " + kVersion +
           "\nCopyright (c) 2026 The hydrochart suite developers.\n"
           "This is free software under the MIT License: there is NO warranty.\n";
}

}  // namespace hc
