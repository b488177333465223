#include "events/WeekClockRecord.h"

#include "events/RecordName.h"
#include "platform/ByteOrder.h"

namespace corvane {

std::array<std::uint8_t, WeekClockRecord::kSize> WeekClockRecord::encode() const {
    std::array<std::uint8_t, kSize> b{};
    b[0] = startMonth;
    b[1] = startDay;
    b[2] = startWeekday;
    b[3] = startHour;
    b[4] = startMinute;
    b[5] = startSecond;
    b[6] = endMonth;
    b[7] = endDay;
    b[8] = endWeekday;
    b[9] = endHour;
    b[10] = endMinute;
    b[11] = endSecond;
    PutU16(b, 12, firstChannel);
    PutU16(b, 14, lastChannel);
    b[16] = increment;
    b[17] = level;
    b[18] = entryFlag;

    EncodeRecordName(b, kNameOffset, name);
    return b;
}

WeekClockRecord WeekClockRecord::decode(std::span<const std::uint8_t> b) {
    WeekClockRecord r;
    r.startMonth = b[0];
    r.startDay = b[1];
    r.startWeekday = b[2];
    r.startHour = b[3];
    r.startMinute = b[4];
    r.startSecond = b[5];
    r.endMonth = b[6];
    r.endDay = b[7];
    r.endWeekday = b[8];
    r.endHour = b[9];
    r.endMinute = b[10];
    r.endSecond = b[11];
    r.firstChannel = GetU16(b, 12);
    r.lastChannel = GetU16(b, 14);
    r.increment = b[16];
    r.level = b[17];
    r.entryFlag = b[18];

    r.name = DecodeRecordName(b.first(kSize), kNameOffset);
    return r;
}

} // namespace corvane
