// The one way core code reports a failure: a value or an Error, in the manner of
// std::expected. An Error carries what went wrong in both of the suite's languages, because
// the windows speak Japanese and hydrochart speaks English.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace hc {

// What kind of failure an Error is, for callers that act on it (a message box for some, the
// status line for others, an exit status).
enum class ErrorKind {
    CannotRead,     // the file could not be opened or read
    CannotWrite,    // the file could not be written
    NotRecognised,  // not a file of the kind expected, or a damaged one
    BadCount,       // the count of samples, records or points is missing or out of range
    BadValue,       // an item holds something that is not an acceptable value
    TooLarge,       // beyond a limit of the readers
    Unusable,       // read whole, but nothing can be computed or drawn from it
    Printer,        // the printer could not take the job
};

struct Error {
    ErrorKind kind = ErrorKind::Unusable;
    std::string file;  // the file concerned; may be empty
    int line = 0;      // 1-based line of a text file, 0 when none applies
    std::string cell;  // a workbook cell ("D14"), empty when none applies
    std::string ja;    // the reason in Japanese, without the file or place
    std::string en;    // the same in English

    // "data.xls: セル D14: …" / "data.xls: cell D14: …"
    std::string Japanese() const;
    std::string English() const;
};

// An Error about one file.
inline Error FileError(ErrorKind kind, std::string file, std::string ja, std::string en) {
    Error e;
    e.kind = kind;
    e.file = std::move(file);
    e.ja = std::move(ja);
    e.en = std::move(en);
    return e;
}

// The system's reason for an errno value, in both languages (ENOSPC: 「ディスクに空きが
// ありません」 / "no space left on the device").
Error SystemError(ErrorKind kind, const std::string& file, int errnum);

template <class T>
class [[nodiscard]] Result {
  public:
    Result(T value) : v_(std::in_place_index<0>, std::move(value)) {}  // NOLINT: implicit
    Result(Error error) : v_(std::in_place_index<1>, std::move(error)) {}  // NOLINT: implicit

    bool has_value() const { return v_.index() == 0; }
    explicit operator bool() const { return has_value(); }
    T& value() { return std::get<0>(v_); }
    const T& value() const { return std::get<0>(v_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    const Error& error() const { return std::get<1>(v_); }
    T value_or(T otherwise) const { return has_value() ? value() : std::move(otherwise); }

  private:
    std::variant<T, Error> v_;
};

template <>
class [[nodiscard]] Result<void> {
  public:
    Result() = default;
    Result(Error error) : error_(std::move(error)) {}  // NOLINT: implicit

    bool has_value() const { return !error_; }
    explicit operator bool() const { return has_value(); }
    const Error& error() const { return *error_; }

  private:
    std::optional<Error> error_;
};

using Status = Result<void>;

}  // namespace hc
