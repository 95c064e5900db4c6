// What the return-period and fit-table windows do alike with their tables: build them with
// their row of buttons, copy them as tab-separated text and save their numbers as CSV beside
// the record.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "common/core/platform.h"

class QDialog;
class QHBoxLayout;
class QTableWidget;

namespace rain {

// A table of results of `rows` rows under `headings`, its columns fitted to their contents.
QTableWidget* MakeResultsTable(QDialog* window, const char* name, int rows,
                               const QStringList& headings);
// The window's buttons: 数値を保存 and コピー calling `save` and `copy`, then 閉じる at the right.
QHBoxLayout* TableButtons(QDialog* window, std::function<void()> save,
                          std::function<void()> copy);

// The table as a spreadsheet pastes it: the headings (a two-line heading on one line), then a
// line a row, tab-separated.
QString TabSeparatedText(const QTableWidget& table);

// Asks where to save `csv`, proposing <record>-<suffix>.csv beside the record, and writes it.
// The status line to show; empty when the dialog was cancelled.
std::string SaveTableCsv(hc::PlatformServices& platform, const std::string& dataPath,
                         const char* title, const char* suffix, const std::string& csv);

}  // namespace rain
