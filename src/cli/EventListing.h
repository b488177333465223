#pragma once

#include "events/EventKind.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace corvane::cli {

// What a command prints and its exit status, so the commands run in tests and
// fuzz targets without a process.
struct CommandOutput {
    int status = 0;
    std::string out;
    std::string err;
};

// A list line as the terminal shows it: control bytes (below 0x20, and 0x7F) as
// \xNN and "\" as "\\", so that one event is always one line; other bytes are
// Latin-1, as the window shows them, written as UTF-8.
std::string PrintableLine(std::string_view line);

// `list`: the event list lines of an event file's bytes, one per line (week
// clock: the weekly group, or the dated one when dated), each a PrintableLine. A file that breaks
// the validity rule gives "<label> is not a valid <kind> event file" and status 1.
CommandOutput ListEvents(std::span<const std::uint8_t> file, EventKind kind, bool dated,
                         std::string_view label);

// `check`: "valid: N entries" (week clock: "valid: W weekly, D dated") and, on
// the error side without failing, a warning line for each record the
// controller will likely not run as meant; or, with status 1, why the file is
// not valid.
CommandOutput CheckEvents(std::span<const std::uint8_t> file, EventKind kind,
                          std::string_view label);

} // namespace corvane::cli
