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
            return {Action::Help, std::nullopt, std::nullopt, {}};
        if (a == "--version")
            return {Action::Version, std::nullopt, std::nullopt, {}};
    }
    bool operandsOnly = false;
    auto usage = [](std::string error) {
        return ProgramArguments{Action::Usage, std::nullopt, std::nullopt, std::move(error)};
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!operandsOnly && a == "--") {
            operandsOnly = true;
            continue;
        }
        if (!operandsOnly && (a == "--lang" || a.rfind("--lang=", 0) == 0)) {
            std::string code;
            if (a == "--lang") {
                if (i + 1 == args.size())
                    return usage("--lang needs ja or en");
                code = args[++i];
            } else {
                code = a.substr(7);
            }
            if (code != "ja" && code != "en")
                return usage("--lang takes ja or en, not '" + code + "'");
            out.language = code;
            continue;
        }
        // "-" alone is an operand (a file of that name), as elsewhere.
        if (!operandsOnly && a.size() > 1 && a[0] == '-')
            return usage("unknown option '" + a + "'");
        if (out.file)
            return usage("only one file can be opened");
        if (a.empty())
            return usage("empty file name");
        out.file = a;
    }
    return out;
}

std::string ProgramHelpText(const ProgramInfo& info) {
    return "Usage: " + info.name + " [" + info.fileKind + "]\n" + info.summary + "\n\n" +
           info.fileNote + " It is opened once the start-up window has closed, as File > Open " +
           "would open it.\n\nOptions:\n" +
           "      --lang ja|en  the language of the windows: ja Japanese, en English (default: "
           "the\n"
           "                    one chosen in the help menu, else English unless the desktop's\n"
           "                    locale is Japanese or C)\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n";
}

std::string ProgramVersionText(const std::string& name) {
    return name + " (hydrochart suite) " + kVersion +
           "\nCopyright (c) 2026 The hydrochart suite developers.\n"
           "This is free software under the MIT License: there is NO warranty.\n";
}

}  // namespace hc
