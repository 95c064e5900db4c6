#include "waterquality/ui/diagram_program.h"

namespace wq {

std::string HelpText::Text() const {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += "\r";
        out += lines[i];
    }
    return out;
}

const ChoiceGroup* DiagramProgram::StyleTexts(Style style) const {
    for (const ChoiceGroup& g : styleGroups)
        if (g.style == style)
            return &g;
    return nullptr;
}

}  // namespace wq
