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

}  // namespace wq
