#include "waterquality/ui/column_program.h"

namespace wq {

DiagramProgram ColumnDiagramProgram(const ColumnProgramTexts& t) {
    DiagramProgram p;
    p.variant = t.variant;
    p.programName = t.programName;
    p.title = t.title;
    p.chartName = t.chartName;
    p.styleGroups = {
        {Style::Direction,
         "mnuStyleDirection",
         hc::N("作図並び(&D)"),
         "mnuDirectionVal",
         {hc::N("下から上へ作図(&U)"), hc::N("上から下へ作図(&D)")}},
        {Style::Numbering,
         "mnuStyleNumber",
         hc::N("番号(&N)"),
         "mnuNumberVal",
         {hc::N("サンプル名に番号をつける(&Y)"), hc::N("サンプル名に番号つけない(&N)")}},
    };
    p.widthMenus = {
        {"mnuWidthRokkaku", t.widthCaptions[0], "mnuWidthRokkakuVal"},
        {"mnuWidthSyosan", t.widthCaptions[1], "mnuWidthSyosanVal"},
        {"mnuWidthCenter", t.widthCaptions[2], "mnuWidthCenterVal"},
        {"mnuWidthMemori", t.widthCaptions[3], "mnuWidthMemoriVal"},
        {"mnuWidthHanrei", t.widthCaptions[4], "mnuWidthHanreiVal"},
    };
    p.helpUse = {hc::N("このプログラムの使い方と注意点"),
                 {t.helpUseFirstLine,
                  hc::N("するためのプログラムです。データはブック (.xls, .xlsx, .ods)"),
                  hc::N("と CSV ファイルから、表計算ソフトを使わずに直接読みます。"),
                  "",
                  hc::N("データの入力は表計算ソフト上でおこないます。入力方法は"),
                  hc::N("「ファイル」－＞「データ入力」を選択するとデフォルトの入力表"),
                  hc::N("が開きますから、そこに記載してある説明にしたがって下さい。"),
                  "",
                  hc::N("「ファイル」->「開く」で作図するデータファイルを選択すると、"),
                  hc::N("データを読み込み画面に作図します。"),
                  hc::N("「硝酸タイプ」メニューでは、硝酸イオンの扱いを選択します。"),
                  hc::N("「スケール」メニューでは、作図するスケールを変更できます。"),
                  hc::N("スケールは作図する列数分の項目が選択できるようになっていて、"),
                  hc::N("各々の作図列に対して設定できます。"),
                  hc::N("「作図様式」メニューでは、作図する方向の設定と、六角形の上に"),
                  hc::N("描くサンプル名に番号をつけるか否かの設定をします。"),
                  "",
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
         hc::N("デフォルトの入力表 Hinagata.xls はトリリニダイヤ"),
         hc::N("グラムの作図プログラムと共通のファイルで、再利用"),
         hc::N("を前提にしていますので変更しないでください。。")}};
    p.helpType = {hc::N("タイプの説明"),
                  {hc::N("地下水調査における水質では、硝酸性窒素のあつかいが"),
                   t.helpTypeSecondLine, hc::N("でどの項目に含めるかは意見が分かれるところです。"),
                   hc::N("このプログラムでは、硝酸イオンの扱い方について３つ"),
                   hc::N("のパターンを採用して「タイプ」分けしています。"), "",
                   hc::N("どのタイプにするかはまったくの好みの問題です。が、"),
                   hc::N("硝酸イオンが相当量含まれる場合は、これを無視する"),
                   hc::N("「硝酸を含まない」タイプではカチオンとアニオンとの"),
                   hc::N("バランスが取れないことになります。「タイプ」分けに"),
                   hc::N("ついては、逐次修正・変更して行く予定です。")}};
    p.helpVersion = {
        hc::N("バージョン情報  ＜ Version Information ＞"),
        {hc::N("プログラム名： %1"), "", hc::N("バージョン名： Version 4.0 (ずうっとβ版)"), "",
         hc::N("更新した年月： %2"), "", hc::N("開発環境情報： C++20 と Qt 6"),
         hc::N("動作環境情報： Linux・Windows と表計算ソフトのブック (.xls/.xlsx/.ods)・CSV"), "",
         hc::N("このプログラムの問い合わせ先"), "", hc::N("hydrochart 開発チーム")},
        {t.programName, t.updated}};
    p.helpVersion.lineByLine = true;
    p.splash = {
        {t.splashTitle, hc::kMincho, 16, hc::Color{0, 128, 0}},
        {" Program : " + t.programName + " (Version 4.0)", hc::kGothic, 11, hc::kBlack},
        {hc::N("hydrochart 開発チーム 2005"), hc::kMincho, 10, hc::kBlack},
        {"C++20 / Qt 6", hc::kGothic, 10, hc::kBlack},
    };
    return p;
}

}  // namespace wq
