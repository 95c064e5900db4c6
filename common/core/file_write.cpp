#include "common/core/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace hc {

namespace {

// Where the content finally goes: a symbolic link is written through to its target, as an
// editor would, rather than being replaced by a plain file.
std::string ResolvedTarget(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char buf[PATH_MAX];
    if (realpath(path.c_str(), buf) == nullptr)
        return path;  // a dangling link: write the link's own name
    return buf;
}

std::string DirectoryOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes everything, retrying after interrupted and short writes.
int WriteAll(int fd, std::string_view content) {
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

}  // namespace

Status WriteFileAtomically(const std::string& path, std::string_view content) {
    const std::string target = ResolvedTarget(path);
    std::string tmpl = target + ".XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0)
        return SystemError(ErrorKind::CannotWrite, path, errno);
    const std::string tmp(name.data());

    // The new file keeps the old one's permissions; a new file gets the usual ones.
    struct stat old {};
    mode_t mode;
    if (stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }

    int err = WriteAll(fd, content);
    if (err == 0 && fchmod(fd, mode) != 0)
        err = errno;
    // A file system may accept the bytes and only fail when they reach the disk (delayed
    // allocation), so the flush and the close are checked as well.
    if (err == 0 && fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && std::rename(tmp.c_str(), target.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(tmp.c_str());
        return SystemError(ErrorKind::CannotWrite, path, err);
    }
    // Make the rename itself durable; a failure here no longer endangers either file.
    int dir = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        ::close(dir);
    }
    return {};
}

}  // namespace hc
