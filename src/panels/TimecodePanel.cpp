#include "panels/TimecodePanel.h"

#include "panels/ControlIds.h"
#include "skin/controls/SpinButton.h"

namespace corvane {

namespace {

struct SpinLayout {
    int upper;
    QRect rect;
};

// Start hours, minutes, seconds, frames, then the same for the end; the
// start column at x 115, the end column at x 202.
constexpr int kRowTops[4] = {55, 93, 132, 170};
constexpr int kUppers[4] = {23, 59, 59, 29};

SpinLayout LayoutOf(int index) {
    const int left = index < 4 ? 115 : 202;
    const int top = kRowTops[index % 4];
    return {kUppers[index % 4], QRect(left, top, 40, 23)};
}

} // namespace

bool TimecodePanel::createOwnControls() {
    for (int index = 0; index < 8; ++index) {
        const SpinLayout layout = LayoutOf(index);
        const int id = kIdTcFirstSpin + index;
        auto* spin = new SpinButton(this);
        SetControlId(spin, id);
        spin->setGeometry(layout.rect);
        spin->setRange(0, layout.upper);
        spin->setPosition(0);
        connect(spin, &SpinButton::scrolled, this,
                [this, id](int position) { showSpinPosition(id, position); });
        spin->show();
        spins_[index] = spin;
    }
    return true;
}

void TimecodePanel::fillControls() {
    fillChannelBlock(kIdTcFirstChannel, kIdTcLastChannel, kIdTcIncrement, kIdTcLevel);
    for (int index = 0; index < 8; ++index)
        setControlText(kIdTcStartHours + index, SpinDisplayText(0));
}

SpinButton* TimecodePanel::spin(int id) const {
    const int index = id - kIdTcFirstSpin;
    return index >= 0 && index < 8 ? spins_[index] : nullptr;
}

void TimecodePanel::showSpinPosition(int spinId, int position) {
    const int index = spinId - kIdTcFirstSpin;
    if (index >= 0 && index < 8)
        setControlText(kIdTcStartHours + index, SpinDisplayText(position));
}

EventForm TimecodePanel::form() const {
    TimecodeForm form;
    for (std::size_t index = 0; index < form.times.size(); ++index)
        form.times[index] = text(kIdTcStartHours + static_cast<int>(index));
    form.channels = channelTexts(kIdTcFirstChannel, kIdTcLastChannel, kIdTcIncrement, kIdTcLevel);
    return form;
}

} // namespace corvane
