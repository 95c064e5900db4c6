#include "wqplot/ui/wqplot_program.h"

#include "wqplot/core/wqplot_chart.h"

namespace wqp {

namespace {

wq::DiagramProgram Build() {
    wq::DiagramProgram p;
    p.variant = &WqPlotVariant();
    p.programName = "wqplot";
    p.title = hc::N("水質ダイアグラムの作図");
    p.chartName = hc::N("水質ダイアグラム");
    p.wideCanvas = false;
    p.pageSetupItem = false;
    p.templateItem = false;
    p.beepAfterPrint = false;
    p.kinds = {
        {wq::DiagramKind::Piper, hc::N("パイパーダイアグラム(&P)")},
        {wq::DiagramKind::Schoeller, hc::N("シェーラーダイアグラム(&S)")},
        {wq::DiagramKind::Chadha, hc::N("チャダダイアグラム(&C)")},
        {wq::DiagramKind::Durov, hc::N("デュロフダイアグラム(&U)")},
        {wq::DiagramKind::Hfed, hc::N("HFE-D ダイアグラム(&H)")},
        {wq::DiagramKind::Ussl, hc::N("USSL ダイアグラム(&A)")},
        {wq::DiagramKind::Gibbs, hc::N("ギブスダイアグラム(&G)")},
        {wq::DiagramKind::Classification, hc::N("分類表(&T)")},
    };
    p.helpUse = {hc::N("このプログラムの使い方と注意点"),
                 {hc::N("地下水などの水質分析結果を、パイパーダイアグラム・シェーラー"),
                  hc::N("ダイアグラム・チャダダイアグラム・デュロフダイアグラム・"),
                  hc::N("HFE-D ダイアグラムで表示・印刷し、試料ごとの"),
                  hc::N("水質分類表をつくるためのプログラムです。"),
                  "",
                  hc::N("データはブック (.xls, .xlsx, .ods) と CSV ファイルから、"),
                  hc::N("表計算ソフトを使わずに直接読みます。ほかの水質プログラムと"),
                  hc::N("同じ入力表（32 試料まで）のほか、１行に１試料をならべた表"),
                  hc::N("（10,000 試料まで）も読めます。"),
                  "",
                  hc::N("「図の種類」メニューで描く図を選びます。パイパーダイアグラム"),
                  hc::N("では水質区分線、サンプル名、TDS の大きさの円を描くかどうかを、"),
                  hc::N("シェーラーダイアグラムではカリウムを分けて描くかどうかを、"),
                  hc::N("HFE-D ダイアグラムでは海水との混合線を描くかどうかを選べます。"),
                  hc::N("USSL ダイアグラムは EC（電気伝導度）のある試料だけを描きます。"),
                  hc::N("ギブスダイアグラムでは比を mg/L と meq/L のどちらで計算するかを"),
                  hc::N("選べます。"),
                  hc::N("「硝酸タイプ」メニューでは、硝酸イオンの扱いを選択します。"),
                  "",
                  hc::N("「ファイル」->「印刷」でプリンタに印刷します。プリンタには"),
                  hc::N("Ａ４用紙で全体がはいるように出力します。")}};
    p.helpData = {hc::N("水質データの入力方法"),
                  {hc::N("１行目に項目名、２行目から１行に１試料をならべます。"),
                   hc::N("項目名は試料名（name, 試料名, 地点名）と Na, K, Ca, Mg, Cl,"),
                   hc::N("HCO3, SO4, NO3（mg/L）です。CO3, F, EC（μS/cm）, pH,"),
                   hc::N("TDS（mg/L）, group（または site, 地点）, date, mark, colour"),
                   hc::N("の列はあってもなくてもかまいません。"), "",
                   hc::N("group の列があると、グループごとに記号と色をかえて描き、"),
                   hc::N("凡例をつけます。ほかの水質プログラムの入力表では、"),
                   hc::N("20 行目の記号と 21 行目の色番号を使います。")}};
    p.helpType = {hc::N("硝酸タイプの説明"),
                  {hc::N("パイパー・チャダ・デュロフ・HFE-D ダイアグラムでは、硝酸イオンを"),
                   hc::N("次の３つのどれかとしてあつかいます。"), "",
                   hc::N("「硝酸はふくまない」：硝酸イオンを数えません。"),
                   hc::N("「硝酸は塩素と一緒」：塩化物イオンに加えます。"),
                   hc::N("「硝酸は硫酸と一緒」：硫酸イオンに加えます。"), "",
                   hc::N("硝酸イオンが相当量含まれる場合は、これを無視する"),
                   hc::N("「硝酸はふくまない」タイプではカチオンとアニオンとの"),
                   hc::N("バランスが取れないことになります。")}};
    p.helpVersion = {
        hc::N("バージョン情報  ＜ Version Information ＞"),
        {hc::N("プログラム名： wqplot"), "", hc::N("バージョン名： Version 1.0"), "",
         hc::N("開発環境情報： C++20 と Qt 6"),
         hc::N("動作環境情報： Linux・Windows と表計算ソフトのブック (.xls/.xlsx/.ods)・CSV"), "",
         hc::N("このプログラムの問い合わせ先"), "", hc::N("hydrochart 開発チーム")}};
    p.helpVersion.lineByLine = true;
    p.splash = {
        {hc::N("水質ダイアグラムを作図するプログラムです！"), hc::kMincho, 16,
         hc::Color{0, 96, 160}},
        {" Program : wqplot (Version 1.0)", hc::kGothic, 11, hc::kBlack},
        {hc::N("パイパー・シェーラー・チャダ・水質分類表"), hc::kMincho, 10, hc::kBlack},
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
