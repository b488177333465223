#pragma once

#include "panels/ControlIds.h"
#include "panels/EventPanel.h"

namespace corvane {

// Analog events: a voltage window (low and high volts) on one of four inputs
// drives a DMX range or a relay. The output type relabels and refills
// the boxes below it.
class AnalogPanel : public EventPanel {
    Q_OBJECT

public:
    using Form = AnalogForm;

    using EventPanel::EventPanel;

    EventForm form() const override;

    void onCommand(int id, int notification) override;

protected:
    int designatedSkinNumber() const override { return kSkinAnalog; }
    void fillControls() override;

private:
    void applyOutputType(int type);
};

} // namespace corvane
