#include "cli/CliCommand.h"
#include "cli/EventReport.h"
#include "events/EventTable.h"
#include "events/text/EventJson.h"
#include "platform/AtomicFile.h"
#include "schedule/SchedulePicture.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace corvane::cli {

namespace {

// "-" stands for standard input and output.
constexpr std::string_view kStandardStream = "-";
// Far more than an event file or the text of the largest table takes.
constexpr std::uint64_t kLongestInput = 16 << 20;

std::optional<std::vector<std::uint8_t>> ReadInput(std::string_view path) {
    if (path != kStandardStream) {
        // A pipe or a device is refused unopened, a file of absurd length unread.
        FileRead read = ReadFileUpTo(std::string(path), kLongestInput);
        if (read.status != FileStatus::Done)
            return std::nullopt;
        return std::move(read.bytes);
    }
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
        return WriteFileAtomically(std::string(path), bytes) == FileStatus::Done;
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
    if (WriteFileAtomically(std::string(args[2]), *file) != FileStatus::Done)
        return Refuse(args[2], "cannot be written");
    return 0;
}

// conflicts KIND EVENTFILE
int RunConflicts(std::span<const std::string_view> args) {
    const auto kind = args.size() == 2 ? ParseEventKind(args[0]) : std::nullopt;
    if (!kind)
        return kExitUsage;
    const auto file = ReadInput(args[1]);
    if (!file)
        return Refuse(Label(args[1]), "cannot be read");
    const auto output = ListConflicts(*file, *kind, Label(args[1]));
    std::fputs(output.out.c_str(), stdout);
    std::fputs(output.err.c_str(), stderr);
    return output.status;
}

// "2026-12-24": a date of the proleptic Gregorian calendar.
std::optional<CivilDate> ParseDate(std::string_view text) {
    CivilDate date;
    int* parts[] = {&date.year, &date.month, &date.day};
    const char* p = text.data();
    const char* end = text.data() + text.size();
    for (std::size_t i = 0; i < 3; ++i) {
        if (i > 0 && (p == end || *p++ != '-'))
            return std::nullopt;
        const auto [next, error] = std::from_chars(p, end, *parts[i]);
        if (error != std::errc())
            return std::nullopt;
        p = next;
    }
    if (p != end || date.month < 1 || date.month > 12 || date.day < 1 || AddDays(date, 0) != date)
        return std::nullopt;
    return date;
}

CivilDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// schedule EVENTFILE OUT.png|OUT.svg [--week DATE] [--first-day WEEKDAY]
int RunSchedule(std::span<const std::string_view> args) {
    std::vector<std::string_view> positional;
    CivilDate week = Today();
    int firstWeekday = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--week" && i + 1 < args.size()) {
            const auto date = ParseDate(args[++i]);
            if (!date)
                return kExitUsage;
            week = *date;
        } else if (args[i] == "--first-day" && i + 1 < args.size()) {
            constexpr std::string_view kDays[] = {"sunday",   "monday", "tuesday", "wednesday",
                                                  "thursday", "friday", "saturday"};
            const auto found = std::ranges::find(kDays, args[++i]);
            if (found == std::end(kDays))
                return kExitUsage;
            firstWeekday = static_cast<int>(found - std::begin(kDays)) + 1;
        } else {
            positional.push_back(args[i]);
        }
    }
    const auto format = positional.size() == 2 ? PictureFormatOf(positional[1]) : std::nullopt;
    if (!format)
        return kExitUsage;
    const auto file = ReadInput(positional[0]);
    if (!file)
        return Refuse(Label(positional[0]), "cannot be read");
    const auto table = EventTable::fromFile(*file, EventKind::WeekClock);
    if (!table)
        return Refuse(Label(positional[0]), "not a valid weekclock event file");
    const auto picture = SchedulePicture(LayOutSchedule(*table, firstWeekday, week), *format);
    if (!WriteOutput(positional[1], picture))
        return Refuse(positional[1], "cannot be written");
    return 0;
}

constexpr std::array kCommands = {
    CliCommand{"export", "export KIND EVENTFILE OUT.json", RunExport},
    CliCommand{"import", "import KIND IN.json EVENTFILE", RunImport},
    CliCommand{"conflicts", "conflicts KIND EVENTFILE", RunConflicts},
    CliCommand{"schedule",
               "schedule EVENTFILE OUT.png|OUT.svg [--week YYYY-MM-DD] [--first-day WEEKDAY]",
               RunSchedule},
};

} // namespace

std::span<const CliCommand> TextCommands() {
    return kCommands;
}

} // namespace corvane::cli
