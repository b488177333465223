#include "panels/SensorPanel.h"

#include "skin/controls/SpinButton.h"

namespace corvane {

namespace {

constexpr int kOutputType = 1139;
constexpr int kFirstSettingSpin = 111;
constexpr int kSecondSettingSpin = 112;
constexpr int kFirstSettingText = 1140;
constexpr int kSecondSettingText = 1015;

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
    firstSetting_ = makeSpin(kFirstSettingSpin, QRect(197, 146, 45, 23), 0);
    secondSetting_ = makeSpin(kSecondSettingSpin, QRect(197, 178, 45, 23), 30);
    return true;
}

void SensorPanel::fillControls() {
    setControlText(kFirstSettingText, "0");
    setControlText(kSecondSettingText, "30");
    fillChannelBlock(1135, 1137, 1136, 1138);
    QStringList contacts;
    for (int contact = 1; contact <= 8; ++contact)
        contacts.append(QStringLiteral("Contact%1").arg(contact));
    appendItems(1134, contacts);
    selectItem(1134, 0);
    appendItems(kOutputType, {"DMX", "Relay", "Audio"});
    selectItem(kOutputType, kDmx);
}

SpinButton* SensorPanel::spin(int id) const {
    if (id == kFirstSettingSpin)
        return firstSetting_;
    if (id == kSecondSettingSpin)
        return secondSetting_;
    return nullptr;
}

void SensorPanel::onCommand(int id, int notification) {
    if (id == kOutputType && notification == kSelectionChange)
        applyOutputType(selection(kOutputType));
    EventPanel::onCommand(id, notification);
}

void SensorPanel::showSpinPosition(int spinId, int position) {
    if (spinId == kFirstSettingSpin)
        setControlText(kFirstSettingText, SpinDisplayText(position));
    else if (spinId == kSecondSettingSpin)
        setControlText(kSecondSettingText, SpinDisplayText(position));
}

// The first two boxes change meaning with the output type; last channel
// (1137) and level (1138) are only hidden or shown, never refilled, so they
// keep the operator's choice across type changes.
void SensorPanel::applyOutputType(int type) {
    switch (type) {
    case kDmx:
        setControlText(1128, "DMX First Ch:");
        setControlText(1130, "Increment Ch:");
        clearItems(1135);
        appendNumbers({1135}, 1, 512);
        selectItem(1135, 0);
        clearItems(1136);
        appendNumbers({1136}, 1, 255);
        selectItem(1136, 0);
        setControlsVisible({1130, 1131, 1132, 1136, 1137, 1138}, true);
        break;
    case kRelay:
        setControlText(1128, "    Relay No.:");
        setControlText(1130, "Relay Status:");
        clearItems(1135);
        appendNumbers({1135}, 1, 8);
        selectItem(1135, 0);
        clearItems(1136);
        appendItems(1136, {"Off", "On"});
        selectItem(1136, 0);
        setControlsVisible({1130, 1136}, true);
        setControlsVisible({1131, 1132, 1137, 1138}, false);
        break;
    case kAudio:
        setControlText(1128, "      Audio In:");
        clearItems(1135);
        appendItems(1135, {"Enable", "Disable"});
        selectItem(1135, 1);
        setControlsVisible({1130, 1131, 1132, 1136, 1137, 1138}, false);
        break;
    default:
        break;
    }
}

} // namespace corvane
