#include "panels/AudioPanel.h"

#include "panels/ControlIds.h"

namespace corvane {

void AudioPanel::fillControls() {
    fillChannelBlock(kIdAudioFirstChannel, kIdAudioLastChannel, kIdAudioIncrement, 0);
    appendItems(kIdAudioSide, {"Left", "Right", "All"});
    selectItem(kIdAudioSide, 0);
    // Highest band first: the collect turns index i into band number i + 1.
    appendItems(kIdAudioBand, {"16kHz", "10.7kHz", "6.3kHz", "4.2kHz", "2.5kHz", "1.7kHz", "1kHz",
                               "670Hz", "400Hz", "265Hz", "160Hz", "107Hz", "63Hz", "42Hz"});
    selectItem(kIdAudioBand, 0);
    appendItems(kIdAudioPixelMode, {"One Pixel", "More Pixel"});
    selectItem(kIdAudioPixelMode, 0);
}

EventForm AudioPanel::form() const {
    return AudioForm{.sideItem = selection(kIdAudioSide),
                     .bandItem = selection(kIdAudioBand),
                     .firstChannel = text(kIdAudioFirstChannel),
                     .lastChannel = text(kIdAudioLastChannel),
                     .increment = text(kIdAudioIncrement),
                     .pixelModeItem = selection(kIdAudioPixelMode)};
}

} // namespace corvane
