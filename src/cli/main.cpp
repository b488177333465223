#include "cli/CliCommand.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

using corvane::cli::CliCommand;

namespace {

std::vector<CliCommand> AllCommands() {
    std::vector<CliCommand> all;
    for (auto group : {corvane::cli::EventCommands(), corvane::cli::TextCommands(),
                       corvane::cli::DeviceCommands()})
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

void PrintUsage(std::FILE* out, const std::vector<CliCommand>& commands) {
    std::fputs("usage: corvanectl [--device SERIAL|PORT] COMMAND [ARGS]\n\ncommands:\n", out);
    for (const auto& c : commands)
        std::fprintf(out, "  corvanectl %.*s\n", static_cast<int>(c.usage.size()), c.usage.data());
    std::fputs("  corvanectl --help | --version\n", out);
    std::fputs("\nKIND is weekclock, timecode, midi, audio, relay, sensor or analog "
               "(any case), or its number 0..6.\n",
               out);
}

} // namespace

int main(int argc, char** argv) {
    const auto commands = AllCommands();
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        PrintUsage(stdout, commands);
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::printf("corvanectl %s\n", CORVANE_VERSION);
        return 0;
    }
    // --device may stand anywhere: before the command or among its arguments.
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "--device") {
            corvane::cli::ChooseDevice(args[i + 1]);
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                       args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            break;
        }
    }
    if (!args.empty()) {
        for (const auto& c : commands) {
            if (c.name != args[0])
                continue;
            const int status = c.run(std::span(args).subspan(1));
            if (status == corvane::cli::kExitUsage)
                PrintUsage(stderr, commands);
            return status;
        }
    }
    PrintUsage(stderr, commands);
    return corvane::cli::kExitUsage;
}
