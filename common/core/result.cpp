#include "common/core/result.h"

#include <cerrno>
#include <cstring>

namespace hc {

namespace {

std::string Join(const std::string& file, const std::string& place, const std::string& reason) {
    std::string out = file;
    for (const std::string* part : {&place, &reason}) {
        if (part->empty())
            continue;
        if (!out.empty())
            out += ": ";
        out += *part;
    }
    return out;
}

}  // namespace

std::string Error::Japanese() const {
    std::string place = !cell.empty() ? "セル " + cell
                        : line > 0    ? std::to_string(line) + " 行目"
                                      : std::string();
    return Join(file, place, ja);
}

std::string Error::English() const {
    std::string place = !cell.empty() ? "cell " + cell
                        : line > 0    ? "line " + std::to_string(line)
                                      : std::string();
    return Join(file, place, en);
}

Error SystemError(ErrorKind kind, const std::string& file, int errnum) {
    struct Reason {
        int errnum;
        const char* ja;
        const char* en;
    };
    static const Reason kReasons[] = {
        {ENOSPC, "ディスクに空きがありません", "no space left on the device"},
        {EDQUOT, "ディスクの使用量の上限を超えました", "disk quota exceeded"},
        {EFBIG, "ファイルが大きすぎます", "the file is too large"},
        {EACCES, "書き込む権限がありません", "permission denied"},
        {EPERM, "この操作は許可されていません", "operation not permitted"},
        {EROFS, "読み取り専用の場所です", "read-only file system"},
        {ENOENT, "ファイルまたはフォルダがありません", "no such file or folder"},
        {ENOTDIR, "途中の名前がフォルダではありません", "a part of the path is not a folder"},
        {ELOOP, "シンボリックリンクが循環しています", "a loop of symbolic links"},
        {EISDIR, "フォルダです", "is a folder"},
        {EIO, "入出力エラーが起きました", "input/output error"},
        {ENAMETOOLONG, "名前が長すぎます", "the name is too long"},
        {EMFILE, "開いているファイルが多すぎます", "too many open files"},
        {ENFILE, "開いているファイルが多すぎます", "too many open files"},
        {ETXTBSY, "ファイルが使用中です", "the file is busy"},
        {EBUSY, "ファイルが使用中です", "the file is busy"},
        {EXDEV, "別のディスクへは移せません", "cross-device link"},
    };
    for (const Reason& r : kReasons)
        if (r.errnum == errnum)
            return FileError(kind, file, r.ja, r.en);
    std::string en = std::strerror(errnum);
    return FileError(kind, file, "システムエラー (" + en + ")", en);
}

}  // namespace hc
