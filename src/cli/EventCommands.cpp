#include "cli/CliCommand.h"
#include "cli/EventListing.h"
#include "events/EventFileHeader.h"
#include "events/EventKind.h"
#include "events/EventMessages.h"
#include "platform/AtomicFile.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace corvane::cli {

namespace {

// KIND FILE, with an optional flag among them. Nothing when the arguments do
// not fit (main then prints the usage).
struct KindAndFile {
    EventKind kind;
    std::string file;
    bool flag = false;
};

std::optional<KindAndFile> ParseKindAndFile(std::span<const std::string_view> args,
                                            std::string_view flag) {
    std::vector<std::string_view> positional;
    bool flagSeen = false;
    for (const auto arg : args) {
        if (!flag.empty() && arg == flag && !flagSeen)
            flagSeen = true;
        else
            positional.push_back(arg);
    }
    if (positional.size() != 2)
        return std::nullopt;
    const auto kind = ParseEventKind(positional[0]);
    if (!kind)
        return std::nullopt;
    return KindAndFile{*kind, std::string(positional[1]), flagSeen};
}

int Print(const CommandOutput& output) {
    std::fputs(output.out.c_str(), stdout);
    std::fputs(output.err.c_str(), stderr);
    return output.status;
}

// Read only: the commands never repair or create a file. A pipe or a device is
// refused without being opened, a file longer than any event file without being
// read.
std::optional<std::vector<std::uint8_t>> ReadOrReport(const std::string& path) {
    FileRead read = ReadFileUpTo(path, kLargestEventFileLength);
    if (read.status == FileStatus::Done)
        return std::move(read.bytes);
    if (read.status == FileStatus::TooLarge)
        std::fprintf(stderr, "%s: %s\n", path.c_str(),
                     std::string(messages::kFileTooLarge).c_str());
    else
        std::fprintf(stderr, "%s cannot be read\n", path.c_str());
    return std::nullopt;
}

int RunList(std::span<const std::string_view> args) {
    const auto parsed = ParseKindAndFile(args, "--dated");
    if (!parsed)
        return kExitUsage;
    const auto bytes = ReadOrReport(parsed->file);
    if (!bytes)
        return 1;
    return Print(ListEvents(*bytes, parsed->kind, parsed->flag, parsed->file));
}

int RunCheck(std::span<const std::string_view> args) {
    const auto parsed = ParseKindAndFile(args, {});
    if (!parsed)
        return kExitUsage;
    const auto bytes = ReadOrReport(parsed->file);
    if (!bytes)
        return 1;
    return Print(CheckEvents(*bytes, parsed->kind, parsed->file));
}

constexpr std::array kCommands = {
    CliCommand{"list", "list KIND FILE [--dated]", RunList},
    CliCommand{"check", "check KIND FILE", RunCheck},
};

} // namespace

std::span<const CliCommand> EventCommands() {
    return kCommands;
}

} // namespace corvane::cli
