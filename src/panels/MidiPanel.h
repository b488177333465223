#pragma once

#include "panels/EventPanel.h"

namespace corvane {

// MIDI note events: channel, note, note state, the DMX block and the action.
// All its controls are combo boxes filled at creation; it has no reactions.
class MidiPanel : public EventPanel {
    Q_OBJECT

public:
    using EventPanel::EventPanel;

protected:
    int SetSkinNumber() const override { return 1080; }
    void fillControls() override;
};

} // namespace corvane
