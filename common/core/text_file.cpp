#include "common/core/text_file.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
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

std::optional<std::string> ReadFileBytes(const std::string& path, std::string* error) {
    auto refuse = [error](std::string why) -> std::optional<std::string> {
        if (error)
            *error = std::move(why);
        return std::nullopt;
    };
    const QString name = QString::fromStdString(path);
    // Only regular files are opened: a device such as /dev/zero never ends, and opening a FIFO
    // blocks until some writer comes.
    const QFileInfo info(name);
    if (info.isDir())
        return refuse("it is a folder");
    if (info.exists() && !info.isFile())
        return refuse("it is not a regular file");
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly))
        return refuse(f.errorString().toStdString());
    constexpr auto kCap = static_cast<qint64>(limits::kMaxTextFileBytes);
    const std::string tooLarge =
        "it is larger than " + std::to_string(limits::kMaxTextFileBytes / 1024) + " KB";
    const qint64 size = f.size();
    if (size > kCap)
        return refuse(tooLarge);
    // One byte more than the size, so that a file that grew past the cap since is refused all
    // the same.
    QByteArray data = f.read(size + 1);
    if (f.error() != QFileDevice::NoError)
        return refuse(f.errorString().toStdString());
    if (data.size() > kCap)
        return refuse(tooLarge);
    return data.toStdString();
}

std::optional<std::string> ReadTextFile(const std::string& path, std::string* error) {
    std::optional<std::string> bytes = ReadFileBytes(path, error);
    if (!bytes)
        return std::nullopt;
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
