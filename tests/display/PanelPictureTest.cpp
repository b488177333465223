// Every panel and output type as the X server shows it: hidden controls leave
// no trace, and a picture of each is kept for review.
#include "DisplayHarness.h"

#include <set>

namespace corvane::test {
namespace {

using PanelPictureTest = DisplayHarness;

struct PanelCase {
    const char* picture;
    EventKind kind;
    int outputCombo; // 0: the panel has no output type
    int outputType;
};

// clang-format off
const PanelCase kPanels[] = {
    {"week_clock", EventKind::WeekClock, 0, 0},
    {"timecode", EventKind::Timecode, 0, 0},
    {"midi", EventKind::Midi, 0, 0},
    {"audio", EventKind::Audio, 0, 0},
    {"relay", EventKind::Relay, 0, 0},
    {"sensor_relay", EventKind::Sensor, kIdSensorOutput, 1},
    {"sensor_audio", EventKind::Sensor, kIdSensorOutput, 2},
    {"sensor_dmx", EventKind::Sensor, kIdSensorOutput, 0},
    {"analog_relay", EventKind::Analog, kIdAnalogOutput, 1},
    {"analog_dmx", EventKind::Analog, kIdAnalogOutput, 0},
};
// clang-format on

// The colours inside a rectangle of a picture, one pixel in from its edges.
std::set<QRgb> ColoursIn(const QImage& picture, const QRect& rect) {
    std::set<QRgb> colours;
    const QRect inner = rect.adjusted(1, 1, -1, -1).intersected(picture.rect());
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x)
            colours.insert(picture.pixel(x, y));
    }
    return colours;
}

TEST_F(PanelPictureTest, HiddenControlsLeaveOnlyTheCardBehindThem) {
    for (const PanelCase& c : kPanels) {
        SCOPED_TRACE(c.picture);
        chooseKind(c.kind);
        EventPanel* panel = window().panel(c.kind);
        if (c.outputCombo != 0)
            chooseItem(combo(c.kind, c.outputCombo), c.outputType);
        QTest::qWait(100);
        const QImage shown = onScreen(panel);
        keep(shown, QString::fromLatin1(c.picture));
        for (const ControlEntry& entry : panel->controls()) {
            if (entry.control->isVisible())
                continue;
            SCOPED_TRACE(ControlId(entry.control));
            EXPECT_EQ(ColoursIn(shown, entry.control->geometry()).size(), 1u);
        }
    }
}

} // namespace
} // namespace corvane::test
