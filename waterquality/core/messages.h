// The texts the water-quality windows show for what the application layer reports: status
// lines, File>New's message box, the open dialog and the data-check window. Kept in one place
// so that the three programs say the same thing in the same Japanese.
#pragma once

#include <array>
#include <string>
#include <vector>

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
inline constexpr const char* kOpenTitle = "開く";
inline constexpr const char* kOpenFilter =
    "ワークブック (*.xls *.xlsx *.ods *.csv)|*.xls;*.xlsx;*.ods;*.csv|"
    "Excel Files (*.Xls)|*.Xls|"
    "すべてのファイル (*)|*";

// ternaryplot's 作図様式 menu: the diamond field after each name of the printed table.
inline constexpr const char* kListFieldItemText = "印刷する一覧表に菱形の区分を加える(&F)";

// ---- The data-check window ----

inline constexpr const char* kCheckTitle = "データ確認";
inline constexpr const char* kCheckItemText = "データ確認(&K)";
inline constexpr const char* kSuspectHeading = "疑わしいセル";
inline constexpr const char* kNoSuspects = "疑わしいセルはありません。";
inline constexpr const char* kRowsHeading = "試料ごとのイオンバランスと水質型";
inline constexpr const char* kNoRowsRefused =
    "このファイルは読み込めなかったため、試料ごとの計算はありません。";
inline constexpr std::array<const char*, 4> kSuspectColumns{"セル", "試料", "内容", "読み込み"};
// The first column for a CSV table: its line and column heading ("5:Cl").
inline constexpr const char* kTablePlaceColumn = "行:見出し";
inline constexpr const char* kRefusesLoad = "読み込めない";
inline constexpr const char* kReadAnyway = "読み込む";
inline constexpr std::array<const char*, 8> kCheckColumns{
    "番号",    "試料名", "陽イオン計 (meq/L)", "陰イオン計 (meq/L)",
    "CBE (%)", "判定",   "主要成分による型",   "菱形の区分"};
inline constexpr const char* kCloseButton = "閉じる";

// The heading line above the table: the file and whether it was read.
std::string CheckFileLine(const std::string& path, bool loaded);

}  // namespace wq
