// Platform services every window uses: message boxes, file dialogs, the printer and its dialog,
// the beep, the busy pointer, handing a file to the desktop, the current directory and data-file
// lookup. One Qt implementation serves the programs; a scripted one serves the tests.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/core/surface.h"

namespace hc {

// A file dialog request. The filter is written in the classic "Description|*.ext|..." form,
// e.g. "Excel Files (*.Xls)|*.Xls".
struct FileDialogRequest {
    std::string title;
    std::string filter;
    int filterIndex = 1;        // first filter selected
    std::string initialPath;    // proposed name or directory; may be empty
    std::string defaultSuffix;  // save dialogs: ".txt"
};

// What one print run did.
struct PrintResult {
    enum class Outcome { Printed, Cancelled, Failed };
    Outcome outcome = Outcome::Printed;
    std::string error;               // why it failed (Japanese), when Failed
    std::vector<std::string> files;  // the PDF files written, in order, when printed to files
    // A printed run: the queue took the jobs but holds them (paused), and `note` says why.
    bool waiting = false;
    // A remark on a printed run (the paper the sheet was fitted to, why the jobs wait).
    std::string note;
};

// The status-bar line after a print run: 「印刷しました: a.pdf, a-2.pdf」,
// 「印刷しました (note)」, 「印刷待ち: …」, 「印刷できませんでした: …」, or empty after a cancel.
std::string PrintStatusText(const PrintResult& result);

// A print job's name: the chart and the data file it shows, 「ヘキサダイヤグラム - sample32.xls」
// (the file's name without its folder); the chart alone when no file is loaded.
std::string PrintJobName(const std::string& chart, const std::string& dataPath);

// The names of the documents of a run printed to `path`: the first is path itself, the k-th
// (k >= 2) is "stem-k.ext" beside it ("a.pdf", "a-2.pdf").
std::string DocumentFileName(const std::string& path, int document);

// Mouse pointer codes as the programs name them.
inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerHourglass = 11;

class PlatformServices {
  public:
    virtual ~PlatformServices() = default;

    // A message box with a single OK button. Lines are separated by "\r" or "\n".
    virtual void MessageBox(const std::string& text, const std::string& title) = 0;
    // Open and save dialogs; nullopt when cancelled.
    virtual std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) = 0;

    // One print run: `draw` makes the whole run on the system printer, a drawing surface in
    // millimetres (sheets, NewPage, EndDoc; each EndDoc ends one document). The printer is set
    // up for this run alone from the last choice of the printer dialog, so nothing a failed
    // run did carries over to the next. Where no printer exists at all, the sheets can be
    // saved as PDF instead (a save dialog asks where). Print jobs are named `jobName`
    // (PrintJobName); the program's name when it is empty.
    virtual PrintResult Print(const std::function<void(Surface&)>& draw,
                              const std::string& jobName) = 0;
    PrintResult Print(const std::function<void(Surface&)>& draw) { return Print(draw, {}); }
    // The system printer dialog; the printer chosen becomes the one the next print run uses.
    // False when cancelled (nothing changes then).
    virtual bool ShowPrinterDialog() = 0;

    virtual void Beep() = 0;
    // Milliseconds between two ticks of a window timer asked for at 1 ms: the timer
    // resolution of the desktop the programs were made for (64 ticks a second), so that a
    // splash of 45 ticks stays up for about 0.7 s. Tests may shorten it.
    virtual int TimerTickMs() const { return 16; }
    // 11 hourglass, 0 default.
    virtual void SetMousePointer(int code) = 0;
    virtual int MousePointer() const = 0;

    // Hands a file to the program the desktop associates with it. False when that failed.
    virtual bool OpenWithDesktop(const std::string& path) = 0;
    // Starts a program; false when it could not be started.
    virtual bool StartProgram(const std::string& program, const std::vector<std::string>& args) = 0;
    // Looks a program up on the search path; nullopt when absent.
    virtual std::optional<std::string> FindProgram(const std::string& name) = 0;

    virtual std::string CurrentDirectory() = 0;
    virtual bool SetCurrentDirectory(const std::string& path) = 0;

    // A data file that ships beside the programs (hinagata.xls, manning.txt): looked up in
    // the directories DataFileDirs names. nullopt when none holds it.
    virtual std::optional<std::string> LocateDataFile(const std::string& startDir,
                                                      const std::string& name) = 0;
};

// The lookup order of LocateDataFile as a pure function of the candidate directories.
std::optional<std::string> FindFileInDirs(const std::vector<std::string>& dirs,
                                          const std::string& name);

// Where data files are looked for, in order: the start-up directory, the executable's own
// directory (a build tree), and the data folder relative to it (an installed tree, wherever
// its prefix now lies). Nothing depends on where the suite was configured to be installed.
std::vector<std::string> DataFileDirs(const std::string& startDir, const std::string& exeDir);

// The one-line report of a data file that none of `dirs` holds.
std::string MissingDataFileReport(const std::string& name, const std::vector<std::string>& dirs);

// Splits a classic "Desc|pattern|Desc|pattern" filter into (description, pattern) pairs.
std::vector<std::pair<std::string, std::string>> SplitFilter(const std::string& filter);

}  // namespace hc
