#include "common/core/list_input.h"

#include "common/core/input_limits.h"
#include "common/core/numbers.h"

namespace hc {

void ListInput::SkipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
        ++pos_;
}

bool ListInput::AtLineBreak() const {
    return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
}

void ListInput::ConsumeLineBreak() {
    if (pos_ < text_.size() && text_[pos_] == '\r')
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n')
        ++pos_;
    ++line_;
}

bool ListInput::AtEndSkippingBlankLines() {
    for (;;) {
        std::size_t save = pos_;
        SkipBlanks();
        if (AtLineBreak()) {
            ConsumeLineBreak();
            continue;
        }
        if (pos_ >= text_.size())
            return true;
        pos_ = save;
        return false;
    }
}

bool ListInput::AtEmptyLine() const {
    std::size_t p = pos_;
    while (p < text_.size() && (text_[p] == ' ' || text_[p] == '\t'))
        ++p;
    return p < text_.size() && (text_[p] == '\r' || text_[p] == '\n');
}

std::string ListInput::ReadItem() {
    SkipBlanks();
    if (pos_ >= text_.size())
        throw ListInputError(line_, "the file ends where an item was expected");
    if (AtLineBreak()) {
        ConsumeLineBreak();
        return {};
    }
    std::string item;
    if (text_[pos_] == '"') {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"' && text_[pos_] != '\r' &&
               text_[pos_] != '\n')
            item += text_[pos_++];
        if (pos_ < text_.size() && text_[pos_] == '"')
            ++pos_;
    } else {
        while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != ' ' &&
               text_[pos_] != '\t' && text_[pos_] != '\r' && text_[pos_] != '\n')
            item += text_[pos_++];
    }
    // The delimiter: blanks, then one comma or one line end.
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
    } else if (AtLineBreak()) {
        ConsumeLineBreak();
    }
    return item;
}

double ListInput::ReadDouble() {
    int line = line_;
    std::string item = ReadItem();
    if (auto v = TryTextToDouble(item))
        return *v;
    throw ListInputError(line, item.empty() ? "an empty line where a number was expected"
                                            : "\"" + Excerpt(item) + "\" is not a number");
}

std::int32_t ListInput::ReadInt32() {
    int line = line_;
    double v = ReadDouble();
    try {
        return RoundToInt32(v);
    } catch (const ConversionError&) {
        throw ListInputError(line, DoubleToText(v) + " is too large");
    }
}

}  // namespace hc
