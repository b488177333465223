#include "events/WeekClockRecord.h"

#include "events/DescriptionText.h"
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

namespace {

constexpr std::string_view kWeekdays[] = {"SUN", "MON", "TUE", "WED", "THR", "FRI", "SAT"};

std::string DescribeWeekly(const WeekClockRecord& r) {
    return ":(" + NameOr(kWeekdays, r.startWeekday, 1) +
           Printf("/%2u:%2u:%2u", U(r.startHour), U(r.startMinute), U(r.startSecond)) + "to" +
           NameOr(kWeekdays, r.endWeekday, 1) +
           Printf("/%2u:%2u:%2u) (Ch:%1uto%1u,i:%1u,l:%1u)", U(r.endHour), U(r.endMinute),
                  U(r.endSecond), U(r.firstChannel), U(r.lastChannel), U(r.increment), U(r.level));
}

std::string DescribeDated(const WeekClockRecord& r) {
    return Printf(":(%2u/%2u/%2u:%2u:%2uto%2u/%2u/%2u:%2u:%2u) DMX(ch:%1uto%1u,i:%1u,l:%1u)",
                  U(r.startMonth), U(r.startDay), U(r.startHour), U(r.startMinute),
                  U(r.startSecond), U(r.endMonth), U(r.endDay), U(r.endHour), U(r.endMinute),
                  U(r.endSecond), U(r.firstChannel), U(r.lastChannel), U(r.increment), U(r.level));
}

} // namespace

std::string WeekClockRecord::describe(bool weeklyView) const {
    return weeklyView ? DescribeWeekly(*this) : DescribeDated(*this);
}

} // namespace corvane
