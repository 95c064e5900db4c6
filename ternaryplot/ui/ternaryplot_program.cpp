#include "ternaryplot/ui/ternaryplot_program.h"

#include "ternaryplot/core/trilinear_chart.h"

namespace tri {

namespace {

wq::DiagramProgram Build() {
    wq::DiagramProgram p;
    p.variant = &TernaryPlotVariant();
    p.programName = "ternaryplot";
    p.title = "トリリニアダイヤグラムの作図・カラー版";
    p.chartName = "トリリニアダイヤグラム";
    p.styleGroups = {
        {wq::Style::SampleList,
         "mnuStyleList",
         "一覧表(&L)",
         "mnuListVal",
         {"サンプル名と番号の表を描く(&Y)", "サンプル名と番号の表を描かない(&N)"}},
        {wq::Style::Numbering,
         "mnuStyleNumber",
         "サンプル番号(&N)",
         "mnuNumberVal",
         {"マーク右下に番号を描く(&Y)", "マーク右下に番号を描かない(&N)"}},
    };
    p.widthMenus = {
        {"mnuWidthOowaku", "外枠線の太さ(&O)", "mnuWidthOowakuVal"},
        {"mnuWidthKowaku", "50％線の太さ(&K)", "mnuWidthKowakuVal"},
        {"mnuWidthYajiru", "矢印線の太さ(&Y)", "mnuWidthYajiruVal"},
        {"mnuWidthSample", "サンプル表枠の太さ(&S)", "mnuWidthSampleVal"},
    };
    p.wideCanvas = false;
    p.pageSetupShowsShifts = true;
    p.beepAfterPrint = true;
    p.helpUse = {"このプログラムの使い方と注意点",
                 {"地下水などの水質分析結果をトリリニアダイヤグラムで表示・印刷",
                  "するためのプログラムです。データはブック (.xls, .xlsx, .ods)",
                  "と CSV ファイルから、表計算ソフトを使わずに直接読みます。", "",
                  "データの入力は表計算ソフト上でおこないます。入力方法は",
                  "「ファイル」－＞「データ入力」を選択するとデフォルトの入力表",
                  "が開きますから、そこに記載してある説明にしたがって下さい。", "",
                  "「ファイル」->「開く」で作図するデータファイルを選択すると、",
                  "データを読み込み画面に作図します。",
                  "「硝酸タイプ」メニューでは、硝酸イオンの扱いを選択します。",
                  "「作図様式」メニューでは、サンプル名と番号の対応表の有無と、",
                  "データポイントの右下に番号をつけるか否かの選択をします。", "",
                  "「ファイル」->「ページ設定」で、印刷位置の調整とプリンターの",
                  "設定の変更ができます。「ファイル」->「印刷」でプリンタに印刷",
                  "します。プリンタにはＡ４用紙で全体がはいるように出力します。",
                  "用紙サイズ・印刷方向はプログラムで制御しています。"}};
    p.helpData = {"水質データの入力方法",
                  {"「ファイル」->「新規」を選択すると、表計算ソフトが",
                   "起動して入力表があらわれます。表計算ソフト（LibreOffice",
                   "Calc や Excel など）が必要なのはこのときだけです。",
                   "「ファイル」->「開く」は表計算ソフトを使わずに、",
                   "ブック (.xls, .xlsx, .ods) と CSV ファイルを",
                   "直接読み込みます。表計算ソフトがなくても作図と", "印刷はできます。", "",
                   "入力は勝手に開く入力表の説明に従って下さい。特に、",
                   "入力したファイルは「名前をつけて保存」して下さい。",
                   "また、行や列の挿入・削除は絶対しないでください。",
                   "デフォルトの入力表 Hinagata.xls はシュティフダイヤ",
                   "グラムの作図プログラムと共通のファイルで、再利用を",
                   "前提にしていますので変更しないでください。"}};
    p.helpType = {"硝酸タイプの説明",
                  {"地下水調査における水質では、硝酸性窒素の扱いが",
                   "焦点の１つになっていますが、トリリニアダイヤグラム",
                   "でどの項目に含めるかは意見が分かれるところです。",
                   "このプログラムでは、硝酸イオンの扱い方について３つ",
                   "のパターンを採用して「タイプ」分けしています。", "",
                   "どのタイプにするかはまったくの好みの問題です。が、",
                   "硝酸イオンが相当量含まれる場合は、これを無視する",
                   "「硝酸を含まない」タイプではカチオンとアニオンとの",
                   "バランスが取れないことになります。「タイプ」分けに",
                   "ついては、逐次修正・変更して行く予定です。"}};
    p.helpVersion = {
        "バージョン情報  ＜ Version Information ＞",
        {"プログラム名： ternaryplot.exe", "", "バージョン名： Version 4.1 (ずうっとβ版)", "",
         "更新した年月： 2005.08.26", "", "開発環境情報： C++20 と Qt 6",
         "動作環境情報： Linux・Windows と表計算ソフトのブック (.xls/.xlsx/.ods)・CSV", "",
         "このプログラムの問い合わせ先", "", "hydrochart 開発チーム"}};
    p.splash = {
        {"トリリニアダイアグラムを作図するプログラムです！", hc::kMincho, 16, hc::Color{0, 128, 0}},
        {" Program : ternaryplot (Version 4.1)", hc::kGothic, 11, hc::kBlack},
        {"hydrochart 開発チーム 2005", hc::kMincho, 10, hc::kBlack},
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
