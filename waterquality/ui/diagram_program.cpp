#include "waterquality/ui/diagram_program.h"

#include "common/core/language.h"

namespace wq {

std::string HelpText::Text() const {
    const bool english = hc::CurrentLanguage() == hc::Language::English;
    std::string out;
    bool paragraphOpen = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string line = english ? hc::TS(lines[i]) : lines[i];
        for (std::size_t a = 0; a < args.size(); ++a) {
            const std::string mark = "%" + std::to_string(a + 1);
            for (std::size_t at; (at = line.find(mark)) != std::string::npos;)
                line.replace(at, mark.size(), args[a]);
        }
        if (!english || lineByLine) {
            out += (i > 0 ? "\r" : "") + line;
        } else if (line.empty()) {
            out += "\r\r";
            paragraphOpen = false;
        } else {
            out += (paragraphOpen ? " " : "") + line;
            paragraphOpen = true;
        }
    }
    return out;
}

std::string HelpText::Title() const {
    return hc::TS(title);
}

const ChoiceGroup* DiagramProgram::StyleTexts(Style style) const {
    for (const ChoiceGroup& g : styleGroups)
        if (g.style == style)
            return &g;
    return nullptr;
}

}  // namespace wq
