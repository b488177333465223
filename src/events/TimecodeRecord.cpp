#include "events/TimecodeRecord.h"

#include "events/RecordFields.h"

namespace corvane {

namespace {

constexpr ByteField<TimecodeRecord> kBytes[] = {
    {0, &TimecodeRecord::startHours},   {1, &TimecodeRecord::startMinutes},
    {2, &TimecodeRecord::startSeconds}, {3, &TimecodeRecord::startFrames},
    {4, &TimecodeRecord::endHours},     {5, &TimecodeRecord::endMinutes},
    {6, &TimecodeRecord::endSeconds},   {7, &TimecodeRecord::endFrames},
    {12, &TimecodeRecord::increment},   {13, &TimecodeRecord::level},
};
constexpr WordField<TimecodeRecord> kWords[] = {
    {8, &TimecodeRecord::firstChannel},
    {10, &TimecodeRecord::lastChannel},
};

} // namespace

std::array<std::uint8_t, TimecodeRecord::kSize> TimecodeRecord::encode() const {
    return EncodeFields<TimecodeRecord>(*this, kBytes, kWords);
}

TimecodeRecord TimecodeRecord::decode(std::span<const std::uint8_t> b) {
    return DecodeFields<TimecodeRecord>(b, kBytes, kWords);
}

} // namespace corvane
