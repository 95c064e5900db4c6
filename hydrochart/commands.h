// The subcommands of the headless command. Each registers its name, a one-line summary, what it
// reads, its options (with the values, units and defaults its help shows) and a function that
// checks the options once and returns the work for one input file. main parses the command
// line against that list, so every command takes the same forms: --opt=value and --opt value,
// options anywhere, -- before inputs that begin with a dash, - for standard input.
#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "hydrochart/output.h"

class QCommandLineParser;

namespace hcmd {

struct OptionSpec {
    std::string names;      // "o,output": comma-separated, one-letter names are short options
    std::string valueName;  // empty for a switch
    std::string help;       // what it does, its values, units and default
};

// The options of one call as parsed.
class Options {
  public:
    // `known`: every option name the command defines; others read as absent.
    Options(std::shared_ptr<QCommandLineParser> parser, std::set<std::string> known);
    bool Has(const std::string& name) const;
    // The value given last; empty when the option is absent.
    std::string Value(const std::string& name) const;
    std::vector<std::string> Values(const std::string& name) const;

  private:
    std::shared_ptr<QCommandLineParser> parser_;
    std::set<std::string> known_;
};

// An input file: the path read, and the name messages give it ("standard input" for -).
struct Input {
    std::string path;
    std::string shown;
};

// The work for one input: writes what `out` asks for and returns the exit status of that file
// (0 written, 1 refused with a message on standard error). It runs on worker threads in a
// batch, so it keeps everything it changes to itself.
using FileRun = std::function<int(const Input& input, const OutputOptions& out)>;

struct Command {
    std::string name;
    std::string summary;
    std::string input;                 // "WORKBOOK", "FILE"
    std::vector<OptionSpec> options;   // the command's own; the output options follow
    std::string notes;                 // further help: meanings of values, examples
    bool chartOutputs = true;          // takes the shared output options (all but check)
    // Checks the options; UsageError for a value no menu or box of the program can give.
    std::function<FileRun(const Options&)> prepare;
};

std::vector<Command>& Commands();

struct Register {
    explicit Register(Command c) { Commands().push_back(std::move(c)); }
};

// A file the program refuses: one line on standard error, status 1.
int Refuse(const std::string& file, const std::string& reason);
// A refusal from the cores: the file as shown, the line or cell, the English reason.
int Refuse(const Input& input, hc::Error error);

}  // namespace hcmd
