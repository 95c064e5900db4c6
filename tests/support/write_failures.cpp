#include "support/write_failures.h"

#include <dlfcn.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

constexpr int kNone = -1;
std::atomic<int> failingCall{kNone};
std::atomic<int> failingErrno{0};

// The C library's own function behind ours.
template <class F>
F Next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

bool Fails(hc::test::Call call) {
    return failingCall.load() == static_cast<int>(call);
}

}  // namespace

extern "C" int fsync(int fd) {
    static const auto next = Next<int (*)(int)>("fsync");
    struct stat st {};
    if ((Fails(hc::test::Call::FileSync) || Fails(hc::test::Call::FolderSync)) &&
        fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) == Fails(hc::test::Call::FolderSync)) {
        errno = failingErrno.load();
        return -1;
    }
    return next(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
    static const auto next = Next<int (*)(const char*, const char*)>("rename");
    if (Fails(hc::test::Call::Rename)) {
        errno = failingErrno.load();
        return -1;
    }
    return next(from, to);
}

namespace hc::test {

TempDir::TempDir(const std::filesystem::path& base) {
    std::string tmpl = (base / "hc_test_XXXXXX").string();
    if (mkdtemp(tmpl.data()) != nullptr)
        path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    if (!path_.empty())
        std::filesystem::remove_all(path_, ec);
}

std::set<std::string> TempDir::Names() const {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_))
        names.insert(e.path().filename().string());
    return names;
}

FailingCall::FailingCall(Call call, int err) {
    failingErrno = err;
    failingCall = static_cast<int>(call);
}

FailingCall::~FailingCall() {
    failingCall = kNone;
}

FullDisk::FullDisk() {
    std::string tmpl = "/tmp/hc_fulldisk_XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (mkdtemp(buf.data()) == nullptr) {
        unavailable_ = std::string("no temporary folder: ") + std::strerror(errno);
        return;
    }
    dir_ = buf.data();
    if (mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=64k,mode=0700") != 0) {
        unavailable_ = std::string("cannot mount a small tmpfs to fill (") + std::strerror(errno) +
                       "); run as root to test a real full disk";
        return;
    }
    mounted_ = true;
}

FullDisk::~FullDisk() {
    if (mounted_)
        umount2(dir_.c_str(), MNT_DETACH);
    if (!dir_.empty())
        rmdir(dir_.c_str());
}

void FullDisk::PutThenFill(const std::string& name, const std::string& content) {
    { std::ofstream(Path(name), std::ios::binary) << content; }
    FILE* f = std::fopen(Path("filler").c_str(), "wb");
    if (!f)
        return;
    std::setvbuf(f, nullptr, _IONBF, 0);
    const std::string block(4096, 'x');
    while (std::fwrite(block.data(), 1, block.size(), f) == block.size()) {
    }
    // Whatever is left is smaller than a block: take it byte by byte.
    while (std::fwrite("x", 1, 1, f) == 1) {
    }
    std::fclose(f);
}

FileSizeLimit::FileSizeLimit(unsigned long bytes) {
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit r{};
    getrlimit(RLIMIT_FSIZE, &r);
    oldSoft_ = r.rlim_cur;
    r.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &r);
}

FileSizeLimit::~FileSizeLimit() {
    rlimit r{};
    getrlimit(RLIMIT_FSIZE, &r);
    r.rlim_cur = oldSoft_;
    setrlimit(RLIMIT_FSIZE, &r);
    std::signal(SIGXFSZ, oldHandler_);
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace hc::test
