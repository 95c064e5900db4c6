// Loading the sample table from a water-quality workbook ("Sheet1", fixed cell layout), and
// showing the template workbook for data entry.
#pragma once

#include <functional>
#include <string>

#include "common/core/platform.h"
#include "common/core/workbook.h"
#include "waterquality/core/samples.h"

namespace wq {

// What the loader asks of the main window: the loading notice, the caption and the focus.
class LoadHost {
  public:
    virtual ~LoadHost() = default;
    virtual void ShowLoadingNotice() = 0;
    virtual void CloseLoadingNotice() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void FocusMain() = 0;
};

// The program's variations of the loader.
struct LoadOptions {
    // The caption becomes captionPrefix + path + " >", e.g. "ヘキサダイヤグラム < ".
    std::string captionPrefix;
    // Title of the bad-count message box (the program's default title).
    std::string messageTitle;
    // Reads further rows of a valid sample after its eight ions (ternaryplot: rows 20, 21).
    std::function<void(const hc::WorkbookSheet& sheet, int sample, SampleTable& table)> extraRows;
    // Reads "Sheet1" of a workbook; hc::ReadWorkbookSheet when empty.
    std::function<hc::WorkbookSheet(const std::string& path)> readSheet;
};

enum class LoadStatus { Loaded, BadCount, Failed };

struct LoadReport {
    LoadStatus status = LoadStatus::Failed;
    std::string reason;  // one line for the status bar when not loaded
};

inline constexpr const char* kLoadingNoticeText =
    "エクセルを起動してデータファイルを読んでいます。しばらくお待ちください。";
inline constexpr const char* kBadCountLine1 = "データ数入力欄に数値がないか、値が大きすぎます";
inline constexpr const char* kBadCountLine2 = "データファイルは正しく作成してくださいね！！！";
inline constexpr const char* kTemplateName = "hinagata.xls";

// Reads dataPath into table. The workbook is read into a copy that replaces the table only
// when everything was read, so a failure half-way leaves the previous table whole.
// A count outside 1..32 shows the message box; any other failure returns quietly (Failed).
LoadReport LoadWorkbook(const std::string& dataPath, SampleTable& table,
                        hc::PlatformServices& platform, LoadHost& host, const LoadOptions& options);

// Row 20/21 reader of ternaryplot: the mark is the first character of row 20; the colour is
// the value of row 21 when its text has more than one character, else 0; outside 0..15 -> 0.
void ReadMarkAndColour(const hc::WorkbookSheet& sheet, int sample, SampleTable& table);

struct TemplateResult {
    bool opened = false;
    std::string path;    // the template's path (becomes DataPath)
    std::string reason;  // why it could not be shown
};

// Shows hinagata.xls (from startDir, else beside the program, else the data directory) in the
// desktop's spreadsheet program. Reads nothing.
TemplateResult OpenTemplate(const std::string& startDir, hc::PlatformServices& platform);

}  // namespace wq
