// Writing files: what each kind of target becomes (content, node type, mode), that a failure
// at any step keeps the old file and leaves no temporary file, and that parallel writers get
// the permissions of the umask without touching it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <thread>
#include <vector>

#include "common/core/file_write.h"
#include "support/write_failures.h"

namespace hc {
namespace {

namespace fs = std::filesystem;
using test::FileBytes;
using test::TempDir;

// The umask for the duration of a test; the process is still single-threaded when it is set.
class Umask {
  public:
    explicit Umask(mode_t mask) : old_(umask(mask)) {}
    ~Umask() { umask(old_); }

  private:
    mode_t old_;
};

void Put(const std::string& path, const std::string& bytes, mode_t mode) {
    std::ofstream(path, std::ios::binary) << bytes;
    chmod(path.c_str(), mode);
}

struct stat Lstat(const std::string& path) {
    struct stat st {};
    lstat(path.c_str(), &st);
    return st;
}

const std::string kNew = "new\r\n";

struct Target {
    const char* kind;
    // Makes the target in the folder and returns the name to write.
    std::function<std::string(const TempDir&)> make;
    const char* error;            // the English reason when the write must fail, else ""
    mode_t type;                  // what the name written is afterwards: S_IFREG, S_IFLNK, ...
    const char* file;             // the name whose content and mode are checked, "" for none
    std::string content;          // expected there
    mode_t mode;                  // expected permissions of `file`
    std::set<std::string> added;  // names that appear beside the ones made
};

void PrintTo(const Target& t, std::ostream* os) {
    *os << t.kind;
}

class WriteTarget : public ::testing::TestWithParam<Target> {};

TEST_P(WriteTarget, WritesOnlyWhatWasNamed) {
    const Target& t = GetParam();
    Umask mask(022);
    TempDir dir;
    ASSERT_FALSE(dir.path().empty());
    const std::string path = t.make(dir);
    const std::set<std::string> before = dir.Names();

    Status s = WriteFileAtomically(path, kNew);
    if (*t.error) {
        ASSERT_FALSE(s) << t.kind;
        EXPECT_EQ(s.error().English(), path + ": " + t.error);
    } else {
        EXPECT_TRUE(s) << t.kind << ": " << (s ? "" : s.error().English());
    }
    EXPECT_EQ(Lstat(path).st_mode & S_IFMT, t.type) << t.kind;
    if (*t.file) {
        EXPECT_EQ(FileBytes(dir / t.file), t.content) << t.kind;
        EXPECT_EQ(Lstat(dir / t.file).st_mode & 07777, t.mode) << t.kind;
    }
    std::set<std::string> expected = before;
    expected.insert(t.added.begin(), t.added.end());
    EXPECT_EQ(dir.Names(), expected) << t.kind << ": no temporary file is left";
}

// A device node like /dev/null or /dev/full made in the folder, so that a writer that replaces
// nodes cannot harm the system's own; only root may make one, and cannot harm them otherwise.
std::string Device(const TempDir& d, const char* name, unsigned minor) {
    if (geteuid() != 0)
        return std::string("/dev/") + name;
    EXPECT_EQ(mknod((d / name).c_str(), S_IFCHR | 0666, makedev(1, minor)), 0);
    return d / name;
}

const Target kTargets[] = {
    {"new name",
     [](const TempDir& d) { return d / "a.csv"; },
     "",
     S_IFREG,
     "a.csv",
     kNew,
     0644,
     {"a.csv"}},
    {"regular file keeps its mode",
     [](const TempDir& d) {
         Put(d / "a.csv", "old", 0640);
         return d / "a.csv";
     },
     "",
     S_IFREG,
     "a.csv",
     kNew,
     0640,
     {}},
    {"symbolic link to a file",
     [](const TempDir& d) {
         Put(d / "real.csv", "old", 0600);
         symlink("real.csv", (d / "link.csv").c_str());
         return d / "link.csv";
     },
     "",
     S_IFLNK,
     "real.csv",
     kNew,
     0600,
     {}},
    {"dangling link creates its target",
     [](const TempDir& d) {
         symlink("made.csv", (d / "link.csv").c_str());
         return d / "link.csv";
     },
     "",
     S_IFLNK,
     "made.csv",
     kNew,
     0644,
     {"made.csv"}},
    {"null device",
     [](const TempDir& d) { return Device(d, "null", 3); },
     "",
     S_IFCHR,
     "",
     "",
     0,
     {}},
    {"full device",
     [](const TempDir& d) { return Device(d, "full", 7); },
     "no space left on the device",
     S_IFCHR,
     "",
     "",
     0,
     {}},
    {"read-only file of another user",
     [](const TempDir& d) {
         Put(d / "a.csv", "old", 0444);
         if (geteuid() == 0) {
             EXPECT_EQ(chown((d / "a.csv").c_str(), 65534, 65534), 0);
         }
         return d / "a.csv";
     },
     "permission denied",
     S_IFREG,
     "a.csv",
     "old",
     0444,
     {}},
    {"folder", [](const TempDir& d) { return d.path(); }, "is a folder", S_IFDIR, "", "", 0, {}},
};

INSTANTIATE_TEST_SUITE_P(Kinds, WriteTarget, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return "k" + std::to_string(info.index); });

TEST(FileWrite, AFifoIsWrittenToItsReader) {
    TempDir dir;
    const std::string fifo = dir / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // The reader is there before the write (so the writer's open does not wait) and reads after
    // it: a FIFO nobody wrote to then reads as empty instead of blocking the test.
    int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    fcntl(reader, F_SETFL, 0);
    Status s = WriteFileAtomically(fifo, kNew);
    char buf[64];
    ssize_t n = read(reader, buf, sizeof buf);
    close(reader);
    EXPECT_TRUE(s);
    EXPECT_EQ(std::string(buf, n > 0 ? static_cast<std::size_t>(n) : 0), kNew);
    EXPECT_TRUE(S_ISFIFO(Lstat(fifo).st_mode));
    EXPECT_EQ(dir.Names(), std::set<std::string>{"pipe"});
}

TEST(FileWrite, AnOpenDescriptorIsWrittenAsOpened) {
    // /dev/stdout of a command run with `>> log`: the log is appended to, not replaced.
    TempDir dir;
    const std::string log = dir / "log";
    Put(log, "old\n", 0644);
    const ino_t inode = Lstat(log).st_ino;
    int fd = open(log.c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(fd, 0);
    Status s = WriteFileAtomically("/dev/fd/" + std::to_string(fd), kNew);
    close(fd);
    EXPECT_TRUE(s);
    EXPECT_EQ(FileBytes(log), "old\n" + kNew);
    EXPECT_EQ(Lstat(log).st_ino, inode);
}

TEST(FileWrite, AFullDiskKeepsTheOldFile) {
    test::FullDisk disk;
    if (!disk.Unavailable().empty())
        GTEST_SKIP() << disk.Unavailable();
    const std::string old(100, 'o');
    disk.PutThenFill("rain.txt", old);
    Status s = WriteFileAtomically(disk.Path("rain.txt"), std::string(20000, 'n'));
    ASSERT_FALSE(s);
    EXPECT_EQ(s.error().ja, "ディスクに空きがありません");
    EXPECT_EQ(FileBytes(disk.Path("rain.txt")), old);
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(disk.Path("")))
        names.insert(e.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"filler", "rain.txt"}));
}

TEST(FileWrite, AFailureAtEveryStepKeepsTheOldFileAndLeavesNoTemporaryFile) {
    enum Step { Write, FileSync, Rename, FolderSync };
    struct Case {
        Step step;
        const char* reason;
        bool replaced;  // the rename was done before the failure
    };
    for (const Case& c :
         {Case{Write, "the file is too large", false}, Case{FileSync, "input/output error", false},
          Case{Rename, "input/output error", false},
          // After the rename only the durability is in doubt: said, not hidden.
          Case{FolderSync, "input/output error", true}}) {
        TempDir dir;
        const std::string path = dir / "rain.txt";
        const std::string old(100, 'o'), bigger(20000, 'n');
        Put(path, old, 0640);
        Status s = [&] {
            switch (c.step) {
                case Write: {
                    test::FileSizeLimit limit(4096);
                    return WriteFileAtomically(path, bigger);
                }
                case FileSync: {
                    test::FailingCall fail(test::Call::FileSync, EIO);
                    return WriteFileAtomically(path, bigger);
                }
                case Rename: {
                    test::FailingCall fail(test::Call::Rename, EIO);
                    return WriteFileAtomically(path, bigger);
                }
                case FolderSync: {
                    test::FailingCall fail(test::Call::FolderSync, EIO);
                    return WriteFileAtomically(path, bigger);
                }
            }
            return Status{};
        }();
        ASSERT_FALSE(s) << c.step;
        EXPECT_EQ(s.error().English(), path + ": " + c.reason);
        EXPECT_EQ(FileBytes(path), c.replaced ? bigger : old) << c.step;
        EXPECT_EQ(Lstat(path).st_mode & 07777, 0640u) << c.step;
        EXPECT_EQ(dir.Names(), std::set<std::string>{"rain.txt"}) << c.step;
    }
    Status missing = WriteFileAtomically("/nonexistent-hc-folder/f.txt", "x");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().ja, "ファイルまたはフォルダがありません");
}

// The process's umask as the kernel reports it, read without changing it.
std::string ReportedUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Umask:", 0) == 0)
            return line.substr(line.find_first_not_of(" \t", 6));
    return "";
}

TEST(FileWrite, ParallelWritersGetTheUmasksPermissions) {
    Umask mask(022);
    // In memory where there is room, so that the writers meet often: a writer that changes the
    // umask for a moment then hands it to another thread's new file.
    std::error_code ec;
    TempDir dir(fs::is_directory("/dev/shm", ec) && access("/dev/shm", W_OK) == 0
                    ? fs::path("/dev/shm")
                    : fs::temp_directory_path());
    ASSERT_FALSE(dir.path().empty());
    constexpr int kFiles = 300, kThreads = 6, kRounds = 20;
    std::atomic<bool> done{false};
    std::set<std::string> umasksSeen;
    std::thread watcher([&] {
        while (!done)
            umasksSeen.insert(ReportedUmask());
    });
    std::atomic<int> failures{0}, otherModes{0};
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t)
        writers.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                for (int i = t; i < kFiles; i += kThreads) {
                    const std::string path = dir / (std::to_string(i) + ".csv");
                    unlink(path.c_str());  // each round makes new files
                    failures += !WriteFileAtomically(path, "x\n");
                    otherModes += (Lstat(path).st_mode & 07777) != 0644;
                }
            }
        });
    for (std::thread& w : writers)
        w.join();
    done = true;
    watcher.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(otherModes, 0);
    EXPECT_EQ(umasksSeen, std::set<std::string>{"0022"});
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir.path())) {
        ++files;
        EXPECT_EQ(Lstat(e.path().string()).st_mode & 07777, 0644u) << e.path();
    }
    EXPECT_EQ(files, kFiles);
}

}  // namespace
}  // namespace hc
