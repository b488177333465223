#include "events/MidiForm.h"

namespace corvane {

Collected<MidiRecord> MidiForm::collect() const {
    MidiRecord r;
    // Item 16 is "All Channel" (17); no choice counts as channel 1.
    r.channel = LowByte(channelItem >= 1 && channelItem <= 17 ? channelItem + 1 : 1);
    r.note = TextByte(note);
    // Only "OFF" (or a later item) switches the note off.
    r.noteState = noteStateItem > 0 ? 0x00 : 0xFF;
    r.action = LowByte(actionItem);
    ReadChannelTexts(channels, r);
    return {r, r.lastChannel >= r.firstChannel};
}

} // namespace corvane
