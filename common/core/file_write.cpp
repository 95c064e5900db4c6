#include "common/core/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <vector>

namespace hc {

namespace {

// The kernel's own limit on links followed in one name.
constexpr int kMaxLinkHops = 40;

std::string DirectoryOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<std::string> ReadLink(const std::string& path) {
    std::string buf(256, '\0');
    for (;;) {
        ssize_t n = ::readlink(path.c_str(), buf.data(), buf.size());
        if (n < 0)
            return std::nullopt;
        if (static_cast<std::size_t>(n) < buf.size()) {
            buf.resize(static_cast<std::size_t>(n));
            return buf;
        }
        buf.resize(buf.size() * 2);
    }
}

// The names a path passes through: the path, then each link's target in turn (a relative
// target is taken from the link's folder). The last name is no link; it may not exist, which
// is how a dangling link creates its target.
struct LinkChain {
    std::vector<std::string> names;
    int err = 0;
};

LinkChain FollowLinks(const std::string& path) {
    LinkChain chain;
    chain.names.push_back(path);
    for (int hops = 0;; ++hops) {
        const std::string current = chain.names.back();
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return chain;
        if (hops == kMaxLinkHops) {
            chain.err = ELOOP;
            return chain;
        }
        std::optional<std::string> target = ReadLink(current);
        if (!target || target->empty()) {
            chain.err = target ? ENOENT : errno;
            return chain;
        }
        chain.names.push_back((*target)[0] == '/' ? *target : DirectoryOf(current) + "/" + *target);
    }
}

// When a name on the way is one of this process's own descriptors (/dev/stdout, /dev/fd/3,
// /proc/self/fd/1), its number; else -1. The descriptor is written as it was opened: reopening
// the name would truncate a log opened for appending or replace the file behind it.
int OwnDescriptor(const std::vector<std::string>& names) {
    const std::string own = "/proc/" + std::to_string(::getpid());
    for (const std::string& name : names) {
        char buf[PATH_MAX];
        if (::realpath(DirectoryOf(name).c_str(), buf) == nullptr)
            continue;
        const std::string dir = buf;
        const std::string task = own + "/task/";
        const bool fdFolder =
            dir == own + "/fd" || (dir.rfind(task, 0) == 0 && dir.size() > task.size() + 3 &&
                                   dir.compare(dir.size() - 3, 3, "/fd") == 0 &&
                                   dir.find('/', task.size()) == dir.size() - 3);
        const std::string number = NameOf(name);
        if (!fdFolder || number.empty() || number.size() > 9 ||
            number.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const int fd = std::atoi(number.c_str());
        if (::fcntl(fd, F_GETFD) != -1)
            return fd;
    }
    return -1;
}

// Writes everything, retrying after interrupted and short writes; 0 or the errno.
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

Status Failed(const std::string& path, int err) {
    return SystemError(ErrorKind::CannotWrite, path, err);
}

// A device, FIFO or terminal has no old content to keep and cannot be renamed over without
// destroying the node: it is written in place, as a shell's `>` writes it.
Status WriteInPlace(const std::string& path, std::string_view content) {
    int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Failed(path, errno);
    int err = WriteAll(fd, content);
    if (::close(fd) != 0 && err == 0)
        err = errno;
    return err == 0 ? Status{} : Failed(path, err);
}

// Whether the caller may replace an existing regular file, decided as a shell decides for
// `>`, with one deliberate difference: a file without any write permission bit is refused even
// for root (whom the system would let write it), since someone protected it on purpose.
int MayReplace(const std::string& target, const struct stat& st) {
    if ((st.st_mode & 0222) == 0)
        return EACCES;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return errno;
    return 0;
}

std::string RandomSuffix() {
    static constexpr char kChars[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 engine{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    std::string s(6, 'x');
    for (char& c : s)
        c = kChars[pick(engine)];
    return s;
}

// Makes a rename durable. A folder that cannot be opened for reading (write and search
// permission only) or a file system that cannot sync folders leaves nothing more to do.
int SyncDirectory(const std::string& dir) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    int err = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return err == EINVAL || err == ENOTSUP ? 0 : err;
}

// The content goes to a new file beside the target and is renamed over it only when it is
// complete and on the disk. `old` is the file replaced, or null for a new name.
Status ReplaceThroughTemporary(const std::string& path, const std::string& target,
                               const struct stat* old, std::string_view content) {
    std::string tmp;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        tmp = target + "." + RandomSuffix();
        // 0666 under the caller's umask, applied by open itself: a new file gets what a
        // shell's `>` gives it, and the umask is neither read nor changed (threads share it).
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || attempt == 100))
            return Failed(path, errno);
    }
    int err = WriteAll(fd, content);
    if (err == 0 && old != nullptr) {
        // The replaced file's owner where the caller may give it away (root; a group of the
        // caller's), then its mode, since a change of owner clears the set-id bits.
        if (::fchown(fd, old->st_uid, old->st_gid) != 0 &&
            ::fchown(fd, static_cast<uid_t>(-1), old->st_gid) != 0) {
            // Not allowed: the file stays the caller's, as any editor's copy would.
        }
        if (::fchmod(fd, old->st_mode & 07777) != 0)
            err = errno;
    }
    // A file system may accept the bytes and only fail when they reach the disk (delayed
    // allocation), so the flush and the close are checked as well.
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(tmp.c_str(), target.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(tmp.c_str());
        return Failed(path, err);
    }
    // The new content is in place now; the old file cannot come back. A failure here still
    // says the file may not survive a crash.
    if (int e = SyncDirectory(DirectoryOf(target)); e != 0)
        return Failed(path, e);
    return {};
}

}  // namespace

Status WriteFileAtomically(const std::string& path, std::string_view content) {
    const LinkChain chain = FollowLinks(path);
    if (chain.err != 0)
        return Failed(path, chain.err);
    if (int fd = OwnDescriptor(chain.names); fd >= 0) {
        int err = WriteAll(fd, content);
        return err == 0 ? Status{} : Failed(path, err);
    }
    // Whatever the name finally leads to (the kernel follows links a name cannot spell, such
    // as /proc/N/fd/1 to a pipe).
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
        return WriteInPlace(path, content);

    const std::string& target = chain.names.back();
    struct stat old {};
    if (::lstat(target.c_str(), &old) != 0) {
        if (errno != ENOENT)
            return Failed(path, errno);
        return ReplaceThroughTemporary(path, target, nullptr, content);
    }
    if (S_ISDIR(old.st_mode))
        return Failed(path, EISDIR);
    if (!S_ISREG(old.st_mode))  // it changed since the look above
        return WriteInPlace(path, content);
    if (int err = MayReplace(target, old); err != 0)
        return Failed(path, err);
    return ReplaceThroughTemporary(path, target, &old, content);
}

}  // namespace hc
