#include "sixsideplot/ui/sixsideplot_program.h"

#include "sixsideplot/core/hexa.h"
#include "waterquality/ui/column_program.h"

namespace hexa {

const wq::DiagramProgram& SixsidePlotProgram() {
    static const wq::DiagramProgram program = wq::ColumnDiagramProgram({
        .variant = &SixsidePlotVariant(),
        .programName = "sixsideplot",
        .title = "ヘキサダイヤグラムの作図 ",
        .chartName = "ヘキサダイヤグラム",
        .widthCaptions = {"六角形の線(&R)", "硝酸の線(&S)", "中心線(&C)", "目盛線(&M)",
                          "凡例の枠線(&H)"},
        .helpUseFirstLine = "地下水などの水質分析結果を「ヘキサダイヤグラム」で表示・印刷",
        .helpTypeSecondLine = "焦点の１つになっていますが、「ヘキサダイヤグラム」",
        .updated = "2005.08.26",
        .splashTitle = "ヘキサダイアグラムを作図するプログラム！",
    });
    return program;
}

}  // namespace hexa
