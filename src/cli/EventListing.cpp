#include "cli/EventListing.h"

#include "cli/EventReport.h"
#include "events/EventFileHeader.h"
#include "events/EventList.h"
#include "events/EventTable.h"

namespace corvane::cli {

namespace {

std::string NotValid(std::string_view label, EventKind kind) {
    return std::string(label) + " is not a valid " + std::string(InfoOf(kind).cliName) +
           " event file\n";
}

} // namespace

std::string PrintableLine(std::string_view line) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string printable;
    printable.reserve(line.size());
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            printable += "\\x";
            printable += kHex[byte >> 4];
            printable += kHex[byte & 15];
        } else if (byte == '\\') {
            printable += "\\\\";
        } else if (byte < 0x80) {
            printable += c;
        } else { // Latin-1 to UTF-8: two bytes
            printable += static_cast<char>(0xC0 | (byte >> 6));
            printable += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return printable;
}

CommandOutput ListEvents(std::span<const std::uint8_t> file, EventKind kind, bool dated,
                         std::string_view label) {
    const auto lines = EventListLines(file, kind, !dated);
    if (!lines)
        return {1, {}, NotValid(label, kind)};
    CommandOutput output;
    for (const auto& line : *lines)
        output.out += PrintableLine(line) + '\n';
    return output;
}

CommandOutput CheckEvents(std::span<const std::uint8_t> file, EventKind kind,
                          std::string_view label) {
    const auto header = EventFileHeader::decode(file);
    if (!header)
        return {1,
                {},
                NotValid(label, kind) + "  it holds " + std::to_string(file.size()) +
                    " bytes, too short for the 16-byte header\n"};
    const std::uint64_t expected = header->expectedLength(InfoOf(kind).recordSize);
    if (file.size() != expected)
        return {1,
                {},
                NotValid(label, kind) + "  its length " + std::to_string(file.size()) +
                    " does not match the counts " + std::to_string(header->entryCount) + " + " +
                    std::to_string(header->datedEntryCount) + ", which need " +
                    std::to_string(expected) + " bytes\n"};
    const std::string warnings = WarningLines(*EventTable::fromFile(file, kind));
    if (kind == EventKind::WeekClock)
        return {0,
                "valid: " + std::to_string(header->entryCount) + " weekly, " +
                    std::to_string(header->datedEntryCount) + " dated\n",
                warnings};
    return {0, "valid: " + std::to_string(header->totalEntries()) + " entries\n", warnings};
}

} // namespace corvane::cli
