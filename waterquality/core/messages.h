// The texts the water-quality windows show for what the application layer reports: status
// lines, File>New's message box, the open dialog and the data-check window. Kept in one place
// so that the three programs say the same thing in the same Japanese.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/core/language.h"
#include "common/core/result.h"

namespace wq {

// The status line of a failure: the file by its name only, the cell or line, the reason
// (「data.xls: セル D14: 数値でない「<0.1」があります」).
std::string StatusLine(const hc::Error& error);

// File>New's message box when the template could not be shown: why, and where the template
// is (or, when missing, where it was looked for) so that it can be opened by hand.
std::string TemplateMessage(const hc::Error& error, const std::vector<std::string>& searched);

// File>Open: every workbook the programs read first, then the classic Excel filter, then
// every file.
inline constexpr const char* kOpenTitle = hc::N("開く");
inline constexpr const char* kOpenFilter = hc::N(
    "ワークブック (*.xls *.xlsx *.ods *.csv)|*.xls;*.xlsx;*.ods;*.csv|"
    "Excel Files (*.Xls)|*.Xls|"
    "すべてのファイル (*)|*");

// ternaryplot's 作図様式 menu: the diamond field after each name of the printed table.
inline constexpr const char* kListFieldItemText = hc::N("印刷する一覧表に菱形の区分を加える(&F)");

// ---- The data-check window ----

inline constexpr const char* kCheckTitle = hc::N("データ確認");
inline constexpr const char* kCheckItemText = hc::N("データ確認(&K)");
inline constexpr const char* kSuspectHeading = hc::N("疑わしいセル");
inline constexpr const char* kNoSuspects = hc::N("疑わしいセルはありません。");
inline constexpr const char* kRowsHeading = hc::N("試料ごとのイオンバランスと水質型");
inline constexpr const char* kNoRowsRefused =
    hc::N("このファイルは読み込めなかったため、試料ごとの計算はありません。");
inline constexpr std::array<const char*, 4> kSuspectColumns{hc::N("セル"), hc::N("試料"),
                                                            hc::N("内容"), hc::N("読み込み")};
// The first column for a CSV table: its line and column heading ("5:Cl").
inline constexpr const char* kTablePlaceColumn = hc::N("行:見出し");
inline constexpr const char* kRefusesLoad = hc::N("読み込めない");
inline constexpr const char* kReadAnyway = hc::N("読み込む");
inline constexpr std::array<const char*, 8> kCheckColumns{
    hc::N("番号"), hc::N("試料名"), hc::N("陽イオン計 (meq/L)"), hc::N("陰イオン計 (meq/L)"),
    "CBE (%)",     hc::N("判定"),   hc::N("主要成分による型"),   hc::N("菱形の区分")};
inline constexpr const char* kCloseButton = hc::N("閉じる");

// The heading line above the table: the file and whether it was read.
std::string CheckFileLine(const std::string& path, bool loaded);

}  // namespace wq
