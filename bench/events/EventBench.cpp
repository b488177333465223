// The event list fill of a full table of each kind, and the week-clock weekly
// add that has to insert in front of a full table.
#include "events/EventEditing.h"
#include "events/EventFiles.h"
#include "events/EventList.h"
#include "events/EventTable.h"
#include "events/WeekClockRecord.h"
#include "support/RecordingPrompter.h"
#include "support/TempFolder.h"

#include <benchmark/benchmark.h>

namespace corvane {
namespace {

// Counts lines without keeping them, so the fill itself is measured.
class CountingList : public EventListView {
public:
    void reset() override { lines = 0; }
    void addLine(const std::string& line) override {
        ++lines;
        benchmark::DoNotOptimize(line.data());
    }
    int currentLine() const override { return -1; }
    int lines = 0;
};

// A valid file holding the kind's largest table: distinct records, each with
// a 24-character name (the week clock's all weekly).
std::vector<std::uint8_t> FullTable(EventKind kind) {
    const auto& info = InfoOf(kind);
    auto table = EventTable::empty(kind);
    std::vector<std::uint8_t> record(info.recordSize, 0);
    for (std::uint32_t i = 0; i < info.maxEntries; ++i) {
        record[0] = static_cast<std::uint8_t>(i);
        record[1] = static_cast<std::uint8_t>(i >> 8);
        if (kind == EventKind::WeekClock) {
            const WeekClockRecord saturday{0,
                                           0,
                                           7,
                                           static_cast<std::uint8_t>(i / 60 % 24),
                                           static_cast<std::uint8_t>(i % 60),
                                           static_cast<std::uint8_t>(i / 1440),
                                           0,
                                           0,
                                           7,
                                           23,
                                           59,
                                           59,
                                           1,
                                           512,
                                           1,
                                           255,
                                           0,
                                           ""};
            const auto encoded = saturday.encode();
            record.assign(encoded.begin(), encoded.end());
        }
        std::fill(record.begin() + static_cast<std::ptrdiff_t>(info.nameOffset),
                  record.begin() + static_cast<std::ptrdiff_t>(info.nameOffset + 24), 'N');
        table.insert(table.size(), record);
    }
    table.setEntryCount(info.maxEntries);
    return table.bytes();
}

void BM_FillFullTable(benchmark::State& state) {
    const auto kind = static_cast<EventKind>(state.range(0));
    test::TempFolder folder;
    WriteEventFile(folder.path(), kind, FullTable(kind));
    CountingList list;
    for (auto _ : state)
        FillEventList(folder.path(), kind, true, list);
    if (list.lines != static_cast<int>(InfoOf(kind).maxEntries))
        state.SkipWithError("the fill did not show the full table");
    state.SetLabel(std::string(InfoOf(kind).cliName) + " x" + std::to_string(list.lines));
    state.SetItemsProcessed(state.iterations() * list.lines);
}
BENCHMARK(BM_FillFullTable)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// The same lines from bytes already in memory: the cost without the file.
void BM_ListLinesFullTable(benchmark::State& state) {
    const auto kind = static_cast<EventKind>(state.range(0));
    const auto bytes = FullTable(kind);
    for (auto _ : state)
        benchmark::DoNotOptimize(EventListLines(bytes, kind, true));
    state.SetLabel(std::string(InfoOf(kind).cliName));
}
BENCHMARK(BM_ListLinesFullTable)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// A Sunday 00:00 entry sorts in front of every Saturday entry of a table one
// short of full, so every record moves.
void BM_WeeklyAddInFrontOfFullTable(benchmark::State& state) {
    test::TempFolder folder;
    auto bytes = FullTable(EventKind::WeekClock);
    bytes.resize(bytes.size() - WeekClockRecord::kSize);
    bytes[0] = static_cast<std::uint8_t>(InfoOf(EventKind::WeekClock).maxEntries - 1);
    bytes[1] = static_cast<std::uint8_t>((InfoOf(EventKind::WeekClock).maxEntries - 1) >> 8);
    WeekClockForm form{.endTime = {1, 0, 0}, .channels = {"1", "512"}};
    form.days[0] = true; // Sunday
    test::RecordingPrompter prompter;
    CountingList list;
    for (auto _ : state) {
        state.PauseTiming();
        WriteEventFile(folder.path(), EventKind::WeekClock, bytes);
        state.ResumeTiming();
        AddEvent(folder.path(), form, "first", prompter, list);
    }
    if (ReadEventFile(folder.path(), EventKind::WeekClock)->size() !=
        bytes.size() + WeekClockRecord::kSize)
        state.SkipWithError("the entry was not added");
}
BENCHMARK(BM_WeeklyAddInFrontOfFullTable)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvane
