// Arrow keys and Tab with real key presses on the X server.
#include "DisplayHarness.h"

#include <QApplication>
#include <QListWidget>

namespace corvane::test {
namespace {

using KeyboardTest = DisplayHarness;

TEST_F(KeyboardTest, ArrowsStayInTheListAndOnlyMoveBetweenSelectorsWithoutSwitching) {
    chooseKind(EventKind::Relay);
    clickAt(window().control(kIdAdd));
    clickAt(window().eventList()->viewport(), QPoint(20, 8));
    press("Down Right Up Left Down");
    EXPECT_EQ(QApplication::focusWidget(), window().eventList());
    EXPECT_EQ(window().currentKind(), EventKind::Relay);
    clickAt(window().control(kIdSelectRelay));
    press("Right");
    EXPECT_EQ(QApplication::focusWidget(), window().control(kIdSelectSensor));
    EXPECT_EQ(window().currentKind(), EventKind::Relay);
    press("space");
    EXPECT_TRUE(waitFor([this] { return window().currentKind() == EventKind::Sensor; }));
}

TEST_F(KeyboardTest, TabReachesTheVisiblePanelsControlsInReadingOrder) {
    chooseKind(EventKind::Sensor);
    EventPanel* panel = window().panel(EventKind::Sensor);
    clickAt(window().control(kIdEventName));
    std::vector<QWidget*> visited;
    for (int i = 0; i < 40; ++i) {
        press("Tab");
        QWidget* focus = QApplication::focusWidget();
        if (focus && panel->isAncestorOf(focus))
            visited.push_back(focus);
    }
    ASSERT_FALSE(visited.empty());
    // Each panel stop once per round, top to bottom, left to right.
    std::vector<std::pair<int, int>> places;
    for (QWidget* stop : visited) {
        const QPoint at = stop->mapTo(panel, QPoint(0, 0));
        places.emplace_back(at.y(), at.x());
    }
    const auto round = std::find(places.begin() + 1, places.end(), places.front());
    EXPECT_TRUE(std::is_sorted(places.begin(), round));
    EXPECT_NE(std::find(visited.begin(), visited.end(), panel->control(kIdSensorOutput)),
              visited.end());
}

} // namespace
} // namespace corvane::test
