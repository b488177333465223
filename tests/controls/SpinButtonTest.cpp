#include "skin/controls/SpinButton.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

std::vector<int> Reported(const QSignalSpy& spy) {
    std::vector<int> positions;
    for (const auto& arguments : spy)
        positions.push_back(arguments.at(0).toInt());
    return positions;
}

class SpinButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        spin_.resize(16, 30);
        spin_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&spin_));
    }
    SpinButton spin_;
};

TEST_F(SpinButtonTest, ArrowsAndKeysStepWithinTheRange) {
    spin_.setRange(1, 3);
    spin_.setPosition(2);
    QSignalSpy spy(&spin_, &SpinButton::scrolled);
    const QPoint up(8, 5), down(8, 25);
    QTest::mouseClick(&spin_, Qt::LeftButton, {}, up);
    QTest::mouseClick(&spin_, Qt::LeftButton, {}, up); // at the upper end: no change
    QTest::keyClick(&spin_, Qt::Key_Down);
    QTest::mouseClick(&spin_, Qt::LeftButton, {}, down);
    QTest::mouseClick(&spin_, Qt::LeftButton, {}, down); // at the lower end
    QTest::keyClick(&spin_, Qt::Key_Up);
    EXPECT_EQ(Reported(spy), (std::vector<int>{3, 2, 1, 2}));
    EXPECT_EQ(spin_.position(), 2);
}

TEST_F(SpinButtonTest, PositionsSetByCodeAreClampedAndNotReportedAndUpGoesToTheUpperEnd) {
    QSignalSpy spy(&spin_, &SpinButton::scrolled);
    const struct {
        int lower, upper, set, expected;
    } cases[] = {{0, 59, 75, 59}, {0, 59, -3, 0}, {1, 24, 7, 7}, {10, 0, 11, 10}};
    for (const auto& c : cases) {
        spin_.setRange(c.lower, c.upper);
        spin_.setPosition(c.set);
        EXPECT_EQ(spin_.position(), c.expected);
    }
    EXPECT_TRUE(spy.isEmpty());
    // Up moves towards the upper end even when it is the smaller one.
    spin_.setRange(5, 0);
    spin_.setPosition(2);
    spin_.step(true);
    EXPECT_EQ(spin_.position(), 1);
    spin_.step(false);
    spin_.step(false);
    EXPECT_EQ(spin_.position(), 3);
}

TEST_F(SpinButtonTest, HeldArrowRepeatsUntilReleased) {
    spin_.setRange(0, 1000);
    spin_.setPosition(0);
    spin_.setAutoRepeat(1, 1);
    QTest::mousePress(&spin_, Qt::LeftButton, {}, {8, 5});
    QTRY_VERIFY(spin_.position() >= 5);
    QTest::mouseRelease(&spin_, Qt::LeftButton, {}, {8, 5});
    const int released = spin_.position();
    QTest::qWait(20);
    EXPECT_EQ(spin_.position(), released);
}

} // namespace
} // namespace corvane
