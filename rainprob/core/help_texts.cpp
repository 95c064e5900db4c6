#include "rainprob/core/help_texts.h"
#include "common/core/language.h"

#include <initializer_list>

namespace rain {

namespace {

// A line and how it ends: CR within a paragraph, CR LF at its end, nothing after the last.
enum class End { Cr, CrLf, None };
struct Line {
    const char* text;
    End end;
};

// In English each line is translated on its own and the lines of a paragraph run on, since
// English breaks its lines elsewhere.
std::string Join(std::initializer_list<Line> lines) {
    const bool english = hc::CurrentLanguage() == hc::Language::English;
    std::string s;
    for (const Line& l : lines) {
        s += english ? hc::TS(l.text) : std::string(l.text);
        s += l.end == End::Cr ? (english ? " " : "\r") : l.end == End::CrLf ? "\r\n" : "";
    }
    return s;
}

}  // namespace

HelpText DrawingHelp() {
    return {
        hc::TS("作図方法と印刷にあたっての注意点です"),
        Join({{hc::N("年降水量の非超過確率を計算し作図・印刷するプログラムです。  "), End::CrLf},
              {hc::N("処理する年降水量データは、テキストファイルから読み込みます。"), End::Cr},
              {hc::N("データ読み込みは、メニューの[ファイル]－[開く]でファイル名を"), End::Cr},
              {hc::N("選択してください。正常なデータであれば、デフォルトのスケール"), End::Cr},
              {hc::N("で勝手に作図します。横軸のスケール（年降水量）が気に入らない"), End::Cr},
              {hc::N("場合は、メニューの[設定]－[横軸最大(小)値の設定]で好きに設定"), End::Cr},
              {hc::N("してください。設定が変わるたびに画面上で繰り返し作図します。"), End::CrLf},
              {hc::N("印刷はメニューの[ファイル]－[印刷]を選択すると実行します。 "), End::Cr},
              {hc::N("印刷では、強制的にＡ４版縦置で出力するように設定しています。"), End::Cr},
              {hc::N("なお、印刷結果は使用するプリンターによって微妙に異なると予想"), End::Cr},
              {hc::N("されますが、作図位置や線の太さに不具合がでるかもしれません。"), End::Cr},
              {hc::N("とりあえず一度印刷してから、メニュー[設定]のなかで作図する"), End::Cr},
              {hc::N("位置や各々の線の太さを調節してみてください。"), End::CrLf}})};
}

HelpText DataFileHelp() {
    return {
        hc::TS("データファイルの作成にあたっての注意点です"),
        Join({{hc::N("データファイルは、１行に西暦年と年降水量の順で数値を併記して"), End::Cr},
              {hc::N("カンマまたはスペースで区切り、処理したい年数分の行数からなる"), End::Cr},
              {hc::N("テキストになるようにエディターなどでうまく作成してください。"), End::CrLf},
              {hc::N("メニューの「データ作成」を選択すると専用の簡易エディタが起動"), End::Cr},
              {hc::N("します（仮面エディター）。あくまで簡易エディタなので最小限の"), End::Cr},
              {hc::N("機能しかありませんが、新規作成を選択してデータを作成する年を"), End::Cr},
              {hc::N("入力すれば、西暦年の数字だけは勝手に入力します。西暦年の数字"), End::Cr},
              {hc::N("の右３桁目にカーソルを移動して対応する年降水量を入力すれば、"), End::Cr},
              {hc::N("必要なデータ入力は完了するようになっています。なお、この簡易"), End::Cr},
              {hc::N("エディタで入力する場合は、リターンキーをなるべく使用しないで"), End::Cr},
              {hc::N("ください。改行マークだけの行（空白行）ができてしまっても、作図"), End::Cr},
              {hc::N("プログラムで読み込むときには、その行は読み飛ばされます。 "), End::Cr}})};
}

HelpText AnalysisHelp() {
    return {
        hc::TS("解析項目について"),
        Join({{hc::N("このプログラムは、降水量データ分布を直線回帰して解析します。"), End::Cr},
              {hc::N("ただし、回帰直線や計算結果を印字しないほうがよい場合もあると"), End::Cr},
              {hc::N("想定して、回帰線や結果印字の有無を選択できるようにしました。"), End::CrLf},
              {hc::N("デフォルトでは、回帰線・計算結果ともにプリンタ出力しません。"), End::CrLf},
              {hc::N("解析結果を印字したい場合はメニュー「解析項目」で選択します。"), End::Cr},
              {hc::N("何も描かない・回帰線のみ描く・回帰線と計算結果を描く、の３つ"), End::Cr},
              {hc::N("のパターンのうちの１つだけが有効になります。"), End::None}})};
}

}  // namespace rain
