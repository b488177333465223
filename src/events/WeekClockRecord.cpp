#include "events/WeekClockRecord.h"

#include "events/RecordFields.h"

namespace corvane {

namespace {

constexpr ByteField<WeekClockRecord> kBytes[] = {
    {0, &WeekClockRecord::startMonth},   {1, &WeekClockRecord::startDay},
    {2, &WeekClockRecord::startWeekday}, {3, &WeekClockRecord::startHour},
    {4, &WeekClockRecord::startMinute},  {5, &WeekClockRecord::startSecond},
    {6, &WeekClockRecord::endMonth},     {7, &WeekClockRecord::endDay},
    {8, &WeekClockRecord::endWeekday},   {9, &WeekClockRecord::endHour},
    {10, &WeekClockRecord::endMinute},   {11, &WeekClockRecord::endSecond},
    {16, &WeekClockRecord::increment},   {17, &WeekClockRecord::level},
    {18, &WeekClockRecord::entryFlag},
};
constexpr WordField<WeekClockRecord> kWords[] = {
    {12, &WeekClockRecord::firstChannel},
    {14, &WeekClockRecord::lastChannel},
};

} // namespace

std::array<std::uint8_t, WeekClockRecord::kSize> WeekClockRecord::encode() const {
    return EncodeFields<WeekClockRecord>(*this, kBytes, kWords);
}

WeekClockRecord WeekClockRecord::decode(std::span<const std::uint8_t> b) {
    return DecodeFields<WeekClockRecord>(b, kBytes, kWords);
}

} // namespace corvane
