// The subcommands of the headless command. Each registers itself with a name, a one-line
// summary, its usage and its entry point.
#pragma once

#include <string>
#include <vector>

#include "hydrochart/output.h"

namespace hcmd {

struct Command {
    const char* name;
    const char* summary;
    const char* usage;  // options after the name
    int (*run)(Args& args);
};

std::vector<Command>& Commands();

struct Register {
    explicit Register(Command c) { Commands().push_back(c); }
};

// A file the program would refuse: one line on standard error, status 1.
int Refuse(const std::string& file, const std::string& reason);

}  // namespace hcmd
