// What the return-period and fit-table windows do alike with their tables: copy them as
// tab-separated text and save their numbers as CSV beside the record.
#pragma once

#include <QString>
#include <string>

#include "common/core/platform.h"

class QTableWidget;

namespace rain {

// The table as a spreadsheet pastes it: the headings (a two-line heading on one line), then a
// line a row, tab-separated.
QString TabSeparatedText(const QTableWidget& table);

// Asks where to save `csv`, proposing <record>-<suffix>.csv beside the record, and writes it.
// The status line to show; empty when the dialog was cancelled.
std::string SaveTableCsv(hc::PlatformServices& platform, const std::string& dataPath,
                         const char* title, const char* suffix, const std::string& csv);

}  // namespace rain
