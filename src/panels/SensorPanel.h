#pragma once

#include "panels/ControlIds.h"
#include "panels/EventPanel.h"

namespace corvane {

class SpinButton;

// Sensor events: a contact input drives a DMX range, a relay or the audio
// input. The output type relabels and refills the boxes below it.
// The two settings have spin buttons of their own, created
// hidden: the settings keep 0 and 30.
class SensorPanel : public EventPanel {
    Q_OBJECT

public:
    using Form = SensorForm;

    using EventPanel::EventPanel;

    EventForm form() const override;

    void onCommand(int id, int notification) override;
    SpinButton* spin(int id) const;

protected:
    int designatedSkinNumber() const override { return kSkinSensor; }
    bool createOwnControls() override;
    void fillControls() override;

private:
    void applyOutputType(int type);
    void showSpinPosition(int spinId, int position);

    SpinButton* firstSetting_ = nullptr;
    SpinButton* secondSetting_ = nullptr;
};

} // namespace corvane
