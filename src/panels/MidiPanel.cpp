#include "panels/MidiPanel.h"

namespace corvane {

void MidiPanel::fillControls() {
    fillChannelBlock(1084, 1085, 1086, 1087);
    appendItems(1088, {"Hold", "INC", "DEC", "Toggle"});
    selectItem(1088, 0);
    appendNumbers({1081}, 1, 16);
    appendItems(1081, {"All Channel"});
    selectItem(1081, 0);
    appendNumbers({1082}, 1, 128);
    selectItem(1082, 0);
    appendItems(1083, {"ON", "OFF"});
    selectItem(1083, 0);
}

} // namespace corvane
