#include "sixsideplot/ui/sixsideplot_program.h"

#include "sixsideplot/core/hexa.h"
#include "waterquality/ui/column_program.h"

namespace hexa {

const wq::DiagramProgram& SixsidePlotProgram() {
    static const wq::DiagramProgram program = wq::ColumnDiagramProgram({
        .variant = &SixsidePlotVariant(),
        .programName = "sixsideplot",
        .title = hc::N("ヘキサダイヤグラムの作図 "),
        .chartName = hc::N("ヘキサダイヤグラム"),
        .widthCaptions = {hc::N("六角形の線(&R)"), hc::N("硝酸の線(&S)"), hc::N("中心線(&C)"),
                          hc::N("目盛線(&M)"), hc::N("凡例の枠線(&H)")},
        .helpUseFirstLine = hc::N("地下水などの水質分析結果を「ヘキサダイヤグラム」で表示・印刷"),
        .helpTypeSecondLine = hc::N("焦点の１つになっていますが、「ヘキサダイヤグラム」"),
        .updated = "2005.08.26",
        .splashTitle = hc::N("ヘキサダイアグラムを作図するプログラム！"),
    });
    return program;
}

}  // namespace hexa
