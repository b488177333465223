#include "panels/AnalogPanel.h"

namespace corvane {

namespace {
constexpr int kOutputType = 1152;
constexpr int kRelayOutput = 1;
} // namespace

void AnalogPanel::fillControls() {
    appendNumbers({1153, 1155}, 1, 512);
    selectItem(1153, 0);
    selectItem(1155, 511);
    appendNumbers({1154, 1156}, 1, 255);
    selectItem(1154, 0);
    selectItem(1156, 0);
    appendItems(1139, {"Analog1", "Analog2", "Analog3", "Analog4"});
    selectItem(1139, 0);
    appendItems(kOutputType, {"DMX", "Relay"});
    selectItem(kOutputType, 0);
    setControlText(1140, "0.05v");
    setControlText(1015, "10.00v");
}

void AnalogPanel::onCommand(int id, int notification) {
    if (id == kOutputType && notification == kSelectionChange)
        applyOutputType(selection(kOutputType));
    EventPanel::onCommand(id, notification);
}

// Relay output turns the first two boxes into relay and relay state and drops
// the last channel and level; anything else restores the DMX range. Last
// channel and level are never refilled, so they keep the operator's choice.
void AnalogPanel::applyOutputType(int type) {
    clearItems(1153);
    clearItems(1154);
    if (type == kRelayOutput) {
        setControlText(1148, "Relay:");
        setControlText(1149, "Relay State:");
        setControlText(1150, "");
        setControlText(1151, "");
        appendItems(
            1153, {"Relay1", "Relay2", "Relay3", "Relay4", "Relay5", "Relay6", "Relay7", "Relay8"});
        appendItems(1154, {"OFF", "ON"});
        setControlsVisible({1155, 1156}, false);
    } else {
        setControlText(1148, "DMX First Ch:");
        setControlText(1149, "Increment Ch:");
        setControlText(1150, "DMX Last Ch:");
        setControlText(1151, "DMX Level:");
        appendNumbers({1153}, 1, 512);
        appendNumbers({1154}, 1, 255);
        setControlsVisible({1155, 1156}, true);
    }
    selectItem(1153, 0);
    selectItem(1154, 0);
}

} // namespace corvane
