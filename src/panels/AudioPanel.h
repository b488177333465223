#pragma once

#include "panels/ControlIds.h"
#include "panels/EventPanel.h"

namespace corvane {

// Audio band events: side, frequency band, the DMX range and the pixel mode.
// All its controls are combo boxes filled at creation; it has no reactions.
class AudioPanel : public EventPanel {
    Q_OBJECT

public:
    using Form = AudioForm;

    using EventPanel::EventPanel;

    EventForm form() const override;

protected:
    int designatedSkinNumber() const override { return kSkinAudio; }
    void fillControls() override;
};

} // namespace corvane
