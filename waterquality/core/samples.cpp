#include "waterquality/core/samples.h"

namespace wq {

int CharacterCount(const std::string& utf8) {
    int n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80)
            ++n;  // count lead bytes only
    return n;
}

}  // namespace wq
