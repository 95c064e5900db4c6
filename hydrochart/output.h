// The output side of the headless command: the options every chart subcommand shares (-o,
// --format, --screen, --size, --page, --dpi, --json, --csv, --display-list) and writing a chart
// to PDF, SVG, PNG, JSON, CSV or a display list from the same drawing routines the programs use.
#pragma once

#include <QJsonObject>
#include <functional>
#include <string>
#include <vector>

#include "common/core/result.h"
#include "common/core/surface.h"

namespace hcmd {

// The formats -o writes; --format names them, else the output's extension does.
inline constexpr const char* kFormats[] = {"pdf", "svg", "png", "json", "csv"};

// PNG resolution of a printed sheet, dots per inch.
inline constexpr int kDefaultDpi = 200;
inline constexpr int kMinDpi = 50;
inline constexpr int kMaxDpi = 1200;
// The window picture's size with --size, pixels each way.
inline constexpr int kMinScreenPixels = 16;
inline constexpr int kMaxScreenPixels = 8000;

struct OutputOptions {
    std::string out;          // -o FILE; "-" for standard output
    std::string format;       // --format: pdf, svg, png, json or csv; else from out's extension
    bool screen = false;      // --screen: the window's picture instead of the printed sheets
    int screenWidth = 0;      // --size WxH of that picture; 0: the window's own size
    int screenHeight = 0;
    int page = 1;             // --page N: sheet written to .svg/.png
    int dpi = kDefaultDpi;    // --dpi N: resolution of a .png sheet
    bool json = false;        // --json: computed values on standard output
    bool csv = false;         // --csv: the numbers as the window saves them, on standard output
    std::string displayList;  // --display-list FILE: drawing operations as JSON lines
};

// A command-line error; main prints it with a hint and exits with status 2.
struct UsageError {
    std::string message;
};

// Numbers in options: the whole text must be a number, else UsageError naming the option.
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
    // The JSON document: computed values only, with its "schema".
    std::function<QJsonObject()> json;
    // The CSV table, the same bytes as the window's 数値を保存.
    std::function<std::string()> csv;
};

// The format -o writes: --format, else the extension of -o in lower case ("" when neither).
std::string OutputFormat(const OutputOptions& options);
// Checks the combination of output options before any file is read; UsageError otherwise.
void CheckOutputOptions(const OutputOptions& options);

// Writes what the options ask for. Returns the exit status (0, or 1 with a message on
// standard error when a file could not be written).
int WriteOutputs(const OutputOptions& options, const ChartJob& job);
// A JSON document as written: one line.
std::string JsonText(const QJsonObject& document);
// A text (JSON or CSV) to the file of -o, or standard output for "-" or "".
int WriteText(const std::string& path, const std::string& text);

// One line on standard error, whole even when worker threads report at once.
void ReportLine(const std::string& line);
// The progress line of a batch on a terminal, rewritten in place; "" ends it.
void ReportProgress(const std::string& text);

// A failure to write: one line on standard error, status 1.
int Fail(const hc::Error& e);

}  // namespace hcmd
