// The window texts and messages flowcalc shows, shared by the windows and the headless command.
#pragma once

namespace flow::text {

inline constexpr const char* kTitle = "マニング式による流量計算";
inline constexpr const char* kLoadFailed =
    "断面座標のデータの数が多すぎるか、\rデータファイルの作成方法が不正です";
inline constexpr const char* kScaleInvalid = "スケールを正しく入力してください";
inline constexpr const char* kRangeInvalid = "解析範囲を正しく入力してください";
inline constexpr const char* kRoughnessInvalid =
    "粗度係数は通常 0.01 ～ 0.1 です\r正しい粗度係数を入力してください";
inline constexpr const char* kSlopeInvalid =
    "この河床勾配では計算できません\r正しい河床勾配を入力してください";
inline constexpr const char* kDepthInvalid =
    "この最大水深では浅すぎます\r１cm以上の水深にしてください";
inline constexpr const char* kParametersUnusable = "パラメータは正しく入れてください";
inline constexpr const char* kEditFileRefused = "このデータファイルは処理できません";
inline constexpr const char* kEditRoughnessRefused =
    "粗度係数の列のある断面ファイルはこのエディタでは編集できません（表計算ソフトなどで編集してくだ"
    "さい）";
inline constexpr const char* kTooFewRows = "入力したデータ数が少なすぎます";
inline constexpr const char* kUnsavedGrid =
    "入力した断面座標データは保存されていません。\r保存しますか？";

// Rating table and normal depth.
inline constexpr const char* kNoBank = "この断面は最深部の片側に岸がないため計算できません";
inline constexpr const char* kStepInvalid = "水位の刻みを正しく入力してください";
inline constexpr const char* kDischargeInvalid = "流量を正しく入力してください";
inline constexpr const char* kAboveBankFull =
    "この流量は岸の天端（低い方）までに流れる\r最大の流量 ";
inline constexpr const char* kAboveBankFullUnit = " ｍ3／sec を超えています";

// Status lines of the main window and the editor.
inline constexpr const char* kNoScales =
    "スケールが設定されていません：設定(S)→スケール(S)で設定してください";
inline constexpr const char* kSaveFailed = "保存できませんでした: ";

// The analysis menu and its windows.
inline constexpr const char* kAnalysisMenu = "解析(&A)";
inline constexpr const char* kRatingItem = "水位流量曲線...";
inline constexpr const char* kNormalDepthItem = "等流水深...";
inline constexpr const char* kRatingWindowTitle = "水位流量曲線";
inline constexpr const char* kNormalDepthWindowTitle = "等流水深の計算";
inline constexpr const char* kEnergyItem = "比エネルギー曲線(&E)...";
inline constexpr const char* kSubdividedItem = "断面を分割して計算(&D)";
inline constexpr const char* kPartsItem = "水路ごとに計算(&W)";
inline constexpr const char* kBanksItem = "高水敷との境界（左岸・右岸）(&B)...";
inline constexpr const char* kUsUnitsItem = "ヤード・ポンド法（ft, ft3/sec）(&U)";
inline constexpr const char* kEnergyWindowTitle = "比エネルギー曲線";
inline constexpr const char* kBanksWindowTitle = "高水敷との境界";
inline constexpr const char* kBanksInvalid = "左岸・右岸の位置を正しく入力してください";
inline constexpr const char* kCsvCopied = "表をクリップボードにコピーしました";

// The flow regime of a sub-channel by its Froude number.
inline constexpr const char* kSubcritical = "常流";
inline constexpr const char* kCritical = "限界流";
inline constexpr const char* kSupercritical = "射流";
inline constexpr const char* kNoFlow = "－";

// The how-to-use text beside the program, and what the status bar and the help window say
// when it is missing.
inline constexpr const char* kHelpFileName = "manning.txt";
inline constexpr const char* kHelpFileMissing =
    "使い方のファイル manning.txt が見つからないか、読めません";

// File dialogs: the main window's open dialog and the editor's dialogs.
inline constexpr const char* kOpenFilter =
    "テキストファイル (*.txt)|*.txt| すべてのファイル (*.*)|*.*";
inline constexpr const char* kEditorFilter =
    "テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*";

}  // namespace flow::text
