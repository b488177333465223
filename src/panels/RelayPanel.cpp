#include "panels/RelayPanel.h"

#include "panels/ControlIds.h"

namespace corvane {

void RelayPanel::fillControls() {
    appendNumbers({kIdRelayChannel}, 1, 512);
    selectItem(kIdRelayChannel, 0);
    appendNumbers({kIdRelayLowLevel, kIdRelayHighLevel}, 0, 255);
    selectItem(kIdRelayLowLevel, 0);
    selectItem(kIdRelayHighLevel, 255);
    appendNumbers({kIdRelayNumber}, 1, 8);
    selectItem(kIdRelayNumber, 0);
    appendItems(kIdRelayState, {"On", "Off"});
    selectItem(kIdRelayState, 1);
}

EventForm RelayPanel::form() const {
    return RelayForm{.channel = text(kIdRelayChannel),
                     .lowLevel = text(kIdRelayLowLevel),
                     .highLevel = text(kIdRelayHighLevel),
                     .relayNumber = text(kIdRelayNumber),
                     .statusItem = selection(kIdRelayState)};
}

} // namespace corvane
