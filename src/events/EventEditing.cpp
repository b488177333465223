#include "events/EventEditing.h"

#include "events/CollectRecord.h"
#include "events/EventFiles.h"
#include "events/EventMessages.h"
#include "events/EventPlacement.h"
#include "events/EventTable.h"
#include "events/RecordName.h"

#include <tuple>

namespace corvane {

namespace {

void Show(Prompter& prompter, std::string_view text) {
    prompter.showMessage(std::string(text));
}

std::tuple<int, int, int> TimeOfDay(const PickerTime& t) {
    return {t.hour, t.minute, t.second};
}
std::tuple<int, int, int> CalendarDate(const PickerDate& d) {
    return {d.year, d.month, d.day};
}

// A file too short for a header has its header rewritten; the entry is lost.
// Returns the table to edit, or nothing when the add must stop.
std::optional<EventTable> OpenForAdd(const std::string& folder, EventKind kind,
                                     EventListView& list) {
    const auto bytes = ReadEventFile(folder, kind);
    if (!bytes)
        return std::nullopt;
    if (bytes->size() < kEventFileHeaderSize) {
        list.reset();
        ClearEventFile(folder, kind);
        return std::nullopt;
    }
    // A damaged file stays as it is; the list fill that follows repairs it.
    return EventTable::fromFile(*bytes, kind);
}

void AddKeyedEvent(const std::string& folder, const EventForm& form, std::string_view eventName,
                   Prompter& prompter, EventListView& list) {
    const EventKind kind = KindOf(form);
    auto table = OpenForAdd(folder, kind, list);
    if (!table)
        return;
    auto collected = CollectRecord(form);
    if (!collected.acceptable) {
        Show(prompter, messages::kSettingError);
        return;
    }
    EncodeRecordName(collected.bytes, InfoOf(kind).nameOffset, eventName);
    const Placement placement = InfoOf(kind).placement == PlacementRule::ByStart
                                    ? PlaceTimecode(*table, collected.bytes)
                                    : PlaceByKey(*table, collected.bytes);
    if (StoreAt(*table, placement, collected.bytes, false) == StoreResult::TableFull) {
        Show(prompter, messages::kTableFull);
        return;
    }
    ReportFileProblem(WriteEventFile(folder, kind, table->bytes()), prompter);
}

// One weekly entry per checked day, all written together. A file too short
// for a header costs the first checked day's entry, as it would when each day
// were stored on its own.
void AddWeeklyEvents(const std::string& folder, WeekClockRecord record, const WeekClockForm& form,
                     Prompter& prompter, EventListView& list) {
    const bool sameDay = TimeOfDay(form.startTime) < TimeOfDay(form.endTime);
    record.startMonth = record.startDay = record.endMonth = record.endDay = 0;
    record.entryFlag = 0;

    std::optional<EventTable> table;
    bool changed = false;
    bool reportedFull = false;
    for (std::uint8_t day = 1; day <= 7; ++day) {
        if (!form.days[day - 1])
            continue;
        record.startWeekday = day;
        record.endWeekday = sameDay ? day : static_cast<std::uint8_t>(day % 7 + 1);
        if (!table) {
            const auto bytes = ReadEventFile(folder, EventKind::WeekClock);
            if (!bytes)
                return;
            if (bytes->size() < kEventFileHeaderSize) {
                list.reset();
                table = EventTable::empty(EventKind::WeekClock);
                changed = true;
                continue;
            }
            table = EventTable::fromFile(*bytes, EventKind::WeekClock);
            if (!table)
                return;
        }
        const auto bytes = record.encode();
        if (StoreAt(*table, PlaceWeekly(*table, bytes), bytes, false) == StoreResult::TableFull) {
            if (!reportedFull)
                Show(prompter, messages::kTableFull);
            reportedFull = true;
            continue;
        }
        changed = true;
    }
    if (table && changed)
        ReportFileProblem(WriteEventFile(folder, EventKind::WeekClock, table->bytes()), prompter);
}

void AddDatedEvent(const std::string& folder, WeekClockRecord record, const WeekClockForm& form,
                   Prompter& prompter) {
    record.entryFlag = 1;
    const auto startDate = CalendarDate(form.startDate);
    const auto endDate = CalendarDate(form.endDate);
    if (startDate > endDate ||
        (startDate == endDate && !(TimeOfDay(form.startTime) < TimeOfDay(form.endTime)))) {
        Show(prompter, messages::kTimeError);
        return;
    }
    const auto bytes = ReadEventFile(folder, EventKind::WeekClock);
    if (!bytes)
        return;
    // A file shorter than a header (just created) holds no entries yet.
    auto table = bytes->size() < kEventFileHeaderSize
                     ? EventTable::empty(EventKind::WeekClock)
                     : EventTable::fromFile(*bytes, EventKind::WeekClock);
    if (!table)
        return;
    const auto encoded = record.encode();
    if (StoreAt(*table, PlaceDated(*table, encoded), encoded, true) == StoreResult::TableFull) {
        Show(prompter, messages::kTableFull);
        return;
    }
    ReportFileProblem(WriteEventFile(folder, EventKind::WeekClock, table->bytes()), prompter);
}

void AddWeekClockEvent(const std::string& folder, const WeekClockForm& form,
                       std::string_view eventName, Prompter& prompter, EventListView& list) {
    auto collected = form.collect();
    if (!collected.acceptable) {
        Show(prompter, messages::kSettingError);
        return;
    }
    collected.record.name = std::string(eventName.substr(0, kEventNameMaxLength));
    if (form.weekly)
        AddWeeklyEvents(folder, collected.record, form, prompter, list);
    else
        AddDatedEvent(folder, collected.record, form, prompter);
}

} // namespace

void AddEvent(const std::string& folder, const EventForm& form, std::string_view eventName,
              Prompter& prompter, EventListView& list) {
    // The week clock's two groups take the mode, the days and the dates of its form.
    if (const auto* weekClock = std::get_if<WeekClockForm>(&form))
        AddWeekClockEvent(folder, *weekClock, eventName, prompter, list);
    else
        AddKeyedEvent(folder, form, eventName, prompter, list);
}

FileStatus DeleteEvent(const std::string& folder, EventKind kind, bool weeklyMode, int line) {
    if (line < 0)
        return FileStatus::Done;
    const auto bytes = ReadEventFile(folder, kind);
    if (!bytes)
        return FileStatus::Done;
    auto table = EventTable::fromFile(*bytes, kind);
    if (!table)
        return FileStatus::Done;
    const auto header = table->header();
    // The list shows the week clock's groups one at a time; every other kind
    // shows all its records, those a foreign file counts in the second group too.
    std::uint64_t index = static_cast<std::uint64_t>(line);
    std::uint64_t end = header.totalEntries();
    if (HasDatedGroup(kind) && weeklyMode)
        end = header.entryCount;
    else if (HasDatedGroup(kind))
        index += header.entryCount;
    if (index >= end)
        return FileStatus::Done;
    table->remove(static_cast<std::size_t>(index));
    // The record leaves the group whose count covers it.
    if (index < header.entryCount)
        table->setEntryCount(header.entryCount - 1);
    else
        table->setDatedEntryCount(header.datedEntryCount - 1);
    return WriteEventFile(folder, kind, table->bytes());
}

} // namespace corvane
