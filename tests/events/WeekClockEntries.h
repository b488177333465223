#pragma once

#include "events/EventTable.h"
#include "events/WeekClockRecord.h"

#include <type_traits>
#include <vector>

namespace corvane::test {

// Week-clock entries and tables built in code, for the conflict and schedule tests.

inline std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(value);
}

// Times as hhmm; weekdays 1 = Sunday; channels 1 to 10.
inline WeekClockRecord Weekly(int weekday, int from, int to, int level = 100) {
    const auto d = Byte(weekday);
    return {.startWeekday = d,
            .startHour = Byte(from / 100),
            .startMinute = Byte(from % 100),
            .endWeekday = Byte(to > from ? d : d % 7 + 1),
            .endHour = Byte(to / 100),
            .endMinute = Byte(to % 100),
            .firstChannel = 1,
            .lastChannel = 10,
            .increment = 1,
            .level = Byte(level),
            .name = "w"};
}

// Dates as mmdd with their stored weekdays.
inline WeekClockRecord Dated(int fromDate, int fromDay, int from, int toDate, int toDay, int to,
                             int level = 200) {
    auto r = Weekly(fromDay, from, to, level);
    r.startMonth = Byte(fromDate / 100);
    r.startDay = Byte(fromDate % 100);
    r.endMonth = Byte(toDate / 100);
    r.endDay = Byte(toDate % 100);
    r.endWeekday = Byte(toDay);
    r.entryFlag = 1;
    return r;
}

// The week clock's weekly entries come first, as in its file.
template <typename Record> EventTable TableOf(const std::vector<Record>& records) {
    auto table = EventTable::empty(Record::kKind);
    std::uint32_t weekly = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        table.insert(i, records[i].encode());
        if constexpr (std::is_same_v<Record, WeekClockRecord>)
            weekly += records[i].entryFlag == 0;
        else
            ++weekly;
    }
    table.setEntryCount(weekly);
    table.setDatedEntryCount(static_cast<std::uint32_t>(records.size()) - weekly);
    return table;
}

} // namespace corvane::test
