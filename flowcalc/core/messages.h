// The window texts and messages flowcalc shows, shared by the windows and the headless command.
#pragma once

#include <string>

#include "common/core/language.h"
#include "common/core/result.h"

namespace flow::text {

inline constexpr const char* kTitle = hc::N("マニング式による流量計算");
inline constexpr const char* kLoadFailed =
    "断面座標のデータの数が多すぎるか、\rデータファイルの作成方法が不正です";
inline constexpr const char* kScaleInvalid = hc::N("スケールを正しく入力してください");
inline constexpr const char* kRangeInvalid = hc::N("解析範囲を正しく入力してください");
inline constexpr const char* kRoughnessInvalid =
    "粗度係数は通常 0.01 ～ 0.1 です\r正しい粗度係数を入力してください";
inline constexpr const char* kSlopeInvalid =
    "この河床勾配では計算できません\r正しい河床勾配を入力してください";
inline constexpr const char* kDepthInvalid =
    "この最大水深では浅すぎます\r１cm以上の水深にしてください";
inline constexpr const char* kParametersUnusable = hc::N("パラメータは正しく入れてください");
inline constexpr const char* kEditFileRefused = hc::N("このデータファイルは処理できません");
inline constexpr const char* kEditRoughnessRefused = hc::N(
    "粗度係数の列のある断面ファイルはこのエディタでは編集できません（表計算ソフトなどで編集してくだ"
    "さい）");
inline constexpr const char* kTooFewRows = hc::N("入力したデータ数が少なすぎます");
// The lines of kLoadFailed and kUnsavedGrid, translated one by one and joined by ShownLines.
inline constexpr const char* kLoadFailedLines[] = {hc::N("断面座標のデータの数が多すぎるか、"),
                                                   hc::N("データファイルの作成方法が不正です")};
inline constexpr const char* kUnsavedGridLines[] = {
    hc::N("入力した断面座標データは保存されていません。"), hc::N("保存しますか？")};
inline std::string ShownLines(const char* const (&lines)[2]) {
    return hc::TS(lines[0]) + "\r" + hc::TS(lines[1]);
}
inline constexpr const char* kUnsavedGrid =
    "入力した断面座標データは保存されていません。\r保存しますか？";

// Rating table and normal depth.
inline constexpr const char* kNoBank = hc::N("この断面は最深部の片側に岸がないため計算できません");
inline constexpr const char* kStepInvalid = hc::N("水位の刻みを正しく入力してください");
inline constexpr const char* kDischargeInvalid = hc::N("流量を正しく入力してください");
inline constexpr const char* kAboveBankFull =
    "この流量は岸の天端（低い方）までに流れる\r最大の流量 ";
inline constexpr const char* kAboveBankFullUnit = hc::N(" ｍ3／sec を超えています");

// Status lines of the main window and the editor.
inline constexpr const char* kNoScales =
    hc::N("スケールが設定されていません：設定(S)→スケール(S)で設定してください");
inline constexpr const char* kSaveFailed = hc::N("保存できませんでした: ");

// The analysis menu and its windows.
inline constexpr const char* kAnalysisMenu = hc::N("解析(&A)");
inline constexpr const char* kRatingItem = hc::N("水位流量曲線...");
inline constexpr const char* kNormalDepthItem = hc::N("等流水深...");
inline constexpr const char* kRatingWindowTitle = hc::N("水位流量曲線");
inline constexpr const char* kNormalDepthWindowTitle = hc::N("等流水深の計算");
inline constexpr const char* kEnergyItem = hc::N("比エネルギー曲線(&E)...");
inline constexpr const char* kSubdividedItem = hc::N("断面を分割して計算(&D)");
inline constexpr const char* kPartsItem = hc::N("水路ごとに計算(&W)");
inline constexpr const char* kBanksItem = hc::N("高水敷との境界（左岸・右岸）(&B)...");
inline constexpr const char* kUsUnitsItem = hc::N("ヤード・ポンド法（ft, ft3/sec）(&U)");
inline constexpr const char* kEnergyWindowTitle = hc::N("比エネルギー曲線");
inline constexpr const char* kBanksWindowTitle = hc::N("高水敷との境界");
inline constexpr const char* kBanksInvalid = hc::N("左岸・右岸の位置を正しく入力してください");
inline constexpr const char* kCsvCopied = hc::N("表をクリップボードにコピーしました");

// The flow regime of a sub-channel by its Froude number.
inline constexpr const char* kSubcritical = hc::N("常流");
inline constexpr const char* kCritical = hc::N("限界流");
inline constexpr const char* kSupercritical = hc::N("射流");
inline constexpr const char* kNoFlow = hc::N("－");

// The how-to-use text beside the program, and what the status bar and the help window say
// when it is missing.
inline constexpr const char* kHelpFileName = "manning.txt";
// Its English, read instead where the windows speak English.
inline constexpr const char* kHelpFileNameEn = "manning.en.txt";
inline constexpr const char* kHelpFileMissing =
    hc::N("使い方のファイル manning.txt が見つからないか、読めません");

// File dialogs: the main window's open dialog and the editor's dialogs.
inline constexpr const char* kOpenFilter =
    hc::N("テキストファイル (*.txt)|*.txt| すべてのファイル (*.*)|*.*");
inline constexpr const char* kEditorFilter =
    hc::N("テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*");

}  // namespace flow::text
