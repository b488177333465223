// Corvane default skin: the numbers behind the names used in the.ui.
//
// Window sections are named after the window's skin number, control sections
// give their control's id by name. Names are looked up as substrings from the
// top of this file, so no name may appear inside a name defined above it.
// Keep one plain "name value" pair per line: a single blank before the value
// and no trailing comment.

// Windows
#define SKIN_MAIN 1000
#define SKIN_WEEKCLOCK 1020
#define SKIN_TIMECODE 1055
#define SKIN_MIDI 1080
#define SKIN_AUDIO 1098
#define SKIN_RELAY 1114
#define SKIN_SENSOR 1125
#define SKIN_ANALOG 1142

// Main window: commands, kind selectors, the event-name field and the schedule
#define IDC_MINIMISE 1001
#define IDC_CLOSE 1003
#define IDC_ADD_EVENT 1004
#define IDC_DELETE_EVENT 1005
#define IDC_RECEIVE 1006
#define IDC_SEND 1007
#define IDC_KIND_WEEKCLOCK 1008
#define IDC_KIND_TIMECODE 1009
#define IDC_KIND_MIDI 1010
#define IDC_KIND_AUDIO 1011
#define IDC_CLEAR_EVENTS 1012
#define IDC_IMPORT 1013
#define IDC_EXPORT 1014
#define IDC_EVENT_NAME 1015
#define IDC_KIND_SENSOR 1016
#define IDC_KIND_RELAY 1017
#define IDC_EMPTY_TABLE 1018
#define IDC_KIND_ANALOG 1019
#define IDC_SCHEDULE 1002

// Week-clock panel
#define IDC_WC_MONDAY 1021
#define IDC_WC_TUESDAY 1022
#define IDC_WC_WEDNESDAY 1023
#define IDC_WC_THURSDAY 1024
#define IDC_WC_FRIDAY 1025
#define IDC_WC_SATURDAY 1026
#define IDC_WC_SUNDAY 1027
#define IDC_WC_ALL_DAYS 1028
#define IDC_WC_WEEKLY 1029
#define IDC_WC_DATED 1030
#define IDC_WC_FIRST_CH 1031
#define IDC_WC_LAST_CH 1032
#define IDC_WC_INCREMENT 1033
#define IDC_WC_LEVEL 1034

// Timecode panel
#define IDC_TC_FIRST_CH 1056
#define IDC_TC_LAST_CH 1057
#define IDC_TC_INCREMENT 1058
#define IDC_TC_LEVEL 1059
#define IDC_TC_START_HOURS 1060
#define IDC_TC_START_MINUTES 1061
#define IDC_TC_START_SECONDS 1062
#define IDC_TC_START_FRAMES 1063
#define IDC_TC_END_HOURS 1064
#define IDC_TC_END_MINUTES 1065
#define IDC_TC_END_SECONDS 1066
#define IDC_TC_END_FRAMES 1067

// MIDI panel
#define IDC_MIDI_CHANNEL 1081
#define IDC_MIDI_NOTE_NUMBER 1082
#define IDC_MIDI_NOTE_STATE 1083
#define IDC_MIDI_FIRST_CH 1084
#define IDC_MIDI_LAST_CH 1085
#define IDC_MIDI_INCREMENT 1086
#define IDC_MIDI_LEVEL 1087
#define IDC_MIDI_ACTION 1088

// Audio panel
#define IDC_AUDIO_SIDE 1099
#define IDC_AUDIO_BAND 1100
#define IDC_AUDIO_FIRST_CH 1101
#define IDC_AUDIO_LAST_CH 1102
#define IDC_AUDIO_INCREMENT 1103
#define IDC_AUDIO_PIXEL_MODE 1105

// Relay panel
#define IDC_RELAY_DMX_CH 1105
#define IDC_RELAY_LOW_LEVEL 1115
#define IDC_RELAY_HIGH_LEVEL 1116
#define IDC_RELAY_NUMBER 1117
#define IDC_RELAY_STATE 1118

// Sensor panel
#define IDC_SENSOR_CONTACT 1134
#define IDC_SENSOR_OUTPUT 1139
#define IDC_SENSOR_LABEL_A 1128
#define IDC_SENSOR_FIELD_A 1135
#define IDC_SENSOR_LABEL_B 1130
#define IDC_SENSOR_FIELD_B 1136
#define IDC_SENSOR_LABEL_C 1131
#define IDC_SENSOR_LABEL_D 1132
#define IDC_SENSOR_LAST_CH 1137
#define IDC_SENSOR_LEVEL 1138
#define IDC_SENSOR_SETTING_1 1140
#define IDC_SENSOR_SETTING_2 1015

// Analog panel
#define IDC_ANALOG_INPUT 1139
#define IDC_ANALOG_OUTPUT 1152
#define IDC_ANALOG_LABEL_A 1148
#define IDC_ANALOG_FIELD_A 1153
#define IDC_ANALOG_LABEL_B 1149
#define IDC_ANALOG_FIELD_B 1154
#define IDC_ANALOG_LABEL_C 1150
#define IDC_ANALOG_LABEL_D 1151
#define IDC_ANALOG_LAST_CH 1155
#define IDC_ANALOG_LEVEL 1156
#define IDC_ANALOG_LOW_VOLTS 1140
#define IDC_ANALOG_HIGH_VOLTS 1015
