#pragma once

#include "panels/ControlIds.h"
#include "panels/EventPanel.h"

namespace corvane {

// MIDI note events: channel, note, note state, the DMX block and the action.
// All its controls are combo boxes filled at creation; it has no reactions.
class MidiPanel : public EventPanel {
    Q_OBJECT

public:
    using Form = MidiForm;

    using EventPanel::EventPanel;

    EventForm form() const override;

protected:
    int designatedSkinNumber() const override { return kSkinMidi; }
    void fillControls() override;
};

} // namespace corvane
