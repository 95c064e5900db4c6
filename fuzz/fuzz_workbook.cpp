// The workbook reader by path: .xls, .xlsx and .ods alike, recognised by content, then the cell
// conversions the water-quality loader applies.
#include <glib.h>

#include <cstdint>

#include "common/core/workbook.h"
#include "fuzz/harness.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // libgsf reports the damage it meets on stderr; at thousands of inputs a second that would
    // drown the fuzzer's own report.
    g_log_set_default_handler([](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
    g_set_print_handler([](const gchar*) {});
    g_set_printerr_handler([](const gchar*) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static hc::fuzz::MemoryFile file;
    try {
        const hc::WorkbookSheet sheet = hc::ReadWorkbookSheet(file.Hold(data, size));
        for (int row = 10; row <= 21; ++row) {
            for (int column = 1; column <= 34; ++column) {
                const hc::CellValue cell = sheet.Cell(row, column);
                try {
                    (void)hc::CellText(cell);
                    (void)hc::CellInt32(cell);
                } catch (const hc::WorkbookError&) {
                }
            }
        }
    } catch (const hc::WorkbookError&) {
    }
    return 0;
}
