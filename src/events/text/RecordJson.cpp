#include "events/text/RecordJson.h"

#include <tuple>

namespace corvane::text {

namespace {

using Names = std::span<const std::string_view>;

constexpr std::string_view kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
constexpr std::string_view kOnOff[] = {"on", "off"};
constexpr std::string_view kOffOn[] = {"off", "on"};
constexpr std::string_view kMidiActions[] = {"Hold", "INC", "DEC", "Toggle"};
constexpr std::string_view kAudioSides[] = {"Left", "Right", "All"};
constexpr std::string_view kAudioBands[] = {"16kHz",  "10.7kHz", "6.3kHz", "4.2kHz", "2.5kHz",
                                            "1.7kHz", "1kHz",    "670Hz",  "400Hz",  "265Hz",
                                            "160Hz",  "107Hz",   "63Hz",   "42Hz"};
constexpr std::string_view kPixelModes[] = {"One Pixel", "More Pixel"};
constexpr std::string_view kSensorActions[] = {"DMX", "Relay", "Audio"};
constexpr std::string_view kAnalogActions[] = {"DMX", "Relay"};
constexpr std::string_view kAudioInput[] = {"Enable", "Disable"};

constexpr TextPart kClock[] = {{"hour", 0, 23}, {"minute", 0, 59}, {"second", 0, 59}};
constexpr TextPart kTimecode[] = {
    {"hours", 0, 23}, {"minutes", 0, 59}, {"seconds", 0, 59}, {"frames", 0, 29}};
constexpr TextPart kDate[] = {{"month", 1, 12}, {"day", 1, 31}};

constexpr unsigned kMaxChannel = 512;
constexpr std::uint8_t kMidiAllChannels = 17;
constexpr std::uint8_t kNoteOn = 0xFF;

// The DMX part every channel-driving kind shares.
struct Channels {
    std::uint16_t first = 0;
    std::uint16_t last = 0;
    std::uint8_t increment = 0;
};

void PutChannels(Json& j, unsigned first, unsigned last, unsigned increment) {
    j["firstChannel"] = first;
    j["lastChannel"] = last;
    j["increment"] = increment;
}

// lastNotBelowFirst: the kind's add refuses a last channel below the first.
Channels ReadChannels(JsonFields& f, bool lastNotBelowFirst) {
    Channels c;
    c.first = f.number<std::uint16_t>("firstChannel", 1, kMaxChannel);
    c.last = f.number<std::uint16_t>("lastChannel", 1, kMaxChannel);
    c.increment = f.number<std::uint8_t>("increment", 1, 255);
    if (lastNotBelowFirst && c.last < c.first)
        throw FieldError{"lastChannel", std::to_string(c.last) + " is below the first channel " +
                                            std::to_string(c.first)};
    return c;
}

std::uint8_t ReadLevel(JsonFields& f) {
    return f.number<std::uint8_t>("level", 0, 255);
}

std::string Clock(std::uint8_t a, std::uint8_t b, std::uint8_t c) {
    const std::uint8_t values[] = {a, b, c};
    return PartsText(values, ':');
}

std::array<std::uint8_t, 3> ReadClock(JsonFields& f, std::string_view field) {
    const auto v = f.parts(field, ':', kClock, "a time HH:MM:SS");
    return {v[0], v[1], v[2]};
}

std::string DateText(std::uint8_t month, std::uint8_t day) {
    const std::uint8_t values[] = {month, day};
    return PartsText(values, '-');
}

// A month-day date; the year is not stored, so 29 February is a date.
std::array<std::uint8_t, 2> ReadDate(JsonFields& f, std::string_view field) {
    constexpr unsigned kMonthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const auto v = f.parts(field, '-', kDate, "a date MM-DD");
    if (f.ranges() == Ranges::Offered && v[1] > kMonthDays[v[0] - 1])
        throw FieldError{std::string(field), "day " + std::to_string(v[1]) + " is not in month " +
                                                 std::to_string(v[0])};
    return {v[0], v[1]};
}

void PutWeekClockTail(Json& j, const WeekClockRecord& r) {
    PutChannels(j, r.firstChannel, r.lastChannel, r.increment);
    j["level"] = r.level;
}

void ReadWeekClockTail(JsonFields& f, WeekClockRecord& r) {
    const Channels c = ReadChannels(f, true);
    r.firstChannel = c.first;
    r.lastChannel = c.last;
    r.increment = c.increment;
    r.level = ReadLevel(f);
}

// Relay targets as the sensor and analog panels set them: relay 1..8 and a
// state kept in the increment byte.
void PutRelayTarget(Json& j, unsigned relay, unsigned state) {
    j["relay"] = relay;
    j["state"] = ChoiceValue(kOffOn, 0, state);
}

} // namespace

Json WeeklyToJson(const WeekClockRecord& r) {
    Json j;
    j["name"] = Latin1ToUtf8(r.name);
    j["weekday"] = ChoiceValue(kWeekdays, 1, r.startWeekday);
    j["startTime"] = Clock(r.startHour, r.startMinute, r.startSecond);
    j["endTime"] = Clock(r.endHour, r.endMinute, r.endSecond);
    PutWeekClockTail(j, r);
    return j;
}

Json DatedToJson(const WeekClockRecord& r) {
    Json j;
    j["name"] = Latin1ToUtf8(r.name);
    j["startDate"] = DateText(r.startMonth, r.startDay);
    j["startWeekday"] = ChoiceValue(kWeekdays, 1, r.startWeekday);
    j["startTime"] = Clock(r.startHour, r.startMinute, r.startSecond);
    j["endDate"] = DateText(r.endMonth, r.endDay);
    j["endWeekday"] = ChoiceValue(kWeekdays, 1, r.endWeekday);
    j["endTime"] = Clock(r.endHour, r.endMinute, r.endSecond);
    PutWeekClockTail(j, r);
    return j;
}

// The end weekday follows from the times as the add sets it: the same day when
// the window starts before it ends, else the next one (Saturday: Sunday).
WeekClockRecord WeeklyFromJson(JsonFields& f) {
    WeekClockRecord r;
    r.name = f.name();
    r.startWeekday = f.choice("weekday", kWeekdays, 1);
    std::tie(r.startHour, r.startMinute, r.startSecond) = std::tuple_cat(ReadClock(f, "startTime"));
    std::tie(r.endHour, r.endMinute, r.endSecond) = std::tuple_cat(ReadClock(f, "endTime"));
    const bool sameDay = std::tie(r.startHour, r.startMinute, r.startSecond) <
                         std::tie(r.endHour, r.endMinute, r.endSecond);
    r.endWeekday = sameDay ? r.startWeekday : static_cast<std::uint8_t>(r.startWeekday % 7 + 1);
    ReadWeekClockTail(f, r);
    return r;
}

WeekClockRecord DatedFromJson(JsonFields& f) {
    WeekClockRecord r;
    r.entryFlag = 1;
    r.name = f.name();
    std::tie(r.startMonth, r.startDay) = std::tuple_cat(ReadDate(f, "startDate"));
    r.startWeekday = f.choice("startWeekday", kWeekdays, 1);
    std::tie(r.startHour, r.startMinute, r.startSecond) = std::tuple_cat(ReadClock(f, "startTime"));
    std::tie(r.endMonth, r.endDay) = std::tuple_cat(ReadDate(f, "endDate"));
    r.endWeekday = f.choice("endWeekday", kWeekdays, 1);
    std::tie(r.endHour, r.endMinute, r.endSecond) = std::tuple_cat(ReadClock(f, "endTime"));
    // Without a year only a window within one day can be seen to end too early.
    const bool sameDate = r.startMonth == r.endMonth && r.startDay == r.endDay;
    if (f.ranges() == Ranges::Offered && sameDate &&
        std::tie(r.endHour, r.endMinute, r.endSecond) <=
            std::tie(r.startHour, r.startMinute, r.startSecond))
        throw FieldError{"endTime", "is not after the start time on the same date"};
    ReadWeekClockTail(f, r);
    return r;
}

Json ToJson(const TimecodeRecord& r) {
    const std::uint8_t start[] = {r.startHours, r.startMinutes, r.startSeconds, r.startFrames};
    const std::uint8_t end[] = {r.endHours, r.endMinutes, r.endSeconds, r.endFrames};
    Json j;
    j["name"] = Latin1ToUtf8(r.name);
    j["start"] = PartsText(start, ':');
    j["end"] = PartsText(end, ':');
    PutChannels(j, r.firstChannel, r.lastChannel, r.increment);
    j["level"] = r.level;
    return j;
}

void FromJson(JsonFields& f, TimecodeRecord& r) {
    r.name = f.name();
    const auto start = f.parts("start", ':', kTimecode, "a timecode HH:MM:SS:FF");
    const auto end = f.parts("end", ':', kTimecode, "a timecode HH:MM:SS:FF");
    std::tie(r.startHours, r.startMinutes, r.startSeconds, r.startFrames) =
        std::tie(start[0], start[1], start[2], start[3]);
    std::tie(r.endHours, r.endMinutes, r.endSeconds, r.endFrames) =
        std::tie(end[0], end[1], end[2], end[3]);
    const Channels c = ReadChannels(f, true);
    std::tie(r.firstChannel, r.lastChannel, r.increment) = std::tie(c.first, c.last, c.increment);
    r.level = ReadLevel(f);
}

Json ToJson(const MidiRecord& r) {
    Json j;
    j["name"] = Latin1ToUtf8(r.name);
    j["midiChannel"] = r.channel == kMidiAllChannels ? Json("all") : Json(r.channel);
    j["note"] = r.note;
    j["noteState"] = r.noteState == kNoteOn ? Json("on")
                     : r.noteState == 0     ? Json("off")
                                            : Json(r.noteState);
    j["action"] = ChoiceValue(kMidiActions, 0, r.action);
    PutChannels(j, r.firstChannel, r.lastChannel, r.increment);
    j["level"] = r.level;
    return j;
}

void FromJson(JsonFields& f, MidiRecord& r) {
    constexpr std::string_view kAll[] = {"all"};
    r.name = f.name();
    r.channel = f.isText("midiChannel") ? f.choice("midiChannel", kAll, kMidiAllChannels)
                                        : f.number<std::uint8_t>("midiChannel", 1, 16);
    r.note = f.number<std::uint8_t>("note", 1, 128);
    r.noteState = f.choice("noteState", kOffOn, 0) == 1 ? kNoteOn : 0;
    r.action = f.choice("action", kMidiActions, 0);
    const Channels c = ReadChannels(f, true);
    std::tie(r.firstChannel, r.lastChannel, r.increment) = std::tie(c.first, c.last, c.increment);
    r.level = ReadLevel(f);
}

Json ToJson(const AudioRecord& r) {
    Json j;
    j["name"] = Latin1ToUtf8(r.name);
    j["side"] = ChoiceValue(kAudioSides, 0, r.side);
    j["band"] = ChoiceValue(kAudioBands, 1, r.band);
    PutChannels(j, r.firstChannel, r.lastChannel, r.increment);
    j["pixelMode"] = ChoiceValue(kPixelModes, 0, r.pixelMode);
    return j;
}

void FromJson(JsonFields& f, AudioRecord& r) {
    r.name = f.name();
    r.side = f.choice("side", kAudioSides, 0);
    r.band = f.choice("band", kAudioBands, 1);
    const Channels c = ReadChannels(f, false);
    std::tie(r.firstChannel, r.lastChannel, r.increment) = std::tie(c.first, c.last, c.increment);
    r.pixelMode = r.pixelModeCopy = f.choice("pixelMode", kPixelModes, 0);
}

Json ToJson(const RelayRecord& r) {
    Json j;
    j["name"] = Latin1ToUtf8(r.name);
    j["channel"] = r.channel;
    j["levelLow"] = r.levelLow;
    j["levelHigh"] = r.levelHigh;
    j["relay"] = r.relayNumber;
    j["state"] = ChoiceValue(kOnOff, 0, r.relayStatus);
    return j;
}

void FromJson(JsonFields& f, RelayRecord& r) {
    r.name = f.name();
    r.channel = f.number<std::uint16_t>("channel", 1, kMaxChannel);
    r.levelLow = f.number<std::uint8_t>("levelLow", 0, 255);
    r.levelHigh = f.number<std::uint8_t>("levelHigh", 0, 255);
    r.relayNumber = f.number<std::uint8_t>("relay", 1, 8);
    r.relayStatus = f.choice("state", kOnOff, 0);
}

Json ToJson(const SensorRecord& r) {
    Json j;
    j["name"] = Latin1ToUtf8(r.name);
    j["contact"] = r.contact + 1;
    j["firstSetting"] = r.firstSetting;
    j["secondSetting"] = r.secondSetting;
    j["action"] = ChoiceValue(kSensorActions, 0, r.actionType);
    switch (r.actionType) {
    case 0:
        PutChannels(j, r.target, r.lastChannel, r.increment);
        j["level"] = r.level;
        break;
    case 1:
        PutRelayTarget(j, r.target, r.increment);
        break;
    case 2:
        j["audio"] = ChoiceValue(kAudioInput, 0, r.target);
        break;
    }
    return j;
}

void FromJson(JsonFields& f, SensorRecord& r) {
    r.name = f.name();
    r.contact = static_cast<std::uint8_t>(f.number<std::uint16_t>("contact", 1, 8) - 1);
    r.firstSetting = f.number<std::uint8_t>("firstSetting", 0, 59);
    r.secondSetting = f.number<std::uint8_t>("secondSetting", 0, 59);
    r.actionType = f.choice("action", kSensorActions, 0);
    switch (r.actionType) {
    case 0: {
        const Channels c = ReadChannels(f, false);
        std::tie(r.target, r.lastChannel, r.increment) = std::tie(c.first, c.last, c.increment);
        r.level = ReadLevel(f);
        break;
    }
    case 1:
        r.target = f.number<std::uint16_t>("relay", 1, 8);
        r.increment = f.choice("state", kOffOn, 0);
        break;
    case 2:
        r.target = f.choice("audio", kAudioInput, 0);
        break;
    }
}

Json ToJson(const AnalogRecord& r) {
    Json j;
    j["name"] = Latin1ToUtf8(r.name);
    j["input"] = r.input + 1;
    j["low"] = VoltageText(r.lowVolts, r.lowHundredths);
    j["high"] = VoltageText(r.highVolts, r.highHundredths);
    j["action"] = ChoiceValue(kAnalogActions, 0, r.action);
    switch (r.action) {
    case 0:
        PutChannels(j, r.target, r.lastChannel, r.increment);
        j["level"] = r.level;
        break;
    case 1:
        PutRelayTarget(j, r.target, r.increment);
        break;
    }
    return j;
}

// The voltage rule of the analog panel: the high voltage at most 10.00 and not
// below the low one, compared part by part.
void FromJson(JsonFields& f, AnalogRecord& r) {
    r.name = f.name();
    r.input = static_cast<std::uint8_t>(f.number<std::uint16_t>("input", 1, 4) - 1);
    std::tie(r.lowVolts, r.lowHundredths) = std::tuple_cat(f.voltage("low"));
    std::tie(r.highVolts, r.highHundredths) = std::tuple_cat(f.voltage("high"));
    if (f.ranges() == Ranges::Offered) {
        if (r.highVolts > 10 || (r.highVolts == 10 && r.highHundredths > 0))
            throw FieldError{"high", "is above 10.00"};
        if (std::tie(r.highVolts, r.highHundredths) < std::tie(r.lowVolts, r.lowHundredths))
            throw FieldError{"high", "is below the low voltage"};
    }
    r.action = f.choice("action", kAnalogActions, 0);
    switch (r.action) {
    case 0: {
        const Channels c = ReadChannels(f, false);
        std::tie(r.target, r.lastChannel, r.increment) = std::tie(c.first, c.last, c.increment);
        r.level = ReadLevel(f);
        break;
    }
    case 1:
        r.target = f.number<std::uint16_t>("relay", 1, 8);
        r.increment = f.choice("state", kOffOn, 0);
        break;
    }
}

} // namespace corvane::text
