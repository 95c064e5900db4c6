// hydrochart: renders the suite's charts without a window, for batch use.
#include <sys/stat.h>
#include <unistd.h>
#include <QGuiApplication>
#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>

#include "build_info.h"
#include "common/render/fonts.h"
#include "hydrochart/commands.h"

namespace hcmd {

std::vector<Command>& Commands() {
    static std::vector<Command> commands;
    return commands;
}

int Refuse(const std::string& file, const std::string& reason) {
    std::cerr << "hydrochart: " << file << ": " << reason << "\n";
    return 1;
}

}  // namespace hcmd

namespace {

// Batch jobs often run without a login session; Qt then warns about the missing runtime
// directory on every start. Give it a private one instead.
void EnsureRuntimeDirectory() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    std::string dir = "/tmp/hydrochart-runtime-" + std::to_string(getuid());
    mkdir(dir.c_str(), 0700);
    struct stat st {};
    if (lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() &&
        (st.st_mode & 0077) == 0)
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir));
}

void PrintUsage(std::ostream& os) {
    auto cmds = hcmd::Commands();
    std::sort(cmds.begin(), cmds.end(),
              [](auto& a, auto& b) { return std::strcmp(a.name, b.name) < 0; });
    os << "usage: hydrochart COMMAND FILE [options]\n\ncommands:\n";
    for (const auto& c : cmds)
        os << "  " << c.name << "\t" << c.summary << "\n";
    os << "\n'hydrochart COMMAND --help' shows the options of a command;"
          " 'hydrochart --version' the version.\n";
}

}  // namespace

int main(int argc, char** argv) {
    // Headless by design: no window system is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    EnsureRuntimeDirectory();
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintUsage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 2 : 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "hydrochart (hydrochart suite) " << hc::kVersion << "\n";
        return 0;
    }
    std::string name = argv[1];
    const hcmd::Command* cmd = nullptr;
    for (const auto& c : hcmd::Commands())
        if (name == c.name)
            cmd = &c;
    if (!cmd) {
        std::cerr << "hydrochart: unknown command '" << name << "'\n";
        PrintUsage(std::cerr);
        return 2;
    }
    std::vector<std::string> rest(argv + 2, argv + argc);
    if (!rest.empty() && (rest[0] == "--help" || rest[0] == "-h")) {
        std::cout << "usage: hydrochart " << cmd->name << " " << cmd->usage << "\n"
                  << hcmd::OutputUsage();
        return 0;
    }
    int qargc = 1;
    QGuiApplication app(qargc, argv);
    hc::InstallFontSubstitutions();
    hcmd::Args args(rest);
    try {
        return cmd->run(args);
    } catch (const hcmd::UsageError& e) {
        std::cerr << "hydrochart " << cmd->name << ": " << e.message << "\n"
                  << "usage: hydrochart " << cmd->name << " " << cmd->usage << "\n";
        return 2;
    } catch (const std::exception& e) {
        // Whatever a subcommand did not turn into a refusal still ends with a message and a
        // failure status, never with an abort.
        std::cerr << "hydrochart " << cmd->name << ": " << e.what() << "\n";
        return 1;
    }
}
