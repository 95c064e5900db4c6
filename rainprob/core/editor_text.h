// The texts of the mask editor, the small editor that writes precipitation files: the prepared
// lines of a new file, the year checks, and the text read from and written to a file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/core/language.h"
#include "common/core/result.h"

namespace rain {

// Years the year-range dialog accepts.
inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 2999;

// A year typed into a box: a whole number from 1 to 2999, or nothing.
std::optional<int> ParseEditorYear(const std::string& text);

// What the year-range dialog says about years it refuses.
inline constexpr const char* kWrongYearMessage = "正しく数字を入力してね";
inline constexpr const char* kWrongYearTitle = hc::N("入力間違い");

// The prepared text of a new file from the dialog's two boxes (oldest, newest), or a BadValue
// Error whose Japanese text is kWrongYearMessage when either is not a year from 1 to 2999.
hc::Result<std::string> NewFileText(std::string_view oldest, std::string_view newest);

// One prepared line per year from oldest to newest: three blanks, the year, three blanks, each
// line but the last ended by CR LF. When oldest > newest the text is the single line of newest.
std::string PreparedText(int oldest, int newest);

// The first year the range dialog proposes: a 30-year span ending the year before `thisYear`.
inline int DefaultNewestYear(int thisYear) {
    return thisYear - 1;
}
inline int DefaultOldestYear(int thisYear) {
    return thisYear - 30;
}

// Most lines the editor opens.
inline constexpr int kMaxEditorLines = 257;

// The editor text of a file's content: its lines joined by CR LF, without a line break after
// the last. A BadCount Error for an empty file or one of more than 257 lines.
hc::Result<std::string> EditorTextFromFile(const std::string& content);

// What the editor writes: its text (lines separated by CR LF) followed by one CR LF.
std::string FileTextFromEditor(const std::string& editorText);

// Whether the editor text makes a precipitation file the program reads as typed; an Error with
// the 1-based line otherwise. In text laid out a year and its amount to a line, a line with a
// year alone is refused (「5 行目: 降水量が入力されていません」): read on, the items would pair
// up wrongly, year with the next year, without a word.
hc::Status CheckEditorText(const std::string& editorText);

}  // namespace rain
