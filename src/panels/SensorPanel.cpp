#include "panels/SensorPanel.h"

#include "panels/ControlIds.h"
#include "skin/controls/SpinButton.h"

namespace corvane {

namespace {

enum OutputType { kDmx = 0, kRelay = 1, kAudio = 2 };

// The spin buttons in the panel's dark colours: a raised face, light arrows.
QPalette SpinPalette(QPalette palette) {
    palette.setColor(QPalette::Button, QColor(0x25, 0x2A, 0x31));
    palette.setColor(QPalette::ButtonText, QColor(0xE8, 0xEB, 0xEF));
    palette.setColor(QPalette::WindowText, QColor(0xE8, 0xEB, 0xEF));
    palette.setColor(QPalette::Dark, QColor(0x2E, 0x34, 0x3D));
    return palette;
}

} // namespace

// The settings' spin buttons sit beside their display texts and adjust them
// within 0..59; untouched, the settings keep their initial 0 and 30.
bool SensorPanel::createOwnControls() {
    auto makeSpin = [this](int id, const QRect& rect, int position) {
        auto* spin = new SpinButton(this);
        SetControlId(spin, id);
        spin->setGeometry(rect);
        spin->setRange(0, 59);
        spin->setPosition(position);
        spin->setPalette(SpinPalette(spin->palette()));
        spin->show();
        connect(spin, &SpinButton::scrolled, this,
                [this, id](int value) { showSpinPosition(id, value); });
        return spin;
    };
    firstSetting_ = makeSpin(kIdSensorSetting1Spin, QRect(197, 146, 45, 23), 0);
    secondSetting_ = makeSpin(kIdSensorSetting2Spin, QRect(197, 178, 45, 23), 30);
    return true;
}

void SensorPanel::fillControls() {
    setControlText(kIdSensorSetting1, "0");
    setControlText(kIdSensorSetting2, "30");
    fillChannelBlock(kIdSensorFieldA, kIdSensorLastChannel, kIdSensorFieldB, kIdSensorLevel);
    QStringList contacts;
    for (int contact = 1; contact <= 8; ++contact)
        contacts.append(QStringLiteral("Contact%1").arg(contact));
    appendItems(kIdSensorContact, contacts);
    selectItem(kIdSensorContact, 0);
    appendItems(kIdSensorOutput, {"DMX", "Relay", "Audio"});
    selectItem(kIdSensorOutput, kDmx);
}

SpinButton* SensorPanel::spin(int id) const {
    if (id == kIdSensorSetting1Spin)
        return firstSetting_;
    if (id == kIdSensorSetting2Spin)
        return secondSetting_;
    return nullptr;
}

void SensorPanel::onCommand(int id, int notification) {
    if (id == kIdSensorOutput && notification == kSelectionChange)
        applyOutputType(selection(kIdSensorOutput));
    EventPanel::onCommand(id, notification);
}

void SensorPanel::showSpinPosition(int spinId, int position) {
    if (spinId == kIdSensorSetting1Spin)
        setControlText(kIdSensorSetting1, SpinDisplayText(position));
    else if (spinId == kIdSensorSetting2Spin)
        setControlText(kIdSensorSetting2, SpinDisplayText(position));
}

// The first two boxes change meaning with the output type; last channel
// (kIdSensorLastChannel) and level (kIdSensorLevel) are only hidden or shown, never refilled, so
// they keep the operator's choice across type changes.
void SensorPanel::applyOutputType(int type) {
    switch (type) {
    case kDmx:
        setControlText(kIdSensorLabelA, "DMX First Ch:");
        setControlText(kIdSensorLabelB, "Increment Ch:");
        clearItems(kIdSensorFieldA);
        appendNumbers({kIdSensorFieldA}, 1, 512);
        selectItem(kIdSensorFieldA, 0);
        clearItems(kIdSensorFieldB);
        appendNumbers({kIdSensorFieldB}, 1, 255);
        selectItem(kIdSensorFieldB, 0);
        setControlsVisible({kIdSensorLabelB, kIdSensorLabelC, kIdSensorLabelD, kIdSensorFieldB,
                            kIdSensorLastChannel, kIdSensorLevel},
                           true);
        break;
    case kRelay:
        setControlText(kIdSensorLabelA, "    Relay No.:");
        setControlText(kIdSensorLabelB, "Relay Status:");
        clearItems(kIdSensorFieldA);
        appendNumbers({kIdSensorFieldA}, 1, 8);
        selectItem(kIdSensorFieldA, 0);
        clearItems(kIdSensorFieldB);
        appendItems(kIdSensorFieldB, {"Off", "On"});
        selectItem(kIdSensorFieldB, 0);
        setControlsVisible({kIdSensorLabelB, kIdSensorFieldB}, true);
        setControlsVisible({kIdSensorLabelC, kIdSensorLabelD, kIdSensorLastChannel, kIdSensorLevel},
                           false);
        break;
    case kAudio:
        setControlText(kIdSensorLabelA, "      Audio In:");
        clearItems(kIdSensorFieldA);
        appendItems(kIdSensorFieldA, {"Enable", "Disable"});
        selectItem(kIdSensorFieldA, 1);
        setControlsVisible({kIdSensorLabelB, kIdSensorLabelC, kIdSensorLabelD, kIdSensorFieldB,
                            kIdSensorLastChannel, kIdSensorLevel},
                           false);
        break;
    default:
        break;
    }
}

EventForm SensorPanel::form() const {
    return SensorForm{.contactItem = selection(kIdSensorContact),
                      .firstSetting = text(kIdSensorSetting1),
                      .secondSetting = text(kIdSensorSetting2),
                      .outputItem = selection(kIdSensorOutput),
                      .output = outputBoxes(kIdSensorFieldA, kIdSensorFieldB, kIdSensorLastChannel,
                                            kIdSensorLevel)};
}

} // namespace corvane
