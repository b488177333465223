#include "events/TimecodeRecord.h"

#include "events/DescriptionText.h"
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

std::string TimecodeRecord::describe(bool) const {
    return Printf(":T(%u/%u/%u:%u to %u/%u/%u:%u)-DMX(ch:%1uto%1u,i=%1u,l=%1u)", U(startHours),
                  U(startMinutes), U(startSeconds), U(startFrames), U(endHours), U(endMinutes),
                  U(endSeconds), U(endFrames), U(firstChannel), U(lastChannel), U(increment),
                  U(level));
}

} // namespace corvane
