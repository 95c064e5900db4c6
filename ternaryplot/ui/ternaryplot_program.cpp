#include "ternaryplot/ui/ternaryplot_program.h"

#include "ternaryplot/core/trilinear_chart.h"

namespace tri {

namespace {

wq::DiagramProgram Build() {
    wq::DiagramProgram p;
    p.variant = &TernaryPlotVariant();
    p.programName = "ternaryplot";
    p.title = hc::N("トリリニアダイヤグラムの作図・カラー版");
    p.chartName = hc::N("トリリニアダイヤグラム");
    p.styleGroups = {
        {wq::Style::SampleList,
         "mnuStyleList",
         hc::N("一覧表(&L)"),
         "mnuListVal",
         {hc::N("サンプル名と番号の表を描く(&Y)"), hc::N("サンプル名と番号の表を描かない(&N)")}},
        {wq::Style::Numbering,
         "mnuStyleNumber",
         hc::N("サンプル番号(&N)"),
         "mnuNumberVal",
         {hc::N("マーク右下に番号を描く(&Y)"), hc::N("マーク右下に番号を描かない(&N)")}},
    };
    p.widthMenus = {
        {"mnuWidthOowaku", hc::N("外枠線の太さ(&O)"), "mnuWidthOowakuVal"},
        {"mnuWidthKowaku", hc::N("50％線の太さ(&K)"), "mnuWidthKowakuVal"},
        {"mnuWidthYajiru", hc::N("矢印線の太さ(&Y)"), "mnuWidthYajiruVal"},
        {"mnuWidthSample", hc::N("サンプル表枠の太さ(&S)"), "mnuWidthSampleVal"},
    };
    p.wideCanvas = false;
    p.pageSetupShowsShifts = true;
    p.beepAfterPrint = true;
    p.helpUse = {hc::N("このプログラムの使い方と注意点"),
                 {hc::N("地下水などの水質分析結果をトリリニアダイヤグラムで表示・印刷"),
                  hc::N("するためのプログラムです。データはブック (.xls, .xlsx, .ods)"),
                  hc::N("と CSV ファイルから、表計算ソフトを使わずに直接読みます。"), "",
                  hc::N("データの入力は表計算ソフト上でおこないます。入力方法は"),
                  hc::N("「ファイル」－＞「データ入力」を選択するとデフォルトの入力表"),
                  hc::N("が開きますから、そこに記載してある説明にしたがって下さい。"), "",
                  hc::N("「ファイル」->「開く」で作図するデータファイルを選択すると、"),
                  hc::N("データを読み込み画面に作図します。"),
                  hc::N("「硝酸タイプ」メニューでは、硝酸イオンの扱いを選択します。"),
                  hc::N("「作図様式」メニューでは、サンプル名と番号の対応表の有無と、"),
                  hc::N("データポイントの右下に番号をつけるか否かの選択をします。"), "",
                  hc::N("「ファイル」->「ページ設定」で、印刷位置の調整とプリンターの"),
                  hc::N("設定の変更ができます。「ファイル」->「印刷」でプリンタに印刷"),
                  hc::N("します。プリンタにはＡ４用紙で全体がはいるように出力します。"),
                  hc::N("用紙サイズ・印刷方向はプログラムで制御しています。")}};
    p.helpData = {
        hc::N("水質データの入力方法"),
        {hc::N("「ファイル」->「新規」を選択すると、表計算ソフトが"),
         hc::N("起動して入力表があらわれます。表計算ソフト（LibreOffice"),
         hc::N("Calc や Excel など）が必要なのはこのときだけです。"),
         hc::N("「ファイル」->「開く」は表計算ソフトを使わずに、"),
         hc::N("ブック (.xls, .xlsx, .ods) と CSV ファイルを"),
         hc::N("直接読み込みます。表計算ソフトがなくても作図と"), hc::N("印刷はできます。"), "",
         hc::N("入力は勝手に開く入力表の説明に従って下さい。特に、"),
         hc::N("入力したファイルは「名前をつけて保存」して下さい。"),
         hc::N("また、行や列の挿入・削除は絶対しないでください。"),
         hc::N("デフォルトの入力表 Hinagata.xls はシュティフダイヤ"),
         hc::N("グラムの作図プログラムと共通のファイルで、再利用を"),
         hc::N("前提にしていますので変更しないでください。")}};
    p.helpType = {hc::N("硝酸タイプの説明"),
                  {hc::N("地下水調査における水質では、硝酸性窒素の扱いが"),
                   hc::N("焦点の１つになっていますが、トリリニアダイヤグラム"),
                   hc::N("でどの項目に含めるかは意見が分かれるところです。"),
                   hc::N("このプログラムでは、硝酸イオンの扱い方について３つ"),
                   hc::N("のパターンを採用して「タイプ」分けしています。"), "",
                   hc::N("どのタイプにするかはまったくの好みの問題です。が、"),
                   hc::N("硝酸イオンが相当量含まれる場合は、これを無視する"),
                   hc::N("「硝酸を含まない」タイプではカチオンとアニオンとの"),
                   hc::N("バランスが取れないことになります。「タイプ」分けに"),
                   hc::N("ついては、逐次修正・変更して行く予定です。")}};
    p.helpVersion = {
        hc::N("バージョン情報  ＜ Version Information ＞"),
        {hc::N("プログラム名： ternaryplot.exe"), "",
         hc::N("バージョン名： Version 4.1 (ずうっとβ版)"), "", hc::N("更新した年月： 2005.08.26"),
         "", hc::N("開発環境情報： C++20 と Qt 6"),
         hc::N("動作環境情報： Linux・Windows と表計算ソフトのブック (.xls/.xlsx/.ods)・CSV"), "",
         hc::N("このプログラムの問い合わせ先"), "", hc::N("hydrochart 開発チーム")}};
    p.helpVersion.lineByLine = true;
    p.splash = {
        {hc::N("トリリニアダイアグラムを作図するプログラムです！"), hc::kMincho, 16,
         hc::Color{0, 128, 0}},
        {" Program : ternaryplot (Version 4.1)", hc::kGothic, 11, hc::kBlack},
        {hc::N("hydrochart 開発チーム 2005"), hc::kMincho, 10, hc::kBlack},
        {"C++20 / Qt 6", hc::kGothic, 10, hc::kBlack},
    };
    return p;
}

}  // namespace

const wq::DiagramProgram& TernaryPlotProgram() {
    static const wq::DiagramProgram program = Build();
    return program;
}

}  // namespace tri
