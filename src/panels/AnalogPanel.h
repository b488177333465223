#pragma once

#include "panels/EventPanel.h"

namespace corvane {

// Analog events: a voltage window (1140 low, 1015 high) on one of four inputs
// drives a DMX range or a relay. The output type (1152) relabels and refills
// the boxes below it.
class AnalogPanel : public EventPanel {
    Q_OBJECT

public:
    using EventPanel::EventPanel;

    void onCommand(int id, int notification) override;

protected:
    int SetSkinNumber() const override { return 1142; }
    void fillControls() override;

private:
    void applyOutputType(int type);
};

} // namespace corvane
