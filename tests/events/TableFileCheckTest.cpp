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
    std::vector<std::uint8_t> bytes; // empty: no file
    TableFileCheck expected;
};

TEST(TableFileCheckTest, OnlyATableOfTheKindWithEventsIsSendable) {
    using enum TableFileCheck;
    const std::size_t relay = InfoOf(EventKind::Relay).recordSize;
    const std::size_t midi = InfoOf(EventKind::Midi).recordSize;
    const CheckCase cases[] = {
        {"relay table", Table(2, 2, relay), Sendable},
        {"MIDI table", Table(2, 2, midi), NotValidForKind},
        {"bare header", Table(0, 0, relay), NoEvents},
        {"no file", {}, Unreadable},
    };
    for (const CheckCase& c : cases) {
        test::TempFolder folder;
        if (!c.bytes.empty())
            folder.write("table.rel", c.bytes);
        EXPECT_EQ(CheckTableFile(folder.file("table.rel"), EventKind::Relay), c.expected) << c.name;
    }
}

} // namespace
} // namespace corvane
