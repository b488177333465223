#pragma once

#include "panels/ControlIds.h"
#include "panels/EventPanel.h"

#include <array>

namespace corvane {

class SpinButton;

// Timecode events: a window between two timecode positions, each hours,
// minutes, seconds and frames set with a spin button whose position is
// shown in a display text, plus the DMX block.
// The collect reads the display texts, not the spin positions.
class TimecodePanel : public EventPanel {
    Q_OBJECT

public:
    using Form = TimecodeForm;

    using EventPanel::EventPanel;

    EventForm form() const override;

    SpinButton* spin(int id) const;

protected:
    int designatedSkinNumber() const override { return kSkinTimecode; }
    bool createOwnControls() override;
    void fillControls() override;

private:
    void showSpinPosition(int spinId, int position);

    std::array<SpinButton*, 8> spins_{};
};

} // namespace corvane
