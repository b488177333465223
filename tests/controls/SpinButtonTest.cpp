#include "skin/controls/SpinButton.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(SpinButtonTest, StepsWithinTheRangeByArrowsAndKeysAndClampsWhatTheCodeSets) {
    SpinButton spin;
    spin.resize(16, 30);
    spin.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&spin));
    QSignalSpy spy(&spin, &SpinButton::scrolled);
    // Positions set by the code are clamped and not reported.
    const struct { int lower, upper, set, expected; } cases[] = {{0, 59, 75, 59}, {0, 59, -3, 0}, {10, 0, 11, 10}};
    for (const auto& c : cases) {
        spin.setRange(c.lower, c.upper);
        spin.setPosition(c.set);
        EXPECT_EQ(spin.position(), c.expected);
    }
    EXPECT_TRUE(spy.isEmpty());
    // Up moves towards the upper end even when it is the smaller one.
    spin.setRange(5, 0);
    spin.setPosition(2);
    spin.step(true);
    EXPECT_EQ(spin.position(), 1);
    spy.clear();

    spin.setRange(1, 3);
    spin.setPosition(2);
    const QPoint up(8, 5), down(8, 25);
    for (QPoint at : {up, up, down, down, down}) // twice at each end: no change
        QTest::mouseClick(&spin, Qt::LeftButton, {}, at);
    QTest::keyClick(&spin, Qt::Key_Up);
    std::vector<int> reported;
    for (const auto& arguments : spy)
        reported.push_back(arguments.at(0).toInt());
    EXPECT_EQ(reported, (std::vector<int>{3, 2, 1, 2}));
}

} // namespace
} // namespace corvane
