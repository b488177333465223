#include "panels/AnalogPanel.h"

#include "panels/ControlIds.h"

namespace corvane {

namespace {
constexpr int kRelayOutput = 1;
} // namespace

void AnalogPanel::fillControls() {
    appendNumbers({kIdAnalogFieldA, kIdAnalogLastChannel}, 1, 512);
    selectItem(kIdAnalogFieldA, 0);
    selectItem(kIdAnalogLastChannel, 511);
    appendNumbers({kIdAnalogFieldB, kIdAnalogLevel}, 1, 255);
    selectItem(kIdAnalogFieldB, 0);
    selectItem(kIdAnalogLevel, 0);
    appendItems(kIdAnalogInput, {"Analog1", "Analog2", "Analog3", "Analog4"});
    selectItem(kIdAnalogInput, 0);
    appendItems(kIdAnalogOutput, {"DMX", "Relay"});
    selectItem(kIdAnalogOutput, 0);
    setControlText(kIdAnalogLowVolts, "0.05v");
    setControlText(kIdAnalogHighVolts, "10.00v");
}

void AnalogPanel::onCommand(int id, int notification) {
    if (id == kIdAnalogOutput && notification == kSelectionChange)
        applyOutputType(selection(kIdAnalogOutput));
    EventPanel::onCommand(id, notification);
}

// Relay output turns the first two boxes into relay and relay state and drops
// the last channel and level; anything else restores the DMX range. Last
// channel and level are never refilled, so they keep the operator's choice.
void AnalogPanel::applyOutputType(int type) {
    clearItems(kIdAnalogFieldA);
    clearItems(kIdAnalogFieldB);
    if (type == kRelayOutput) {
        setControlText(kIdAnalogLabelA, "Relay:");
        setControlText(kIdAnalogLabelB, "Relay State:");
        setControlText(kIdAnalogLabelC, "");
        setControlText(kIdAnalogLabelD, "");
        appendItems(kIdAnalogFieldA, {"Relay1", "Relay2", "Relay3", "Relay4", "Relay5", "Relay6",
                                      "Relay7", "Relay8"});
        appendItems(kIdAnalogFieldB, {"OFF", "ON"});
        setControlsVisible({kIdAnalogLastChannel, kIdAnalogLevel}, false);
    } else {
        setControlText(kIdAnalogLabelA, "DMX First Ch:");
        setControlText(kIdAnalogLabelB, "Increment Ch:");
        setControlText(kIdAnalogLabelC, "DMX Last Ch:");
        setControlText(kIdAnalogLabelD, "DMX Level:");
        appendNumbers({kIdAnalogFieldA}, 1, 512);
        appendNumbers({kIdAnalogFieldB}, 1, 255);
        setControlsVisible({kIdAnalogLastChannel, kIdAnalogLevel}, true);
    }
    selectItem(kIdAnalogFieldA, 0);
    selectItem(kIdAnalogFieldB, 0);
}

EventForm AnalogPanel::form() const {
    return AnalogForm{.inputItem = selection(kIdAnalogInput),
                      .lowVolts = text(kIdAnalogLowVolts),
                      .highVolts = text(kIdAnalogHighVolts),
                      .outputItem = selection(kIdAnalogOutput),
                      .output = outputBoxes(kIdAnalogFieldA, kIdAnalogFieldB, kIdAnalogLastChannel,
                                            kIdAnalogLevel)};
}

} // namespace corvane
