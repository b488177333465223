#pragma once

#include "events/AnalogRecord.h"
#include "events/AudioRecord.h"
#include "events/EventKind.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/SensorRecord.h"
#include "events/TimecodeRecord.h"
#include "events/WeekClockRecord.h"
#include "platform/PanelValues.h"

#include <cstdint>
#include <vector>

namespace corvane {

// A record read from an editor panel and whether its values are acceptable.
// The name is left empty; the add command names the record.
template <typename Record> struct Collected {
    Record record;
    bool acceptable = false;
};

// Each collect first refreshes the panel, then builds the record from the
// panel's controls. Numbers typed into fields are stored by their low bits.
Collected<WeekClockRecord> CollectWeekClock(PanelValues& panel);
Collected<TimecodeRecord> CollectTimecode(PanelValues& panel);
Collected<MidiRecord> CollectMidi(PanelValues& panel);
Collected<AudioRecord> CollectAudio(PanelValues& panel);
Collected<RelayRecord> CollectRelay(PanelValues& panel);
Collected<SensorRecord> CollectSensor(PanelValues& panel);
Collected<AnalogRecord> CollectAnalog(PanelValues& panel);

// The collect of kind, encoded as the record's bytes.
struct CollectedBytes {
    std::vector<std::uint8_t> bytes;
    bool acceptable = false;
};
CollectedBytes CollectRecord(EventKind kind, PanelValues& panel);

// Control ids the collects read, by panel.
namespace ids {
inline constexpr int kWeekFirstChannel = 1031, kWeekLastChannel = 1032, kWeekIncrement = 1033,
                     kWeekLevel = 1034;
inline constexpr int kTcStart = 1060; // 1060..1063 start h/m/s/f, 1064..1067 end h/m/s/f
inline constexpr int kTcFirstChannel = 1056, kTcLastChannel = 1057, kTcIncrement = 1058,
                     kTcLevel = 1059;
inline constexpr int kMidiChannel = 1081, kMidiNote = 1082, kMidiOnOff = 1083, kMidiAction = 1088;
inline constexpr int kMidiFirstChannel = 1084, kMidiLastChannel = 1085, kMidiIncrement = 1086,
                     kMidiLevel = 1087;
inline constexpr int kAudioSide = 1099, kAudioBand = 1100, kAudioFirstChannel = 1101,
                     kAudioLastChannel = 1102;
inline constexpr int kAudioIncrement = 1103, kAudioPixelMode = 1105;
inline constexpr int kRelayChannel = 1105, kRelayLow = 1115, kRelayHigh = 1116, kRelayNumber = 1117;
inline constexpr int kRelayStatus = 1118;
inline constexpr int kSensorContact = 1134, kSensorFirstSetting = 1140, kSensorSecondSetting = 1015;
inline constexpr int kSensorAction = 1139, kSensorTarget = 1135, kSensorSecond = 1136,
                     kSensorLastChannel = 1137;
inline constexpr int kSensorLevel = 1138;
inline constexpr int kAnalogInput = 1139, kAnalogLow = 1140, kAnalogHigh = 1015,
                     kAnalogAction = 1152;
inline constexpr int kAnalogTarget = 1153, kAnalogSecond = 1154, kAnalogLastChannel = 1155,
                     kAnalogLevel = 1156;
} // namespace ids

} // namespace corvane
