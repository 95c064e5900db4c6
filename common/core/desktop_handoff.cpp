#include "common/core/desktop_handoff.h"

#include <sstream>

#include "suite_programs.h"

namespace hc {

namespace {

bool IsSuiteProgram(const std::string& name) {
    for (std::string_view program : kSuitePrograms)
        if (name == program)
            return true;
    return false;
}

std::string Unquoted(std::string word) {
    if (word.size() >= 2 && (word.front() == '"' || word.front() == '\'') &&
        word.back() == word.front())
        word = word.substr(1, word.size() - 2);
    return word;
}

}  // namespace

std::string ExecProgram(const std::string& exec) {
    std::istringstream words(exec);
    std::string word;
    bool afterEnv = false;
    while (words >> word) {
        word = Unquoted(word);
        std::string base = word.substr(word.find_last_of('/') + 1);
        if (!afterEnv && base == "env") {
            afterEnv = true;
            continue;
        }
        if (afterEnv && (word.find('=') != std::string::npos || word.starts_with('-')))
            continue;
        return base;
    }
    return {};
}

bool IsSuiteHandler(const DesktopHandler& handler) {
    std::string id = handler.id.substr(handler.id.find_last_of('/') + 1);
    constexpr std::string_view kSuffix = ".desktop";
    if (id.ends_with(kSuffix))
        id.resize(id.size() - kSuffix.size());
    // Reverse-domain entries ("org.example.sixsideplot") end in the program's name.
    const std::string last = id.substr(id.find_last_of('.') + 1);
    return IsSuiteProgram(id) || IsSuiteProgram(last) || IsSuiteProgram(ExecProgram(handler.exec));
}

}  // namespace hc
