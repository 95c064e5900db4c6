#include "wqplot/ui/wqplot_program.h"

#include "wqplot/core/wqplot_chart.h"

namespace wqp {

namespace {

wq::DiagramProgram Build() {
    wq::DiagramProgram p;
    p.variant = &WqPlotVariant();
    p.programName = "wqplot";
    p.title = "水質ダイアグラムの作図";
    p.chartName = "水質ダイアグラム";
    p.wideCanvas = false;
    p.pageSetupItem = false;
    p.templateItem = false;
    p.beepAfterPrint = false;
    p.kinds = {
        {wq::DiagramKind::Piper, "パイパーダイアグラム(&P)"},
        {wq::DiagramKind::Schoeller, "シェーラーダイアグラム(&S)"},
        {wq::DiagramKind::Chadha, "チャダダイアグラム(&C)"},
        {wq::DiagramKind::Durov, "デュロフダイアグラム(&U)"},
        {wq::DiagramKind::Hfed, "HFE-D ダイアグラム(&H)"},
        {wq::DiagramKind::Ussl, "USSL ダイアグラム(&A)"},
        {wq::DiagramKind::Gibbs, "ギブスダイアグラム(&G)"},
        {wq::DiagramKind::Classification, "分類表(&T)"},
    };
    p.helpUse = {"このプログラムの使い方と注意点",
                 {"地下水などの水質分析結果を、パイパーダイアグラム・シェーラー",
                  "ダイアグラム・チャダダイアグラム・デュロフダイアグラム・",
                  "HFE-D ダイアグラムで表示・印刷し、試料ごとの",
                  "水質分類表をつくるためのプログラムです。", "",
                  "データはブック (.xls, .xlsx, .ods) と CSV ファイルから、",
                  "表計算ソフトを使わずに直接読みます。ほかの水質プログラムと",
                  "同じ入力表（32 試料まで）のほか、１行に１試料をならべた表",
                  "（10,000 試料まで）も読めます。", "",
                  "「図の種類」メニューで描く図を選びます。パイパーダイアグラム",
                  "では水質区分線、サンプル名、TDS の大きさの円を描くかどうかを、",
                  "シェーラーダイアグラムではカリウムを分けて描くかどうかを、",
                  "HFE-D ダイアグラムでは海水との混合線を描くかどうかを選べます。",
                  "USSL ダイアグラムは EC（電気伝導度）のある試料だけを描きます。",
                  "ギブスダイアグラムでは比を mg/L と meq/L のどちらで計算するかを",
                  "選べます。",
                  "「硝酸タイプ」メニューでは、硝酸イオンの扱いを選択します。", "",
                  "「ファイル」->「印刷」でプリンタに印刷します。プリンタには",
                  "Ａ４用紙で全体がはいるように出力します。"}};
    p.helpData = {"水質データの入力方法",
                  {"１行目に項目名、２行目から１行に１試料をならべます。",
                   "項目名は試料名（name, 試料名, 地点名）と Na, K, Ca, Mg, Cl,",
                   "HCO3, SO4, NO3（mg/L）です。CO3, F, EC（μS/cm）, pH,",
                   "TDS（mg/L）, group（または site, 地点）, date, mark, colour",
                   "の列はあってもなくてもかまいません。", "",
                   "group の列があると、グループごとに記号と色をかえて描き、",
                   "凡例をつけます。ほかの水質プログラムの入力表では、",
                   "20 行目の記号と 21 行目の色番号を使います。"}};
    p.helpType = {"硝酸タイプの説明",
                  {"パイパー・チャダ・デュロフ・HFE-D ダイアグラムでは、硝酸イオンを",
                   "次の３つのどれかとしてあつかいます。", "",
                   "「硝酸はふくまない」：硝酸イオンを数えません。",
                   "「硝酸は塩素と一緒」：塩化物イオンに加えます。",
                   "「硝酸は硫酸と一緒」：硫酸イオンに加えます。", "",
                   "硝酸イオンが相当量含まれる場合は、これを無視する",
                   "「硝酸はふくまない」タイプではカチオンとアニオンとの",
                   "バランスが取れないことになります。"}};
    p.helpVersion = {
        "バージョン情報  ＜ Version Information ＞",
        {"プログラム名： wqplot", "", "バージョン名： Version 1.0", "",
         "開発環境情報： C++20 と Qt 6",
         "動作環境情報： Linux・Windows と表計算ソフトのブック (.xls/.xlsx/.ods)・CSV", "",
         "このプログラムの問い合わせ先", "", "hydrochart 開発チーム"}};
    p.splash = {
        {"水質ダイアグラムを作図するプログラムです！", hc::kMincho, 16, hc::Color{0, 96, 160}},
        {" Program : wqplot (Version 1.0)", hc::kGothic, 11, hc::kBlack},
        {"パイパー・シェーラー・チャダ・水質分類表", hc::kMincho, 10, hc::kBlack},
        {"C++20 / Qt 6", hc::kGothic, 10, hc::kBlack},
    };
    return p;
}

}  // namespace

const wq::DiagramProgram& WqPlotProgram() {
    static const wq::DiagramProgram program = Build();
    return program;
}

}  // namespace wqp
