#pragma once

#include "events/EventKind.h"

#include <iterator>
#include <string_view>

// Every control id and skin number the windows use, in one place. The skin
// names the ids of the controls it places in its Resource.h; the list below
// gives each of them a constant and the name the skin uses, so a test can hold
// the two against each other. The ids of the controls the code creates itself
// follow the list.

// X(constant, name in Resource.h, value)
// clang-format off
#define CORVANE_SKIN_IDS(X)                                  \
    X(kSkinMain,              SKIN_MAIN,              1000)  \
    X(kSkinWeekClock,         SKIN_WEEKCLOCK,         1020)  \
    X(kSkinTimecode,          SKIN_TIMECODE,          1055)  \
    X(kSkinMidi,              SKIN_MIDI,              1080)  \
    X(kSkinAudio,             SKIN_AUDIO,             1098)  \
    X(kSkinRelay,             SKIN_RELAY,             1114)  \
    X(kSkinSensor,            SKIN_SENSOR,            1125)  \
    X(kSkinAnalog,            SKIN_ANALOG,            1142)  \
    X(kIdMinimise,            IDC_MINIMISE,           1001)  \
    X(kIdSchedule,            IDC_SCHEDULE,           1002)  \
    X(kIdClose,               IDC_CLOSE,              1003)  \
    X(kIdAdd,                 IDC_ADD_EVENT,          1004)  \
    X(kIdDelete,              IDC_DELETE_EVENT,       1005)  \
    X(kIdReceive,             IDC_RECEIVE,            1006)  \
    X(kIdSend,                IDC_SEND,               1007)  \
    X(kIdSelectWeekClock,     IDC_KIND_WEEKCLOCK,     1008)  \
    X(kIdSelectTimecode,      IDC_KIND_TIMECODE,      1009)  \
    X(kIdSelectMidi,          IDC_KIND_MIDI,          1010)  \
    X(kIdSelectAudio,         IDC_KIND_AUDIO,         1011)  \
    X(kIdClear,               IDC_CLEAR_EVENTS,       1012)  \
    X(kIdImport,              IDC_IMPORT,             1013)  \
    X(kIdExport,              IDC_EXPORT,             1014)  \
    X(kIdEventName,           IDC_EVENT_NAME,         1015)  \
    X(kIdSelectSensor,        IDC_KIND_SENSOR,        1016)  \
    X(kIdSelectRelay,         IDC_KIND_RELAY,         1017)  \
    X(kIdEmpty,               IDC_EMPTY_TABLE,        1018)  \
    X(kIdSelectAnalog,        IDC_KIND_ANALOG,        1019)  \
    X(kIdWcMonday,            IDC_WC_MONDAY,          1021)  \
    X(kIdWcTuesday,           IDC_WC_TUESDAY,         1022)  \
    X(kIdWcWednesday,         IDC_WC_WEDNESDAY,       1023)  \
    X(kIdWcThursday,          IDC_WC_THURSDAY,        1024)  \
    X(kIdWcFriday,            IDC_WC_FRIDAY,          1025)  \
    X(kIdWcSaturday,          IDC_WC_SATURDAY,        1026)  \
    X(kIdWcSunday,            IDC_WC_SUNDAY,          1027)  \
    X(kIdWcAllDays,           IDC_WC_ALL_DAYS,        1028)  \
    X(kIdWcWeekly,            IDC_WC_WEEKLY,          1029)  \
    X(kIdWcDated,             IDC_WC_DATED,           1030)  \
    X(kIdWcFirstChannel,      IDC_WC_FIRST_CH,        1031)  \
    X(kIdWcLastChannel,       IDC_WC_LAST_CH,         1032)  \
    X(kIdWcIncrement,         IDC_WC_INCREMENT,       1033)  \
    X(kIdWcLevel,             IDC_WC_LEVEL,           1034)  \
    X(kIdTcFirstChannel,      IDC_TC_FIRST_CH,        1056)  \
    X(kIdTcLastChannel,       IDC_TC_LAST_CH,         1057)  \
    X(kIdTcIncrement,         IDC_TC_INCREMENT,       1058)  \
    X(kIdTcLevel,             IDC_TC_LEVEL,           1059)  \
    X(kIdTcStartHours,        IDC_TC_START_HOURS,     1060)  \
    X(kIdTcEndFrames,         IDC_TC_END_FRAMES,      1067)  \
    X(kIdMidiChannel,         IDC_MIDI_CHANNEL,       1081)  \
    X(kIdMidiNote,            IDC_MIDI_NOTE_NUMBER,   1082)  \
    X(kIdMidiNoteState,       IDC_MIDI_NOTE_STATE,    1083)  \
    X(kIdMidiFirstChannel,    IDC_MIDI_FIRST_CH,      1084)  \
    X(kIdMidiLastChannel,     IDC_MIDI_LAST_CH,       1085)  \
    X(kIdMidiIncrement,       IDC_MIDI_INCREMENT,     1086)  \
    X(kIdMidiLevel,           IDC_MIDI_LEVEL,         1087)  \
    X(kIdMidiAction,          IDC_MIDI_ACTION,        1088)  \
    X(kIdAudioSide,           IDC_AUDIO_SIDE,         1099)  \
    X(kIdAudioBand,           IDC_AUDIO_BAND,         1100)  \
    X(kIdAudioFirstChannel,   IDC_AUDIO_FIRST_CH,     1101)  \
    X(kIdAudioLastChannel,    IDC_AUDIO_LAST_CH,      1102)  \
    X(kIdAudioIncrement,      IDC_AUDIO_INCREMENT,    1103)  \
    X(kIdAudioPixelMode,      IDC_AUDIO_PIXEL_MODE,   1105)  \
    X(kIdRelayChannel,        IDC_RELAY_DMX_CH,       1105)  \
    X(kIdRelayLowLevel,       IDC_RELAY_LOW_LEVEL,    1115)  \
    X(kIdRelayHighLevel,      IDC_RELAY_HIGH_LEVEL,   1116)  \
    X(kIdRelayNumber,         IDC_RELAY_NUMBER,       1117)  \
    X(kIdRelayState,          IDC_RELAY_STATE,        1118)  \
    X(kIdSensorContact,       IDC_SENSOR_CONTACT,     1134)  \
    X(kIdSensorOutput,        IDC_SENSOR_OUTPUT,      1139)  \
    X(kIdSensorLabelA,        IDC_SENSOR_LABEL_A,     1128)  \
    X(kIdSensorFieldA,        IDC_SENSOR_FIELD_A,     1135)  \
    X(kIdSensorLabelB,        IDC_SENSOR_LABEL_B,     1130)  \
    X(kIdSensorFieldB,        IDC_SENSOR_FIELD_B,     1136)  \
    X(kIdSensorLabelC,        IDC_SENSOR_LABEL_C,     1131)  \
    X(kIdSensorLabelD,        IDC_SENSOR_LABEL_D,     1132)  \
    X(kIdSensorLastChannel,   IDC_SENSOR_LAST_CH,     1137)  \
    X(kIdSensorLevel,         IDC_SENSOR_LEVEL,       1138)  \
    X(kIdSensorSetting1,      IDC_SENSOR_SETTING_1,   1140)  \
    X(kIdSensorSetting2,      IDC_SENSOR_SETTING_2,   1015)  \
    X(kIdAnalogInput,         IDC_ANALOG_INPUT,       1139)  \
    X(kIdAnalogOutput,        IDC_ANALOG_OUTPUT,      1152)  \
    X(kIdAnalogLabelA,        IDC_ANALOG_LABEL_A,     1148)  \
    X(kIdAnalogFieldA,        IDC_ANALOG_FIELD_A,     1153)  \
    X(kIdAnalogLabelB,        IDC_ANALOG_LABEL_B,     1149)  \
    X(kIdAnalogFieldB,        IDC_ANALOG_FIELD_B,     1154)  \
    X(kIdAnalogLabelC,        IDC_ANALOG_LABEL_C,     1150)  \
    X(kIdAnalogLabelD,        IDC_ANALOG_LABEL_D,     1151)  \
    X(kIdAnalogLastChannel,   IDC_ANALOG_LAST_CH,     1155)  \
    X(kIdAnalogLevel,         IDC_ANALOG_LEVEL,       1156)  \
    X(kIdAnalogLowVolts,      IDC_ANALOG_LOW_VOLTS,   1140)  \
    X(kIdAnalogHighVolts,     IDC_ANALOG_HIGH_VOLTS,  1015)
// clang-format on

namespace corvane {

#define CORVANE_DECLARE_ID(constant, name, value) inline constexpr int constant = value;
CORVANE_SKIN_IDS(CORVANE_DECLARE_ID)
#undef CORVANE_DECLARE_ID

// An id as the skin's Resource.h names it.
struct SkinId {
    std::string_view name;
    int value;
};

inline constexpr SkinId kSkinIds[] = {
#define CORVANE_NAME_ID(constant, name, value) {#name, value},
    CORVANE_SKIN_IDS(CORVANE_NAME_ID)
#undef CORVANE_NAME_ID
};

// The controls the code creates itself; no skin names them.
inline constexpr int kIdEventList = 102;
inline constexpr int kIdStartDatePicker = 104;
inline constexpr int kIdEndDatePicker = 105;
inline constexpr int kIdStartTimePicker = 106;
inline constexpr int kIdEndTimePicker = 107;
// Timecode spin buttons, in the order of their read-outs kIdTcStartHours ..
// kIdTcEndFrames.
inline constexpr int kIdTcFirstSpin = 110;
inline constexpr int kIdSensorSetting1Spin = 111;
inline constexpr int kIdSensorSetting2Spin = 112;
inline constexpr int kIdProgressBar = 118;

// The selector button of each kind, in kind order.
inline constexpr int kSelectorIds[] = {
    kIdSelectWeekClock, kIdSelectTimecode, kIdSelectMidi,   kIdSelectAudio,
    kIdSelectRelay,     kIdSelectSensor,   kIdSelectAnalog,
};
static_assert(std::size(kSelectorIds) == kEventKindCount, "one selector per kind");

} // namespace corvane
