#include "skin/controls/SpinButton.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(SpinButtonTest, StepsWithinTheRangeAndClampsWhatTheCodeSets) {
    SpinButton spin;
    spin.resize(16, 30);
    spin.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&spin));
    QSignalSpy spy(&spin, &SpinButton::scrolled);
    // Set by the code: clamped, not reported. Up moves towards the upper end even when it is the smaller.
    const struct { int lower, upper, set, expected; bool up; int stepped; } cases[] = {
        {0, 59, 75, 59, true, 59}, {0, 59, -3, 0, false, 0}, {10, 0, 11, 10, false, 10}, {5, 0, 2, 2, true, 1}};
    for (const auto& c : cases) {
        spin.setRange(c.lower, c.upper);
        spin.setPosition(c.set);
        EXPECT_EQ(spin.position(), c.expected);
        EXPECT_TRUE(spy.isEmpty());
        spin.step(c.up);
        EXPECT_EQ(spin.position(), c.stepped);
        spy.clear();
    }
    spin.setRange(1, 3);
    spin.setPosition(2);
    for (QPoint at : {QPoint(8, 5), QPoint(8, 5), QPoint(8, 25), QPoint(8, 25), QPoint(8, 25)}) // twice at each end
        QTest::mouseClick(&spin, Qt::LeftButton, {}, at);
    QTest::keyClick(&spin, Qt::Key_Up);
    std::vector<int> reported;
    for (const auto& arguments : spy)
        reported.push_back(arguments.at(0).toInt());
    EXPECT_EQ(reported, (std::vector<int>{3, 2, 1, 2}));
}

} // namespace
} // namespace corvane
