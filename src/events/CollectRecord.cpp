#include "events/CollectRecord.h"

#include "events/TextNumbers.h"

namespace corvane {

namespace {

std::uint8_t Byte(std::int64_t value) {
    return static_cast<std::uint8_t>(value);
}
std::uint16_t Word(std::int64_t value) {
    return static_cast<std::uint16_t>(value);
}

std::uint8_t TextByte(const PanelValues& panel, int id) {
    return Byte(TextToNumber(panel.text(id)));
}
std::uint16_t TextWord(const PanelValues& panel, int id) {
    return Word(TextToNumber(panel.text(id)));
}
std::uint8_t SelectionByte(const PanelValues& panel, int id) {
    return Byte(panel.selection(id));
}

// The channel range of a record that drives DMX channels, from four text boxes.
template <typename Record>
void ReadChannelRange(const PanelValues& panel, Record& r, int firstId, int lastId, int incrementId,
                      int levelId) {
    r.firstChannel = TextWord(panel, firstId);
    r.lastChannel = TextWord(panel, lastId);
    r.increment = TextByte(panel, incrementId);
    r.level = TextByte(panel, levelId);
}

// The target fields of a sensor or analog record for action 0 (DMX: the texts of
// the four boxes) or 1 (Relay: the relay item of the target box and the state
// item of the second box).
template <typename Record>
void ReadActionTarget(const PanelValues& panel, int action, Record& r, int targetId, int lastId,
                      int secondId, int levelId) {
    if (action == 0) {
        r.target = TextWord(panel, targetId);
        r.lastChannel = TextWord(panel, lastId);
        r.increment = TextByte(panel, secondId);
        r.level = TextByte(panel, levelId);
    } else if (action == 1) {
        r.target = Word(panel.selection(targetId) + 1);
        r.increment = SelectionByte(panel, secondId);
    }
}

template <typename Record> CollectedBytes Encoded(const Collected<Record>& collected) {
    const auto bytes = collected.record.encode();
    return {std::vector<std::uint8_t>(bytes.begin(), bytes.end()), collected.acceptable};
}

} // namespace

Collected<WeekClockRecord> CollectWeekClock(PanelValues& panel) {
    panel.refresh();
    const PickerValues p = panel.pickers();
    WeekClockRecord r;
    r.startMonth = Byte(p.startDate.month);
    r.startDay = Byte(p.startDate.day);
    r.startWeekday = Byte(p.startDate.weekday + 1);
    r.startHour = Byte(p.startTime.hour);
    r.startMinute = Byte(p.startTime.minute);
    r.startSecond = Byte(p.startTime.second);
    r.endMonth = Byte(p.endDate.month);
    r.endDay = Byte(p.endDate.day);
    r.endWeekday = Byte(p.endDate.weekday + 1);
    r.endHour = Byte(p.endTime.hour);
    r.endMinute = Byte(p.endTime.minute);
    r.endSecond = Byte(p.endTime.second);
    ReadChannelRange(panel, r, ids::kWeekFirstChannel, ids::kWeekLastChannel, ids::kWeekIncrement,
                     ids::kWeekLevel);
    return {r, r.lastChannel >= r.firstChannel};
}

Collected<TimecodeRecord> CollectTimecode(PanelValues& panel) {
    panel.refresh();
    TimecodeRecord r;
    r.startHours = TextByte(panel, ids::kTcStart);
    r.startMinutes = TextByte(panel, ids::kTcStart + 1);
    r.startSeconds = TextByte(panel, ids::kTcStart + 2);
    r.startFrames = TextByte(panel, ids::kTcStart + 3);
    r.endHours = TextByte(panel, ids::kTcStart + 4);
    r.endMinutes = TextByte(panel, ids::kTcStart + 5);
    r.endSeconds = TextByte(panel, ids::kTcStart + 6);
    r.endFrames = TextByte(panel, ids::kTcStart + 7);
    ReadChannelRange(panel, r, ids::kTcFirstChannel, ids::kTcLastChannel, ids::kTcIncrement,
                     ids::kTcLevel);
    return {r, r.lastChannel >= r.firstChannel};
}

Collected<MidiRecord> CollectMidi(PanelValues& panel) {
    panel.refresh();
    MidiRecord r;
    // Items "1".."16" then "All Channel" (17); no selection counts as channel 1.
    const int channelItem = panel.selection(ids::kMidiChannel);
    r.channel = Byte(channelItem >= 1 && channelItem <= 17 ? channelItem + 1 : 1);
    r.note = TextByte(panel, ids::kMidiNote);
    // Items "ON", "OFF": only "OFF" (or a later item) switches the note off.
    r.noteState = panel.selection(ids::kMidiOnOff) > 0 ? 0x00 : 0xFF;
    r.action = SelectionByte(panel, ids::kMidiAction);
    ReadChannelRange(panel, r, ids::kMidiFirstChannel, ids::kMidiLastChannel, ids::kMidiIncrement,
                     ids::kMidiLevel);
    return {r, r.lastChannel >= r.firstChannel};
}

Collected<AudioRecord> CollectAudio(PanelValues& panel) {
    panel.refresh();
    AudioRecord r;
    r.side = SelectionByte(panel, ids::kAudioSide);
    r.band = Byte(panel.selection(ids::kAudioBand) + 1);
    r.firstChannel = TextWord(panel, ids::kAudioFirstChannel);
    r.lastChannel = TextWord(panel, ids::kAudioLastChannel);
    r.increment = TextByte(panel, ids::kAudioIncrement);
    r.pixelMode = SelectionByte(panel, ids::kAudioPixelMode);
    r.pixelModeCopy = r.pixelMode;
    return {r, true};
}

Collected<RelayRecord> CollectRelay(PanelValues& panel) {
    panel.refresh();
    RelayRecord r;
    r.channel = TextWord(panel, ids::kRelayChannel);
    r.levelLow = TextByte(panel, ids::kRelayLow);
    r.levelHigh = TextByte(panel, ids::kRelayHigh);
    const std::uint8_t relay = TextByte(panel, ids::kRelayNumber);
    r.relayNumber = relay > 8 ? 8 : relay;
    r.relayStatus = SelectionByte(panel, ids::kRelayStatus);
    return {r, true};
}

Collected<SensorRecord> CollectSensor(PanelValues& panel) {
    panel.refresh();
    SensorRecord r;
    r.contact = SelectionByte(panel, ids::kSensorContact);
    r.firstSetting = TextByte(panel, ids::kSensorFirstSetting);
    r.secondSetting = TextByte(panel, ids::kSensorSecondSetting);
    const int action = panel.selection(ids::kSensorAction);
    r.actionType = Byte(action);
    ReadActionTarget(panel, action, r, ids::kSensorTarget, ids::kSensorLastChannel,
                     ids::kSensorSecond, ids::kSensorLevel);
    if (action == 2) // Audio: enable or disable
        r.target = Word(panel.selection(ids::kSensorTarget));
    return {r, true};
}

Collected<AnalogRecord> CollectAnalog(PanelValues& panel) {
    panel.refresh();
    AnalogRecord r;
    const int action = panel.selection(ids::kAnalogAction);
    r.action = Byte(action);
    ReadActionTarget(panel, action, r, ids::kAnalogTarget, ids::kAnalogLastChannel,
                     ids::kAnalogSecond, ids::kAnalogLevel);
    r.input = SelectionByte(panel, ids::kAnalogInput);
    const Voltage low = TextToVoltage(panel.text(ids::kAnalogLow));
    const Voltage high = TextToVoltage(panel.text(ids::kAnalogHigh));
    r.lowVolts = low.whole;
    r.lowHundredths = low.hundredths;
    r.highVolts = high.whole;
    r.highHundredths = high.hundredths;

    // At most 10.00 V, and the high end not below the low end.
    const bool aboveLimit = r.highVolts > 10 || (r.highVolts == 10 && r.highHundredths > 0);
    const bool reversed = r.highVolts < r.lowVolts ||
                          (r.highVolts == r.lowVolts && r.lowHundredths > r.highHundredths);
    return {r, !aboveLimit && !reversed};
}

CollectedBytes CollectRecord(EventKind kind, PanelValues& panel) {
    switch (kind) {
    case EventKind::WeekClock:
        return Encoded(CollectWeekClock(panel));
    case EventKind::Timecode:
        return Encoded(CollectTimecode(panel));
    case EventKind::Midi:
        return Encoded(CollectMidi(panel));
    case EventKind::Audio:
        return Encoded(CollectAudio(panel));
    case EventKind::Relay:
        return Encoded(CollectRelay(panel));
    case EventKind::Sensor:
        return Encoded(CollectSensor(panel));
    case EventKind::Analog:
        return Encoded(CollectAnalog(panel));
    }
    return {};
}

} // namespace corvane
