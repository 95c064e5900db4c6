// What makes one water-quality program's window out of the shared main window: its texts,
// help texts, splash labels, the captions of the "作図様式(&O)" choices and of the print
// line-width menus. Its rules and drawing come from its wq::DiagramVariant.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "common/ui/splash_window.h"
#include "waterquality/core/diagram_app.h"

namespace wq {

// A help topic: a message box whose title and lines are built in code.
struct HelpText {
    HelpText() = default;
    HelpText(std::string title, std::vector<std::string> lines, std::vector<std::string> args = {})
        : title(std::move(title)), lines(std::move(lines)), args(std::move(args)) {}

    std::string title;
    std::vector<std::string> lines;  // "" marks the empty line before a paragraph
    std::vector<std::string> args;   // what %1, %2 in the lines stand for
    bool lineByLine = false;         // a list: its lines stay lines in English too
    // The lines joined by carriage returns, %1... filled in. In English each paragraph's lines
    // are translated one by one and run on as one line, since English breaks elsewhere.
    std::string Text() const;
    std::string Title() const;  // in the language shown
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
    hc::N("エクセルを起動してデータファイルを読んでいます。しばらくお待ちください。");
inline constexpr const char* kBadCountLine1 =
    hc::N("データ数入力欄に数値がないか、値が大きすぎます");
inline constexpr const char* kBadCountLine2 =
    hc::N("データファイルは正しく作成してくださいね！！！");
inline constexpr std::array<const char*, 5> kWidthCaptions{
    hc::N("１単位"), hc::N("２単位"), hc::N("３単位"), hc::N("４単位"), hc::N("５単位")};

}  // namespace wq
