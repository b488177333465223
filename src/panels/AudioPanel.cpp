#include "panels/AudioPanel.h"

namespace corvane {

void AudioPanel::fillControls() {
    fillChannelBlock(1101, 1102, 1103, 0);
    appendItems(1099, {"Left", "Right", "All"});
    selectItem(1099, 0);
    // Highest band first: the collect turns index i into band number i + 1.
    appendItems(1100, {"16kHz", "10.7kHz", "6.3kHz", "4.2kHz", "2.5kHz", "1.7kHz", "1kHz", "670Hz",
                       "400Hz", "265Hz", "160Hz", "107Hz", "63Hz", "42Hz"});
    selectItem(1100, 0);
    appendItems(1105, {"One Pixel", "More Pixel"});
    selectItem(1105, 0);
}

} // namespace corvane
