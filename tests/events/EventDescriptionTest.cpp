#include "events/AnalogRecord.h"
#include "events/AudioRecord.h"
#include "events/EventDescription.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/SensorRecord.h"
#include "events/TimecodeRecord.h"
#include "events/WeekClockRecord.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

template <typename Record>
std::string Line(EventKind kind, const Record& record, bool weeklyView = true) {
    return DescribeEvent(kind, record.encode(), weeklyView);
}

TEST(EventDescription, WeekClock) {
    const WeekClockRecord monday{0, 0, 2, 8, 5, 0, 0, 0, 2, 9, 30, 0, 1, 10, 1, 255, 0, "Event"};
    EXPECT_EQ(Line(EventKind::WeekClock, monday), "Event:(MON/ 8: 5: 0toMON/ 9:30: 0) (Ch:1to10,i:1,l:255)");

    const WeekClockRecord overnight{0, 0, 7, 23, 0, 0, 0, 0, 1, 1, 0, 0, 1, 2, 3, 4, 0, "Night"};
    EXPECT_EQ(Line(EventKind::WeekClock, overnight), "Night:(SAT/23: 0: 0toSUN/ 1: 0: 0) (Ch:1to2,i:3,l:4)");

    const WeekClockRecord dated{12, 24, 5, 18, 0, 0, 12, 26, 7, 6, 0, 0, 1, 512, 1, 255, 1, "Xmas"};
    EXPECT_EQ(Line(EventKind::WeekClock, dated, false),
              "Xmas:(12/24/18: 0: 0to12/26/ 6: 0: 0) DMX(ch:1to512,i:1,l:255)");

    // Weekdays without a name show their number.
    const WeekClockRecord odd{0, 0, 0, 1, 2, 3, 0, 0, 9, 4, 5, 6, 1, 1, 1, 1, 0, ""};
    EXPECT_EQ(Line(EventKind::WeekClock, odd), ":(0/ 1: 2: 3to9/ 4: 5: 6) (Ch:1to1,i:1,l:1)");
}

TEST(EventDescription, Timecode) {
    const TimecodeRecord t{0, 0, 10, 0, 1, 2, 3, 29, 1, 65535, 1, 255, "Tc"};
    EXPECT_EQ(Line(EventKind::Timecode, t), "Tc:T(0/0/10:0 to 1/2/3:29)-DMX(ch:1to65535,i=1,l=255)");
}

TEST(EventDescription, Midi) {
    struct Case {
        MidiRecord record;
        const char* line;
    };
    const Case cases[] = {
        {{1, 60, 0xFF, 0, 1, 512, 1, 255, "Event"}, "Event:MIDI(ch:1,note:60,On) (Ch:1to512,i=1,l=255,Hold)"},
        {{17, 60, 0x00, 0, 1, 512, 1, 255, "Event"}, "Event:MIDI(All,node:60,Off) (Ch:1to512,i=1,l=255,Hold)"},
        {{17, 1, 0x01, 1, 2, 3, 4, 5, "A"}, "A:MIDI(ch:All,note:1,On) (Ch:2to3,i=4,l=5,INC)"},
        {{16, 128, 0x00, 2, 2, 3, 4, 5, "B"}, "B:MIDI(ch:16,node:128,Off) (Ch:2to3,i=4,l=5,DEC)"},
        {{1, 1, 0xFF, 3, 2, 3, 4, 5, "C"}, "C:MIDI(ch:1,note:1,On) (Ch:2to3,i=4,l=5,Toggle)"},
        {{1, 1, 0xFF, 9, 2, 3, 4, 5, "D"}, "D:MIDI(ch:1,note:1,On) (Ch:2to3,i=4,l=5,9)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Line(EventKind::Midi, c.record), c.line);
}

TEST(EventDescription, Audio) {
    struct Case {
        AudioRecord record;
        const char* line;
    };
    const Case cases[] = {
        {{0, 1, 1, 512, 1, 0, 0, "L"}, "L:(Left,16KHz) (Ch:1to512,i=1),(0,0)"},
        {{1, 2, 5, 6, 2, 1, 1, "R"}, "R:(Right,10.7KHz) (Ch:5to6,i=2),(1,1)"},
        {{2, 7, 5, 6, 2, 1, 1, "A"}, "A:(All,1KHz) (Ch:5to6,i=2),(1,1)"},
        {{2, 8, 5, 6, 2, 1, 1, "A"}, "A:(All,670Hz) (Ch:5to6,i=2),(1,1)"},
        {{2, 14, 5, 6, 2, 1, 1, "A"}, "A:(All,42Hz) (Ch:5to6,i=2),(1,1)"},
        {{3, 0, 5, 6, 2, 1, 1, "X"}, "X:(3,0) (Ch:5to6,i=2),(1,1)"},
        {{0, 15, 5, 6, 2, 1, 0, "Y"}, "Y:(Left,15) (Ch:5to6,i=2),(1,0)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Line(EventKind::Audio, c.record), c.line);
}

TEST(EventDescription, Relay) {
    EXPECT_EQ(Line(EventKind::Relay, RelayRecord{12, 10, 200, 3, 0, "R"}),
              "R:ch=12 Level(low:10,high:200)-Relay(No.=3:Status=On)");
    EXPECT_EQ(Line(EventKind::Relay, RelayRecord{12, 10, 200, 3, 1, "R"}),
              "R:ch=12 Level(low:10,high:200)-Relay(No.=3:Status=Off)");
    EXPECT_EQ(Line(EventKind::Relay, RelayRecord{12, 10, 200, 3, 7, "R"}),
              "R:ch=12 Level(low:10,high:200)-Relay(No.=3:Status=Off)");
}

TEST(EventDescription, Sensor) {
    struct Case {
        SensorRecord record;
        const char* line;
    };
    const Case cases[] = {
        {{0, 0, 30, 0, 1, 512, 1, 255, "S"}, "S:Contact1,(ch:1to512,i=1,L=255)"},
        {{7, 0, 30, 1, 8, 0, 1, 0, "S"}, "S:Contact8,Relay8:On"},
        {{2, 0, 30, 1, 1, 0, 0, 0, "S"}, "S:Contact3,Relay1:Off"},
        {{0, 0, 30, 2, 1, 0, 0, 0, "Event"}, "Event:Contact1,Audio:Disable"},
        {{0, 0, 30, 2, 0, 0, 0, 0, "S"}, "S:Contact1,Audio:Enable"},
        {{0, 0, 30, 5, 0, 0, 0, 0, "S"}, "S:Contact1,5"},
        {{255, 0, 0, 2, 0, 0, 0, 0, "S"}, "S:Contact256,Audio:Enable"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Line(EventKind::Sensor, c.record), c.line);
}

TEST(EventDescription, Analog) {
    struct Case {
        AnalogRecord record;
        const char* line;
    };
    const Case cases[] = {
        {{0, 0, 5, 10, 0, 0, 1, 512, 1, 0, "Event"}, "Event:Analog1:V=0.05~10.00,(ch:1to512,i=1,L=0)"},
        {{0, 0, 50, 10, 0, 0, 1, 512, 1, 0, "Event"}, "Event:Analog1:V=0.50~10.00,(ch:1to512,i=1,L=0)"},
        {{3, 2, 10, 3, 99, 1, 4, 0, 1, 0, "G"}, "G:Analog4:V=2.10~3.99,Relay4:On"},
        {{1, 2, 9, 3, 9, 1, 4, 0, 0, 0, "G"}, "G:Analog2:V=2.09~3.09,Relay4:Off"},
        {{1, 2, 200, 3, 255, 4, 4, 0, 0, 0, "G"}, "G:Analog2:V=2.200~3.255,4"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Line(EventKind::Analog, c.record), c.line);
}

} // namespace
} // namespace corvane
