// Loading the sample table from a water-quality workbook ("Sheet1", fixed cell layout), and
// showing the template workbook for data entry. The loader only reads: the window shows the
// loading notice, the message box and the beeps from what it returns.
#pragma once

#include <functional>
#include <string>

#include "common/core/platform.h"
#include "common/core/result.h"
#include "common/core/workbook.h"
#include "waterquality/core/samples.h"

namespace wq {

// Reads "Sheet1" of a workbook.
using SheetReader = std::function<hc::Result<hc::WorkbookSheet>(const std::string& path)>;
// Further rows of a drawn sample after its eight ions (ternaryplot: rows 20 and 21), read into
// that sample. A failure names its cell; the loader adds the file.
using ExtraRows =
    std::function<hc::Status(const hc::WorkbookSheet& sheet, int sample, Sample& into)>;

// The workbook reader on "Sheet1": CannotRead when the file cannot be opened at all,
// NotRecognised when it is no workbook (or a damaged one) the reader understands.
hc::Result<hc::WorkbookSheet> ReadSheet1(const std::string& path);

struct LoadOptions {
    ExtraRows extraRows;    // none for the column programs
    SheetReader readSheet;  // ReadSheet1 when empty
    // The most samples of a long table (sample_table.h) the program draws; the fixed layout
    // holds 1..32 whatever this says.
    int maxSamples = kMaxSamples;
};

// The points of a load at which the programs sound the beep, in order.
enum class LoadStage { CountRead, NamesRead, ValuesRead };
using LoadProgress = std::function<void(LoadStage)>;

// Reads the workbook at path into a table of its own: one sample per counted column, a column
// marked empty undrawn, without name or values. The errors: the reader's (CannotRead,
// NotRecognised), BadCount at B10 (a count outside 1..32: the message box case; the caller's
// table stays in force), BadValue at the first cell that cannot be converted (a text where a
// number belongs, an error value, a count beyond any integer). `progress` hears each stage as
// it is passed. A path ending in ".csv" is read as a CSV table (sample_csv.h) and a workbook
// in the layout sample_table.h finds, unless `options` brings a sheet reader of its own (the
// fixed layout only).
hc::Result<SampleTable> LoadWorkbook(const std::string& path, const LoadOptions& options = {},
                                     const LoadProgress& progress = {});

// The samples of a sheet in the fixed layout whose count may reach maxCount (a long table is
// laid out so); errors name the cells of that sheet, the file is `path`.
hc::Result<SampleTable> ReadLayoutSheet(const hc::WorkbookSheet& sheet, const std::string& path,
                                        int maxCount, const LoadOptions& options,
                                        const LoadProgress& progress = {});

// Row 20/21 reader of ternaryplot: the mark is the first character of row 20; the colour is
// the value of row 21 when its text has more than one character, else 0; outside 0..15 -> 0.
hc::Status ReadMarkAndColour(const hc::WorkbookSheet& sheet, int sample, Sample& into);

inline constexpr const char* kTemplateName = "hinagata.xls";

}  // namespace wq
