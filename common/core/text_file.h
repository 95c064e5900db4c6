// Reading and writing the suite's text files: help texts may be UTF-8 or the Japanese Windows
// code page (CP932). Files are written by file_write.h.
#pragma once

#include <optional>
#include <string>

namespace hc {

// The whole file as UTF-8: taken as UTF-8 when it is valid UTF-8 (a BOM is dropped), otherwise
// decoded from CP932. nullopt when it cannot be read; *error then says why.
std::optional<std::string> ReadTextFile(const std::string& path, std::string* error = nullptr);

// The raw bytes of a file; nullopt when it cannot be read, when it is no regular file (a device,
// a FIFO, a folder) or when it is larger than limits::kMaxTextFileBytes.
std::optional<std::string> ReadFileBytes(const std::string& path, std::string* error = nullptr);

bool IsValidUtf8(const std::string& bytes);

}  // namespace hc
