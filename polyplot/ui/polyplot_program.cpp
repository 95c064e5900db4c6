#include "polyplot/ui/polyplot_program.h"

#include "polyplot/core/stiff.h"
#include "waterquality/ui/column_program.h"

namespace stiff {

// The hexadiagram program's window with the Stiff diagram named; the line-width menus keep
// their object names and change only their captions.
const wq::DiagramProgram& PolyPlotProgram() {
    static const wq::DiagramProgram program = wq::ColumnDiagramProgram({
        .variant = &PolyPlotVariant(),
        .programName = "polyplot",
        .title = hc::N("シュティフダイヤグラムの作図"),
        .chartName = hc::N("シュティフダイヤグラム"),
        .widthCaptions = {hc::N("メイン六角形の線(&R)"), hc::N("硝酸の線(&S)"),
                          hc::N("左右の中心線(&C)"), hc::N("目盛り線(&M)"),
                          hc::N("凡例の外枠線(&H)")},
        .helpUseFirstLine = hc::N("地下水などの水質分析結果をシュティフダイヤグラムで表示・印刷"),
        .helpTypeSecondLine = hc::N("焦点の１つになっていますが、シュティフダイヤグラム"),
        .updated = "2004.08.26",
        .splashTitle = hc::N("シュティフダイアグラムを作図するプログラムです！"),
    });
    return program;
}

}  // namespace stiff
