// Texts laid out in the columns of a terminal: East Asian Wide and Fullwidth characters take
// two columns, combining marks none, every other character one. Texts are UTF-8 and are never
// cut inside a character.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace hc {

// One character of UTF-8 at byte i: its code point and length in bytes. A byte that starts no
// valid sequence counts as one character of its own (U+FFFD), so that nothing is ever split.
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view s, std::size_t i);

// The columns the text takes.
int DisplayWidth(std::string_view text);

// The text in at most `columns` columns: unchanged when it fits, else cut at a character
// boundary and ended with "..." (ASCII, the same width on every terminal).
std::string FitWidth(std::string_view text, int columns);

// The text padded with blanks to `columns`: on the right (left-aligned) or on the left
// (right-aligned). A wider text is returned as it is.
std::string PadRight(std::string_view text, int columns);
std::string PadLeft(std::string_view text, int columns);

}  // namespace hc
