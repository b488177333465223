#include "events/EventDescription.h"

#include "EventTestPanels.h"

namespace corvane {
namespace {

template <typename Record> std::vector<std::uint8_t> Bytes(const Record& record) {
    const auto encoded = record.encode();
    return {encoded.begin(), encoded.end()};
}

TEST(EventDescription, LinesOfEveryKind) {
    using W = WeekClockRecord;
    using T = TimecodeRecord;
    using M = MidiRecord;
    using A = AudioRecord;
    using R = RelayRecord;
    using S = SensorRecord;
    using G = AnalogRecord;
    using enum EventKind;
    struct Case {
        EventKind kind;
        std::vector<std::uint8_t> record;
        const char* line;
        bool weekly = true;
    };
    // Selector values without a text (weekdays, actions, sides, bands) show their number.
    // clang-format off
    const Case cases[] = {
        {WeekClock, Bytes(W{0, 0, 2, 8, 5, 0, 0, 0, 2, 9, 30, 0, 1, 10, 1, 255, 0, "Event"}), "Event:(MON/ 8: 5: 0toMON/ 9:30: 0) (Ch:1to10,i:1,l:255)"},
        {WeekClock, Bytes(W{0, 0, 7, 23, 0, 0, 0, 0, 1, 1, 0, 0, 1, 2, 3, 4, 0, "Night"}), "Night:(SAT/23: 0: 0toSUN/ 1: 0: 0) (Ch:1to2,i:3,l:4)"},
        {WeekClock, Bytes(W{12, 24, 5, 18, 0, 0, 12, 26, 7, 6, 0, 0, 1, 512, 1, 255, 1, "Xmas"}), "Xmas:(12/24/18: 0: 0to12/26/ 6: 0: 0) DMX(ch:1to512,i:1,l:255)", false},
        {WeekClock, Bytes(W{0, 0, 0, 1, 2, 3, 0, 0, 9, 4, 5, 6, 1, 1, 1, 1, 0, ""}), ":(0/ 1: 2: 3to9/ 4: 5: 6) (Ch:1to1,i:1,l:1)"},
        {Timecode, Bytes(T{0, 0, 10, 0, 1, 2, 3, 29, 1, 65535, 1, 255, "Tc"}), "Tc:T(0/0/10:0 to 1/2/3:29)-DMX(ch:1to65535,i=1,l=255)"},
        {Midi, Bytes(M{1, 60, 0xFF, 0, 1, 512, 1, 255, "Event"}), "Event:MIDI(ch:1,note:60,On) (Ch:1to512,i=1,l=255,Hold)"},
        {Midi, Bytes(M{17, 60, 0x00, 0, 1, 512, 1, 255, "Event"}), "Event:MIDI(All,node:60,Off) (Ch:1to512,i=1,l=255,Hold)"},
        {Midi, Bytes(M{17, 1, 0x01, 1, 2, 3, 4, 5, "A"}), "A:MIDI(ch:All,note:1,On) (Ch:2to3,i=4,l=5,INC)"},
        {Midi, Bytes(M{16, 128, 0x00, 2, 2, 3, 4, 5, "B"}), "B:MIDI(ch:16,node:128,Off) (Ch:2to3,i=4,l=5,DEC)"},
        {Midi, Bytes(M{1, 1, 0xFF, 3, 2, 3, 4, 5, "C"}), "C:MIDI(ch:1,note:1,On) (Ch:2to3,i=4,l=5,Toggle)"},
        {Midi, Bytes(M{1, 1, 0xFF, 9, 2, 3, 4, 5, "D"}), "D:MIDI(ch:1,note:1,On) (Ch:2to3,i=4,l=5,9)"},
        {Audio, Bytes(A{0, 1, 1, 512, 1, 0, 0, "L"}), "L:(Left,16KHz) (Ch:1to512,i=1),(0,0)"},
        {Audio, Bytes(A{1, 2, 5, 6, 2, 1, 1, "R"}), "R:(Right,10.7KHz) (Ch:5to6,i=2),(1,1)"},
        {Audio, Bytes(A{2, 8, 5, 6, 2, 1, 1, "A"}), "A:(All,670Hz) (Ch:5to6,i=2),(1,1)"},
        {Audio, Bytes(A{2, 14, 5, 6, 2, 1, 1, "A"}), "A:(All,42Hz) (Ch:5to6,i=2),(1,1)"},
        {Audio, Bytes(A{3, 0, 5, 6, 2, 1, 1, "X"}), "X:(3,0) (Ch:5to6,i=2),(1,1)"},
        {Audio, Bytes(A{0, 15, 5, 6, 2, 1, 0, "Y"}), "Y:(Left,15) (Ch:5to6,i=2),(1,0)"},
        {Relay, Bytes(R{12, 10, 200, 3, 0, "R"}), "R:ch=12 Level(low:10,high:200)-Relay(No.=3:Status=On)"},
        {Relay, Bytes(R{12, 10, 200, 3, 7, "R"}), "R:ch=12 Level(low:10,high:200)-Relay(No.=3:Status=Off)"},
        {Sensor, Bytes(S{0, 0, 30, 0, 1, 512, 1, 255, "S"}), "S:Contact1,(ch:1to512,i=1,L=255)"},
        {Sensor, Bytes(S{7, 0, 30, 1, 8, 0, 1, 0, "S"}), "S:Contact8,Relay8:On"},
        {Sensor, Bytes(S{2, 0, 30, 1, 1, 0, 0, 0, "S"}), "S:Contact3,Relay1:Off"},
        {Sensor, Bytes(S{0, 0, 30, 2, 1, 0, 0, 0, "Event"}), "Event:Contact1,Audio:Disable"},
        {Sensor, Bytes(S{255, 0, 0, 2, 0, 0, 0, 0, "S"}), "S:Contact256,Audio:Enable"},
        {Sensor, Bytes(S{0, 0, 30, 5, 0, 0, 0, 0, "S"}), "S:Contact1,5"},
        {Analog, Bytes(G{0, 0, 5, 10, 0, 0, 1, 512, 1, 0, "Event"}), "Event:Analog1:V=0.05~10.00,(ch:1to512,i=1,L=0)"},
        {Analog, Bytes(G{3, 2, 10, 3, 99, 1, 4, 0, 1, 0, "G"}), "G:Analog4:V=2.10~3.99,Relay4:On"},
        {Analog, Bytes(G{1, 2, 9, 3, 9, 1, 4, 0, 0, 0, "G"}), "G:Analog2:V=2.09~3.09,Relay4:Off"},
        {Analog, Bytes(G{1, 2, 200, 3, 255, 4, 4, 0, 0, 0, "G"}), "G:Analog2:V=2.200~3.255,4"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(DescribeEvent(c.kind, c.record, c.weekly), c.line);
}

} // namespace
} // namespace corvane
