// The application layer of the three water-quality programs: what is loaded, the settings in
// force, the requests a window makes of them and the rules behind those requests (first-load
// defaults, the automatic scale after every load, which requests need data). The main window
// shows it and hydrochart drives it; neither holds a rule of its own.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/core/result.h"
#include "common/core/surface.h"
#include "waterquality/core/column_layout.h"
#include "waterquality/core/composition.h"
#include "waterquality/core/data_check.h"
#include "waterquality/core/diagram_strategy.h"
#include "waterquality/core/meq.h"
#include "waterquality/core/sample_model.h"
#include "waterquality/core/samples.h"
#include "waterquality/core/suspect_cells.h"
#include "waterquality/core/workbook_load.h"

namespace wq {

// What the redraw entry is asked to do after an event. The values are the classic request
// codes.
enum class Request : int { Nothing = -1, Load = 0, ShowTemplate = 1, Redraw = 2, Print = 3 };

// The settings of the "作図様式(&O)" menu, each a choice between two values.
enum class Style { Direction, Numbering, SampleList };
inline constexpr int kStyleChoiceCount = 2;
// The two values of each, in menu order; the first is what the first load chooses.
inline constexpr std::array<Direction, 2> kDirectionChoices{Direction::BottomUp,
                                                            Direction::TopDown};
inline constexpr std::array<Numbering, 2> kNumberingChoices{Numbering::On, Numbering::Off};
inline constexpr std::array<SampleList, 2> kSampleListChoices{SampleList::On, SampleList::Off};

// What makes one program out of the shared application: its rules, not its texts.
struct DiagramVariant {
    std::string captionPrefix;     // the window title after a load: prefix + path + " >"
    std::vector<Style> styles;     // the groups of "作図様式(&O)", in menu order
    std::vector<int> startWidths;  // the print line widths at start-up, one per width menu
    bool columnScales = true;      // a scale per column of eight ("スケール(&S)")
    ExtraRows extraRows;           // further workbook rows of a valid sample
    int maxSamples = kMaxSamples;  // the most samples it draws; a longer table is refused
    const DiagramStrategy* strategy = nullptr;  // conversion and drawing
};

// The hexadiagram and Stiff programs: direction and numbering, five widths, column scales.
DiagramVariant ColumnVariant(std::string captionPrefix, const DiagramStrategy& strategy);

// The data check of the workbook last loaded or refused.
struct DataCheck {
    std::string path;
    bool loaded = false;         // it is the data in force: one row per sample below
    std::vector<CheckRow> rows;  // empty when it was refused
    SuspectReport suspects;      // every suspect cell, also of a refused workbook
};

class DiagramApp {
  public:
    // The reader is ReadSheet1 unless a test supplies workbooks of its own.
    explicit DiagramApp(const DiagramVariant& variant, SheetReader reader = {});

    const DiagramVariant& Variant() const { return variant_; }
    const SampleTable& Table() const { return table_; }
    // One composition per sample of Table(), computed after each load that draws; what every
    // chart, export and check reads.
    const std::vector<Composition>& Compositions() const { return compositions_; }
    SampleModel Model() const { return {table_, compositions_}; }
    const PlotSettings& Settings() const { return settings_; }
    const std::string& DataPath() const { return dataPath_; }
    // The file of the samples in force: the last one that loaded. The title and the names
    // proposed for outputs come from it, never from a file refused since.
    const std::string& ShownPath() const { return shownPath_; }
    // The files read from (the data shown, the file chosen last): no output replaces them.
    std::vector<std::string> InputFiles() const;
    // A load has given samples: there is a chart to draw and print.
    bool HasData() const { return table_.Count() >= 1; }
    // The window title while the data of ShownPath is shown.
    std::string Caption() const;
    // The automatic scale the last conversion chose.
    const ScaleChoice& AutoScale() const { return autoScale_; }
    // The print shifts as typed, and the offset printing takes from them.
    const Shifts& PrintShifts() const { return shifts_; }
    PrintOffset Offset() const { return OffsetOf(shifts_); }

    // Whether the redraw entry has anything to do for a request now: redrawing and printing
    // need data; without it they leave everything, the pointer included, alone.
    bool Runs(Request request) const;

    // The file chosen last; it stays DataPath whether or not it loads.
    void SetDataPath(std::string path) { dataPath_ = std::move(path); }
    // Loads DataPath. The table is replaced, by the file's samples alone, only when the whole
    // workbook was read. After a success, and after a bad count while earlier data is in force
    // (which is then drawn again), the compositions are computed, the first-load defaults fill
    // the unset settings and every column takes the automatic scale of the data. Any other
    // failure changes nothing.
    hc::Status Load(const LoadProgress& progress = {});

    // The settings; each returns the request that follows it (Nothing for a value the menus
    // cannot give, which is ignored).
    Request SetNitrate(NitrateType type);
    // Column 1..4, scale item 0..9 (kScaleValues); ignored without column scales.
    Request SetColumnScale(int column, int index);
    Request SetDirection(Direction direction);
    Request SetNumbering(Numbering numbering);
    Request SetSampleList(SampleList list);
    // Item `choice` (0 or 1) of a style group.
    Request ChooseStyle(Style style, int choice);
    // The item of a style group in force; -1 while it is unset.
    int StyleChoice(Style style) const;
    // Width group (menu order) to 1..5 units. Printing only: no request follows, the screen
    // stays as it is.
    void SetLineWidth(int group, int width);
    // ternaryplot: the diamond field after each name of the printed table. Printing only.
    void SetSampleListField(bool on) { settings_.SampleListField = on; }
    // wqplot: the diagram drawn and its options.
    Request SetDiagramKind(DiagramKind kind);
    Request SetDiagramOptions(const DiagramOptions& options);

    // The workbook of the last load, whether it loaded or not; empty before any.
    const std::string& LastLoadedPath() const { return checkPath_; }
    // Whether there is a workbook to check: one was loaded or refused.
    bool CanCheckData() const { return !checkPath_.empty(); }
    // Reads that workbook again and checks it; the rows use the nitrate type in force.
    DataCheck CheckData() const;

    // The shifts of the page setup, already checked (CheckShifts).
    Request SetPrintShifts(const Shifts& shifts);

    // The chart: the screen picture, the whole print run, the numbers behind it.
    void DrawScreen(hc::Surface& canvas) const;
    void Print(hc::Surface& printer) const;
    std::string Csv() const;
    // The table the window shows instead of the picture, when the chart is one.
    std::optional<TextTable> ShownTable() const;

  private:
    void ApplyFirstLoadDefaults();

    const DiagramVariant& variant_;
    SheetReader reader_;
    SampleTable table_;
    std::vector<Composition> compositions_;
    PlotSettings settings_;
    std::string dataPath_;
    std::string shownPath_;
    std::string checkPath_;  // the workbook of the last load
    bool checkLoaded_ = false;
    ScaleChoice autoScale_;
    Shifts shifts_;
};

// Values as hydrochart's options give them, checked against what the menus offer.
// --nitrate 0|1|2
hc::Result<NitrateType> NitrateFromNumber(int number);
// The number of a scale caption ("1cm = 10.0" -> 10) to its item index 0..9.
hc::Result<int> ScaleIndexOfCaption(double perCentimetre);
// A column of the scale menu, 1..4.
hc::Status CheckColumn(int column);
// A print line width, 1..5 units.
hc::Status CheckLineWidth(int width);

}  // namespace wq
