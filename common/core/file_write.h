// Writing files so that a failure never costs the user the old file, and so that nothing is
// written that the user did not name: a regular file (or a new name) is replaced through a
// temporary file beside it with every step checked; a symbolic link is written through to its
// target; a device, FIFO or terminal is written in place, as a shell's `>` would.
#pragma once

#include <string>
#include <string_view>

#include "common/core/result.h"

namespace hc {

// Writes content to path. On failure an old regular file is byte-identical, no temporary file
// is left, and the error names the file and the system's reason. An existing file without any
// write permission bit, or one the caller may not write, is refused (EACCES) and left alone.
// Changes no process-wide state, so it may run on several threads at once.
Status WriteFileAtomically(const std::string& path, std::string_view content);

}  // namespace hc
