#include "cli/CliCommand.h"
#include "events/text/EventJson.h"
#include "platform/AtomicFile.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace corvane::cli {

namespace {

// "-" stands for standard input and output.
constexpr std::string_view kStandardStream = "-";

std::optional<std::vector<std::uint8_t>> ReadInput(std::string_view path) {
    if (path != kStandardStream)
        return ReadWholeFile(std::string(path));
    std::vector<std::uint8_t> bytes;
    std::array<std::uint8_t, 65536> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), stdin)) > 0)
        bytes.insert(bytes.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(n));
    if (std::ferror(stdin))
        return std::nullopt;
    return bytes;
}

bool WriteOutput(std::string_view path, std::span<const std::uint8_t> bytes) {
    if (path != kStandardStream)
        return WriteFileAtomically(std::string(path), bytes);
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
           std::fflush(stdout) == 0;
}

int Refuse(std::string_view label, std::string_view reason) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(label.size()), label.data(),
                 static_cast<int>(reason.size()), reason.data());
    return 1;
}

std::string Label(std::string_view path) {
    return path == kStandardStream ? "standard input" : std::string(path);
}

// export KIND EVENTFILE OUT.json
int RunExport(std::span<const std::string_view> args) {
    const auto kind = args.size() == 3 ? ParseEventKind(args[0]) : std::nullopt;
    if (!kind)
        return kExitUsage;
    const auto file = ReadInput(args[1]);
    if (!file)
        return Refuse(Label(args[1]), "cannot be read");
    const auto text = text::EventFileToJson(*file, *kind);
    if (!text)
        return Refuse(Label(args[1]), text.error());
    const auto* begin = reinterpret_cast<const std::uint8_t*>(text->data());
    if (!WriteOutput(args[2], std::span(begin, text->size())))
        return Refuse(args[2], "cannot be written");
    return 0;
}

// import KIND IN.json EVENTFILE: the event file is written once, and only
// when the whole text is accepted.
int RunImport(std::span<const std::string_view> args) {
    const auto kind = args.size() == 3 ? ParseEventKind(args[0]) : std::nullopt;
    if (!kind || args[2] == kStandardStream)
        return kExitUsage;
    const auto input = ReadInput(args[1]);
    if (!input)
        return Refuse(Label(args[1]), "cannot be read");
    const std::string_view text(reinterpret_cast<const char*>(input->data()), input->size());
    const auto file = text::EventFileFromJson(text, *kind);
    if (!file)
        return Refuse(Label(args[1]), file.error());
    if (!WriteFileAtomically(std::string(args[2]), *file))
        return Refuse(args[2], "cannot be written");
    return 0;
}

constexpr std::array kCommands = {
    CliCommand{"export", "export KIND EVENTFILE OUT.json   (- for standard input/output)",
               RunExport},
    CliCommand{"import", "import KIND IN.json EVENTFILE", RunImport},
};

} // namespace

std::span<const CliCommand> TextCommands() {
    return kCommands;
}

} // namespace corvane::cli
