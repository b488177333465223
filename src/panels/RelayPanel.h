#pragma once

#include "panels/ControlIds.h"
#include "panels/EventPanel.h"

namespace corvane {

// Relay events: a watched DMX channel, its level window, the relay and its state.
// All its controls are combo boxes filled at creation; it has no reactions.
class RelayPanel : public EventPanel {
    Q_OBJECT

public:
    using Form = RelayForm;

    using EventPanel::EventPanel;

    EventForm form() const override;

protected:
    int designatedSkinNumber() const override { return kSkinRelay; }
    void fillControls() override;
};

} // namespace corvane
