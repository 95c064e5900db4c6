// Making file writes fail for real: a small file system that is already full (needs the right
// to mount, so tests skip where it is missing) and a file-size limit that makes every write
// beyond a few bytes fail with EFBIG (works everywhere).
#pragma once

#include <string>

namespace hc::test {

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

// The bytes of a file, or "<missing>".
std::string FileBytes(const std::string& path);

}  // namespace hc::test
