<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
    <context>
        <name />
        <message>
            <source> Ⅰ ｱﾙｶﾘ土類炭酸塩型</source>
            <translation> Ⅰ alk. earth carbonate</translation>
        </message>
        <message>
            <source> Ⅱ ｱﾙｶﾘ炭酸塩型</source>
            <translation> Ⅱ alkali carbonate</translation>
        </message>
        <message>
            <source> Ⅲ ｱﾙｶﾘ土類非炭酸塩型</source>
            <translation> Ⅲ alk. earth non-carb.</translation>
        </message>
        <message>
            <source> Ⅳ ｱﾙｶﾘ非炭酸塩型</source>
            <translation> Ⅳ alkali non-carb.</translation>
        </message>
    </context>
    <context>
        <name>hc</name>
        <message>
            <source>印刷できませんでした: </source>
            <translation>Could not print: </translation>
        </message>
        <message>
            <source>印刷しました</source>
            <translation>Printed</translation>
        </message>
        <message>
            <source>次のファイルはすでにあります。置き換えますか？</source>
            <translation>These files exist already. Replace them?</translation>
        </message>
        <message>
            <source>ファイルの置き換え</source>
            <translation>Replace files</translation>
        </message>
        <message>
            <source>ｼｽﾃﾑ情報(&amp;S)...</source>
            <translation>&amp;System Info...</translation>
        </message>
        <message>
            <source>現時点ではｼｽﾃﾑ情報を使用できません</source>
            <translation>System information is not available at this time</translation>
        </message>
        <message>
            <source>図を保存(&amp;A)...</source>
            <translation>Save figure &amp;as...</translation>
        </message>
        <message>
            <source>図をコピー(&amp;Y)</source>
            <translation>Cop&amp;y figure</translation>
        </message>
        <message>
            <source>数値を保存(&amp;V)...</source>
            <translation>Save &amp;values...</translation>
        </message>
        <message>
            <source>図を保存</source>
            <translation>Save figure</translation>
        </message>
        <message>
            <source>PDF ファイル (*.pdf)|*.pdf|SVG ファイル (*.svg)|*.svg|PNG ファイル (*.png)|*.png</source>
            <translation>PDF files (*.pdf)|*.pdf|SVG files (*.svg)|*.svg|PNG files (*.png)|*.png</translation>
        </message>
        <message>
            <source>保存できませんでした: </source>
            <translation>Could not save: </translation>
        </message>
        <message>
            <source>図を保存しました</source>
            <translation>Figure saved</translation>
        </message>
        <message>
            <source>図をクリップボードにコピーしました</source>
            <translation>Figure copied to the clipboard</translation>
        </message>
        <message>
            <source>数値を保存</source>
            <translation>Save values</translation>
        </message>
        <message>
            <source>CSV ファイル (*.csv)|*.csv</source>
            <translation>CSV files (*.csv)|*.csv</translation>
        </message>
        <message>
            <source>数値を保存しました: </source>
            <translation>Values saved: </translation>
        </message>
        <message>
            <source>ユーザーズガイド</source>
            <translation>User's guide</translation>
        </message>
        <message>
            <source>ユーザーズガイドが見つかりません。次の場所を探しました：</source>
            <translation>The user's guide was not found. These places were searched:</translation>
        </message>
        <message>
            <source>表示するプログラムが見つかりません</source>
            <translation>no program to show it</translation>
        </message>
        <message>
            <source>ユーザーズガイド(&amp;G)</source>
            <translation>User's &amp;guide</translation>
        </message>
        <message>
            <source>印刷待ち: プリンタ %1 は停止しています</source>
            <translation>Waiting: the printer %1 is stopped</translation>
        </message>
        <message>
            <source>プリンタ %1 が印刷を受け付けません</source>
            <translation>The printer %1 does not accept jobs</translation>
        </message>
        <message>
            <source>プリンタ %1 が見つかりません</source>
            <translation>The printer %1 was not found</translation>
        </message>
        <message>
            <source>印刷サービスに接続できません</source>
            <translation>Cannot reach the print service</translation>
        </message>
        <message>
            <source>表示言語 (Language)(&amp;L)</source>
            <translation>&amp;Language</translation>
        </message>
        <message>
            <source>はい(&amp;Y)</source>
            <translation>&amp;Yes</translation>
        </message>
        <message>
            <source>いいえ(&amp;N)</source>
            <translation>&amp;No</translation>
        </message>
        <message>
            <source>プリンタを選びますか？</source>
            <translation>Choose a printer?</translation>
        </message>
        <message>
            <source>印刷サービスに接続できません。PDF ファイルに保存します</source>
            <translation>Cannot reach the print service. Save as a PDF file</translation>
        </message>
        <message>
            <source>プリンタがありません。PDF ファイルに保存します</source>
            <translation>No printer. Save as a PDF file</translation>
        </message>
        <message>
            <source>PDF ファイル (*.pdf)|*.pdf</source>
            <translation>PDF files (*.pdf)|*.pdf</translation>
        </message>
        <message>
            <source>既定のプリンタがありません</source>
            <translation>There is no default printer</translation>
        </message>
        <message>
            <source>印刷する図がありません</source>
            <translation>There is nothing to print</translation>
        </message>
        <message>
            <source>A4 の図を %1 の用紙に合わせて縮小</source>
            <translation>the A4 chart reduced to fit %1 paper</translation>
        </message>
        <message>
            <source>設定</source>
            <translation>Set</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>破棄</source>
            <translation>Discard</translation>
        </message>
        <message>
            <source>キャンセル</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>最近使ったファイル(&amp;R)</source>
            <translation>&amp;Recent files</translation>
        </message>
        <message>
            <source>ファイルが見つかりません。最近使ったファイルの一覧から外しました。
%1</source>
            <translation>The file was not found and has been removed from the recent files.
%1</translation>
        </message>
        <message>
            <source>最近使ったファイル</source>
            <translation>Recent files</translation>
        </message>
        <message>
            <source>（なし）</source>
            <translation>(none)</translation>
        </message>
        <message>
            <source>（読み込み済み）</source>
            <translation> (read)</translation>
        </message>
        <message>
            <source>（読み込めませんでした）</source>
            <translation> (could not be read)</translation>
        </message>
        <message>
            <source>開く</source>
            <translation>Open</translation>
        </message>
        <message>
            <source>ワークブック (*.xls *.xlsx *.ods *.csv)|*.xls;*.xlsx;*.ods;*.csv|Excel Files (*.Xls)|*.Xls|すべてのファイル (*)|*</source>
            <translation>Workbooks (*.xls *.xlsx *.ods *.csv)|*.xls;*.xlsx;*.ods;*.csv|Excel Files (*.Xls)|*.Xls|All files (*)|*</translation>
        </message>
        <message>
            <source>印刷する一覧表に菱形の区分を加える(&amp;F)</source>
            <translation>Add the diamond &amp;fields to the printed list</translation>
        </message>
        <message>
            <source>データ確認</source>
            <translation>Data check</translation>
        </message>
        <message>
            <source>データ確認(&amp;K)</source>
            <translation>Chec&amp;k data</translation>
        </message>
        <message>
            <source>疑わしいセル</source>
            <translation>Suspect cells</translation>
        </message>
        <message>
            <source>疑わしいセルはありません。</source>
            <translation>No suspect cells.</translation>
        </message>
        <message>
            <source>試料ごとのイオンバランスと水質型</source>
            <translation>Ion balance and water type of each sample</translation>
        </message>
        <message>
            <source>このファイルは読み込めなかったため、試料ごとの計算はありません。</source>
            <translation>The file could not be read, so nothing was computed for the samples.</translation>
        </message>
        <message>
            <source>セル</source>
            <translation>Cell</translation>
        </message>
        <message>
            <source>試料</source>
            <translation>Sample</translation>
        </message>
        <message>
            <source>内容</source>
            <translation>Problem</translation>
        </message>
        <message>
            <source>読み込み</source>
            <translation>Load</translation>
        </message>
        <message>
            <source>行:見出し</source>
            <translation>Row:heading</translation>
        </message>
        <message>
            <source>読み込めない</source>
            <translation>refused</translation>
        </message>
        <message>
            <source>読み込む</source>
            <translation>read</translation>
        </message>
        <message>
            <source>番号</source>
            <translation>No.</translation>
        </message>
        <message>
            <source>試料名</source>
            <translation>Sample name</translation>
        </message>
        <message>
            <source>陽イオン計 (meq/L)</source>
            <translation>Cations (meq/L)</translation>
        </message>
        <message>
            <source>陰イオン計 (meq/L)</source>
            <translation>Anions (meq/L)</translation>
        </message>
        <message>
            <source>判定</source>
            <translation>Verdict</translation>
        </message>
        <message>
            <source>主要成分による型</source>
            <translation>Type by major ions</translation>
        </message>
        <message>
            <source>菱形の区分</source>
            <translation>Diamond field</translation>
        </message>
        <message>
            <source>閉じる</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>硝酸はふくまない</source>
            <translation>Nitrate not counted</translation>
        </message>
        <message>
            <source>硝酸は塩素と一緒</source>
            <translation>Nitrate with chloride</translation>
        </message>
        <message>
            <source>硝酸は硫酸と一緒</source>
            <translation>Nitrate with sulphate</translation>
        </message>
        <message>
            <source>入力表を作り、表計算ソフトで開きました: %1</source>
            <translation>Made an input sheet and opened it in the spreadsheet program: %1</translation>
        </message>
        <message>
            <source>表計算ソフトが見つかりません。入力表を作りました: %1</source>
            <translation>No spreadsheet program found. Made an input sheet: %1</translation>
        </message>
        <message>
            <source>表計算ソフトで開けませんでした。入力表を作りました: %1</source>
            <translation>The spreadsheet program could not open it. Made an input sheet: %1</translation>
        </message>
        <message>
            <source>入力表を作れませんでした: %1</source>
            <translation>Could not make an input sheet: %1</translation>
        </message>
        <message>
            <source>作図並び(&amp;D)</source>
            <translation>&amp;Direction</translation>
        </message>
        <message>
            <source>下から上へ作図(&amp;U)</source>
            <translation>From the bottom &amp;up</translation>
        </message>
        <message>
            <source>上から下へ作図(&amp;D)</source>
            <translation>From the top &amp;down</translation>
        </message>
        <message>
            <source>番号(&amp;N)</source>
            <translation>&amp;Numbers</translation>
        </message>
        <message>
            <source>サンプル名に番号をつける(&amp;Y)</source>
            <translation>&amp;Yes, number the sample names</translation>
        </message>
        <message>
            <source>サンプル名に番号つけない(&amp;N)</source>
            <translation>&amp;No numbers</translation>
        </message>
        <message>
            <source>このプログラムの使い方と注意点</source>
            <translation>How to use this program, and notes</translation>
        </message>
        <message>
            <source>するためのプログラムです。データはブック (.xls, .xlsx, .ods)</source>
            <translation>It reads the data from workbooks (.xls, .xlsx, .ods)</translation>
        </message>
        <message>
            <source>と CSV ファイルから、表計算ソフトを使わずに直接読みます。</source>
            <translation>and CSV files directly, without a spreadsheet program.</translation>
        </message>
        <message>
            <source>データの入力は表計算ソフト上でおこないます。入力方法は</source>
            <translation>Data are entered in a spreadsheet program. For how to enter them,</translation>
        </message>
        <message>
            <source>「ファイル」－＞「データ入力」を選択するとデフォルトの入力表</source>
            <translation>choose File &gt; New data sheet: the default input sheet</translation>
        </message>
        <message>
            <source>が開きますから、そこに記載してある説明にしたがって下さい。</source>
            <translation>opens; follow the instructions written on it.</translation>
        </message>
        <message>
            <source>「ファイル」-&gt;「開く」で作図するデータファイルを選択すると、</source>
            <translation>Choose the data file to draw with File &gt; Open,</translation>
        </message>
        <message>
            <source>データを読み込み画面に作図します。</source>
            <translation>and the data are read and drawn on the screen.</translation>
        </message>
        <message>
            <source>「硝酸タイプ」メニューでは、硝酸イオンの扱いを選択します。</source>
            <translation>The Nitrate type menu chooses how nitrate is counted.</translation>
        </message>
        <message>
            <source>「スケール」メニューでは、作図するスケールを変更できます。</source>
            <translation>The Scale menu changes the scale of the drawing.</translation>
        </message>
        <message>
            <source>スケールは作図する列数分の項目が選択できるようになっていて、</source>
            <translation>It has an item for each column drawn,</translation>
        </message>
        <message>
            <source>各々の作図列に対して設定できます。</source>
            <translation>so that each column has a scale of its own.</translation>
        </message>
        <message>
            <source>「作図様式」メニューでは、作図する方向の設定と、六角形の上に</source>
            <translation>The Drawing style menu sets the direction of drawing and whether the sample names drawn above the</translation>
        </message>
        <message>
            <source>描くサンプル名に番号をつけるか否かの設定をします。</source>
            <translation>hexagons carry numbers.</translation>
        </message>
        <message>
            <source>「ファイル」-&gt;「ページ設定」で、印刷位置の調整とプリンターの</source>
            <translation>File &gt; Page setup adjusts the print position and changes the</translation>
        </message>
        <message>
            <source>設定の変更ができます。「ファイル」-&gt;「印刷」でプリンタに印刷</source>
            <translation>printer settings. File &gt; Print prints on the printer,</translation>
        </message>
        <message>
            <source>します。プリンタにはＡ４用紙で全体がはいるように出力します。</source>
            <translation>with the whole chart on one A4 sheet.</translation>
        </message>
        <message>
            <source>用紙サイズ・印刷方向はプログラムで制御しています。</source>
            <translation>The program sets the paper size and orientation.</translation>
        </message>
        <message>
            <source>水質データの入力方法</source>
            <translation>Entering water-quality data</translation>
        </message>
        <message>
            <source>「ファイル」-&gt;「新規」を選択すると、表計算ソフトが</source>
            <translation>Choose File &gt; New data sheet and a spreadsheet program</translation>
        </message>
        <message>
            <source>起動して入力表があらわれます。表計算ソフト（LibreOffice</source>
            <translation>starts with the input sheet. A spreadsheet program (LibreOffice</translation>
        </message>
        <message>
            <source>Calc や Excel など）が必要なのはこのときだけです。</source>
            <translation>Calc, Excel and others) is needed only for this.</translation>
        </message>
        <message>
            <source>「ファイル」-&gt;「開く」は表計算ソフトを使わずに、</source>
            <translation>File &gt; Open reads</translation>
        </message>
        <message>
            <source>ブック (.xls, .xlsx, .ods) と CSV ファイルを</source>
            <translation>workbooks (.xls, .xlsx, .ods) and CSV files</translation>
        </message>
        <message>
            <source>直接読み込みます。表計算ソフトがなくても作図と</source>
            <translation>directly: charts are drawn</translation>
        </message>
        <message>
            <source>印刷はできます。</source>
            <translation>and printed without a spreadsheet program.</translation>
        </message>
        <message>
            <source>入力は勝手に開く入力表の説明に従って下さい。特に、</source>
            <translation>Follow the instructions on the input sheet that opens. In particular,</translation>
        </message>
        <message>
            <source>入力したファイルは「名前をつけて保存」して下さい。</source>
            <translation>save what you entered with Save As,</translation>
        </message>
        <message>
            <source>また、行や列の挿入・削除は絶対しないでください。</source>
            <translation>and never insert or delete rows or columns.</translation>
        </message>
        <message>
            <source>デフォルトの入力表 Hinagata.xls はトリリニダイヤ</source>
            <translation>The default input sheet Hinagata.xls is shared with the trilinear</translation>
        </message>
        <message>
            <source>グラムの作図プログラムと共通のファイルで、再利用</source>
            <translation>diagram program and is meant to be</translation>
        </message>
        <message>
            <source>を前提にしていますので変更しないでください。。</source>
            <translation>reused: do not change it.</translation>
        </message>
        <message>
            <source>タイプの説明</source>
            <translation>The nitrate types</translation>
        </message>
        <message>
            <source>地下水調査における水質では、硝酸性窒素のあつかいが</source>
            <translation>In groundwater surveys the treatment of nitrate nitrogen</translation>
        </message>
        <message>
            <source>でどの項目に含めるかは意見が分かれるところです。</source>
            <translation>it belongs to.</translation>
        </message>
        <message>
            <source>このプログラムでは、硝酸イオンの扱い方について３つ</source>
            <translation>This program offers three</translation>
        </message>
        <message>
            <source>のパターンを採用して「タイプ」分けしています。</source>
            <translation>ways of counting nitrate, called types.</translation>
        </message>
        <message>
            <source>どのタイプにするかはまったくの好みの問題です。が、</source>
            <translation>Which type to use is entirely a matter of preference. However,</translation>
        </message>
        <message>
            <source>硝酸イオンが相当量含まれる場合は、これを無視する</source>
            <translation>where a water holds much nitrate, the</translation>
        </message>
        <message>
            <source>「硝酸を含まない」タイプではカチオンとアニオンとの</source>
            <translation>type "nitrate not counted", which leaves it out, leaves the cations and anions</translation>
        </message>
        <message>
            <source>バランスが取れないことになります。「タイプ」分けに</source>
            <translation>out of balance. The types</translation>
        </message>
        <message>
            <source>ついては、逐次修正・変更して行く予定です。</source>
            <translation>will be revised as needed.</translation>
        </message>
        <message>
            <source>バージョン情報  ＜ Version Information ＞</source>
            <translation>Version information</translation>
        </message>
        <message>
            <source>プログラム名： %1</source>
            <translation>Program: %1</translation>
        </message>
        <message>
            <source>バージョン名： Version 4.0 (ずうっとβ版)</source>
            <translation>Version: 4.0 (a beta, always)</translation>
        </message>
        <message>
            <source>更新した年月： %2</source>
            <translation>Updated: %2</translation>
        </message>
        <message>
            <source>開発環境情報： C++20 と Qt 6</source>
            <translation>Built with: C++20 and Qt 6</translation>
        </message>
        <message>
            <source>動作環境情報： Linux・Windows と表計算ソフトのブック (.xls/.xlsx/.ods)・CSV</source>
            <translation>Runs on: Linux and Windows, with spreadsheet workbooks (.xls/.xlsx/.ods) and CSV</translation>
        </message>
        <message>
            <source>このプログラムの問い合わせ先</source>
            <translation>Contact</translation>
        </message>
        <message>
            <source>hydrochart 開発チーム</source>
            <translation>The hydrochart developers</translation>
        </message>
        <message>
            <source>hydrochart 開発チーム 2005</source>
            <translation>The hydrochart developers 2005</translation>
        </message>
        <message>
            <source>エクセルを起動してデータファイルを読んでいます。しばらくお待ちください。</source>
            <translation>Reading the data file. Please wait.</translation>
        </message>
        <message>
            <source>データ数入力欄に数値がないか、値が大きすぎます</source>
            <translation>The sample count cell holds no number, or too large a one</translation>
        </message>
        <message>
            <source>データファイルは正しく作成してくださいね！！！</source>
            <translation>Please make the data file correctly!!!</translation>
        </message>
        <message>
            <source>１単位</source>
            <translation>&amp;1 unit</translation>
        </message>
        <message>
            <source>２単位</source>
            <translation>&amp;2 units</translation>
        </message>
        <message>
            <source>３単位</source>
            <translation>&amp;3 units</translation>
        </message>
        <message>
            <source>４単位</source>
            <translation>&amp;4 units</translation>
        </message>
        <message>
            <source>５単位</source>
            <translation>&amp;5 units</translation>
        </message>
        <message>
            <source>ファイル(&amp;F)</source>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>開く(&amp;O)</source>
            <translation>&amp;Open...</translation>
        </message>
        <message>
            <source>データ入力(&amp;N)</source>
            <translation>&amp;New data sheet</translation>
        </message>
        <message>
            <source>ページ設定(&amp;C)</source>
            <translation>Page set&amp;up</translation>
        </message>
        <message>
            <source>印刷(&amp;P)</source>
            <translation>&amp;Print</translation>
        </message>
        <message>
            <source>終了(&amp;X)</source>
            <translation>E&amp;xit</translation>
        </message>
        <message>
            <source>硝酸タイプ(&amp;T)</source>
            <translation>Nitrate &amp;type</translation>
        </message>
        <message>
            <source>スケール１列目</source>
            <translation>Scale of column 1</translation>
        </message>
        <message>
            <source>スケール２列目</source>
            <translation>Scale of column 2</translation>
        </message>
        <message>
            <source>スケール３列目</source>
            <translation>Scale of column 3</translation>
        </message>
        <message>
            <source>スケール４列目</source>
            <translation>Scale of column 4</translation>
        </message>
        <message>
            <source>スケール(&amp;S)</source>
            <translation>&amp;Scales</translation>
        </message>
        <message>
            <source>作図様式(&amp;O)</source>
            <translation>Drawing st&amp;yle</translation>
        </message>
        <message>
            <source>印刷線の太さ設定(&amp;W)</source>
            <translation>Print line &amp;widths</translation>
        </message>
        <message>
            <source>ヘルプ(&amp;H)</source>
            <translation>&amp;Help</translation>
        </message>
        <message>
            <source>使い方</source>
            <translation>How to use</translation>
        </message>
        <message>
            <source>データ入力</source>
            <translation>Data entry</translation>
        </message>
        <message>
            <source>硝酸タイプ</source>
            <translation>Nitrate types</translation>
        </message>
        <message>
            <source>バージョン</source>
            <translation>Version</translation>
        </message>
        <message>
            <source>図の種類(&amp;D)</source>
            <translation>&amp;Diagram</translation>
        </message>
        <message>
            <source>水質区分を描く(&amp;F)</source>
            <translation>Draw the &amp;fields</translation>
        </message>
        <message>
            <source>サンプル名を描く(&amp;L)</source>
            <translation>&amp;Label the samples</translation>
        </message>
        <message>
            <source>TDS の大きさの円を描く(&amp;R)</source>
            <translation>Ci&amp;rcles sized by TDS</translation>
        </message>
        <message>
            <source>K を Na と分けて描く(&amp;K)</source>
            <translation>Draw &amp;K apart from Na</translation>
        </message>
        <message>
            <source>海水との混合線を描く(&amp;M)</source>
            <translation>Draw the &amp;mixing line with sea water</translation>
        </message>
        <message>
            <source>ギブス図の比を当量で計算する(&amp;E)</source>
            <translation>Gibbs ratios of &amp;equivalents (meq/L)</translation>
        </message>
        <message>
            <source>タイプ</source>
            <translation>Type</translation>
        </message>
        <message>
            <source>印刷位置右へ</source>
            <translation>Print shift: right</translation>
        </message>
        <message>
            <source> mm 上へ</source>
            <translation> mm, up</translation>
        </message>
        <message>
            <source>印刷位置とプリンタの設定</source>
            <translation>Print position and printer</translation>
        </message>
        <message>
            <source>横方向へ動かす長さを入力してください</source>
            <translation>Enter the horizontal shift</translation>
        </message>
        <message>
            <source>（右が＋左が－）</source>
            <translation>(right +, left −)</translation>
        </message>
        <message>
            <source>ｍｍ</source>
            <translation>mm</translation>
        </message>
        <message>
            <source>縦方向に動かす長さを入力してください</source>
            <translation>Enter the vertical shift</translation>
        </message>
        <message>
            <source>（上が＋下が－）</source>
            <translation>(up +, down −)</translation>
        </message>
        <message>
            <source>プリンタ設定</source>
            <translation>Printer...</translation>
        </message>
        <message>
            <source>設定終了</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>ヘキサダイヤグラムの作図 </source>
            <translation>Hexadiagrams </translation>
        </message>
        <message>
            <source>ヘキサダイヤグラム</source>
            <translation>Hexadiagram</translation>
        </message>
        <message>
            <source>六角形の線(&amp;R)</source>
            <translation>&amp;Hexagon lines</translation>
        </message>
        <message>
            <source>硝酸の線(&amp;S)</source>
            <translation>&amp;Nitrate lines</translation>
        </message>
        <message>
            <source>中心線(&amp;C)</source>
            <translation>&amp;Centre line</translation>
        </message>
        <message>
            <source>目盛線(&amp;M)</source>
            <translation>&amp;Scale lines</translation>
        </message>
        <message>
            <source>凡例の枠線(&amp;H)</source>
            <translation>&amp;Legend frame</translation>
        </message>
        <message>
            <source>地下水などの水質分析結果を「ヘキサダイヤグラム」で表示・印刷</source>
            <translation>This program shows and prints water analyses of groundwater and other waters as hexadiagrams.</translation>
        </message>
        <message>
            <source>焦点の１つになっていますが、「ヘキサダイヤグラム」</source>
            <translation>is one of the points at issue, and opinions differ on which item of a hexadiagram</translation>
        </message>
        <message>
            <source>ヘキサダイアグラムを作図するプログラム！</source>
            <translation>A program that draws hexadiagrams!</translation>
        </message>
        <message>
            <source>シュティフダイヤグラムの作図</source>
            <translation>Stiff diagrams</translation>
        </message>
        <message>
            <source>シュティフダイヤグラム</source>
            <translation>Stiff diagram</translation>
        </message>
        <message>
            <source>メイン六角形の線(&amp;R)</source>
            <translation>&amp;Main polygon lines</translation>
        </message>
        <message>
            <source>左右の中心線(&amp;C)</source>
            <translation>&amp;Centre line</translation>
        </message>
        <message>
            <source>目盛り線(&amp;M)</source>
            <translation>&amp;Scale lines</translation>
        </message>
        <message>
            <source>凡例の外枠線(&amp;H)</source>
            <translation>&amp;Legend frame</translation>
        </message>
        <message>
            <source>地下水などの水質分析結果をシュティフダイヤグラムで表示・印刷</source>
            <translation>This program shows and prints water analyses of groundwater and other waters as Stiff diagrams.</translation>
        </message>
        <message>
            <source>焦点の１つになっていますが、シュティフダイヤグラム</source>
            <translation>is one of the points at issue, and opinions differ on which item of a Stiff diagram</translation>
        </message>
        <message>
            <source>シュティフダイアグラムを作図するプログラムです！</source>
            <translation>A program that draws Stiff diagrams!</translation>
        </message>
        <message>
            <source>トリリニアダイヤグラムの作図・カラー版</source>
            <translation>Trilinear diagrams, colour edition</translation>
        </message>
        <message>
            <source>トリリニアダイヤグラム</source>
            <translation>Trilinear diagram</translation>
        </message>
        <message>
            <source>一覧表(&amp;L)</source>
            <translation>Sample &amp;list</translation>
        </message>
        <message>
            <source>サンプル名と番号の表を描く(&amp;Y)</source>
            <translation>&amp;Yes, draw the table of names and numbers</translation>
        </message>
        <message>
            <source>サンプル名と番号の表を描かない(&amp;N)</source>
            <translation>&amp;No table</translation>
        </message>
        <message>
            <source>サンプル番号(&amp;N)</source>
            <translation>Sample &amp;numbers</translation>
        </message>
        <message>
            <source>マーク右下に番号を描く(&amp;Y)</source>
            <translation>&amp;Yes, number the marks</translation>
        </message>
        <message>
            <source>マーク右下に番号を描かない(&amp;N)</source>
            <translation>&amp;No numbers</translation>
        </message>
        <message>
            <source>外枠線の太さ(&amp;O)</source>
            <translation>&amp;Outer frame</translation>
        </message>
        <message>
            <source>50％線の太さ(&amp;K)</source>
            <translation>&amp;50 % lines</translation>
        </message>
        <message>
            <source>矢印線の太さ(&amp;Y)</source>
            <translation>&amp;Arrows</translation>
        </message>
        <message>
            <source>サンプル表枠の太さ(&amp;S)</source>
            <translation>&amp;Sample table frame</translation>
        </message>
        <message>
            <source>地下水などの水質分析結果をトリリニアダイヤグラムで表示・印刷</source>
            <translation>This program shows and prints water analyses of groundwater and other waters as trilinear diagrams.</translation>
        </message>
        <message>
            <source>「作図様式」メニューでは、サンプル名と番号の対応表の有無と、</source>
            <translation>The Drawing style menu chooses whether to draw the table of sample names and numbers,</translation>
        </message>
        <message>
            <source>データポイントの右下に番号をつけるか否かの選択をします。</source>
            <translation>and whether to number the points at their lower right.</translation>
        </message>
        <message>
            <source>デフォルトの入力表 Hinagata.xls はシュティフダイヤ</source>
            <translation>The default input sheet Hinagata.xls is shared with the Stiff</translation>
        </message>
        <message>
            <source>グラムの作図プログラムと共通のファイルで、再利用を</source>
            <translation>diagram program and is meant to be reused:</translation>
        </message>
        <message>
            <source>前提にしていますので変更しないでください。</source>
            <translation>do not change it.</translation>
        </message>
        <message>
            <source>硝酸タイプの説明</source>
            <translation>The nitrate types</translation>
        </message>
        <message>
            <source>地下水調査における水質では、硝酸性窒素の扱いが</source>
            <translation>In groundwater surveys the treatment of nitrate nitrogen</translation>
        </message>
        <message>
            <source>焦点の１つになっていますが、トリリニアダイヤグラム</source>
            <translation>is one of the points at issue, and opinions differ on which item of a trilinear diagram</translation>
        </message>
        <message>
            <source>プログラム名： ternaryplot.exe</source>
            <translation>Program: ternaryplot.exe</translation>
        </message>
        <message>
            <source>バージョン名： Version 4.1 (ずうっとβ版)</source>
            <translation>Version: 4.1 (a beta, always)</translation>
        </message>
        <message>
            <source>更新した年月： 2005.08.26</source>
            <translation>Updated: 2005.08.26</translation>
        </message>
        <message>
            <source>トリリニアダイアグラムを作図するプログラムです！</source>
            <translation>A program that draws trilinear diagrams!</translation>
        </message>
        <message>
            <source>水質ダイアグラムの作図</source>
            <translation>Water-quality diagrams</translation>
        </message>
        <message>
            <source>水質ダイアグラム</source>
            <translation>Water-quality diagram</translation>
        </message>
        <message>
            <source>パイパーダイアグラム(&amp;P)</source>
            <translation>&amp;Piper diagram</translation>
        </message>
        <message>
            <source>シェーラーダイアグラム(&amp;S)</source>
            <translation>&amp;Schoeller diagram</translation>
        </message>
        <message>
            <source>チャダダイアグラム(&amp;C)</source>
            <translation>&amp;Chadha diagram</translation>
        </message>
        <message>
            <source>デュロフダイアグラム(&amp;U)</source>
            <translation>D&amp;urov diagram</translation>
        </message>
        <message>
            <source>HFE-D ダイアグラム(&amp;H)</source>
            <translation>&amp;HFE-D diagram</translation>
        </message>
        <message>
            <source>USSL ダイアグラム(&amp;A)</source>
            <translation>USSL di&amp;agram</translation>
        </message>
        <message>
            <source>ギブスダイアグラム(&amp;G)</source>
            <translation>&amp;Gibbs diagram</translation>
        </message>
        <message>
            <source>分類表(&amp;T)</source>
            <translation>Classification &amp;table</translation>
        </message>
        <message>
            <source>地下水などの水質分析結果を、パイパーダイアグラム・シェーラー</source>
            <translation>This program shows and prints water analyses of groundwater and other waters as Piper, Schoeller,</translation>
        </message>
        <message>
            <source>ダイアグラム・チャダダイアグラム・デュロフダイアグラム・</source>
            <translation>Chadha, Durov</translation>
        </message>
        <message>
            <source>HFE-D ダイアグラムで表示・印刷し、試料ごとの</source>
            <translation>and HFE-D diagrams, and makes a</translation>
        </message>
        <message>
            <source>水質分類表をつくるためのプログラムです。</source>
            <translation>classification table of the samples.</translation>
        </message>
        <message>
            <source>データはブック (.xls, .xlsx, .ods) と CSV ファイルから、</source>
            <translation>It reads the data from workbooks (.xls, .xlsx, .ods) and CSV files</translation>
        </message>
        <message>
            <source>表計算ソフトを使わずに直接読みます。ほかの水質プログラムと</source>
            <translation>directly, without a spreadsheet program. Besides the input sheet of the other water-quality programs</translation>
        </message>
        <message>
            <source>同じ入力表（32 試料まで）のほか、１行に１試料をならべた表</source>
            <translation>(up to 32 samples), it reads tables of one sample a row</translation>
        </message>
        <message>
            <source>（10,000 試料まで）も読めます。</source>
            <translation>(up to 10,000 samples).</translation>
        </message>
        <message>
            <source>「図の種類」メニューで描く図を選びます。パイパーダイアグラム</source>
            <translation>The Diagram menu chooses the diagram. For the Piper diagram</translation>
        </message>
        <message>
            <source>では水質区分線、サンプル名、TDS の大きさの円を描くかどうかを、</source>
            <translation>it chooses whether to draw the fields, the sample names and circles sized by TDS,</translation>
        </message>
        <message>
            <source>シェーラーダイアグラムではカリウムを分けて描くかどうかを、</source>
            <translation>for the Schoeller diagram whether to draw potassium apart,</translation>
        </message>
        <message>
            <source>HFE-D ダイアグラムでは海水との混合線を描くかどうかを選べます。</source>
            <translation>and for the HFE-D diagram whether to draw the mixing line with sea water.</translation>
        </message>
        <message>
            <source>USSL ダイアグラムは EC（電気伝導度）のある試料だけを描きます。</source>
            <translation>The USSL diagram draws only the samples with an EC (electrical conductivity).</translation>
        </message>
        <message>
            <source>ギブスダイアグラムでは比を mg/L と meq/L のどちらで計算するかを</source>
            <translation>The Gibbs diagram computes its ratios of mg/L or of meq/L,</translation>
        </message>
        <message>
            <source>選べます。</source>
            <translation>as chosen.</translation>
        </message>
        <message>
            <source>「ファイル」-&gt;「印刷」でプリンタに印刷します。プリンタには</source>
            <translation>File &gt; Print prints on the printer,</translation>
        </message>
        <message>
            <source>Ａ４用紙で全体がはいるように出力します。</source>
            <translation>with the whole chart on one A4 sheet.</translation>
        </message>
        <message>
            <source>１行目に項目名、２行目から１行に１試料をならべます。</source>
            <translation>The first row holds the headings; from the second row on, one sample a row.</translation>
        </message>
        <message>
            <source>項目名は試料名（name, 試料名, 地点名）と Na, K, Ca, Mg, Cl,</source>
            <translation>The headings are the sample name (name, 試料名, 地点名) and Na, K, Ca, Mg, Cl,</translation>
        </message>
        <message>
            <source>HCO3, SO4, NO3（mg/L）です。CO3, F, EC（μS/cm）, pH,</source>
            <translation>HCO3, SO4, NO3 (mg/L). The columns CO3, F, EC (µS/cm), pH,</translation>
        </message>
        <message>
            <source>TDS（mg/L）, group（または site, 地点）, date, mark, colour</source>
            <translation>TDS (mg/L), group (or site, 地点), date, mark and colour</translation>
        </message>
        <message>
            <source>の列はあってもなくてもかまいません。</source>
            <translation>may be present or not.</translation>
        </message>
        <message>
            <source>group の列があると、グループごとに記号と色をかえて描き、</source>
            <translation>With a group column each group is drawn with a mark and colour of its own</translation>
        </message>
        <message>
            <source>凡例をつけます。ほかの水質プログラムの入力表では、</source>
            <translation>and a legend. From the input sheet of the other water-quality programs</translation>
        </message>
        <message>
            <source>20 行目の記号と 21 行目の色番号を使います。</source>
            <translation>the marks of row 20 and the colour numbers of row 21 are used.</translation>
        </message>
        <message>
            <source>パイパー・チャダ・デュロフ・HFE-D ダイアグラムでは、硝酸イオンを</source>
            <translation>The Piper, Chadha, Durov and HFE-D diagrams count nitrate</translation>
        </message>
        <message>
            <source>次の３つのどれかとしてあつかいます。</source>
            <translation>in one of three ways.</translation>
        </message>
        <message>
            <source>「硝酸はふくまない」：硝酸イオンを数えません。</source>
            <translation>"Nitrate not counted": nitrate is left out.</translation>
        </message>
        <message>
            <source>「硝酸は塩素と一緒」：塩化物イオンに加えます。</source>
            <translation>"Nitrate with chloride": nitrate is added to chloride.</translation>
        </message>
        <message>
            <source>「硝酸は硫酸と一緒」：硫酸イオンに加えます。</source>
            <translation>"Nitrate with sulphate": nitrate is added to sulphate.</translation>
        </message>
        <message>
            <source>「硝酸はふくまない」タイプではカチオンとアニオンとの</source>
            <translation>The type "nitrate not counted" leaves the cations and anions</translation>
        </message>
        <message>
            <source>バランスが取れないことになります。</source>
            <translation>out of balance.</translation>
        </message>
        <message>
            <source>プログラム名： wqplot</source>
            <translation>Program: wqplot</translation>
        </message>
        <message>
            <source>バージョン名： Version 1.0</source>
            <translation>Version: 1.0</translation>
        </message>
        <message>
            <source>水質ダイアグラムを作図するプログラムです！</source>
            <translation>A program that draws water-quality diagrams!</translation>
        </message>
        <message>
            <source>パイパー・シェーラー・チャダ・水質分類表</source>
            <translation>Piper, Schoeller, Chadha and a classification table</translation>
        </message>
        <message>
            <source>ユーザーズガイドを開けませんでした（%1）。</source>
            <translation>The user's guide could not be opened (%1).</translation>
        </message>
        <message>
            <source>このファイルをブラウザなどで開いてください。</source>
            <translation>Open this file in a web browser or a viewer.</translation>
        </message>
        <message>
            <source>入力表のひな形 %1 が見つかりません。</source>
            <translation>The input sheet template %1 was not found.</translation>
        </message>
        <message>
            <source>次のいずれかのフォルダに置いてから、もう一度選んでください。</source>
            <translation>Put it in one of these folders and choose again.</translation>
        </message>
        <message>
            <source>入力表のひな形を開くプログラムが見つかりませんでした。</source>
            <translation>No program was found to open the input sheet template.</translation>
        </message>
        <message>
            <source>表計算ソフトで次のファイルを開いて入力してください。</source>
            <translation>Open this file in a spreadsheet program and enter the data there.</translation>
        </message>
        <message>
            <source>表計算ソフトで次のファイルを開いて入力し、保存してください。</source>
            <translation>Open this file in a spreadsheet program, enter the data and save it.</translation>
        </message>
        <message>
            <source>表計算ソフトが見つかりませんでした。</source>
            <translation>No spreadsheet program was found.</translation>
        </message>
        <message>
            <source>入力表のひな形をコピーしました。</source>
            <translation>The input sheet template has been copied.</translation>
        </message>
        <message>
            <source>表計算ソフトで開けませんでした: %1</source>
            <translation>The spreadsheet program could not open it: %1</translation>
        </message>
        <message>
            <source>入力表のひな形をコピーできませんでした。</source>
            <translation>Could not copy the input sheet template.</translation>
        </message>
        <message>
            <source>ヘキサダイヤグラム &lt; </source>
            <translation>Hexadiagram &lt; </translation>
        </message>
        <message>
            <source>ｼｭﾃｨﾌﾀﾞｲﾔｸﾞﾗﾑ &lt; </source>
            <translation>Stiff diagram &lt; </translation>
        </message>
        <message>
            <source>ﾄﾘﾘﾆｱ･ﾀﾞｲﾔｸﾞﾗﾑ ｶﾗｰ版 &lt; </source>
            <translation>Trilinear diagram, colour &lt; </translation>
        </message>
        <message>
            <source>水質ダイアグラム &lt; </source>
            <translation>Water-quality diagrams &lt; </translation>
        </message>
        <message>
            <source>作図方法と印刷にあたっての注意点です</source>
            <translation>Drawing and printing: notes</translation>
        </message>
        <message>
            <source>年降水量の非超過確率を計算し作図・印刷するプログラムです。  </source>
            <translation>This program computes, draws and prints the non-exceedance probability of annual precipitation.</translation>
        </message>
        <message>
            <source>処理する年降水量データは、テキストファイルから読み込みます。</source>
            <translation>It reads the annual precipitation from a text file.</translation>
        </message>
        <message>
            <source>データ読み込みは、メニューの[ファイル]－[開く]でファイル名を</source>
            <translation>To read the data, choose the file with File &gt; Open.</translation>
        </message>
        <message>
            <source>選択してください。正常なデータであれば、デフォルトのスケール</source>
            <translation>Good data are drawn at once at the default scale.</translation>
        </message>
        <message>
            <source>で勝手に作図します。横軸のスケール（年降水量）が気に入らない</source>
            <translation>Where the scale of the horizontal axis (annual precipitation) does not suit,</translation>
        </message>
        <message>
            <source>場合は、メニューの[設定]－[横軸最大(小)値の設定]で好きに設定</source>
            <translation>set it with Settings &gt; Axis maximum (minimum).</translation>
        </message>
        <message>
            <source>してください。設定が変わるたびに画面上で繰り返し作図します。</source>
            <translation>The chart is drawn again whenever a setting changes.</translation>
        </message>
        <message>
            <source>印刷はメニューの[ファイル]－[印刷]を選択すると実行します。 </source>
            <translation>File &gt; Print prints the chart.</translation>
        </message>
        <message>
            <source>印刷では、強制的にＡ４版縦置で出力するように設定しています。</source>
            <translation>It is always printed on A4 paper, portrait.</translation>
        </message>
        <message>
            <source>なお、印刷結果は使用するプリンターによって微妙に異なると予想</source>
            <translation>The printout may differ slightly from printer to printer,</translation>
        </message>
        <message>
            <source>されますが、作図位置や線の太さに不具合がでるかもしれません。</source>
            <translation>in the position of the chart or the widths of its lines.</translation>
        </message>
        <message>
            <source>とりあえず一度印刷してから、メニュー[設定]のなかで作図する</source>
            <translation>Print once, then adjust the position</translation>
        </message>
        <message>
            <source>位置や各々の線の太さを調節してみてください。</source>
            <translation>and the width of each line in the Settings menu.</translation>
        </message>
        <message>
            <source>データファイルの作成にあたっての注意点です</source>
            <translation>Making a data file: notes</translation>
        </message>
        <message>
            <source>データファイルは、１行に西暦年と年降水量の順で数値を併記して</source>
            <translation>A data file is a text file of one line a year, the year and then the annual precipitation,</translation>
        </message>
        <message>
            <source>カンマまたはスペースで区切り、処理したい年数分の行数からなる</source>
            <translation>separated by a comma or spaces, with as many lines as years;</translation>
        </message>
        <message>
            <source>テキストになるようにエディターなどでうまく作成してください。</source>
            <translation>make it with a text editor or the like.</translation>
        </message>
        <message>
            <source>メニューの「データ作成」を選択すると専用の簡易エディタが起動</source>
            <translation>Settings &gt; Edit a data file starts a small editor of its own</translation>
        </message>
        <message>
            <source>します（仮面エディター）。あくまで簡易エディタなので最小限の</source>
            <translation>(the mask editor). It is a simple editor with the least</translation>
        </message>
        <message>
            <source>機能しかありませんが、新規作成を選択してデータを作成する年を</source>
            <translation>of features, but when you choose New and enter the years of the data,</translation>
        </message>
        <message>
            <source>入力すれば、西暦年の数字だけは勝手に入力します。西暦年の数字</source>
            <translation>it fills in the years for you.</translation>
        </message>
        <message>
            <source>の右３桁目にカーソルを移動して対応する年降水量を入力すれば、</source>
            <translation>Move the cursor three places to the right of each year and enter its precipitation,</translation>
        </message>
        <message>
            <source>必要なデータ入力は完了するようになっています。なお、この簡易</source>
            <translation>and the data are complete.</translation>
        </message>
        <message>
            <source>エディタで入力する場合は、リターンキーをなるべく使用しないで</source>
            <translation>In this editor, avoid the Enter key where you can.</translation>
        </message>
        <message>
            <source>ください。改行マークだけの行（空白行）ができてしまっても、作図</source>
            <translation>Should a line with nothing but a line break (a blank line) be left,</translation>
        </message>
        <message>
            <source>プログラムで読み込むときには、その行は読み飛ばされます。 </source>
            <translation>it is skipped when the program reads the file.</translation>
        </message>
        <message>
            <source>解析項目について</source>
            <translation>About the analysis</translation>
        </message>
        <message>
            <source>このプログラムは、降水量データ分布を直線回帰して解析します。</source>
            <translation>This program analyses the distribution of the precipitation by a straight-line regression.</translation>
        </message>
        <message>
            <source>ただし、回帰直線や計算結果を印字しないほうがよい場合もあると</source>
            <translation>Since it may be better not to print the regression line or the results,</translation>
        </message>
        <message>
            <source>想定して、回帰線や結果印字の有無を選択できるようにしました。</source>
            <translation>whether to print them can be chosen.</translation>
        </message>
        <message>
            <source>デフォルトでは、回帰線・計算結果ともにプリンタ出力しません。</source>
            <translation>By default neither the line nor the results are printed.</translation>
        </message>
        <message>
            <source>解析結果を印字したい場合はメニュー「解析項目」で選択します。</source>
            <translation>To print the results, choose in the Analysis menu</translation>
        </message>
        <message>
            <source>何も描かない・回帰線のみ描く・回帰線と計算結果を描く、の３つ</source>
            <translation>one of the three: draw nothing, draw the line only, or draw the line and the results;</translation>
        </message>
        <message>
            <source>のパターンのうちの１つだけが有効になります。</source>
            <translation>only one is in force at a time.</translation>
        </message>
        <message>
            <source>ハーゼン  (i－0.5)/n  (&amp;H)</source>
            <translation>&amp;Hazen  (i−0.5)/n</translation>
        </message>
        <message>
            <source>ハーゼン</source>
            <translation>Hazen</translation>
        </message>
        <message>
            <source>ワイブル  i/(n＋1)  (&amp;W)</source>
            <translation>&amp;Weibull  i/(n+1)</translation>
        </message>
        <message>
            <source>ワイブル</source>
            <translation>Weibull</translation>
        </message>
        <message>
            <source>カナン  (i－0.4)/(n＋0.2)  (&amp;C)</source>
            <translation>&amp;Cunnane  (i−0.4)/(n+0.2)</translation>
        </message>
        <message>
            <source>カナン</source>
            <translation>Cunnane</translation>
        </message>
        <message>
            <source>グリンゴーテン  (i－0.44)/(n＋0.12)  (&amp;G)</source>
            <translation>&amp;Gringorten  (i−0.44)/(n+0.12)</translation>
        </message>
        <message>
            <source>グリンゴーテン</source>
            <translation>Gringorten</translation>
        </message>
        <message>
            <source>ブロム  (i－0.375)/(n＋0.25)  (&amp;B)</source>
            <translation>&amp;Blom  (i−0.375)/(n+0.25)</translation>
        </message>
        <message>
            <source>ブロム</source>
            <translation>Blom</translation>
        </message>
        <message>
            <source>正規分布(&amp;N)</source>
            <translation>&amp;Normal</translation>
        </message>
        <message>
            <source>正規分布</source>
            <translation>Normal</translation>
        </message>
        <message>
            <source>対数正規分布(&amp;L)</source>
            <translation>&amp;Log-normal</translation>
        </message>
        <message>
            <source>対数正規分布</source>
            <translation>Log-normal</translation>
        </message>
        <message>
            <source>グンベル分布 (積率法)(&amp;M)</source>
            <translation>Gumbel (&amp;moments)</translation>
        </message>
        <message>
            <source>グンベル分布 (積率法)</source>
            <translation>Gumbel (moments)</translation>
        </message>
        <message>
            <source>グンベル分布 (回帰)(&amp;G)</source>
            <translation>&amp;Gumbel (regression)</translation>
        </message>
        <message>
            <source>グンベル分布 (回帰)</source>
            <translation>Gumbel (regression)</translation>
        </message>
        <message>
            <source>グンベル分布 (L 積率法)(&amp;U)</source>
            <translation>G&amp;umbel (L-moments)</translation>
        </message>
        <message>
            <source>グンベル分布 (L 積率法)</source>
            <translation>Gumbel (L-moments)</translation>
        </message>
        <message>
            <source>3 母数対数正規分布 (L 積率法)(&amp;3)</source>
            <translation>&amp;3-parameter log-normal (L-moments)</translation>
        </message>
        <message>
            <source>3 母数対数正規分布</source>
            <translation>3-parameter log-normal</translation>
        </message>
        <message>
            <source>ピアソンⅢ型分布 (積率法)(&amp;P)</source>
            <translation>&amp;Pearson type III (moments)</translation>
        </message>
        <message>
            <source>ピアソンⅢ型分布</source>
            <translation>Pearson type III</translation>
        </message>
        <message>
            <source>対数ピアソンⅢ型分布 (積率法)(&amp;R)</source>
            <translation>Log-Pea&amp;rson type III (moments)</translation>
        </message>
        <message>
            <source>対数ピアソンⅢ型分布</source>
            <translation>Log-Pearson type III</translation>
        </message>
        <message>
            <source>一般化極値分布 (L 積率法)(&amp;V)</source>
            <translation>Generalised extreme &amp;value (L-moments)</translation>
        </message>
        <message>
            <source>一般化極値分布</source>
            <translation>Generalised extreme value</translation>
        </message>
        <message>
            <source>一般化ロジスティック分布 (L 積率法)(&amp;O)</source>
            <translation>Generalised l&amp;ogistic (L-moments)</translation>
        </message>
        <message>
            <source>一般化ロジスティック分布</source>
            <translation>Generalised logistic</translation>
        </message>
        <message>
            <source>平方根指数型最大値分布 SQRT-ET (最尤法)(&amp;S)</source>
            <translation>&amp;SQRT-ET (maximum likelihood)</translation>
        </message>
        <message>
            <source>指数分布 (L 積率法)(&amp;X)</source>
            <translation>E&amp;xponential (L-moments)</translation>
        </message>
        <message>
            <source>指数分布</source>
            <translation>Exponential</translation>
        </message>
        <message>
            <source>保存しました: </source>
            <translation>Saved: </translation>
        </message>
        <message>
            <source>回帰</source>
            <translation>regression</translation>
        </message>
        <message>
            <source>積率法</source>
            <translation>moments</translation>
        </message>
        <message>
            <source>最尤法</source>
            <translation>maximum likelihood</translation>
        </message>
        <message>
            <source>L 積率法</source>
            <translation>L-moments</translation>
        </message>
        <message>
            <source>分布：%1　プロット位置：%2</source>
            <translation>Distribution: %1   Plotting position: %2</translation>
        </message>
        <message>
            <source>－</source>
            <translation>-</translation>
        </message>
        <message>
            <source>確率プロット相関係数：%1　標準誤差：%2</source>
            <translation>Probability-plot correlation: %1   Standard error: %2</translation>
        </message>
        <message>
            <source>　SLSC：%1</source>
            <translation>   SLSC: %1</translation>
        </message>
        <message>
            <source>推定誤差なし：%1</source>
            <translation>No estimation error: %1</translation>
        </message>
        <message>
            <source>ジャックナイフ法：1 年ずつ除いた %1 通りの当てはめから（推定値はその平均、補正値は偏りを補正した値、推定誤差は標準誤差）</source>
            <translation>Jackknife: from the %1 fits that each leave one year out (estimate: their mean; corrected: with the bias removed; error: the standard error)</translation>
        </message>
        <message>
            <source>プロット位置：%1　SLSC が %2 以下の分布を適合とします</source>
            <translation>Plotting position: %1   A distribution fits when its SLSC is %2 or less</translation>
        </message>
        <message>
            <source>年降水量データファイルを作成するエディターです。西暦年と年降水量をセットで１行にかいてください。西暦年と年降水量は、スペースで区切ってください。また、空白行は読み込むときに読み飛ばされます。メニュー・ファイルで、「新規作成」を選択すれば、必要な分の西暦年は勝手に入力されますので利用してください。なお、簡易エディターなので、一般のスクリーンエディターのような優れた機能はありません。矢印キーとBSキー・テンキーを使用してください。  特にリターンキーは使わないで編集してください。</source>
            <translation>An editor for annual precipitation files. Write a year and its precipitation on each line, separated by spaces. Blank lines are skipped when the file is read. File &gt; New fills in the years you need. This is a simple editor without the features of a full text editor: use the arrow keys, Backspace and the numeric keypad, and edit without the Enter key.</translation>
        </message>
        <message>
            <source>確率年表をクリップボードにコピーしました</source>
            <translation>Return-period table copied to the clipboard</translation>
        </message>
        <message>
            <source>確率解析(&amp;R)</source>
            <translation>F&amp;requency analysis</translation>
        </message>
        <message>
            <source>プロット位置(&amp;P)</source>
            <translation>&amp;Plotting position</translation>
        </message>
        <message>
            <source>確率分布(&amp;D)</source>
            <translation>&amp;Distribution</translation>
        </message>
        <message>
            <source>確率年表(&amp;T)...</source>
            <translation>Return-period &amp;table...</translation>
        </message>
        <message>
            <source>適合度(&amp;F)...</source>
            <translation>Goodness of &amp;fit...</translation>
        </message>
        <message>
            <source>推定誤差の幅を表示(&amp;B)</source>
            <translation>Show the error &amp;band</translation>
        </message>
        <message>
            <source>確率年表</source>
            <translation>Return periods</translation>
        </message>
        <message>
            <source>再現期間（年）</source>
            <translation>Return period (years)</translation>
        </message>
        <message>
            <source>渇水年降水量（mm）</source>
            <translation>Dry year (mm)</translation>
        </message>
        <message>
            <source>豊水年降水量（mm）</source>
            <translation>Wet year (mm)</translation>
        </message>
        <message>
            <source>渇水年
推定値（mm）</source>
            <translation>Dry year
estimate (mm)</translation>
        </message>
        <message>
            <source>渇水年
補正値（mm）</source>
            <translation>Dry year
corrected (mm)</translation>
        </message>
        <message>
            <source>渇水年
推定誤差（mm）</source>
            <translation>Dry year
error (mm)</translation>
        </message>
        <message>
            <source>豊水年
推定値（mm）</source>
            <translation>Wet year
estimate (mm)</translation>
        </message>
        <message>
            <source>豊水年
補正値（mm）</source>
            <translation>Wet year
corrected (mm)</translation>
        </message>
        <message>
            <source>豊水年
推定誤差（mm）</source>
            <translation>Wet year
error (mm)</translation>
        </message>
        <message>
            <source>CSV で保存(&amp;S)...</source>
            <translation>&amp;Save as CSV...</translation>
        </message>
        <message>
            <source>コピー(&amp;C)</source>
            <translation>&amp;Copy</translation>
        </message>
        <message>
            <source>確率年表を保存</source>
            <translation>Save the return-period table</translation>
        </message>
        <message>
            <source>適合度</source>
            <translation>Goodness of fit</translation>
        </message>
        <message>
            <source>順位</source>
            <translation>Rank</translation>
        </message>
        <message>
            <source>確率分布</source>
            <translation>Distribution</translation>
        </message>
        <message>
            <source>推定法</source>
            <translation>Method</translation>
        </message>
        <message>
            <source>適合</source>
            <translation>Fits</translation>
        </message>
        <message>
            <source>確率プロット相関係数</source>
            <translation>Probability-plot correlation</translation>
        </message>
        <message>
            <source>標準誤差（mm）</source>
            <translation>Standard error (mm)</translation>
        </message>
        <message>
            <source>1/100 豊水年（mm）</source>
            <translation>1/100 wet year (mm)</translation>
        </message>
        <message>
            <source>推定誤差（mm）</source>
            <translation>Estimation error (mm)</translation>
        </message>
        <message>
            <source>当てはめられない理由</source>
            <translation>Why it cannot be fitted</translation>
        </message>
        <message>
            <source>適合度を保存</source>
            <translation>Save the goodness of fit</translation>
        </message>
        <message>
            <source>適合度の表をクリップボードにコピーしました</source>
            <translation>Goodness-of-fit table copied to the clipboard</translation>
        </message>
        <message>
            <source>%1: %2 年</source>
            <translation>%1: %2 years</translation>
        </message>
        <message>
            <source>年降水量の非超過確率分布の作図</source>
            <translation>Non-exceedance probability of annual precipitation</translation>
        </message>
        <message>
            <source>解析項目：回帰線だけを表示する</source>
            <translation>Analysis: regression line only</translation>
        </message>
        <message>
            <source>印刷紙面には回帰線は印字されますが、豊水・渇水の解析数値は印字されません。</source>
            <translation>The printed sheet shows the regression line but not the dry- and wet-year values.</translation>
        </message>
        <message>
            <source>解析項目：回帰線と解析値を表示</source>
            <translation>Analysis: line and values</translation>
        </message>
        <message>
            <source>印刷紙面には回帰線と豊水・渇水の解析数値が印字されます。</source>
            <translation>The printed sheet shows the regression line and the dry- and wet-year values.</translation>
        </message>
        <message>
            <source>解析項目：回帰結果を表示しない</source>
            <translation>Analysis: no regression</translation>
        </message>
        <message>
            <source>印刷紙面には回帰線と豊水・渇水の解析数値は印字されません。</source>
            <translation>The printed sheet shows neither the regression line nor the dry- and wet-year values.</translation>
        </message>
        <message>
            <source>%1のﾊﾞｰｼﾞｮﾝ情報</source>
            <translation>About %1</translation>
        </message>
        <message>
            <source>プログラム名  rainprob.exe </source>
            <translation>Program  rainprob.exe </translation>
        </message>
        <message>
            <source>バージョン     %1</source>
            <translation>Version     %1</translation>
        </message>
        <message>
            <source>年降水量データから非超過確率を計算・解析して画面とプリンタに出力・印刷するプログラムです</source>
            <translation>A program that computes and analyses the non-exceedance probability of annual precipitation, and shows and prints it</translation>
        </message>
        <message>
            <source>このプログラムについての照会先</source>
            <translation>Contact for this program</translation>
        </message>
        <message>
            <source>開いている年降水量データの情報</source>
            <translation>Precipitation data open</translation>
        </message>
        <message>
            <source>ファイル名</source>
            <translation>File</translation>
        </message>
        <message>
            <source>年降水量の平均値</source>
            <translation>Mean</translation>
        </message>
        <message>
            <source>年降水量の最大値</source>
            <translation>Maximum</translation>
        </message>
        <message>
            <source>年降水量の最小値</source>
            <translation>Minimum</translation>
        </message>
        <message>
            <source>降水量軸の最大値</source>
            <translation>Axis maximum</translation>
        </message>
        <message>
            <source>降水量軸の最小値</source>
            <translation>Axis minimum</translation>
        </message>
        <message>
            <source>印刷位置右方向へ</source>
            <translation>Print shift right</translation>
        </message>
        <message>
            <source>印刷位置上方向へ</source>
            <translation>Print shift up</translation>
        </message>
        <message>
            <source>設定している作図の条件</source>
            <translation>Chart settings</translation>
        </message>
        <message>
            <source>印字の太さ－実線</source>
            <translation>Solid lines</translation>
        </message>
        <message>
            <source>印字の太さ－点線</source>
            <translation>Dotted lines</translation>
        </message>
        <message>
            <source>印字の太さ－回帰線</source>
            <translation>Regression line</translation>
        </message>
        <message>
            <source>単位</source>
            <translation>units</translation>
        </message>
        <message>
            <source>解析項目の設定</source>
            <translation>Analysis setting</translation>
        </message>
        <message>
            <source>印刷紙面には回帰線や豊水・渇水の解析数値は印字されません</source>
            <translation>The printed sheet shows neither the regression line nor the dry- and wet-year values</translation>
        </message>
        <message>
            <source>ﾌｧｲﾙ(&amp;F)</source>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>ﾌﾟﾘﾝﾀ(&amp;S)</source>
            <translation>&amp;Select printer...</translation>
        </message>
        <message>
            <source>設定(&amp;S)</source>
            <translation>&amp;Settings</translation>
        </message>
        <message>
            <source>横軸最小値の設定(&amp;N)</source>
            <translation>Axis mi&amp;nimum</translation>
        </message>
        <message>
            <source>横軸最大値の設定(&amp;X)</source>
            <translation>Axis ma&amp;ximum</translation>
        </message>
        <message>
            <source>印刷線の太さ－実線(&amp;W)</source>
            <translation>&amp;Width of solid lines</translation>
        </message>
        <message>
            <source>印刷線の太さ－破線(&amp;D)</source>
            <translation>Width of &amp;dotted lines</translation>
        </message>
        <message>
            <source>印刷線の太さ－回帰線(&amp;K)</source>
            <translation>Width of the re&amp;gression line</translation>
        </message>
        <message>
            <source>%1 単位</source>
            <translation>%1 units</translation>
        </message>
        <message>
            <source>印刷位置(&amp;I)</source>
            <translation>Print pos&amp;ition...</translation>
        </message>
        <message>
            <source>データ作成(&amp;E)</source>
            <translation>&amp;Edit a data file...</translation>
        </message>
        <message>
            <source>解析項目(&amp;A)</source>
            <translation>&amp;Analysis</translation>
        </message>
        <message>
            <source>回帰結果を表示しない(&amp;N)</source>
            <translation>&amp;No regression</translation>
        </message>
        <message>
            <source>回帰線だけを表示する(&amp;L)</source>
            <translation>Regression &amp;line only</translation>
        </message>
        <message>
            <source>回帰線と解析値を表示(&amp;A)</source>
            <translation>Line &amp;and values</translation>
        </message>
        <message>
            <source>使い方(&amp;H)</source>
            <translation>&amp;Help</translation>
        </message>
        <message>
            <source>データ作成(&amp;D)</source>
            <translation>&amp;Data files</translation>
        </message>
        <message>
            <source>作図と印刷(&amp;M)</source>
            <translation>Charts and &amp;printing</translation>
        </message>
        <message>
            <source>ﾊﾞｰｼﾞｮﾝ(&amp;V)</source>
            <translation>&amp;Version</translation>
        </message>
        <message>
            <source>年降水量の非超過確率を計算・図化するプログラムです！</source>
            <translation>A program that computes and draws the non-exceedance probability of annual precipitation!</translation>
        </message>
        <message>
            <source>年降水量の非超過確率分布</source>
            <translation>Non-exceedance probability of annual precipitation</translation>
        </message>
        <message>
            <source>仮面エディター &lt; 作成年次の確認 &gt;</source>
            <translation>Mask editor &lt; years of the new file &gt;</translation>
        </message>
        <message>
            <source>最古のデータの西暦年を入力してね</source>
            <translation>Enter the year of the oldest data</translation>
        </message>
        <message>
            <source>年</source>
            <translation> </translation>
        </message>
        <message>
            <source>最新のデータの西暦年を入力してね</source>
            <translation>Enter the year of the newest data</translation>
        </message>
        <message>
            <source>新規作成に進む</source>
            <translation>Make the file</translation>
        </message>
        <message>
            <source>新規作成をやめる</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>新規作成(&amp;N)</source>
            <translation>&amp;New</translation>
        </message>
        <message>
            <source>保存終了(&amp;S)</source>
            <translation>&amp;Save and exit</translation>
        </message>
        <message>
            <source>強制終了(&amp;X)</source>
            <translation>Close &amp;without saving</translation>
        </message>
        <message>
            <source>開けませんでした: </source>
            <translation>Could not open: </translation>
        </message>
        <message>
            <source>仮面エディター &lt; </source>
            <translation>Mask editor &lt; </translation>
        </message>
        <message>
            <source>保存できません: </source>
            <translation>Cannot save: </translation>
        </message>
        <message>
            <source>仮面エディター &lt; 年降水量ファイルの作成 &gt;</source>
            <translation>Mask editor &lt; making a precipitation file &gt;</translation>
        </message>
        <message>
            <source>仮面エディター &lt; 新規の編集 &gt;</source>
            <translation>Mask editor &lt; new file &gt;</translation>
        </message>
        <message>
            <source>入力したデータは保存されていません。</source>
            <translation>What you entered has not been saved.</translation>
        </message>
        <message>
            <source>保存しますか？</source>
            <translation>Save them?</translation>
        </message>
        <message>
            <source>印刷位置の設定</source>
            <translation>Print position</translation>
        </message>
        <message>
            <source>プリンタの設定</source>
            <translation>Printer...</translation>
        </message>
        <message>
            <source>年降水量データ（西暦年と年降水量を１行に）</source>
            <translation>Precipitation data (a year and its amount on each line)</translation>
        </message>
        <message>
            <source>ｍ</source>
            <translation>m</translation>
        </message>
        <message>
            <source>ｍ2</source>
            <translation>m2</translation>
        </message>
        <message>
            <source>ｍ/sec</source>
            <translation>m/s</translation>
        </message>
        <message>
            <source>ｍ3/sec</source>
            <translation>m3/s</translation>
        </message>
        <message>
            <source>マニング式による流量計算</source>
            <translation>Discharge by Manning's formula</translation>
        </message>
        <message>
            <source>比エネルギー  Ｅ  （%1）</source>
            <translation>Specific energy  E  (%1)</translation>
        </message>
        <message>
            <source>水</source>
            <translation>Water</translation>
        </message>
        <message>
            <source>深</source>
            <translation>depth</translation>
        </message>
        <message>
            <source>（%1）</source>
            <translation>(%1)</translation>
        </message>
        <message>
            <source>  限界水深</source>
            <translation>  Critical depth</translation>
        </message>
        <message>
            <source>  なし（岸の天端まで常流）</source>
            <translation>  none (subcritical up to the bank top)</translation>
        </message>
        <message>
            <source>%1（Ｅ＝ %2）</source>
            <translation>%1 (E = %2)</translation>
        </message>
        <message>
            <source>  流量  Ｑ＝ </source>
            <translation>  Discharge  Q = </translation>
        </message>
        <message>
            <source>    粗度係数  </source>
            <translation>    Roughness  </translation>
        </message>
        <message>
            <source>区間ごと</source>
            <translation>per segment</translation>
        </message>
        <message>
            <source>ｎ＝ %1</source>
            <translation>n = %1</translation>
        </message>
        <message>
            <source>    河床勾配  Ｉ＝ １／%1</source>
            <translation>    Bed slope  I = 1/%1</translation>
        </message>
        <message>
            <source>    水路ごとに計算</source>
            <translation>    by sub-channel</translation>
        </message>
        <message>
            <source>    断面を分割して計算</source>
            <translation>    dividing the section</translation>
        </message>
        <message>
            <source>比エネルギー曲線</source>
            <translation>Specific energy curve</translation>
        </message>
        <message>
            <source>限界水深 </source>
            <translation>Critical depth </translation>
        </message>
        <message>
            <source>読み込めませんでした: </source>
            <translation>Could not read: </translation>
        </message>
        <message>
            <source>%1 行目: 「%2」は数値ではありません</source>
            <translation>Line %1: "%2" is not a number</translation>
        </message>
        <message>
            <source>%1 段の水位で計算しました（河床 %2 ｍ から岸の天端 %3 ｍ まで）</source>
            <translation>Computed at %1 water levels (from the bed at %2 m to the bank top at %3 m)</translation>
        </message>
        <message>
            <source>岸の天端（低い方）までに限界水深はありません</source>
            <translation>No critical depth below the (lower) bank top</translation>
        </message>
        <message>
            <source>限界水深</source>
            <translation>Critical depth</translation>
        </message>
        <message>
            <source>、</source>
            <translation>, </translation>
        </message>
        <message>
            <source>%1%2（比エネルギー %3%2）</source>
            <translation>%1%2 (specific energy %3%2)</translation>
        </message>
        <message>
            <source>：比エネルギーの極小が %1 つあります</source>
            <translation>: the specific energy has %1 minima</translation>
        </message>
        <message>
            <source>スケールを正しく入力してください</source>
            <translation>Enter valid scales</translation>
        </message>
        <message>
            <source>解析範囲を正しく入力してください</source>
            <translation>Enter a valid analysis range</translation>
        </message>
        <message>
            <source>パラメータは正しく入れてください</source>
            <translation>Enter valid parameters</translation>
        </message>
        <message>
            <source>このデータファイルは処理できません</source>
            <translation>This data file cannot be processed</translation>
        </message>
        <message>
            <source>粗度係数の列のある断面ファイルはこのエディタでは編集できません（表計算ソフトなどで編集してください）</source>
            <translation>A section file with a roughness column cannot be edited here (edit it in a spreadsheet program)</translation>
        </message>
        <message>
            <source>入力したデータ数が少なすぎます</source>
            <translation>Too few points entered</translation>
        </message>
        <message>
            <source>断面座標のデータの数が多すぎるか、</source>
            <translation>The section has too many points,</translation>
        </message>
        <message>
            <source>データファイルの作成方法が不正です</source>
            <translation>or the data file is not laid out correctly</translation>
        </message>
        <message>
            <source>入力した断面座標データは保存されていません。</source>
            <translation>The section points entered have not been saved.</translation>
        </message>
        <message>
            <source>この断面は最深部の片側に岸がないため計算できません</source>
            <translation>This section cannot be computed: one side of its deepest point has no bank</translation>
        </message>
        <message>
            <source>水位の刻みを正しく入力してください</source>
            <translation>Enter a valid water level step</translation>
        </message>
        <message>
            <source>流量を正しく入力してください</source>
            <translation>Enter a valid discharge</translation>
        </message>
        <message>
            <source> ｍ3／sec を超えています</source>
            <translation> m3/s is exceeded</translation>
        </message>
        <message>
            <source>スケールが設定されていません：設定(S)→スケール(S)で設定してください</source>
            <translation>No scales are set: set them with Settings -&gt; Scales</translation>
        </message>
        <message>
            <source>解析(&amp;A)</source>
            <translation>&amp;Analysis</translation>
        </message>
        <message>
            <source>水位流量曲線...</source>
            <translation>&amp;Rating curve...</translation>
        </message>
        <message>
            <source>等流水深...</source>
            <translation>&amp;Normal depth...</translation>
        </message>
        <message>
            <source>水位流量曲線</source>
            <translation>Rating curve</translation>
        </message>
        <message>
            <source>等流水深の計算</source>
            <translation>Normal depth</translation>
        </message>
        <message>
            <source>比エネルギー曲線(&amp;E)...</source>
            <translation>Specific &amp;energy curve...</translation>
        </message>
        <message>
            <source>断面を分割して計算(&amp;D)</source>
            <translation>Compute by &amp;dividing the section</translation>
        </message>
        <message>
            <source>水路ごとに計算(&amp;W)</source>
            <translation>Compute by &amp;sub-channel</translation>
        </message>
        <message>
            <source>高水敷との境界（左岸・右岸）(&amp;B)...</source>
            <translation>&amp;Bank stations (left and right)...</translation>
        </message>
        <message>
            <source>ヤード・ポンド法（ft, ft3/sec）(&amp;U)</source>
            <translation>&amp;US units (ft, ft3/s)</translation>
        </message>
        <message>
            <source>高水敷との境界</source>
            <translation>Bank stations</translation>
        </message>
        <message>
            <source>左岸・右岸の位置を正しく入力してください</source>
            <translation>Enter valid left and right bank stations</translation>
        </message>
        <message>
            <source>表をクリップボードにコピーしました</source>
            <translation>The table was copied to the clipboard</translation>
        </message>
        <message>
            <source>常流</source>
            <translation>Subcritical</translation>
        </message>
        <message>
            <source>限界流</source>
            <translation>Critical</translation>
        </message>
        <message>
            <source>射流</source>
            <translation>Supercritical</translation>
        </message>
        <message>
            <source>使い方のファイル manning.txt が見つからないか、読めません</source>
            <translation>The how-to-use file manning.txt was not found or cannot be read</translation>
        </message>
        <message>
            <source>テキストファイル (*.txt)|*.txt| すべてのファイル (*.*)|*.*</source>
            <translation>Text files (*.txt)|*.txt|All files (*.*)|*.*</translation>
        </message>
        <message>
            <source>テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*</source>
            <translation>Text files (*.txt)|*.txt|All files (*.*)|*.*</translation>
        </message>
        <message>
            <source>  粗度係数  </source>
            <translation>  Roughness  </translation>
        </message>
        <message>
            <source>    水位の刻み  </source>
            <translation>    Level step  </translation>
        </message>
        <message>
            <source>  河床高  </source>
            <translation>  Bed level  </translation>
        </message>
        <message>
            <source>    岸の天端（低い方）  </source>
            <translation>    Bank top (lower)  </translation>
        </message>
        <message>
            <source>    天端での流量  Ｑ＝ </source>
            <translation>    Discharge at bank top  Q = </translation>
        </message>
        <message>
            <source>流  量  （ｍ3／sec）</source>
            <translation>Discharge  (m3/s)</translation>
        </message>
        <message>
            <source>位</source>
            <translation>level</translation>
        </message>
        <message>
            <source>（ｍ）</source>
            <translation>(m)</translation>
        </message>
        <message>
            <source>流  量  （ft3／sec）</source>
            <translation>Discharge  (ft3/s)</translation>
        </message>
        <message>
            <source>（ft）</source>
            <translation>(ft)</translation>
        </message>
        <message>
            <source>岸の天端（低い方）</source>
            <translation>Bank top (lower)</translation>
        </message>
        <message>
            <source>マニング式による水位流量曲線</source>
            <translation>Rating curve by Manning's formula</translation>
        </message>
        <message>
            <source>標</source>
            <translation>Eleva-</translation>
        </message>
        <message>
            <source>高</source>
            <translation>tion</translation>
        </message>
        <message>
            <source>距  離  （ｍ）</source>
            <translation>Distance  (m)</translation>
        </message>
        <message>
            <source>マニング式による河川流量解析結果</source>
            <translation>River discharge by Manning's formula</translation>
        </message>
        <message>
            <source>  粗度係数  ｎ＝ %1</source>
            <translation>  Roughness    n = %1</translation>
        </message>
        <message>
            <source>  河床勾配  Ｉ＝ １／%1</source>
            <translation>  Bed slope    I = 1/%1</translation>
        </message>
        <message>
            <source>  最大水深  ｄ＝ %1 ｍ</source>
            <translation>  Max. depth   d = %1 m</translation>
        </message>
        <message>
            <source>  総流路幅  Ｈ＝ %1 ｍ</source>
            <translation>  Total width  H = %1 m</translation>
        </message>
        <message>
            <source>  最大流速  Ｖ＝ %1 ｍ/sec</source>
            <translation>  Max. velocity V = %1 m/s</translation>
        </message>
        <message>
            <source>  合計流量  Ｑ＝ %1 ｍ3/sec</source>
            <translation>  Discharge    Q = %1 m3/s</translation>
        </message>
        <message>
            <source>縮尺</source>
            <translation>Scales</translation>
        </message>
        <message>
            <source>水平方向  1:%1</source>
            <translation>Horizontal  1:%1</translation>
        </message>
        <message>
            <source>鉛直方向  1:%1</source>
            <translation>Vertical  1:%1</translation>
        </message>
        <message>
            <source>%1 行目: </source>
            <translation>Line %1: </translation>
        </message>
        <message>
            <source>「%1」は数値ではありません</source>
            <translation>"%1" is not a number</translation>
        </message>
        <message>
            <source>距離が入力されていません</source>
            <translation>no distance entered</translation>
        </message>
        <message>
            <source>標高が入力されていません</source>
            <translation>no elevation entered</translation>
        </message>
        <message>
            <source>空の行です。後の %1 行目にもデータがあります</source>
            <translation>an empty row, but line %1 below has data</translation>
        </message>
        <message>
            <source>水深</source>
            <translation>Depth</translation>
        </message>
        <message>
            <source>水位</source>
            <translation>Water level</translation>
        </message>
        <message>
            <source>断面積</source>
            <translation>Area</translation>
        </message>
        <message>
            <source>潤辺</source>
            <translation>Wetted perimeter</translation>
        </message>
        <message>
            <source>水面幅</source>
            <translation>Top width</translation>
        </message>
        <message>
            <source>平均流速</source>
            <translation>Mean velocity</translation>
        </message>
        <message>
            <source>フルード数</source>
            <translation>Froude number</translation>
        </message>
        <message>
            <source>流量</source>
            <translation>Discharge</translation>
        </message>
        <message>
            <source>エネルギー補正係数 α</source>
            <translation>Energy coefficient α</translation>
        </message>
        <message>
            <source>比エネルギー</source>
            <translation>Specific energy</translation>
        </message>
        <message>
            <source>水位の刻み =</source>
            <translation>Level step =</translation>
        </message>
        <message>
            <source>計算</source>
            <translation>Compute</translation>
        </message>
        <message>
            <source>表をコピー</source>
            <translation>Copy &amp;table</translation>
        </message>
        <message>
            <source>閉じる(&amp;X)</source>
            <translation>&amp;Close</translation>
        </message>
        <message>
            <source>  （河床から低い方の岸の天端まで、水路ごとに計算）</source>
            <translation>  (from the bed to the lower bank top, by sub-channel)</translation>
        </message>
        <message>
            <source>  （河床から低い方の岸の天端まで、断面を分割して計算）</source>
            <translation>  (from the bed to the lower bank top, dividing the section)</translation>
        </message>
        <message>
            <source>流量 Q ＝</source>
            <translation>Discharge Q =</translation>
        </message>
        <message>
            <source>水深の刻み =</source>
            <translation>Depth step =</translation>
        </message>
        <message>
            <source>左岸と右岸の位置の間を低水路として一つにまとめ、
その外側（高水敷）は測点ごとに分けて計算します。
両方とも空にすると、全体を測点ごとに分けます。</source>
            <translation>Between the left and right bank stations the main channel is computed as one;
outside them (the floodplains) each stretch between points is computed apart.
With both left empty, the whole section is divided at every point.</translation>
        </message>
        <message>
            <source>左岸 X ＝</source>
            <translation>Left bank X =</translation>
        </message>
        <message>
            <source>右岸 X ＝</source>
            <translation>Right bank X =</translation>
        </message>
        <message>
            <source>この値で設定</source>
            <translation>Set these values</translation>
        </message>
        <message>
            <source>流量を入れると、いまの粗度係数・河床勾配・解析範囲で
その流量が流れる水深を求めます。</source>
            <translation>Enter a discharge to find the depth at which it flows with
the present roughness, bed slope and analysis range.</translation>
        </message>
        <message>
            <source>（断面を分割して計算します。主画面の流量 Q は水路ごとの計算なので、
入れた流量と違うことがあります）</source>
            <translation>(Computed dividing the section. The main window's Q is computed by sub-channel,
so it may differ from the discharge entered.)</translation>
        </message>
        <message>
            <source>ｍ3／sec</source>
            <translation>m3/s</translation>
        </message>
        <message>
            <source>水深 ｄ ＝</source>
            <translation>Depth d =</translation>
        </message>
        <message>
            <source>水位 ＝</source>
            <translation>Water level =</translation>
        </message>
        <message>
            <source>この流量で計算</source>
            <translation>Compute</translation>
        </message>
        <message>
            <source>断面座標データの編集</source>
            <translation>Section points editor</translation>
        </message>
        <message>
            <source>断面の座標データを作成または編集する画面です</source>
            <translation>Create or edit the points of a section here</translation>
        </message>
        <message>
            <source>座標の値は、すべてｍ単位で入力してください</source>
            <translation>Enter every coordinate in metres</translation>
        </message>
        <message>
            <source>距離 X (m)</source>
            <translation>Distance X (m)</translation>
        </message>
        <message>
            <source>標高 Y (m)</source>
            <translation>Elevation Y (m)</translation>
        </message>
        <message>
            <source>単純終了(&amp;X)</source>
            <translation>E&amp;xit without saving</translation>
        </message>
        <message>
            <source>データの編集</source>
            <translation>Data editor</translation>
        </message>
        <message>
            <source>データの編集 &lt; 新規 &gt;</source>
            <translation>Data editor &lt; new &gt;</translation>
        </message>
        <message>
            <source>編集モードの選択</source>
            <translation>Edit mode</translation>
        </message>
        <message>
            <source>編集する方法を選択してください</source>
            <translation>Choose how to edit</translation>
        </message>
        <message>
            <source>既存のファイルを読んで編集する</source>
            <translation>Read an existing file and edit it</translation>
        </message>
        <message>
            <source>新規にデータファイルを作成する</source>
            <translation>Create a new data file</translation>
        </message>
        <message>
            <source>編集をやめてもとの画面にもどる</source>
            <translation>Cancel and return to the main window</translation>
        </message>
        <message>
            <source>このプログラムの使い方</source>
            <translation>How to use this program</translation>
        </message>
        <message>
            <source>使い方の表示の終了</source>
            <translation>Close help</translation>
        </message>
        <message>
            <source>バージョン情報の表示</source>
            <translation>Version information</translation>
        </message>
        <message>
            <source>印字の太さ－わく(&amp;W)</source>
            <translation>Print width - &amp;frame</translation>
        </message>
        <message>
            <source>印字の太さ－断面線(&amp;D)</source>
            <translation>Print width - section &amp;line</translation>
        </message>
        <message>
            <source>印字の太さ－水面(&amp;S)</source>
            <translation>Print width - &amp;water</translation>
        </message>
        <message>
            <source>水平方向スケール １／</source>
            <translation>Horizontal scale 1/</translation>
        </message>
        <message>
            <source>鉛直方向スケール １／</source>
            <translation>Vertical scale 1/</translation>
        </message>
        <message>
            <source>解析範囲 X ＝</source>
            <translation>Analysis range X =</translation>
        </message>
        <message>
            <source>～</source>
            <translation>to</translation>
        </message>
        <message>
            <source>粗度係数 ｎ ＝</source>
            <translation>Roughness n =</translation>
        </message>
        <message>
            <source>河床勾配  I ＝ １／</source>
            <translation>Bed slope I = 1/</translation>
        </message>
        <message>
            <source>最大水深 ｄ ＝</source>
            <translation>Max. depth d =</translation>
        </message>
        <message>
            <source>流量 Q</source>
            <translation>Discharge Q</translation>
        </message>
        <message>
            <source>流速 Ｖ</source>
            <translation>Velocity V</translation>
        </message>
        <message>
            <source>ｍ／sec</source>
            <translation>m/s</translation>
        </message>
        <message>
            <source>川幅 Ｈ</source>
            <translation>Width H</translation>
        </message>
        <message>
            <source>水路</source>
            <translation>Channel</translation>
        </message>
        <message>
            <source>フルード数 Fr</source>
            <translation>Froude Fr</translation>
        </message>
        <message>
            <source>流れ</source>
            <translation>Regime</translation>
        </message>
        <message>
            <source>印刷する作図線の太さ</source>
            <translation>Printed line widths</translation>
        </message>
        <message>
            <source>枠の線</source>
            <translation>Frame</translation>
        </message>
        <message>
            <source>断面線</source>
            <translation>Section</translation>
        </message>
        <message>
            <source>水面線</source>
            <translation>Water</translation>
        </message>
        <message>
            <source>編集(&amp;E)</source>
            <translation>&amp;Edit...</translation>
        </message>
        <message>
            <source>パラメータ(&amp;P)</source>
            <translation>&amp;Parameters...</translation>
        </message>
        <message>
            <source>その他(&amp;H)</source>
            <translation>&amp;Help</translation>
        </message>
        <message>
            <source>使用方法(&amp;U)</source>
            <translation>How to &amp;use</translation>
        </message>
        <message>
            <source>バージョン(&amp;V)</source>
            <translation>&amp;Version</translation>
        </message>
        <message>
            <source>テーマ</source>
            <translation>Theme</translation>
        </message>
        <message>
            <source>マニング式  －  flowcalc</source>
            <translation>Manning's formula  -  flowcalc</translation>
        </message>
        <message>
            <source>バージョン %1. %2. %3</source>
            <translation>Version %1. %2. %3</translation>
        </message>
        <message>
            <source>しばらくお待ちください</source>
            <translation>Please wait</translation>
        </message>
        <message>
            <source>合成ｎ
H-E</source>
            <translation>Composite n
H-E</translation>
        </message>
        <message>
            <source>合成ｎ
Lotter</source>
            <translation>Composite n
Lotter</translation>
        </message>
        <message>
            <source>%1のバージョン情報</source>
            <translation>About %1</translation>
        </message>
        <message>
            <source>アプリケーションタイトル  %1</source>
            <translation>Application  %1</translation>
        </message>
        <message>
            <source>アプリケーションの説明</source>
            <translation>Description</translation>
        </message>
        <message>
            <source>マニング式を用いて河川などの流量を計算します</source>
            <translation>Computes the discharge of rivers and channels by Manning's formula</translation>
        </message>
        <message>
            <source>このアプリケーションについての照会先</source>
            <translation>Inquiries about this application</translation>
        </message>
        <message>
            <source>スケールと解析範囲の設定</source>
            <translation>Scales and analysis range</translation>
        </message>
        <message>
            <source>断面のスケールと解析範囲（水を流す範囲）を設定します。</source>
            <translation>Set the scales of the section and the analysis range (where water may flow).</translation>
        </message>
        <message>
            <source>Ｘ方向（水平方向）スケール： １／</source>
            <translation>X (horizontal) scale: 1/</translation>
        </message>
        <message>
            <source>Ｙ方向（鉛直方向）スケール： １／</source>
            <translation>Y (vertical) scale: 1/</translation>
        </message>
        <message>
            <source>解析範囲の左端のＸ座標 &gt;&gt;&gt;&gt;&gt;&gt;&gt;&gt;</source>
            <translation>X of the range's left end &gt;&gt;&gt;&gt;&gt;&gt;&gt;&gt;</translation>
        </message>
        <message>
            <source>解析範囲の右端のＸ座標 &gt;&gt;&gt;&gt;&gt;&gt;&gt;&gt;</source>
            <translation>X of the range's right end &gt;&gt;&gt;&gt;&gt;&gt;&gt;&gt;</translation>
        </message>
        <message>
            <source>パラメータの設定</source>
            <translation>Parameters</translation>
        </message>
        <message>
            <source>マニング式の計算に必要なパラメータを設定します。</source>
            <translation>Set the parameters Manning's formula needs.</translation>
        </message>
        <message>
            <source>粗度係数  ｎ ＝</source>
            <translation>Roughness  n =</translation>
        </message>
        <message>
            <source>河床勾配 I ＝ １／</source>
            <translation>Bed slope I = 1/</translation>
        </message>
        <message>
            <source>最大水深  ｄ ＝</source>
            <translation>Max. depth  d =</translation>
        </message>
        <message>
            <source>この値で計算</source>
            <translation>Compute with these values</translation>
        </message>
        <message>
            <source>選んだセルの値</source>
            <translation>Value of the chosen cell</translation>
        </message>
        <message>
            <source>非
超
過
確
率</source>
            <translation>Non-exceedance probability (%)</translation>
        </message>
        <message>
            <source>年降水量（mm）</source>
            <translation>Annual precipitation (mm)</translation>
        </message>
        <message>
            <source>年  降  水  量  （mm）</source>
            <translation>Annual  precipitation  (mm)</translation>
        </message>
        <message>
            <source>数字は西暦年の下２桁</source>
            <translation>Labels: the last two digits of the year</translation>
        </message>
        <message>
            <source>&lt; 直線回帰による解析結果 &gt;</source>
            <translation>&lt; Results of the linear regression &gt;</translation>
        </message>
        <message>
            <source>    1/10渇水年降水量 = </source>
            <translation>    1/10 dry year = </translation>
        </message>
        <message>
            <source>    1/50渇水年降水量 = </source>
            <translation>    1/50 dry year = </translation>
        </message>
        <message>
            <source>    1/10豊水年降水量 = </source>
            <translation>    1/10 wet year = </translation>
        </message>
        <message>
            <source>    1/50豊水年降水量 = </source>
            <translation>    1/50 wet year = </translation>
        </message>
        <message>
            <source>入力間違い</source>
            <translation>Input error</translation>
        </message>
        <message>
            <source>&lt; グンベル分布（L 積率法）による解析結果 &gt;</source>
            <translation>&lt; Results of the Gumbel distribution (L-moments) &gt;</translation>
        </message>
        <message>
            <source>&lt; 3 母数対数正規分布による解析結果 &gt;</source>
            <translation>&lt; Results of the three-parameter log-normal distribution &gt;</translation>
        </message>
        <message>
            <source>&lt; ピアソンⅢ型分布による解析結果 &gt;</source>
            <translation>&lt; Results of the Pearson type III distribution &gt;</translation>
        </message>
        <message>
            <source>&lt; 対数ピアソンⅢ型分布による解析結果 &gt;</source>
            <translation>&lt; Results of the log-Pearson type III distribution &gt;</translation>
        </message>
        <message>
            <source>&lt; 一般化極値分布による解析結果 &gt;</source>
            <translation>&lt; Results of the generalised extreme value distribution &gt;</translation>
        </message>
        <message>
            <source>&lt; 一般化ロジスティック分布による解析結果 &gt;</source>
            <translation>&lt; Results of the generalised logistic distribution &gt;</translation>
        </message>
        <message>
            <source>&lt; SQRT-ET 分布による解析結果 &gt;</source>
            <translation>&lt; Results of the SQRT-ET distribution &gt;</translation>
        </message>
        <message>
            <source>&lt; 指数分布による解析結果 &gt;</source>
            <translation>&lt; Results of the exponential distribution &gt;</translation>
        </message>
        <message>
            <source>&lt; 対数正規分布による解析結果 &gt;</source>
            <translation>&lt; Results of the log-normal distribution &gt;</translation>
        </message>
        <message>
            <source>&lt; グンベル分布（積率法）による解析結果 &gt;</source>
            <translation>&lt; Results of the Gumbel distribution (moments) &gt;</translation>
        </message>
        <message>
            <source>&lt; グンベル分布（回帰）による解析結果 &gt;</source>
            <translation>&lt; Results of the Gumbel distribution (regression) &gt;</translation>
        </message>
        <message>
            <source> 印刷紙面には、番号とサンプル名の対応表が含まれます。</source>
            <translation> The printed sheet includes a table of the numbers and sample names.</translation>
        </message>
        <message>
            <source> 印刷紙面には番号とサンプル名の対応表は含まれません。</source>
            <translation> The printed sheet does not include the table of numbers and sample names.</translation>
        </message>
        <message>
            <source>凡    例</source>
            <translation>Legend</translation>
        </message>
        <message>
            <source>凡  例</source>
            <translation>Legend</translation>
        </message>
        <message>
            <source>　（meq/L の %）</source>
            <translation>  (% of meq/L)</translation>
        </message>
        <message>
            <source>（涵養水）</source>
            <translation>(recharging water)</translation>
        </message>
        <message>
            <source>（逆イオン交換）</source>
            <translation>(reverse ion exchange)</translation>
        </message>
        <message>
            <source>（海水）</source>
            <translation>(sea water)</translation>
        </message>
        <message>
            <source>（イオン交換）</source>
            <translation>(base ion exchange)</translation>
        </message>
        <message>
            <source>イオン合計 0 のため作図しない試料: %1</source>
            <translation>Samples not drawn, their ions summing to 0: %1</translation>
        </message>
        <message>
            <source>凡　例</source>
            <translation>Legend</translation>
        </message>
        <message>
            <source>ほか %1 件</source>
            <translation>%1 more</translation>
        </message>
        <message>
            <source>（meq/L の %）</source>
            <translation>(% of meq/L)</translation>
        </message>
        <message>
            <source>陽イオン</source>
            <translation>Cations</translation>
        </message>
        <message>
            <source>陰イオン</source>
            <translation>Anions</translation>
        </message>
        <message>
            <source>TDS のない試料: %1</source>
            <translation>Samples without TDS: %1</translation>
        </message>
        <message>
            <source>TDS の列がないため</source>
            <translation>No TDS column:</translation>
        </message>
        <message>
            <source>TDS 図は省略</source>
            <translation>no TDS panel</translation>
        </message>
        <message>
            <source>pH のない試料: %1</source>
            <translation>Samples without pH: %1</translation>
        </message>
        <message>
            <source>pH の列がないため</source>
            <translation>No pH column:</translation>
        </message>
        <message>
            <source>pH 図は省略</source>
            <translation>no pH panel</translation>
        </message>
        <message>
            <source>（mg/L の比）</source>
            <translation> (ratio of mg/L)</translation>
        </message>
        <message>
            <source>降水の支配</source>
            <translation>Precipitation dominance</translation>
        </message>
        <message>
            <source>岩石の支配</source>
            <translation>Rock dominance</translation>
        </message>
        <message>
            <source>蒸発・結晶化の支配</source>
            <translation>Evaporation dominance</translation>
        </message>
        <message>
            <source>ギブス図：水質を支配する作用</source>
            <translation>Gibbs diagram: mechanisms controlling water chemistry</translation>
        </message>
        <message>
            <source>TDS </source>
            <translation>TDS</translation>
        </message>
        <message>
            <source>Na と Ca </source>
            <translation>Na and Ca</translation>
        </message>
        <message>
            <source>Cl と HCO3 </source>
            <translation>Cl and HCO3</translation>
        </message>
        <message>
            <source>陽イオン相（meq/L の %）</source>
            <translation>Cation facies (% of meq/L)</translation>
        </message>
        <message>
            <source>陰イオン相（meq/L の %）</source>
            <translation>Anion facies (% of meq/L)</translation>
        </message>
        <message>
            <source>海水</source>
            <translation>Sea water</translation>
        </message>
        <message>
            <source>青線: 海水と Cl の最も少ない試料「%1」との混合線</source>
            <translation>Blue line: sea water mixed with “%1”, the sample lowest in Cl</translation>
        </message>
        <message>
            <source>%1のない %2 試料は描いていません</source>
            <translation>Samples without %1, not drawn: %2</translation>
        </message>
        <message>
            <source>C1 低</source>
            <translation>C1 low</translation>
        </message>
        <message>
            <source>C2 中</source>
            <translation>C2 medium</translation>
        </message>
        <message>
            <source>C3 高</source>
            <translation>C3 high</translation>
        </message>
        <message>
            <source>C4 非常に高い</source>
            <translation>C4 very high</translation>
        </message>
        <message>
            <source>塩害の危険度（C）とナトリウムの危険度（S）</source>
            <translation>Salinity hazard (C) and sodium hazard (S)</translation>
        </message>
        <message>
            <source>電気伝導度 EC（μS/cm, 25 ℃）</source>
            <translation>Electrical conductivity EC (μS/cm at 25 °C)</translation>
        </message>
        <message>
            <source>SAR</source>
            <translation>SAR</translation>
        </message>
        <message>
            <source>EC </source>
            <translation>EC</translation>
        </message>
        <message>
            <source>水質分類表</source>
            <translation>Water classification table</translation>
        </message>
    </context>
    <context>
        <name>hc::hc</name>
        <message>
            <source>（meq/L の比）</source>
            <translation> (ratio of meq/L)</translation>
        </message>
    </context>
</TS>
