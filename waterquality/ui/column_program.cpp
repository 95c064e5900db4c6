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
         "作図並び(&D)",
         "mnuDirectionVal",
         {"下から上へ作図(&U)", "上から下へ作図(&D)"}},
        {Style::Numbering,
         "mnuStyleNumber",
         "番号(&N)",
         "mnuNumberVal",
         {"サンプル名に番号をつける(&Y)", "サンプル名に番号つけない(&N)"}},
    };
    p.widthMenus = {
        {"mnuWidthRokkaku", t.widthCaptions[0], "mnuWidthRokkakuVal"},
        {"mnuWidthSyosan", t.widthCaptions[1], "mnuWidthSyosanVal"},
        {"mnuWidthCenter", t.widthCaptions[2], "mnuWidthCenterVal"},
        {"mnuWidthMemori", t.widthCaptions[3], "mnuWidthMemoriVal"},
        {"mnuWidthHanrei", t.widthCaptions[4], "mnuWidthHanreiVal"},
    };
    p.helpUse = {"このプログラムの使い方と注意点",
                 {t.helpUseFirstLine,
                  "するためのプログラムです。データはブック (.xls, .xlsx, .ods)",
                  "と CSV ファイルから、表計算ソフトを使わずに直接読みます。",
                  "",
                  "データの入力は表計算ソフト上でおこないます。入力方法は",
                  "「ファイル」－＞「データ入力」を選択するとデフォルトの入力表",
                  "が開きますから、そこに記載してある説明にしたがって下さい。",
                  "",
                  "「ファイル」->「開く」で作図するデータファイルを選択すると、",
                  "データを読み込み画面に作図します。",
                  "「硝酸タイプ」メニューでは、硝酸イオンの扱いを選択します。",
                  "「スケール」メニューでは、作図するスケールを変更できます。",
                  "スケールは作図する列数分の項目が選択できるようになっていて、",
                  "各々の作図列に対して設定できます。",
                  "「作図様式」メニューでは、作図する方向の設定と、六角形の上に",
                  "描くサンプル名に番号をつけるか否かの設定をします。",
                  "",
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
                   "デフォルトの入力表 Hinagata.xls はトリリニダイヤ",
                   "グラムの作図プログラムと共通のファイルで、再利用",
                   "を前提にしていますので変更しないでください。。"}};
    p.helpType = {"タイプの説明",
                  {"地下水調査における水質では、硝酸性窒素のあつかいが", t.helpTypeSecondLine,
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
        {"プログラム名： " + t.programName, "", "バージョン名： Version 4.0 (ずうっとβ版)", "",
         "更新した年月： " + t.updated, "", "開発環境情報： C++20 と Qt 6",
         "動作環境情報： Linux・Windows と表計算ソフトのブック (.xls/.xlsx/.ods)・CSV", "",
         "このプログラムの問い合わせ先", "", "hydrochart 開発チーム"}};
    p.splash = {
        {t.splashTitle, hc::kMincho, 16, hc::Color{0, 128, 0}},
        {" Program : " + t.programName + " (Version 4.0)", hc::kGothic, 11, hc::kBlack},
        {"hydrochart 開発チーム 2005", hc::kMincho, 10, hc::kBlack},
        {"C++20 / Qt 6", hc::kGothic, 10, hc::kBlack},
    };
    return p;
}

}  // namespace wq
