// Comma-separated text files as every text input arrives: read from a file (size cap, UTF-8 or
// CP932), then split into list items and numbers to the end.
#include <cstdint>

#include "common/core/list_input.h"
#include "common/core/text_file.h"
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static hc::fuzz::MemoryFile file;
    const auto text = hc::ReadTextFile(file.Hold(data, size));
    if (!text)
        return 0;
    hc::ListInput in(*text);
    try {
        while (!in.AtEndSkippingBlankLines())
            (void)in.ReadDouble();
    } catch (const hc::ListInputError&) {
    }
    return 0;
}
