// Platform services every window uses: message boxes and questions, file dialogs, the printer
// and its dialog, the beep, the busy pointer, handing a file to the desktop, the current
// directory, data-file lookup, and the input files no output may replace. One Qt
// implementation serves the programs; a scripted one serves the tests.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/core/language.h"
#include "common/core/result.h"
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

// The answer to the question asked before an editor with unsaved changes closes.
enum class SaveChoice { Save, Discard, Cancel };

// The program the desktop would hand a file to: its desktop entry ("libreoffice-calc.desktop")
// and that entry's Exec line.
struct DesktopHandler {
    std::string id;
    std::string exec;
};

// Mouse pointer codes as the programs name them.
inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerHourglass = 11;

class PlatformServices {
  public:
    virtual ~PlatformServices() = default;

    // A message box with a single OK button. Lines are separated by "\r" or "\n".
    virtual void MessageBox(const std::string& text, const std::string& title) = 0;
    // A question with the answers はい and いいえ (the default); true for はい.
    virtual bool Question(const std::string& text, const std::string& title) = 0;
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

    // A question with the buttons 保存, 破棄 and キャンセル; closing the box is キャンセル.
    virtual SaveChoice AskToSave(const std::string& text, const std::string& title) = 0;
    // Unsaved changes about to go: asks as AskToSave and, on 保存, tries `save`. Kept when the
    // user cancelled or the save failed (the caller then keeps the data on screen).
    enum class Unsaved { Saved, Discarded, Kept };
    Unsaved SettleUnsaved(const std::string& text, const std::string& title,
                          const std::function<bool()>& save);

    // The program the desktop would open `path` with; nullopt when it names none.
    virtual std::optional<DesktopHandler> DesktopHandlerFor(const std::string& path) = 0;
    // Hands a file to the program the desktop associates with it. An error says why that
    // failed (the opener's exit status among it).
    virtual Status OpenWithDesktop(const std::string& path) = 0;
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

    // The data files the windows read from. No output replaces one of them: a window names its
    // files here while it lives (`files` is asked each time, so it always names the data in
    // force) and withdraws them with an empty function when it goes.
    void SetInputFiles(const void* owner, std::function<std::vector<std::string>()> files);
    std::vector<std::string> InputFiles() const;
    // Refuses an output that is one of the input files, however either is spelled (a link, a
    // relative path): the error names the file.
    Status CheckOutput(const std::string& path) const;
    // The save dialog of an output: a proposed name that is one of the input files is not
    // proposed (the dialog opens in its folder instead). The caller still checks the answer.
    std::optional<std::string> SaveOutputDialog(FileDialogRequest request);
    // One run writes `files`, the first named (and confirmed) in a save dialog. Before anything
    // is written, asks once about the others that exist already, naming each; true when none
    // exists or the user agrees to replace them.
    bool ConfirmReplacing(const std::vector<std::string>& files);

  private:
    std::vector<std::pair<const void*, std::function<std::vector<std::string>()>>> inputs_;
};

// Whether two paths name the same existing file (the same device and inode).
bool SameFile(const std::string& a, const std::string& b);

// The question ConfirmReplacing asks, with its title.
inline constexpr const char* kReplaceQuestion =
    hc::N("次のファイルはすでにあります。置き換えますか？");
inline constexpr const char* kReplaceTitle = hc::N("ファイルの置き換え");

// The lookup order of LocateDataFile as a pure function of the candidate directories.
std::optional<std::string> FindFileInDirs(const std::vector<std::string>& dirs,
                                          const std::string& name);

// Where data files are looked for, in order: the start-up directory, the executable's own
// directory (a build tree), and the data folder relative to it (an installed tree, wherever
// its prefix now lies). Nothing depends on where the suite was configured to be installed.
std::vector<std::string> DataFileDirs(const std::string& startDir, const std::string& exeDir);

// The one-line report of a data file that none of `dirs` holds.
std::string MissingDataFileReport(const std::string& name, const std::vector<std::string>& dirs);

// What the opener's exit status means (xdg-open: 0 done, 2 no such file, 3 no program for it,
// 4 the program failed): nothing for 0, otherwise an Error about `path` that names the status.
Status OpenerExitStatus(const std::string& path, const std::string& opener, int exitStatus);

// Splits a classic "Desc|pattern|Desc|pattern" filter into (description, pattern) pairs.
std::vector<std::pair<std::string, std::string>> SplitFilter(const std::string& filter);

}  // namespace hc
