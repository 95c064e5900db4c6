#include "common/core/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include <QByteArray>
#include <QFile>
#include <QStringDecoder>

#include "common/core/input_limits.h"

namespace hc {

bool IsValidUtf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || (extra == 1 && c < 0xC2))
            return false;
        if (i + static_cast<std::size_t>(extra) >= s.size() + (extra == 0 ? 1 : 0))
            return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        // Overlong forms, surrogates and code points above U+10FFFF are no UTF-8; a CP932 text
        // can look like them, so they decide for CP932.
        if (extra >= 2) {
            auto c1 = static_cast<unsigned char>(s[i + 1]);
            if ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 >= 0xA0) || (c == 0xF0 && c1 < 0x90) ||
                (c == 0xF4 && c1 >= 0x90) || c > 0xF4)
                return false;
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

Result<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    // Only regular files are opened: a device such as /dev/zero never ends, and opening a FIFO
    // blocks until some writer comes.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return SystemError(ErrorKind::CannotRead, path, errno);
    if (S_ISDIR(st.st_mode))
        return FileError(ErrorKind::CannotRead, path, "フォルダです", "it is a folder");
    if (!S_ISREG(st.st_mode))
        return FileError(ErrorKind::CannotRead, path, "通常のファイルではありません",
                         "it is not a regular file");
    const std::size_t cap = maxBytes;
    const std::string kb = std::to_string(cap / 1024);
    const Error tooLarge = FileError(ErrorKind::TooLarge, path, "大きすぎます（上限 " + kb + " KB）",
                                     "it is larger than " + kb + " KB");
    if (static_cast<std::uintmax_t>(st.st_size) > cap)
        return tooLarge;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return SystemError(ErrorKind::CannotRead, path, errno);
    // One byte more than the cap is asked for, so that a file that grew past it since is
    // refused all the same.
    std::string data;
    data.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t got = 0;
    int err = 0;
    while (true) {
        if (got == data.size()) {
            if (data.size() > cap)
                break;
            data.resize(std::min(cap + 1, data.size() * 2 + 1));
        }
        ssize_t n = ::read(fd, data.data() + got, data.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            break;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (err != 0)
        return SystemError(ErrorKind::CannotRead, path, err);
    if (got > cap)
        return tooLarge;
    data.resize(got);
    return data;
}

Result<std::string> ReadTextFile(const std::string& path, std::size_t maxBytes) {
    Result<std::string> bytes = ReadFileBytes(path, maxBytes);
    if (!bytes)
        return bytes;
    // UTF-16 by its byte order mark, as a spreadsheet's "Unicode text" is saved.
    const bool le = bytes->rfind("\xFF\xFE", 0) == 0, be = bytes->rfind("\xFE\xFF", 0) == 0;
    if (le || be) {
        QStringDecoder utf16(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        const QString text = utf16(QByteArray::fromStdString(bytes->substr(2)));
        if (utf16.hasError() || bytes->size() % 2 != 0)
            return FileError(ErrorKind::NotRecognised, path, "UTF-16 の文字が壊れています",
                             "the UTF-16 text is damaged");
        return text.toStdString();
    }
    if (bytes->rfind("\xEF\xBB\xBF", 0) == 0)
        bytes->erase(0, 3);
    if (IsValidUtf8(*bytes))
        return bytes;
    QStringDecoder decoder("Shift_JIS");
    if (!decoder.isValid())
        return bytes;  // no decoder: keep the bytes as they are
    QString text = decoder(QByteArray::fromStdString(*bytes));
    return text.toStdString();
}

}  // namespace hc
