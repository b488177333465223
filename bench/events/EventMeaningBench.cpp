// What the events mean together, on full tables: the conflict check of every
// kind, the JSON export and import, and the week clock's schedule picture.
#include "events/AnalogRecord.h"
#include "events/AudioRecord.h"
#include "events/EventPlacement.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/SensorRecord.h"
#include "events/TimecodeRecord.h"
#include "events/WeekClockRecord.h"
#include "events/conflicts/EventConflicts.h"
#include "events/text/EventJson.h"
#include "schedule/SchedulePicture.h"

#include <benchmark/benchmark.h>

namespace corvane {
namespace {

std::uint8_t U8(std::uint32_t v) {
    return static_cast<std::uint8_t>(v);
}
std::uint16_t U16(std::uint32_t v) {
    return static_cast<std::uint16_t>(v);
}

// Record i of a full table of the kind: values spread as a show would spread
// them (windows of an hour across the week, channel ranges across the
// universe), as panels would accept them.
std::vector<std::uint8_t> Record(EventKind kind, std::uint32_t i, bool dated) {
    const auto first = U16(i * 37 % 500 + 1);
    const auto last = U16(first + i % 12);
    const auto step = U8(i % 3 + 1);
    const auto level = U8(i * 7);
    const std::string name = "event " + std::to_string(i);
    const auto bytes = [](const auto& r) {
        const auto b = r.encode();
        return std::vector<std::uint8_t>(b.begin(), b.end());
    };
    switch (kind) {
    case EventKind::WeekClock: {
        const auto day = U8(i % 7 + 1), hour = U8(i / 7 % 24), minute = U8(i * 13 % 60);
        const auto month = U8(i % 12 + 1), date = U8(i % 28 + 1);
        // Dated windows of an hour, within their date.
        return dated
                   ? bytes(WeekClockRecord{month, date, day, U8(hour % 23), minute, 0, month, date,
                                           day, U8(hour % 23 + 1), minute, 0, first, last, step,
                                           level, 1, name})
                   : bytes(WeekClockRecord{0, 0, day, hour, minute, 0, 0, 0,
                                           U8(hour == 23 ? day % 7 + 1 : day), U8((hour + 1) % 24),
                                           minute, 0, first, last, step, level, 0, name});
    }
    case EventKind::Timecode: {
        const auto h = U8(i / 60 % 24), m = U8(i % 60), sec = U8(i / 1440 % 60), f = U8(i % 30);
        return bytes(
            TimecodeRecord{h, m, sec, f, h, m, U8(sec + 1), f, first, last, step, level, name});
    }
    case EventKind::Midi:
        return bytes(MidiRecord{U8(i % 17 + 1), U8(i % 128 + 1), U8(i % 2 ? 0xFF : 0), U8(i % 4),
                                first, last, step, level, name});
    case EventKind::Audio:
        return bytes(
            AudioRecord{U8(i % 3), U8(i % 14 + 1), first, last, step, U8(i % 2), U8(i % 2), name});
    case EventKind::Relay:
        return bytes(RelayRecord{U16(i % 512 + 1), U8(i / 512 * 40), U8(i / 512 * 40 + 60),
                                 U8(i % 8 + 1), U8(i / 8 % 2), name});
    case EventKind::Sensor: {
        const auto action = U8(i % 3);
        if (action == 0)
            return bytes(SensorRecord{U8(i % 8), 0, 30, 0, first, last, step, level, name});
        return bytes(SensorRecord{U8(i % 8), U8(i % 60), U8(i / 60 % 60), action,
                                  U16(i % 8 + (action == 1)), 0, U8(action == 1 ? i / 3 % 2 : 0), 0,
                                  name});
    }
    case EventKind::Analog:
        return bytes(AnalogRecord{U8(i % 4), U8(i % 9), U8(i % 100), U8(i % 9 + 1), U8(i % 100),
                                  U8(i % 2), i % 2 ? U16(i % 8 + 1) : first, U16(i % 2 ? 0 : last),
                                  U8(i % 2 ? i / 2 % 2 : step), U8(i % 2 ? 0 : level), name});
    }
    return {};
}

// The kind's largest table, placed as adds place; the week clock's a quarter dated.
EventTable FullTable(EventKind kind) {
    auto table = EventTable::empty(kind);
    const std::uint32_t capacity = InfoOf(kind).maxEntries;
    // Generated keys repeat only after far more records than a table holds.
    for (std::uint32_t i = 0; table.size() < capacity && i < 16 * capacity; ++i) {
        const bool dated = kind == EventKind::WeekClock && i % 4 == 3;
        const auto record = Record(kind, i, dated);
        const Placement placement =
            kind == EventKind::WeekClock
                ? (dated ? PlaceDated(table, record) : PlaceWeekly(table, record))
            : kind == EventKind::Timecode ? PlaceTimecode(table, record)
                                          : PlaceByKey(table, record);
        StoreAt(table, placement, record, dated);
    }
    return table;
}

void Conflicts(benchmark::State& state) {
    const auto kind = static_cast<EventKind>(state.range(0));
    const EventTable table = FullTable(kind);
    std::size_t found = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(found = FindConflicts(table).size());
    state.SetLabel(std::string(InfoOf(kind).cliName) + ", " + std::to_string(table.size()) +
                   " events, " + std::to_string(found) + " conflicts");
}
BENCHMARK(Conflicts)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

void JsonExport(benchmark::State& state) {
    const auto kind = static_cast<EventKind>(state.range(0));
    const auto file = FullTable(kind).bytes();
    for (auto _ : state) {
        auto text = text::EventFileToJson(file, kind);
        if (!text)
            state.SkipWithError(text.error().c_str());
        benchmark::DoNotOptimize(text);
    }
    state.SetLabel(std::string(InfoOf(kind).cliName));
}
BENCHMARK(JsonExport)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);

void JsonImport(benchmark::State& state) {
    const auto kind = static_cast<EventKind>(state.range(0));
    const auto text = text::EventFileToJson(FullTable(kind).bytes(), kind).value_or("");
    for (auto _ : state) {
        auto file = text::EventFileFromJson(text, kind);
        if (!file)
            state.SkipWithError(file.error().c_str());
        benchmark::DoNotOptimize(file);
    }
    state.SetLabel(std::string(InfoOf(kind).cliName));
}
BENCHMARK(JsonImport)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);

// Layout and picture of the full week-clock table, the dated entries of one
// week included.
void SchedulePng(benchmark::State& state) {
    const EventTable table = FullTable(EventKind::WeekClock);
    for (auto _ : state) {
        const auto layout = LayOutSchedule(table, 1, CivilDate{2026, 12, 30});
        benchmark::DoNotOptimize(
            SchedulePicture(layout, static_cast<PictureFormat>(state.range(0))));
    }
}
BENCHMARK(SchedulePng)
    ->Arg(static_cast<int>(PictureFormat::Png))
    ->Arg(static_cast<int>(PictureFormat::Svg))
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvane
