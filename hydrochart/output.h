// The output side of the headless command: the options every chart subcommand shares
// (-o, --screen, --page, --json, --display-list) and writing a chart to PDF, SVG, PNG,
// a display list or JSON from the same drawing routines the programs use.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/core/surface.h"

namespace hcmd {

struct OutputOptions {
    std::string out;          // -o FILE (.pdf, .svg, .png)
    bool screen = false;      // --screen: the window's canvas instead of the printed sheets
    int page = 1;             // --page N: sheet written to .svg/.png
    bool json = false;        // --json: computed values on standard output
    bool csv = false;         // --csv: the numbers as the window saves them, on standard output
    std::string displayList;  // --display-list FILE: drawing operations as JSON lines
};

// A command-line error; main prints it with the usage and exits with status 2.
struct UsageError {
    std::string message;
};

// The arguments of one subcommand, consumed option by option.
class Args {
  public:
    explicit Args(std::vector<std::string> args) : args_(std::move(args)) {}
    bool Empty() const { return pos_ >= args_.size(); }
    const std::string& Peek() const { return args_[pos_]; }
    std::string Next() { return args_[pos_++]; }
    // The value of the option just taken; UsageError when missing.
    std::string Value(const std::string& option);

  private:
    std::vector<std::string> args_;
    std::size_t pos_ = 0;
};

// Takes a shared output option at the front of args (and its value); false when the front
// argument is not one of them.
bool TakeOutputOption(Args& args, OutputOptions& options);

// Numbers in options: whole text must be a number, else UsageError naming the option.
double OptionDouble(const std::string& option, const std::string& text);
int OptionInt(const std::string& option, const std::string& text);
// "a,b,c" -> parts
std::vector<std::string> SplitCommas(const std::string& text);

// What a subcommand hands to WriteOutputs.
struct ChartJob {
    // The whole print run on paper (sheets, NewPage, EndDoc), in millimetres.
    std::function<void(hc::Surface&)> drawPaper;
    // The window's picture; the surface has the canvas size below in pixels and the routine
    // sets its own user scale.
    std::function<void(hc::Surface&)> drawScreen;
    double screenWidth = 800;
    double screenHeight = 600;
    // The --json document (one line), computed values only.
    std::function<std::string()> json;
    // The --csv table, the same bytes as the window's 数値を保存.
    std::function<std::string()> csv;
};

// Writes what the options ask for. Returns the exit status (0, or 1 with a message on
// standard error when a file could not be written). UsageError when nothing was asked.
int WriteOutputs(const OutputOptions& options, const ChartJob& job);

// The usage text of the shared output options.
const char* OutputUsage();

}  // namespace hcmd
