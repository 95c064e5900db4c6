// What makes one water-quality program's window out of the shared main window: its texts,
// help texts, splash labels, the captions of the "作図様式(&O)" choices and of the print
// line-width menus. Its rules and drawing come from its wq::DiagramVariant.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/ui/splash_window.h"
#include "waterquality/core/diagram_app.h"

namespace wq {

// A help topic: a message box whose title and lines are built in code.
struct HelpText {
    std::string title;
    std::vector<std::string> lines;  // "" marks the empty line before a paragraph
    std::string Text() const;        // lines joined by carriage returns
};

// The texts of a "作図様式(&O)" submenu: its two items choose the style's values in order.
struct ChoiceGroup {
    Style style;
    std::string menuName;  // objectName of the submenu
    std::string caption;
    std::string itemName;  // objectName of both items (an indexed group)
    std::array<std::string, kStyleChoiceCount> captions;
};

// A submenu of "印刷線の太さ設定(&W)": items "１単位" .. "５単位".
struct WidthMenu {
    std::string menuName;
    std::string caption;
    std::string itemName;
};

// An item of the "図の種類(&D)" menu (wqplot): the diagram it chooses and its caption.
struct KindItem {
    DiagramKind kind;
    std::string caption;
};

struct DiagramProgram {
    const DiagramVariant* variant = nullptr;  // the program's rules and drawing
    std::string programName;                  // title of the program's own message boxes
    std::string title;                        // window title before a load
    std::string chartName;                    // the diagram's name, which print jobs carry
    std::vector<ChoiceGroup> styleGroups;     // the texts of each style the variant offers
    std::vector<WidthMenu> widthMenus;        // one per print line width of the variant
    // The view: a canvas twice as wide as the visible area with a column scroll bar, or one
    // picture filling it (a single diagram).
    bool wideCanvas = true;
    // The page setup opens with the shifts in force (else with "0" in both boxes).
    bool pageSetupShowsShifts = false;
    // The beep that ends a print run.
    bool beepAfterPrint = true;
    // File>データ入力 (the template workbook) and File>ページ設定 with the print shifts.
    bool templateItem = true;
    bool pageSetupItem = true;
    // The "図の種類(&D)" menu; none for the Parts' diagrams.
    std::vector<KindItem> kinds;
    HelpText helpUse, helpData, helpType, helpVersion;
    std::vector<hc::SplashLabel> splash;

    // The texts of a style group; nullptr when the program has none for it.
    const ChoiceGroup* StyleTexts(Style style) const;
};

// The texts shared by every water-quality program's window.
inline constexpr const char* kLoadingNoticeText =
    "エクセルを起動してデータファイルを読んでいます。しばらくお待ちください。";
inline constexpr const char* kBadCountLine1 = "データ数入力欄に数値がないか、値が大きすぎます";
inline constexpr const char* kBadCountLine2 = "データファイルは正しく作成してくださいね！！！";
inline constexpr std::array<const char*, 5> kWidthCaptions{"１単位", "２単位", "３単位", "４単位",
                                                           "５単位"};

}  // namespace wq
