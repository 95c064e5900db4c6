// Writing files so that a failure never costs the user the old file: the content goes to a
// temporary file beside the target, every write, flush and close is checked, and only a
// complete file is renamed over the old one.
#pragma once

#include <string>
#include <string_view>

#include "common/core/result.h"

namespace hc {

// Writes content to path atomically. On failure the old file (if any) is byte-identical and
// the error names the file and the system's reason.
Status WriteFileAtomically(const std::string& path, std::string_view content);

}  // namespace hc
