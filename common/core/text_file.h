// Reading and writing the suite's text files: help texts may be UTF-8 or the Japanese Windows
// code page (CP932). Files are written by file_write.h.
#pragma once

#include <string>

#include "common/core/input_limits.h"
#include "common/core/result.h"

namespace hc {

// The whole file as UTF-8: decoded from UTF-16 when it starts with a UTF-16 byte order mark
// (NotRecognised when damaged), taken as UTF-8 when it is valid UTF-8 (a BOM is dropped),
// otherwise decoded from CP932. Fails as ReadFileBytes does.
Result<std::string> ReadTextFile(const std::string& path,
                                 std::size_t maxBytes = limits::kMaxTextFileBytes);

// The raw bytes of a file. Fails (CannotRead, with the system's reason in both languages) when
// it cannot be read or is no regular file (a device, a FIFO, a folder), and (TooLarge) when it
// is larger than maxBytes.
Result<std::string> ReadFileBytes(const std::string& path,
                                  std::size_t maxBytes = limits::kMaxTextFileBytes);

bool IsValidUtf8(const std::string& bytes);

}  // namespace hc
