// Shared pieces of the libFuzzer harnesses: the input as a file for readers that take a path.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace hc::fuzz {

// The bytes as a regular file in memory, reached by a path, rewritten for every input.
class MemoryFile {
  public:
    MemoryFile() : fd_(memfd_create("hc_fuzz", MFD_CLOEXEC)) {}
    ~MemoryFile() { close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // The path of a file now holding exactly data.
    std::string Hold(const std::uint8_t* data, std::size_t size) {
        if (ftruncate(fd_, 0) != 0)
            __builtin_trap();
        for (std::size_t done = 0; done < size;) {
            const ssize_t n = pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            if (n <= 0)
                __builtin_trap();
            done += static_cast<std::size_t>(n);
        }
        return "/proc/self/fd/" + std::to_string(fd_);
    }

  private:
    int fd_;
};

}  // namespace hc::fuzz
