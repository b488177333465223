#include "events/MidiRecord.h"

#include "events/DescriptionText.h"
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

std::string MidiRecord::describe(bool) const {
    constexpr std::string_view kActions[] = {"Hold", "INC", "DEC", "Toggle"};
    const bool on = noteState != 0;
    const bool all = channel == 17;
    std::string main;
    if (on)
        main = all ? Printf(":MIDI(ch:All,note:%u,On)", U(note))
                   : Printf(":MIDI(ch:%u,note:%u,On)", U(channel), U(note));
    else
        main = all ? Printf(":MIDI(All,node:%u,Off)", U(note))
                   : Printf(":MIDI(ch:%u,node:%u,Off)", U(channel), U(note));
    return main +
           Printf(" (Ch:%uto%u,i=%u,l=%u,", U(firstChannel), U(lastChannel), U(increment),
                  U(level)) +
           NameOr(kActions, action, 0) + ")";
}

} // namespace corvane
