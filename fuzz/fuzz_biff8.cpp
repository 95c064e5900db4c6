// BIFF8 records on raw bytes, as if they were an .xls file's Workbook stream: the record walk,
// CONTINUE splits and the shared string table without the container in front.
#include <cstdint>
#include <span>

#include "common/core/workbook_internal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        (void)hc::wb::ReadBiff8Sheet(std::span(data, size), hc::wb::SheetChoice{"Sheet1", false});
    } catch (const hc::WorkbookError&) {
    }
    return 0;
}
