// The texts rainprob's windows show beyond the chart: dialog titles, status lines, the editor's
// help label and the frequency-analysis menu and table. Kept together so that the windows hold
// no message of their own.
#pragma once

#include <optional>
#include <string>

#include "common/core/language.h"
#include "common/core/result.h"
#include "rainprob/core/frequency.h"

namespace rain::text {

// Titles of the file dialogs.
inline constexpr const char* kOpenTitle = hc::N("開く");
inline constexpr const char* kSaveTitle = hc::N("保存");

// The mask editor's Label1. Blank lines are skipped when the file is read, so it no longer
// warns that they break the file.
inline constexpr const char* kEditorHelp = hc::N(
    "年降水量データファイルを作成するエディターです。西暦年と年降水量をセットで１行にかいてくだ"
    "さい。西暦年と年降水量は、スペースで区切ってください。また、空白行は読み込むときに読み飛ばさ"
    "れます。メニュー・ファイルで、「新規作成」を選択すれば、必要な分の西暦年は勝手に入力さ"
    "れますので利用してください。なお、簡易エディターなので、一般のスクリーンエディターのような"
    "優れた機能はありません。矢印キーとBSキー・テンキーを使用してください。  "
    "特にリターンキーは使わないで編集してください。");

// Status lines. Every refusal names the file and, where one applies, the line.
std::string LoadRefused(const hc::Error& e);  // "rain.txt: 2 行目: 「9x0」は数値ではありません"
std::string SaveRefused(const hc::Error& e);  // "保存できませんでした: rain.txt: …"
std::string Saved(const std::string& path);   // "保存しました: rain.txt"
inline constexpr const char* kCopied = hc::N("確率年表をクリップボードにコピーしました");
// A fit the record does not allow, e.g. log-normal with a year of 0 mm: the choice stays.
std::string FitRefused(const std::string& path, const hc::Error& e);

// The frequency-analysis menu, after the program's original menus.
inline constexpr const char* kFrequencyMenu = hc::N("確率解析(&R)");
inline constexpr const char* kPositionMenu = hc::N("プロット位置(&P)");
inline constexpr const char* kDistributionMenu = hc::N("確率分布(&D)");
inline constexpr const char* kReturnPeriodItem = hc::N("確率年表(&T)...");
inline constexpr const char* kFitTableItem = hc::N("適合度(&F)...");
inline constexpr const char* kBandItem = hc::N("推定誤差の幅を表示(&B)");
// Menu captions: the name and, for the positions, the formula of rank i of n.
const char* PositionCaption(PlottingPosition p);
const char* DistributionCaption(Distribution d);
// Short names for the table window and the status line ("ハーゼン", "対数正規分布").
const char* PositionLabel(PlottingPosition p);
const char* DistributionLabel(Distribution d);
// The estimation method in a word: 回帰, 積率法, L 積率法, 最尤法.
const char* MethodLabel(Distribution d);

// The return-period table window.
inline constexpr const char* kReturnPeriodTitle = hc::N("確率年表");
inline constexpr const char* kPeriodHeader = hc::N("再現期間（年）");
inline constexpr const char* kDryHeader = hc::N("渇水年降水量（mm）");
inline constexpr const char* kWetHeader = hc::N("豊水年降水量（mm）");
// The jackknife columns, in two lines to keep the window narrow: dry year, then wet year.
inline constexpr const char* kJackknifeHeaders[] = {
    hc::N("渇水年\n推定値（mm）"), hc::N("渇水年\n補正値（mm）"), hc::N("渇水年\n推定誤差（mm）"),
    hc::N("豊水年\n推定値（mm）"), hc::N("豊水年\n補正値（mm）"), hc::N("豊水年\n推定誤差（mm）")};
// "ジャックナイフ法：1 年ずつ除いた 26 通りの当てはめから…" or why there is none.
std::string JackknifeNote(int years, const std::optional<hc::Error>& refused);
inline constexpr const char* kSaveCsvButton = hc::N("CSV で保存(&S)...");
inline constexpr const char* kCopyButton = hc::N("コピー(&C)");
inline constexpr const char* kCloseButton = hc::N("閉じる");
inline constexpr const char* kCsvTitle = hc::N("確率年表を保存");
inline constexpr const char* kCsvFilter = hc::N("CSV ファイル (*.csv)|*.csv");
// "分布：対数正規分布　プロット位置：ハーゼン"
std::string FitHeading(PlottingPosition p, Distribution d);
// "確率プロット相関係数：0.9871　標準誤差：84.6 mm" (「－」 where the record gives none).
std::string FitQuality(const DistributionFit& fit);

// The fit table window.
inline constexpr const char* kFitTableTitle = hc::N("適合度");
// clang-format off
inline constexpr const char* kFitTableHeaders[] = {
    hc::N("順位"), hc::N("確率分布"), hc::N("推定法"), "SLSC", hc::N("適合"), hc::N("確率プロット相関係数"), hc::N("標準誤差（mm）"),
    hc::N("1/100 豊水年（mm）"), hc::N("推定誤差（mm）"), hc::N("当てはめられない理由")};
// clang-format on
inline constexpr const char* kFitTableCsvTitle = hc::N("適合度を保存");
inline constexpr const char* kFitTableCopied = hc::N("適合度の表をクリップボードにコピーしました");
// "プロット位置：ハーゼン　SLSC が 0.04 以下の分布を適合とします"
std::string FitTableHeading(PlottingPosition p);

}  // namespace rain::text
