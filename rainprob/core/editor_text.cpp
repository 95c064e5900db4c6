#include "rainprob/core/editor_text.h"

#include <cmath>
#include <vector>

#include "common/core/numbers.h"
#include "rainprob/core/rain_data.h"

namespace rain {

std::optional<int> ParseEditorYear(const std::string& text) {
    std::optional<double> v = hc::TryTextToDouble(text);
    // Anything but a whole number in range counts as a wrong year, never as a failure.
    if (!v || *v != std::floor(*v) || *v < kFirstYear || *v > kLastYear)
        return std::nullopt;
    return static_cast<int>(*v);
}

hc::Result<std::string> NewFileText(std::string_view oldest, std::string_view newest) {
    std::optional<int> a = ParseEditorYear(std::string(oldest));
    std::optional<int> b = ParseEditorYear(std::string(newest));
    if (!a || !b)
        return hc::FileError(hc::ErrorKind::BadValue, "", kWrongYearMessage,
                             "the years are whole numbers from " + std::to_string(kFirstYear) +
                                 " to " + std::to_string(kLastYear));
    return PreparedText(*a, *b);
}

std::string PreparedText(int oldest, int newest) {
    std::string text;
    for (int y = oldest; y < newest; ++y)
        text += "   " + std::to_string(y) + "   \r\n";
    text += "   " + std::to_string(newest) + "   ";
    return text;
}

hc::Result<std::string> EditorTextFromFile(const std::string& content) {
    if (content.empty())
        return hc::FileError(hc::ErrorKind::BadCount, "", "ファイルが空です", "the file is empty");
    const auto tooLong = [] {
        const std::string n = std::to_string(kMaxEditorLines);
        return hc::FileError(hc::ErrorKind::BadCount, "", n + " 行を超えています",
                             "more than " + n + " lines");
    };
    // Whole lines as a line reader sees them: CR LF, LF or CR end a line; a line break at the
    // very end does not begin another line.
    std::vector<std::string> lines;
    std::string cur;
    for (std::size_t i = 0; i < content.size(); ++i) {
        char c = content[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(cur);
            cur.clear();
            if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
                ++i;
            if (static_cast<int>(lines.size()) > kMaxEditorLines)
                return tooLong();
        } else {
            cur += c;
        }
    }
    if (!cur.empty())
        lines.push_back(cur);
    if (static_cast<int>(lines.size()) > kMaxEditorLines)
        return tooLong();
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

std::string FileTextFromEditor(const std::string& editorText) {
    // The editor's lines may come with LF alone; the file gets CR LF throughout.
    std::string out;
    for (std::size_t i = 0; i < editorText.size(); ++i) {
        char c = editorText[i];
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < editorText.size() && editorText[i + 1] == '\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out + "\r\n";
}

namespace {

// The items of one line: runs of anything but commas, blanks and tabs.
int ItemCount(const std::string& line) {
    int count = 0;
    bool inItem = false;
    for (char c : line) {
        const bool separator = c == ',' || c == ' ' || c == '\t';
        if (!separator && !inItem)
            ++count;
        inItem = !separator;
    }
    return count;
}

}  // namespace

hc::Status CheckEditorText(const std::string& editorText) {
    std::vector<int> counts;
    std::string cur;
    for (std::size_t i = 0; i <= editorText.size(); ++i) {
        const char c = i < editorText.size() ? editorText[i] : '\n';
        if (c == '\r' || c == '\n') {
            counts.push_back(ItemCount(cur));
            cur.clear();
            if (c == '\r' && i + 1 < editorText.size() && editorText[i + 1] == '\n')
                ++i;
        } else {
            cur += c;
        }
    }
    bool pairs = false;
    for (int n : counts)
        pairs = pairs || n >= 2;
    if (pairs) {
        for (std::size_t i = 0; i < counts.size(); ++i) {
            if (counts[i] == 1) {
                hc::Error e = hc::FileError(hc::ErrorKind::BadValue, "",
                                            "降水量が入力されていません", "the amount is missing");
                e.line = static_cast<int>(i) + 1;
                return e;
            }
        }
    }
    if (hc::Result<RainTable> read = ParseRainText(editorText); !read)
        return read.error();
    return {};
}

}  // namespace rain
