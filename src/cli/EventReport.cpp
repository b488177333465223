#include "cli/EventReport.h"

#include "events/EventDescription.h"
#include "events/conflicts/EventConflicts.h"
#include "events/conflicts/EventWarnings.h"

namespace corvane::cli {

namespace {

bool IsDated(const EventTable& table, std::size_t record) {
    return table.kind() == EventKind::WeekClock && record >= table.header().entryCount;
}

} // namespace

std::string EventPosition(const EventTable& table, std::size_t record) {
    if (table.kind() != EventKind::WeekClock)
        return "event " + std::to_string(record + 1);
    if (IsDated(table, record))
        return "dated event " + std::to_string(record - table.header().entryCount + 1);
    return "weekly event " + std::to_string(record + 1);
}

std::string EventLine(const EventTable& table, std::size_t record) {
    return DescribeEvent(table.kind(), table.record(record), !IsDated(table, record));
}

CommandOutput ListConflicts(std::span<const std::uint8_t> file, EventKind kind,
                            std::string_view label) {
    const auto table = EventTable::fromFile(file, kind);
    if (!table)
        return {1,
                {},
                std::string(label) + " is not a valid " + std::string(InfoOf(kind).cliName) +
                    " event file\n"};
    const auto conflicts = FindConflicts(*table);
    CommandOutput output{conflicts.empty() ? 0 : 1, {}, {}};
    for (const auto& [a, b] : conflicts)
        output.out += EventPosition(*table, a) + " and " + EventPosition(*table, b) +
                      " conflict:\n  " + EventLine(*table, a) + "\n  " + EventLine(*table, b) +
                      "\n";
    output.out +=
        conflicts.empty() ? "no conflicts\n" : std::to_string(conflicts.size()) + " conflicts\n";
    return output;
}

std::string WarningLines(const EventTable& table) {
    std::string lines;
    for (const auto& warning : FindWarnings(table))
        lines += "warning: " + EventPosition(table, warning.record) + " (" +
                 EventLine(table, warning.record) + "): " + warning.text + "\n";
    return lines;
}

} // namespace corvane::cli
