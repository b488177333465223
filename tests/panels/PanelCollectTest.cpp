// Records collected from the real widgets after operator input, byte for
// byte against the record layouts.
#include "PanelTestSupport.h"

#include "events/CollectRecord.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane::test {
namespace {

struct CollectCase {
    const char* name;
    int kind;
    std::vector<std::pair<int, QString>> inputs;  // in the operator's order
    std::vector<int> keyBytes;                    // then zeros up to the record size
    std::size_t size;
};

TEST(PanelCollect, EveryKindGivesTheRecordOfTheLayout)
{
    const CollectCase cases[] = {
        // 2026-03-14 is a Saturday (7), 2026-04-02 a Thursday (5).
        {"WeekClock", 0,
         {{104, "2026-03-14"}, {105, "2026-04-02"}, {106, "08:30:15"}, {107, "22:05:00"},
          {1031, "10"}, {1032, "300"}, {1033, "2"}, {1034, "255"}},
         {3, 14, 7, 8, 30, 15, 4, 2, 5, 22, 5, 0, 10, 0, 44, 1, 2, 255, 0}, 48},
        {"Timecode", 1,
         {{110, "1"}, {111, "12"}, {112, "59"}, {113, "29"}, {114, "23"}, {116, "7"},
          {117, "3"}, {1056, "17"}, {1057, "512"}, {1058, "255"}, {1059, "128"}},
         {1, 12, 59, 29, 23, 0, 7, 3, 17, 0, 0, 2, 255, 128}, 40},
        {"Midi", 2,
         {{1081, "All Channel"}, {1082, "60"}, {1083, "OFF"}, {1084, "5"}, {1085, "12"},
          {1086, "3"}, {1087, "200"}, {1088, "DEC"}},
         {17, 60, 0x00, 2, 5, 0, 12, 0, 3, 200}, 36},
        {"Audio", 3,
         {{1099, "Right"}, {1100, "1kHz"}, {1101, "33"}, {1102, "44"}, {1103, "5"},
          {1105, "More Pixel"}},
         {1, 7, 33, 0, 44, 0, 5, 1, 1}, 36},
        {"Relay", 4,
         {{1105, "300"}, {1115, "10"}, {1116, "200"}, {1117, "6"}, {1118, "On"}},
         {0x2C, 0x01, 10, 200, 6, 0}, 32},
        {"SensorDmx", 5,
         {{1134, "Contact8"}, {1135, "257"}, {1136, "9"}, {1137, "260"}},
         {7, 0, 30, 0, 1, 1, 4, 1, 9, 0}, 36},
        {"SensorRelay", 5,
         {{1134, "Contact3"}, {1139, "Relay"}, {1135, "4"}, {1136, "On"}},
         {2, 0, 30, 1, 4, 0, 0, 0, 1, 0}, 36},
        {"AnalogDmx", 6,
         {{1139, "Analog2"}, {1140, "1.25v"}, {1015, "7.5"}, {1153, "100"},
          {1155, "200"}, {1154, "4"}, {1156, "9"}},
         {1, 1, 25, 7, 5, 0, 100, 0, 200, 0, 4, 9}, 40},
        {"AnalogRelay", 6, {{1152, "Relay"}, {1153, "Relay8"}, {1154, "ON"}},
         {0, 0, 5, 10, 0, 1, 8, 0, 0, 0, 1, 0}, 40}};
    for (const CollectCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto panel = CreatedPanel(c.kind);
        ASSERT_NE(panel, nullptr);
        for (const auto& [id, input] : c.inputs)
            Operate(*panel, id, input);
        std::vector<std::uint8_t> expected(c.size, 0);
        std::copy(c.keyBytes.begin(), c.keyBytes.end(), expected.begin());
        const CollectedBytes collected = CollectRecord(static_cast<EventKind>(c.kind), *panel);
        EXPECT_TRUE(collected.acceptable);
        EXPECT_EQ(collected.bytes, expected);
    }
}

} // namespace
} // namespace corvane::test
