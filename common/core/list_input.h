// Sequential list input as the classic runtime reads data files: items separated by a comma,
// blanks or a line end; leading blanks skipped; a quoted item may hold separators.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace hc {

// A read past the end, or an item that is not the number asked for. what() says which, with
// the line number.
class ListInputError : public std::runtime_error {
  public:
    ListInputError(int line, const std::string& reason)
        : std::runtime_error("line " + std::to_string(line) + ": " + reason), line_(line) {}
    int Line() const { return line_; }

  private:
    int line_;
};

class ListInput {
  public:
    explicit ListInput(std::string text) : text_(std::move(text)) {}

    // True when nothing is left to read (the end-of-file test made before each record).
    bool AtEnd() const { return pos_ >= text_.size(); }
    // Skips lines that hold nothing but blanks, then reports AtEnd.
    bool AtEndSkippingBlankLines();
    // True when the next item begins on an empty line (a line holding only a line break).
    bool AtEmptyLine() const;

    // The next item's text. An empty line gives an empty item. Throws at the end.
    std::string ReadItem();
    double ReadDouble();
    // A number rounded half to even into a 32-bit integer.
    std::int32_t ReadInt32();

    // Line number (1-based) of the next item.
    int Line() const { return line_; }

  private:
    void SkipBlanks();
    bool AtLineBreak() const;
    void ConsumeLineBreak();

    std::string text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace hc
