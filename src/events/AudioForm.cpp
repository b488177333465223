#include "events/AudioForm.h"

namespace corvane {

Collected<AudioRecord> AudioForm::collect() const {
    AudioRecord r;
    r.side = LowByte(sideItem);
    r.band = LowByte(bandItem + 1);
    r.firstChannel = TextWord(firstChannel);
    r.lastChannel = TextWord(lastChannel);
    r.increment = TextByte(increment);
    r.pixelMode = LowByte(pixelModeItem);
    r.pixelModeCopy = r.pixelMode;
    return {r, true};
}

} // namespace corvane
