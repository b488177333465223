#include "events/conflicts/EventConflicts.h"

#include "events/AnalogRecord.h"
#include "events/AudioRecord.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/SensorRecord.h"
#include "events/TimecodeRecord.h"
#include "events/WeekClockRecord.h"
#include "events/conflicts/ChannelSet.h"
#include "events/conflicts/OverlapSweep.h"
#include "events/conflicts/WeekClockTime.h"

#include <algorithm>

namespace corvane {

namespace {

// A bucket for kinds whose events all meet: every span is [0, 1).
constexpr std::int64_t kAlways = 1;

std::uint32_t Index(std::size_t i) {
    return static_cast<std::uint32_t>(i);
}

// An inclusive window of levels or voltages as a span: [low, high] covers the
// stretch between them, so windows meeting at one value only touch; a window
// of one value covers a sliver after it. Low above high covers nothing.
Span InclusiveWindow(std::uint32_t bucket, unsigned low, unsigned high, std::size_t event) {
    const std::int64_t end = low == high ? 2 * std::int64_t{low} + 1 : 2 * std::int64_t{high};
    return {bucket, 2 * std::int64_t{low}, low > high ? 0 : end, Index(event)};
}

template <typename Record> std::vector<Record> Records(const EventTable& table) {
    std::vector<Record> records;
    records.reserve(table.size());
    for (std::size_t i = 0; i < table.size(); ++i)
        records.push_back(Record::decode(table.record(i)));
    return records;
}

// The pairs of overlapping spans for which clash(a, b, bucket) holds.
template <typename Clash> std::vector<EventConflict> Collect(std::vector<Span> spans, Clash clash) {
    std::vector<EventConflict> found;
    SweepOverlaps(std::move(spans), [&](std::uint32_t a, std::uint32_t b, std::uint32_t bucket) {
        if (a != b && clash(a, b, bucket))
            found.push_back({a, b});
    });
    std::ranges::sort(found);
    const auto repeated = std::ranges::unique(found);
    found.erase(repeated.begin(), repeated.end());
    return found;
}

template <typename Record> ChannelSet Channels(const Record& r) {
    return {r.firstChannel, r.lastChannel, r.increment};
}

std::vector<EventConflict> WeekClockConflicts(const EventTable& table) {
    const auto records = Records<WeekClockRecord>(table);
    const std::size_t weekly = std::min<std::size_t>(table.header().entryCount, records.size());
    std::vector<Span> spans;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const bool dated = i >= weekly;
        const auto week = dated ? DatedWeekStretches(records[i]) : WeeklyStretches(records[i]);
        for (const auto& s : week)
            spans.push_back({kWeekDomain, s.begin, s.end, Index(i)});
        if (dated)
            for (const auto& s : DatedYearStretches(records[i]))
                spans.push_back({kYearDomain, s.begin, s.end, Index(i)});
    }
    return Collect(std::move(spans), [&](std::uint32_t a, std::uint32_t b, std::uint32_t bucket) {
        // Two dated events meet in the year's dates, not in their weekdays.
        if (bucket == kWeekDomain && a >= weekly && b >= weekly)
            return false;
        return records[a].level != records[b].level &&
               ShareChannel(Channels(records[a]), Channels(records[b]));
    });
}

std::vector<EventConflict> TimecodeConflicts(const EventTable& table) {
    const auto records = Records<TimecodeRecord>(table);
    constexpr std::int64_t kFramesPerDay = 24 * 3600 * 30;
    const auto frames = [](unsigned h, unsigned m, unsigned s, unsigned f) {
        return ((std::int64_t{h} * 60 + m) * 60 + s) * 30 + f;
    };
    std::vector<Span> spans;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& r = records[i];
        const auto start = frames(r.startHours, r.startMinutes, r.startSeconds, r.startFrames);
        const auto end = frames(r.endHours, r.endMinutes, r.endSeconds, r.endFrames);
        if (end >= start) {
            spans.push_back({0, start, end, Index(i)});
        } else { // past midnight: the rest of the day and the start of the next
            spans.push_back({0, start, kFramesPerDay, Index(i)});
            spans.push_back({0, 0, end, Index(i)});
        }
    }
    return Collect(std::move(spans), [&](std::uint32_t a, std::uint32_t b, std::uint32_t) {
        return records[a].level != records[b].level &&
               ShareChannel(Channels(records[a]), Channels(records[b]));
    });
}

std::vector<EventConflict> MidiConflicts(const EventTable& table) {
    constexpr std::uint8_t kAllChannels = 17;
    const auto records = Records<MidiRecord>(table);
    std::vector<Span> spans;
    for (std::size_t i = 0; i < records.size(); ++i)
        spans.push_back(
            {std::uint32_t{records[i].note} << 8 | records[i].noteState, 0, kAlways, Index(i)});
    return Collect(std::move(spans), [&](std::uint32_t a, std::uint32_t b, std::uint32_t) {
        const auto &x = records[a], &y = records[b];
        const bool sameChannel =
            x.channel == y.channel || x.channel == kAllChannels || y.channel == kAllChannels;
        return sameChannel && (x.action != y.action || x.level != y.level) &&
               ShareChannel(Channels(x), Channels(y));
    });
}

std::vector<EventConflict> AudioConflicts(const EventTable& table) {
    constexpr std::uint8_t kBothSides = 2;
    const auto records = Records<AudioRecord>(table);
    std::vector<Span> spans;
    for (std::size_t i = 0; i < records.size(); ++i)
        spans.push_back({records[i].band, 0, kAlways, Index(i)});
    return Collect(std::move(spans), [&](std::uint32_t a, std::uint32_t b, std::uint32_t) {
        const auto &x = records[a], &y = records[b];
        const bool sidesMeet = x.side == y.side || x.side == kBothSides || y.side == kBothSides;
        return sidesMeet && ShareChannel(Channels(x), Channels(y));
    });
}

std::vector<EventConflict> RelayConflicts(const EventTable& table) {
    const auto records = Records<RelayRecord>(table);
    std::vector<Span> spans;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& r = records[i];
        spans.push_back(InclusiveWindow(std::uint32_t{r.relayNumber} << 16 | r.channel, r.levelLow,
                                        r.levelHigh, i));
    }
    return Collect(std::move(spans), [&](std::uint32_t a, std::uint32_t b, std::uint32_t) {
        return records[a].relayStatus != records[b].relayStatus;
    });
}

// Sensor and analog records drive by action: 0 DMX (target is the first
// channel), 1 a relay (target; increment holds the state), 2 (sensor only)
// the audio input (target 0 enable, 1 disable).
template <typename Record>
bool ActionsClash(std::uint8_t action, std::uint8_t otherAction, const Record& x, const Record& y) {
    if (action != otherAction)
        return false;
    switch (action) {
    case 0:
        return x.level != y.level && ShareChannel({x.target, x.lastChannel, x.increment},
                                                  {y.target, y.lastChannel, y.increment});
    case 1:
        return x.target == y.target && x.increment != y.increment;
    case 2:
        return x.target != y.target;
    default:
        return false;
    }
}

std::vector<EventConflict> SensorConflicts(const EventTable& table) {
    const auto records = Records<SensorRecord>(table);
    std::vector<Span> spans;
    for (std::size_t i = 0; i < records.size(); ++i)
        spans.push_back({records[i].contact, 0, kAlways, Index(i)});
    return Collect(std::move(spans), [&](std::uint32_t a, std::uint32_t b, std::uint32_t) {
        return ActionsClash(records[a].actionType, records[b].actionType, records[a], records[b]);
    });
}

std::vector<EventConflict> AnalogConflicts(const EventTable& table) {
    const auto records = Records<AnalogRecord>(table);
    std::vector<Span> spans;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& r = records[i];
        const unsigned low = r.lowVolts * 100u + r.lowHundredths;
        const unsigned high = r.highVolts * 100u + r.highHundredths;
        spans.push_back(InclusiveWindow(r.input, low, high, i));
    }
    return Collect(std::move(spans), [&](std::uint32_t a, std::uint32_t b, std::uint32_t) {
        // Action 2 is no analog action; ActionsClash must not read it as audio.
        const auto& x = records[a];
        return x.action < 2 && ActionsClash(x.action, records[b].action, x, records[b]);
    });
}

} // namespace

std::vector<EventConflict> FindConflicts(const EventTable& table) {
    switch (table.kind()) {
    case EventKind::WeekClock:
        return WeekClockConflicts(table);
    case EventKind::Timecode:
        return TimecodeConflicts(table);
    case EventKind::Midi:
        return MidiConflicts(table);
    case EventKind::Audio:
        return AudioConflicts(table);
    case EventKind::Relay:
        return RelayConflicts(table);
    case EventKind::Sensor:
        return SensorConflicts(table);
    case EventKind::Analog:
        return AnalogConflicts(table);
    }
    return {};
}

} // namespace corvane
