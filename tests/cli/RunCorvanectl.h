#pragma once

#include "support/TempFolder.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace corvane::test {

struct CorvanectlRun {
    int status = -1; // -1: the program did not end by itself
    std::string out, err;
};

// Runs the built corvanectl with the arguments (a shell command line) in the
// folder; its standard output and error are kept in the files out and err.
inline CorvanectlRun RunCorvanectl(const TempFolder& folder, const std::string& arguments) {
    const auto command =
        "cd " + folder.path() + " && " + CORVANECTL_PATH + " " + arguments + " >out 2>err";
    const int raw = std::system(command.c_str());
    const auto text = [&](const char* name) {
        const auto bytes = folder.read(name);
        return std::string(bytes.begin(), bytes.end());
    };
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text("out"), text("err")};
}

} // namespace corvane::test
