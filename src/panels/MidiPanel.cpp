#include "panels/MidiPanel.h"

#include "panels/ControlIds.h"

namespace corvane {

void MidiPanel::fillControls() {
    fillChannelBlock(kIdMidiFirstChannel, kIdMidiLastChannel, kIdMidiIncrement, kIdMidiLevel);
    appendItems(kIdMidiAction, {"Hold", "INC", "DEC", "Toggle"});
    selectItem(kIdMidiAction, 0);
    appendNumbers({kIdMidiChannel}, 1, 16);
    appendItems(kIdMidiChannel, {"All Channel"});
    selectItem(kIdMidiChannel, 0);
    appendNumbers({kIdMidiNote}, 1, 128);
    selectItem(kIdMidiNote, 0);
    appendItems(kIdMidiNoteState, {"ON", "OFF"});
    selectItem(kIdMidiNoteState, 0);
}

EventForm MidiPanel::form() const {
    return MidiForm{.channelItem = selection(kIdMidiChannel),
                    .note = text(kIdMidiNote),
                    .noteStateItem = selection(kIdMidiNoteState),
                    .actionItem = selection(kIdMidiAction),
                    .channels = channelTexts(kIdMidiFirstChannel, kIdMidiLastChannel,
                                             kIdMidiIncrement, kIdMidiLevel)};
}

} // namespace corvane
