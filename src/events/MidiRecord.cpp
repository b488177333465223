#include "events/MidiRecord.h"

#include "events/RecordFields.h"

namespace corvane {

namespace {

constexpr ByteField<MidiRecord> kBytes[] = {
    {0, &MidiRecord::channel}, {1, &MidiRecord::note},      {2, &MidiRecord::noteState},
    {3, &MidiRecord::action},  {8, &MidiRecord::increment}, {9, &MidiRecord::level},
};
constexpr WordField<MidiRecord> kWords[] = {
    {4, &MidiRecord::firstChannel},
    {6, &MidiRecord::lastChannel},
};

} // namespace

std::array<std::uint8_t, MidiRecord::kSize> MidiRecord::encode() const {
    return EncodeFields<MidiRecord>(*this, kBytes, kWords);
}

MidiRecord MidiRecord::decode(std::span<const std::uint8_t> b) {
    return DecodeFields<MidiRecord>(b, kBytes, kWords);
}

} // namespace corvane
