#include "events/AudioRecord.h"

#include "events/RecordFields.h"

namespace corvane {

namespace {

constexpr ByteField<AudioRecord> kBytes[] = {
    {0, &AudioRecord::side},      {1, &AudioRecord::band},          {6, &AudioRecord::increment},
    {7, &AudioRecord::pixelMode}, {8, &AudioRecord::pixelModeCopy},
};
constexpr WordField<AudioRecord> kWords[] = {
    {2, &AudioRecord::firstChannel},
    {4, &AudioRecord::lastChannel},
};

} // namespace

std::array<std::uint8_t, AudioRecord::kSize> AudioRecord::encode() const {
    return EncodeFields<AudioRecord>(*this, kBytes, kWords);
}

AudioRecord AudioRecord::decode(std::span<const std::uint8_t> b) {
    return DecodeFields<AudioRecord>(b, kBytes, kWords);
}

} // namespace corvane
