// Which programs the desktop may be handed a file for: never one of this suite's own, whose
// desktop entries claim the workbook types so that a file manager can open a workbook with them.
#pragma once

#include <string>

#include "common/core/platform.h"

namespace hc {

// Whether the handler is one of the suite's programs: its entry is named after one of them, or
// its Exec line runs one of them (also through env or from a folder).
bool IsSuiteHandler(const DesktopHandler& handler);

// The program an Exec line runs, without folder: "env A=1 /usr/bin/sixsideplot %f" ->
// "sixsideplot".
std::string ExecProgram(const std::string& exec);

}  // namespace hc
