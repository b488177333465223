#include "events/EventDescription.h"

#include "events/AnalogRecord.h"
#include "events/AudioRecord.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/SensorRecord.h"
#include "events/TimecodeRecord.h"
#include "events/WeekClockRecord.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <string_view>

namespace corvane {

namespace {

[[gnu::format(printf, 1, 2)]] std::string Printf(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return n < 0 ? std::string()
                 : std::string(buffer, std::min<std::size_t>(static_cast<std::size_t>(n),
                                                             sizeof buffer - 1));
}

// Fields print as their unsigned values.
unsigned U(unsigned value) {
    return value;
}

// The text of value in names (1-based when first is 1), or the number itself
// when the value has no text.
std::string_view NameOr(std::span<const std::string_view> names, unsigned value, unsigned first,
                        std::string& numberStore) {
    if (value >= first && value - first < names.size())
        return names[value - first];
    numberStore = std::to_string(value);
    return numberStore;
}

constexpr std::array<std::string_view, 7> kWeekdays = {"SUN", "MON", "TUE", "WED",
                                                       "THR", "FRI", "SAT"};

std::string DescribeWeekly(const WeekClockRecord& r) {
    std::string startNumber, endNumber;
    const auto startDay = NameOr(kWeekdays, r.startWeekday, 1, startNumber);
    const auto endDay = NameOr(kWeekdays, r.endWeekday, 1, endNumber);
    return ":(" + std::string(startDay) +
           Printf("/%2u:%2u:%2u", U(r.startHour), U(r.startMinute), U(r.startSecond)) + "to" +
           std::string(endDay) +
           Printf("/%2u:%2u:%2u) (Ch:%1uto%1u,i:%1u,l:%1u)", U(r.endHour), U(r.endMinute),
                  U(r.endSecond), U(r.firstChannel), U(r.lastChannel), U(r.increment), U(r.level));
}

std::string DescribeDated(const WeekClockRecord& r) {
    return Printf(":(%2u/%2u/%2u:%2u:%2uto%2u/%2u/%2u:%2u:%2u) DMX(ch:%1uto%1u,i:%1u,l:%1u)",
                  U(r.startMonth), U(r.startDay), U(r.startHour), U(r.startMinute),
                  U(r.startSecond), U(r.endMonth), U(r.endDay), U(r.endHour), U(r.endMinute),
                  U(r.endSecond), U(r.firstChannel), U(r.lastChannel), U(r.increment), U(r.level));
}

std::string DescribeTimecode(const TimecodeRecord& r) {
    return Printf(":T(%u/%u/%u:%u to %u/%u/%u:%u)-DMX(ch:%1uto%1u,i=%1u,l=%1u)", U(r.startHours),
                  U(r.startMinutes), U(r.startSeconds), U(r.startFrames), U(r.endHours),
                  U(r.endMinutes), U(r.endSeconds), U(r.endFrames), U(r.firstChannel),
                  U(r.lastChannel), U(r.increment), U(r.level));
}

std::string DescribeMidi(const MidiRecord& r) {
    constexpr std::array<std::string_view, 4> kActions = {"Hold", "INC", "DEC", "Toggle"};
    const bool on = r.noteState != 0;
    const bool all = r.channel == 17;
    const std::string channels = Printf(" (Ch:%uto%u,i=%u,l=%u,", U(r.firstChannel),
                                        U(r.lastChannel), U(r.increment), U(r.level));
    std::string main;
    if (on)
        main = all ? Printf(":MIDI(ch:All,note:%u,On)", U(r.note))
                   : Printf(":MIDI(ch:%u,note:%u,On)", U(r.channel), U(r.note));
    else
        main = all ? Printf(":MIDI(All,node:%u,Off)", U(r.note))
                   : Printf(":MIDI(ch:%u,node:%u,Off)", U(r.channel), U(r.note));
    std::string number;
    return main + channels + std::string(NameOr(kActions, r.action, 0, number)) + ")";
}

std::string DescribeAudio(const AudioRecord& r) {
    constexpr std::array<std::string_view, 3> kSides = {"Left", "Right", "All"};
    constexpr std::array<std::string_view, 14> kBands = {
        "16KHz", "10.7KHz", "6.3KHz", "4.2KHz", "2.5KHz", "1.7KHz", "1KHz",
        "670Hz", "400Hz",   "265Hz",  "160Hz",  "107Hz",  "63Hz",   "42Hz"};
    std::string sideNumber, bandNumber;
    return ":(" + std::string(NameOr(kSides, r.side, 0, sideNumber)) + "," +
           std::string(NameOr(kBands, r.band, 1, bandNumber)) +
           Printf(") (Ch:%1uto%1u,i=%1u),(%1u,%1u)", U(r.firstChannel), U(r.lastChannel),
                  U(r.increment), U(r.pixelMode), U(r.pixelModeCopy));
}

std::string DescribeRelay(const RelayRecord& r) {
    return Printf(":ch=%1u Level(low:%1u,high:%1u)-Relay(No.=%1u:Status=%s)", U(r.channel),
                  U(r.levelLow), U(r.levelHigh), U(r.relayNumber),
                  r.relayStatus == 0 ? "On" : "Off");
}

std::string DescribeSensor(const SensorRecord& r) {
    const unsigned contact = U(r.contact) + 1;
    switch (r.actionType) {
    case 0:
        return Printf(":Contact%1u,(ch:%1uto%1u,i=%1u,L=%1u)", contact, U(r.target),
                      U(r.lastChannel), U(r.increment), U(r.level));
    case 1:
        return Printf(":Contact%1u,Relay%1u:%s", contact, U(r.target),
                      r.increment != 0 ? "On" : "Off");
    case 2:
        return Printf(":Contact%1u,Audio:%s", contact, r.target != 0 ? "Disable" : "Enable");
    default:
        return Printf(":Contact%1u,%u", contact, U(r.actionType));
    }
}

std::string DescribeAnalog(const AnalogRecord& r) {
    std::string line = Printf(":Analog%1u:V=%1u.", U(r.input) + 1, U(r.lowVolts));
    line +=
        Printf(r.lowHundredths < 10 ? "0%1u~%1u." : "%2u~%1u.", U(r.lowHundredths), U(r.highVolts));
    line += Printf(r.highHundredths < 10 ? "0%1u," : "%2u,", U(r.highHundredths));
    switch (r.action) {
    case 0:
        return line + Printf("(ch:%1uto%1u,i=%1u,L=%1u)", U(r.target), U(r.lastChannel),
                             U(r.increment), U(r.level));
    case 1:
        return line + Printf("Relay%1u:%s", U(r.target), r.increment != 0 ? "On" : "Off");
    default:
        return line + std::to_string(r.action);
    }
}

} // namespace

std::string DescribeEvent(EventKind kind, std::span<const std::uint8_t> record, bool weeklyView) {
    switch (kind) {
    case EventKind::WeekClock: {
        const auto r = WeekClockRecord::decode(record);
        return r.name + (weeklyView ? DescribeWeekly(r) : DescribeDated(r));
    }
    case EventKind::Timecode: {
        const auto r = TimecodeRecord::decode(record);
        return r.name + DescribeTimecode(r);
    }
    case EventKind::Midi: {
        const auto r = MidiRecord::decode(record);
        return r.name + DescribeMidi(r);
    }
    case EventKind::Audio: {
        const auto r = AudioRecord::decode(record);
        return r.name + DescribeAudio(r);
    }
    case EventKind::Relay: {
        const auto r = RelayRecord::decode(record);
        return r.name + DescribeRelay(r);
    }
    case EventKind::Sensor: {
        const auto r = SensorRecord::decode(record);
        return r.name + DescribeSensor(r);
    }
    case EventKind::Analog: {
        const auto r = AnalogRecord::decode(record);
        return r.name + DescribeAnalog(r);
    }
    }
    return {};
}

} // namespace corvane
