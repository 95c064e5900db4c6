// Making file writes fail for real: a small file system that is already full (needs the right
// to mount, so tests skip where it is missing), a file-size limit that makes every write
// beyond a few bytes fail with EFBIG (works everywhere), and for the steps no file system fails
// on demand (syncing a file or a folder, renaming) the system call itself, made to fail.
#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace hc::test {

// A private folder of the test's own (never a fixed name in the shared /tmp), removed with
// everything in it.
class TempDir {
  public:
    explicit TempDir(const std::filesystem::path& base = std::filesystem::temp_directory_path());
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }
    // The names in the folder.
    std::set<std::string> Names() const;

  private:
    std::string path_;
};

// A 64 KiB tmpfs, filled up after `Prepare` wrote the files that must survive.
class FullDisk {
  public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // Empty when the file system could be mounted; otherwise why not (the test skips).
    const std::string& Unavailable() const { return unavailable_; }
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    // Writes a file on the empty file system, then fills the rest of it.
    void PutThenFill(const std::string& name, const std::string& content);

  private:
    std::string dir_;
    std::string unavailable_;
    bool mounted_ = false;
};

// While alive, a write that makes any file larger than `bytes` fails (EFBIG); SIGXFSZ is
// ignored so that the process lives on to report it.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(unsigned long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    unsigned long oldSoft_ = 0;
    void (*oldHandler_)(int) = nullptr;
};

// The steps of a write that FailingCall makes fail: fsync of a file, rename, fsync of a folder.
enum class Call { FileSync, Rename, FolderSync };

// While alive, every call of that kind in the process fails with `err` (the test binary's own
// fsync and rename stand in front of the C library's and pass everything else on).
class FailingCall {
  public:
    FailingCall(Call call, int err);
    ~FailingCall();
    FailingCall(const FailingCall&) = delete;
    FailingCall& operator=(const FailingCall&) = delete;
};

// The bytes of a file, or "<missing>".
std::string FileBytes(const std::string& path);

}  // namespace hc::test
