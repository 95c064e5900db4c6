# What the suite says about each of its programs, one entry a program: the texts of its menu
# entry, AppStream metadata and package description, and the example its window pictures open
# (scripts/screenshots.sh, scripts/compare_outputs.sh). Which programs exist is decided by the
# build alone (hc_add_program): an entry here is used once its program is built, so a program
# on its way in can have its entry ready.
#
# hc_program_facts(program [NAME_EN .. NAME_JA .. COMMENT_EN .. COMMENT_JA .. KEYWORDS_EN ..
#   KEYWORDS_JA .. DESCRIPTION_EN .. DESCRIPTION_JA .. INPUT_EN .. INPUT_JA .. MIME ..
#   CATEGORIES ..] PACKAGE_LINE .. [EXAMPLE .. SHOT_KEYS ..])
# Lists (keywords, MIME types, categories) are separated by commas: a semicolon would split the
# argument. PACKAGE_LINE is the program's line in the package description, without the closing
# comma or full stop (a "\n    " in it continues the line). EXAMPLE is a file under examples/; SHOT_KEYS are the keys sent after
# opening it for the window's picture (a word "type:TEXT" types TEXT).

set(HC_WORKBOOK_MIME "application/vnd.ms-excel,application/vnd.openxmlformats-officedocument.spreadsheetml.sheet,application/vnd.oasis.opendocument.spreadsheet")
set(HC_WORKBOOK_INPUT_EN "It reads workbooks laid out like the template hinagata.xls (.xls, .xlsx or .ods) directly: no spreadsheet program is needed to read them.")
set(HC_WORKBOOK_INPUT_JA "入力は雛形 hinagata.xls と同じ配置のブック（.xls・.xlsx・.ods）で、表計算ソフトがなくても直接読み込みます。")

hc_program_facts(sixsideplot
  NAME_EN "Hexadiagram Plotter"
  NAME_JA "ヘキサダイヤグラムの作図"
  COMMENT_EN "Draw and print hexadiagrams of water-quality analyses"
  COMMENT_JA "地下水などの水質分析結果をヘキサダイヤグラムで表示・印刷"
  KEYWORDS_EN "hexadiagram,water quality,groundwater,hydrochemistry,ion"
  KEYWORDS_JA "ヘキサダイヤグラム,水質,地下水,イオン"
  DESCRIPTION_EN "Hexadiagrams of up to 32 water analyses, one per sample. The eight major ions in mg/L are converted to meq/L, cations are plotted to the right of a centre line and anions to the left, with an optional nitrate triangle. Samples stand in columns of eight, each column with its own scale, and the same chart is printed on A4."
  DESCRIPTION_JA "最大32件の水質分析結果（主要８イオン、mg/L）を meq/L に換算し、中心線の右に陽イオン、左に陰イオンをとるヘキサダイヤグラムで表示します。８件ずつの列ごとにスケールを選べ、同じ図をＡ４用紙に印刷します。"
  INPUT_EN "${HC_WORKBOOK_INPUT_EN}"
  INPUT_JA "${HC_WORKBOOK_INPUT_JA}"
  MIME "${HC_WORKBOOK_MIME}"
  CATEGORIES "Education,Science"
  PACKAGE_LINE "hexadiagrams of up to 32 water analyses"
  EXAMPLE sample12.xls)

hc_program_facts(polyplot
  NAME_EN "Stiff Diagram Plotter"
  NAME_JA "シュティフダイヤグラムの作図"
  COMMENT_EN "Draw and print Stiff diagrams of water-quality analyses"
  COMMENT_JA "地下水などの水質分析結果をシュティフダイヤグラムで表示・印刷"
  KEYWORDS_EN "Stiff diagram,water quality,groundwater,hydrochemistry,ion"
  KEYWORDS_JA "シュティフダイヤグラム,水質,地下水,イオン"
  DESCRIPTION_EN "Stiff diagrams, drawn one for each of up to 32 water analyses converted from mg/L to meq/L, in the same window, columns and scales as the hexadiagram program. The same chart is printed on A4."
  DESCRIPTION_JA "最大32件の水質分析結果を meq/L に換算してシュティフダイヤグラムで表示し、同じ図をＡ４用紙に印刷します。画面・列・スケールはヘキサダイヤグラムの作図と同じです。"
  INPUT_EN "${HC_WORKBOOK_INPUT_EN}"
  INPUT_JA "${HC_WORKBOOK_INPUT_JA}"
  MIME "${HC_WORKBOOK_MIME}"
  CATEGORIES "Education,Science"
  PACKAGE_LINE "Stiff diagrams of the same analyses"
  EXAMPLE sample12.xls)

hc_program_facts(ternaryplot
  NAME_EN "Trilinear Diagram Plotter"
  NAME_JA "トリリニアダイアグラムの作図"
  COMMENT_EN "Draw and print colour trilinear diagrams of water-quality analyses"
  COMMENT_JA "地下水などの水質分析結果をカラーのトリリニアダイアグラムで表示・印刷"
  KEYWORDS_EN "trilinear diagram,water quality,groundwater,hydrochemistry,ion"
  KEYWORDS_JA "トリリニアダイアグラム,水質,地下水,イオン"
  DESCRIPTION_EN "Up to 32 water analyses plotted in a cation triangle, an anion triangle and the diamond between them, each sample with its own mark and colour. The printed sheet can carry a table of sample numbers and names."
  DESCRIPTION_JA "最大32件の水質分析結果を、陽イオンと陰イオンの三角形とその間のひし形に、試料ごとの記号と色でプロットします。印刷する用紙には試料番号と試料名の表をつけられます。"
  INPUT_EN "${HC_WORKBOOK_INPUT_EN} Rows 20 and 21 hold each sample's mark and colour."
  INPUT_JA "${HC_WORKBOOK_INPUT_JA}20行目と21行目に試料ごとの記号と色を入れます。"
  MIME "${HC_WORKBOOK_MIME}"
  CATEGORIES "Education,Science"
  PACKAGE_LINE "colour trilinear diagrams with a table of samples"
  EXAMPLE sample12.xls)

hc_program_facts(rainprob
  NAME_EN "Annual Precipitation Probability"
  NAME_JA "年降水量の非超過確率"
  COMMENT_EN "Plot annual precipitation on normal probability paper and find dry and wet years"
  COMMENT_JA "年降水量の非超過確率を計算・図化し、渇水年・豊水年の降水量を求める"
  KEYWORDS_EN "precipitation,rainfall,probability,drought,hydrology"
  KEYWORDS_JA "降水量,非超過確率,渇水,豊水"
  DESCRIPTION_EN "Each year of a precipitation record is placed on normal probability paper by its Hazen plotting position, and a straight line through the mean gives the 1-in-10 and 1-in-50 dry-year and wet-year precipitation. A small editor of its own writes new records."
  DESCRIPTION_JA "年降水量の記録をハーゼンプロットで正規確率紙に並べ、平均を通る回帰直線から 1/10・1/50 の渇水年と豊水年の降水量を求めて表示・印刷します。記録ファイルを作る入力画面もあります。"
  INPUT_EN "It reads text files of year and amount in mm, one record a line (at most 257 records)."
  INPUT_JA "入力は年と降水量（mm）を１行に１件ずつ書いたテキストファイル（257件まで）です。"
  CATEGORIES "Education,Science"
  PACKAGE_LINE "annual precipitation on normal probability paper, with the\n    1-in-10 and 1-in-50 dry and wet years"
  # 解析項目 > 回帰線と解析値を表示
  EXAMPLE rainprob/textbook26.txt
  SHOT_KEYS "alt+a a")

hc_program_facts(flowcalc
  NAME_EN "Manning Discharge"
  NAME_JA "マニング式による流量計算"
  COMMENT_EN "Compute the discharge of a river cross-section with Manning's formula"
  COMMENT_JA "マニング式を用いて河川などの流量を計算"
  KEYWORDS_EN "Manning,discharge,river,cross-section,hydraulics"
  KEYWORDS_JA "マニング式,流量,河川,横断面"
  DESCRIPTION_EN "From a surveyed river cross-section and a water depth the program finds the wetted sub-channels and computes area, wetted perimeter, velocity and discharge with Manning's formula, then draws and prints the section with its water line and results. A grid editor of its own writes new sections."
  DESCRIPTION_JA "測量した河川の横断面を読み込み、与えた水深で水に浸かる区間ごとに断面積・潤辺・流速・流量をマニング式で計算して、水面と結果を横断面図とともに表示・印刷します。横断面のファイルを作る入力表もあります。"
  INPUT_EN "It reads text files with the point count, then distance and elevation in metres, one point a line."
  INPUT_JA "入力は点の数と、各点の距離・標高（m）を１行に１点ずつ書いたテキストファイルです。"
  CATEGORIES "Education,Science"
  PACKAGE_LINE "Manning discharge of a surveyed river cross-section"
  # The scales are accepted, then roughness, slope and depth typed in: the island's two
  # sub-channels show at 1.5 m.
  EXAMPLE flowcalc/island_section.txt
  SHOT_KEYS "Return ctrl+a type:0.035 Tab ctrl+a type:800 Tab ctrl+a type:1.5 Return")

# wqplot opens the twelve-sample workbook: its Piper diagram shows first.
hc_program_facts(wqplot
  NAME_EN "Water-Quality Diagrams"
  NAME_JA "水質ダイアグラム"
  COMMENT_EN "Draw Piper, Schoeller and Chadha diagrams and classify water-quality analyses"
  COMMENT_JA "水質分析結果をパイパー・シェーラー・チャダダイアグラムで表示し、水質の型を分類"
  KEYWORDS_EN "Piper diagram,Schoeller diagram,Chadha diagram,water quality,groundwater,hydrochemistry,ion"
  KEYWORDS_JA "パイパーダイアグラム,シェーラーダイアグラム,チャダダイアグラム,水質,地下水,イオン"
  DESCRIPTION_EN "Water analyses plotted in Piper, Schoeller and Chadha diagrams, with a table that gives each sample's water type. The diagrams are printed on A4."
  DESCRIPTION_JA "水質分析結果をパイパー・シェーラー・チャダの各ダイアグラムにプロットし、試料ごとの水質の型を分類表に示します。図はＡ４用紙に印刷します。"
  INPUT_EN "It reads workbooks laid out like the template hinagata.xls (.xls, .xlsx or .ods) and tables of up to 10,000 samples with one row per sample (CSV, .xlsx or .ods) directly: no spreadsheet program is needed to read them."
  INPUT_JA "入力は雛形 hinagata.xls と同じ配置のブック（.xls・.xlsx・.ods）、または１行に１試料をならべた 10,000 試料までの表（CSV・.xlsx・.ods）で、表計算ソフトがなくても直接読み込みます。"
  MIME "${HC_WORKBOOK_MIME},text/csv"
  CATEGORIES "Education,Science"
  PACKAGE_LINE "Piper, Schoeller and Chadha diagrams with a table of water types"
  EXAMPLE network40.csv)

hc_program_facts(hydrochart
  PACKAGE_LINE "any of these charts as PDF, SVG, PNG or JSON, for batch use")
