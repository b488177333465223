#include "events/conflicts/EventWarnings.h"

#include "events/AnalogRecord.h"
#include "events/AudioRecord.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/SensorRecord.h"
#include "events/TimecodeRecord.h"
#include "events/WeekClockRecord.h"

namespace corvane {

namespace {

constexpr unsigned kMaxChannel = 512;

class Warnings {
public:
    explicit Warnings(std::vector<EventWarning>& out) : out_(out) {}

    void at(std::size_t record) { record_ = record; }

    void channel(std::string_view what, unsigned channel) {
        if (channel == 0 || channel > kMaxChannel)
            add(std::string(what) + " " + std::to_string(channel) +
                " is not a DMX channel (1..512)");
    }

    // firstAboveLastAccepted: the kind's add takes a first channel above the
    // last; where it does not, such a record cannot come from an add.
    void dmx(unsigned first, unsigned last, unsigned increment, bool firstAboveLastAccepted) {
        channel("first channel", first);
        channel("last channel", last);
        if (firstAboveLastAccepted && first > last)
            add("first channel " + std::to_string(first) + " is above the last channel " +
                std::to_string(last));
        if (increment == 0)
            add("increment 0");
    }

    void relay(unsigned number) {
        if (number == 0)
            add("relay number 0");
    }

    void add(std::string text) { out_.push_back({record_, std::move(text)}); }

private:
    std::vector<EventWarning>& out_;
    std::size_t record_ = 0;
};

void Check(Warnings& w, std::span<const std::uint8_t> bytes, EventKind kind) {
    switch (kind) {
    case EventKind::WeekClock: {
        const auto r = WeekClockRecord::decode(bytes);
        return w.dmx(r.firstChannel, r.lastChannel, r.increment, false);
    }
    case EventKind::Timecode: {
        const auto r = TimecodeRecord::decode(bytes);
        return w.dmx(r.firstChannel, r.lastChannel, r.increment, false);
    }
    case EventKind::Midi: {
        const auto r = MidiRecord::decode(bytes);
        return w.dmx(r.firstChannel, r.lastChannel, r.increment, false);
    }
    case EventKind::Audio: {
        const auto r = AudioRecord::decode(bytes);
        return w.dmx(r.firstChannel, r.lastChannel, r.increment, true);
    }
    case EventKind::Relay: {
        const auto r = RelayRecord::decode(bytes);
        w.channel("channel", r.channel);
        w.relay(r.relayNumber);
        if (r.levelLow > r.levelHigh)
            w.add("level window low " + std::to_string(r.levelLow) + " is above its high " +
                  std::to_string(r.levelHigh));
        return;
    }
    case EventKind::Sensor: {
        const auto r = SensorRecord::decode(bytes);
        if (r.actionType == 0)
            w.dmx(r.target, r.lastChannel, r.increment, true);
        else if (r.actionType == 1)
            w.relay(r.target);
        return;
    }
    case EventKind::Analog: {
        const auto r = AnalogRecord::decode(bytes);
        if (r.action == 0)
            w.dmx(r.target, r.lastChannel, r.increment, true);
        else if (r.action == 1)
            w.relay(r.target);
        return;
    }
    }
}

} // namespace

std::vector<EventWarning> FindWarnings(const EventTable& table) {
    std::vector<EventWarning> found;
    Warnings warnings(found);
    for (std::size_t i = 0; i < table.size(); ++i) {
        warnings.at(i);
        Check(warnings, table.record(i), table.kind());
    }
    return found;
}

} // namespace corvane
