// What makes one water-quality program out of the shared main window: its texts, help texts,
// splash labels, the choice menus of "作図様式(&O)", the print line-width menus and whether it
// has column scales. The drawing itself comes from a wq::DiagramStrategy.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "common/core/workbook.h"
#include "common/ui/splash_window.h"
#include "waterquality/core/samples.h"

namespace wq {

// A help topic: a message box whose title and lines are built in code.
struct HelpText {
    std::string title;
    std::vector<std::string> lines;  // "" marks the empty line before a paragraph
    std::string Text() const;        // lines joined by carriage returns
};

// A submenu of two exclusive choices that sets one field of PlotSettings.
struct ChoiceGroup {
    std::string menuName;  // objectName of the submenu
    std::string caption;
    std::string itemName;  // objectName of both items (an indexed group)
    std::array<std::string, 2> captions;
    std::array<int, 2> values;
    int PlotSettings::*field;
    int unset;  // the value before the first load; the first load chooses item 0
};

// A submenu of "印刷線の太さ設定(&W)": items "１単位" .. "５単位".
struct WidthMenu {
    std::string menuName;
    std::string caption;
    std::string itemName;
};

struct DiagramProgram {
    std::string programName;    // title of the program's own message boxes
    std::string title;          // window title before a load
    std::string captionPrefix;  // window title after a load: prefix + path + " >"
    std::vector<ChoiceGroup> styleGroups;
    std::vector<WidthMenu> widthMenus;  // one per entry of PlotSettings::LineWidths used
    bool columnScales = true;           // "スケール(&S)" with one submenu per column
    // The view: a canvas twice as wide as the visible area with a column scroll bar, or one
    // picture filling it (a single diagram).
    bool wideCanvas = true;
    // The page setup opens with the shifts in force (else with "0" in both boxes).
    bool pageSetupShowsShifts = false;
    // The beep that ends a print run.
    bool beepAfterPrint = true;
    // Print line widths at start-up, in menu order; empty keeps PlotSettings' own.
    std::vector<int> startWidths;
    HelpText helpUse, helpData, helpType, helpVersion;
    std::vector<hc::SplashLabel> splash;
    // Further workbook rows of a valid sample (ternaryplot's marks and colours).
    std::function<void(const hc::WorkbookSheet&, int, SampleTable&)> extraRows;
};

// The texts shared by every water-quality program's window.
inline constexpr const char* kWorkbookFilter = "Excel Files (*.Xls)|*.Xls";
inline constexpr std::array<const char*, 5> kWidthCaptions{"１単位", "２単位", "３単位", "４単位",
                                                           "５単位"};

}  // namespace wq
