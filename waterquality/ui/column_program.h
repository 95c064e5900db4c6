// The two column programs (hexadiagrams and Stiff diagrams) share their window, menus and help
// texts word for word except where a text names the diagram; this builds a program description
// from those few differences.
#pragma once

#include <array>
#include <string>

#include "waterquality/ui/diagram_program.h"

namespace wq {

struct ColumnProgramTexts {
    const DiagramVariant* variant = nullptr;   // the program's rules and drawing
    std::string programName;                   // "sixsideplot"
    std::string title;                         // window title before a load
    std::string chartName;                     // "ヘキサダイヤグラム", naming print jobs
    std::array<std::string, 5> widthCaptions;  // the five line-width submenus
    std::string helpUseFirstLine;              // the first line of "使い方", naming the diagram
    std::string helpTypeSecondLine;  // the second line of "硝酸タイプ", naming the diagram
    std::string updated;             // "更新した年月" of the version text
    std::string splashTitle;         // the splash's first label
};

DiagramProgram ColumnDiagramProgram(const ColumnProgramTexts& texts);

}  // namespace wq
