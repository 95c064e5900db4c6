// List input on raw bytes: the first byte chooses the sequence of reads, the rest is the text.
#include <cstdint>
#include <string>

#include "common/core/list_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const unsigned choice = data[0];
    hc::ListInput in(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    try {
        for (unsigned step = 0; !in.AtEnd(); ++step) {
            (void)in.AtEmptyLine();
            switch ((choice >> (2 * (step % 4))) & 3) {
                case 0:
                    (void)in.ReadItem();
                    break;
                case 1:
                    (void)in.ReadDouble();
                    break;
                case 2:
                    (void)in.ReadInt32();
                    break;
                default:
                    (void)in.AtEndSkippingBlankLines();
                    (void)in.ReadItem();
                    break;
            }
        }
    } catch (const hc::ListInputError&) {
    }
    return 0;
}
