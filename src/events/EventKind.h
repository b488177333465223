#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

// The seven event kinds, in the order used everywhere: selector index, file set,
// controller commands, dispatch.
enum class EventKind : std::uint8_t {
    WeekClock = 0,
    Timecode = 1,
    Midi = 2,
    Audio = 3,
    Relay = 4,
    Sensor = 5,
    Analog = 6,
};

inline constexpr std::size_t kEventKindCount = 7;

inline constexpr std::array<EventKind, kEventKindCount> kAllEventKinds = {
    EventKind::WeekClock, EventKind::Timecode, EventKind::Midi,   EventKind::Audio,
    EventKind::Relay,     EventKind::Sensor,   EventKind::Analog,
};

// Where an added record of a kind goes (see EventPlacement.h).
enum class PlacementRule : std::uint8_t {
    ByKey,         // in place of the entry with the same key, else appended
    ByStart,       // sorted by start, the newest of equal starts first
    WeeklyOrDated, // weekly entries, then dated ones, each group sorted by start
};

// Everything that differs between the kinds as data, one row per kind in
// EventKind order. The record, its form and its list text are reached through
// VisitKind (events/EventKinds.h), which checks each row against its record.
struct EventKindInfo {
    EventKind kind;
    std::string_view cliName;      // "weekclock" ... as corvanectl accepts it
    std::string_view fileName;     // event file in the event folder, e.g. "midiEvent.bin"
    std::size_t recordSize;        // bytes per record
    std::size_t nameOffset;        // offset of the event name inside a record
    std::string_view extension;    // exchange-file extension without the dot
    std::string_view dialogFilter; // "Name(*.x)|*.x|All Files(*.*)|*.*||"
    std::uint8_t announceCommand;  // controller packet that announces a table
    std::uint8_t requestCommand;   // controller packet that requests a table
    std::uint32_t maxEntries;      // most entries a file may hold: header + records fit 16 bits
    PlacementRule placement;
};

// The largest table the controller takes: its length travels as 16 bits.
inline constexpr std::uint32_t kMaxTableLength = 65535;
inline constexpr std::size_t kEventFileHeaderSize = 16;

inline constexpr std::uint32_t MaxEntriesFor(std::size_t recordSize) {
    return static_cast<std::uint32_t>((kMaxTableLength - kEventFileHeaderSize) / recordSize);
}

inline constexpr std::array<EventKindInfo, kEventKindCount> kEventKindTable = {{
    {EventKind::WeekClock, "weekclock", "EventWeekInfo.bin", 48, 19, "trc",
     "Real Time Clock(*.trc)|*.trc|All Files(*.*)|*.*||", 0xA4, 0xA0, MaxEntriesFor(48),
     PlacementRule::WeeklyOrDated},
    {EventKind::Timecode, "timecode", "tcEvent.bin", 40, 14, "tic",
     "Time Clock(*.tic)|*.tic|All Files(*.*)|*.*||", 0xA5, 0xA1, MaxEntriesFor(40),
     PlacementRule::ByStart},
    {EventKind::Midi, "midi", "midiEvent.bin", 36, 10, "mdi",
     "MIDI(*.mdi)|*.mdi|All Files(*.*)|*.*||", 0xA6, 0xA2, MaxEntriesFor(36), PlacementRule::ByKey},
    {EventKind::Audio, "audio", "audioEvent.bin", 36, 9, "aud",
     "Audio(*.aud)|*.aud|All Files(*.*)|*.*||", 0xA7, 0xA3, MaxEntriesFor(36),
     PlacementRule::ByKey},
    {EventKind::Relay, "relay", "relayEvent.bin", 32, 6, "rel",
     "Relay(*.rel)|*.rel|All Files(*.*)|*.*||", 0xAA, 0xA9, MaxEntriesFor(32),
     PlacementRule::ByKey},
    {EventKind::Sensor, "sensor", "sensorEvent.bin", 36, 10, "sen",
     "Sensor(*.sen)|*.sen|All Files(*.*)|*.*||", 0xAC, 0xAB, MaxEntriesFor(36),
     PlacementRule::ByKey},
    {EventKind::Analog, "analog", "analogEvent.bin", 40, 12, "alg",
     "Analog(*.alg)|*.alg|All Files(*.*)|*.*||", 0xAE, 0xAD, MaxEntriesFor(40),
     PlacementRule::ByKey},
}};

inline constexpr const EventKindInfo& InfoOf(EventKind kind) {
    return kEventKindTable[static_cast<std::size_t>(kind)];
}

// The week clock keeps its dated entries as a second group behind the weekly ones.
inline constexpr bool HasDatedGroup(EventKind kind) {
    return InfoOf(kind).placement == PlacementRule::WeeklyOrDated;
}

// The kind named by text: a cliName in any letter case, or its number "0".."6".
std::optional<EventKind> ParseEventKind(std::string_view text);

// The kind of a selector index 0..6.
std::optional<EventKind> EventKindFromIndex(int index);

} // namespace corvane
