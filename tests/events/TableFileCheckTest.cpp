// Which files Send lets go to the controller as a kind's table.
#include "events/ImportExport.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// A table file: its header counting `count` events, then `records` records of
// `recordSize` zero bytes.
std::vector<std::uint8_t> Table(std::uint8_t count, std::size_t records, std::size_t recordSize) {
    std::vector<std::uint8_t> bytes(kEventFileHeaderSize + records * recordSize, 0);
    bytes[0] = count;
    return bytes;
}

struct CheckCase {
    const char* name;
    EventKind kind;
    std::vector<std::uint8_t> bytes; // empty: no file
    TableFileCheck expected;
};

TEST(TableFileCheckTest, OnlyATableOfTheKindWithEventsIsSendable) {
    const std::size_t relay = InfoOf(EventKind::Relay).recordSize;
    const std::size_t midi = InfoOf(EventKind::Midi).recordSize;
    // clang-format off
    const CheckCase cases[] = {
        {"relay table as relay", EventKind::Relay, Table(2, 2, relay), TableFileCheck::Sendable},
        {"MIDI table as relay", EventKind::Relay, Table(2, 2, midi), TableFileCheck::NotValidForKind},
        {"cut relay table", EventKind::Relay, Table(2, 1, relay), TableFileCheck::NotValidForKind},
        {"bare header", EventKind::Relay, Table(0, 0, relay), TableFileCheck::NoEvents},
        {"no file", EventKind::Relay, {}, TableFileCheck::Unreadable},
    };
    // clang-format on
    for (const CheckCase& c : cases) {
        test::TempFolder folder;
        if (!c.bytes.empty())
            folder.write("table.rel", c.bytes);
        EXPECT_EQ(CheckTableFile(folder.file("table.rel"), c.kind), c.expected) << c.name;
    }
}

} // namespace
} // namespace corvane
