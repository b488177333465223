// Start-up and shut-down of the program: skin, driver, controller and clock.
#include "AppHarness.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace corvane::test {
namespace {

using StartupTest = AppHarness;

// clang-format off
struct DeviceCase { const char* name; const char* library; /* nullptr: the simulated controller */
                    const char* devices; const char* clockReplyBytes; std::vector<std::string> messages; };
// clang-format on

class StartupMessagesTest : public AppHarness, public testing::WithParamInterface<DeviceCase> {};

TEST_P(StartupMessagesTest, WindowOpensAfterTheDeviceMessages) {
    const DeviceCase& c = GetParam();
    if (c.library != nullptr)
        qputenv("CORVANE_D2XX_LIBRARY", c.library);
    ConfigureSimulator("devices", c.devices);
    ConfigureSimulator("clock_reply_bytes", c.clockReplyBytes);
    ASSERT_TRUE(start());
    EXPECT_EQ(prompter.messages, c.messages);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Devices, StartupMessagesTest, testing::Values(
    DeviceCase{"NoLibrary", "/nonexistent/libftd2xx.so", "Velmora", "20", {"Error:Can't Load ft8u245.dll",
        "FT_ListDevices is not valid!", "No Device Found!", "FT_Write is not valid!"}},
    DeviceCase{"NoDevice", nullptr, "", "20", {"No Device Found!"}},
    DeviceCase{"Controller", nullptr, "Velmora", "20", {}},
    DeviceCase{"ShortClockReply", nullptr, "Velmora", "19", {"Time Set is Error!"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(StartupTest, ClosingEndsTheLoopExitDeletesTheWindowOnceAndEventsSurviveARestart) {
    ASSERT_TRUE(start());
    selectKind(EventKind::Relay);
    setEventName("Stage");
    click(kIdAdd);
    QPointer<MainWindow> shown = &window();
    QTimer::singleShot(0, [this] { click(kIdClose); });
    // Ends a loop that the close failed to end, as a failure instead of a hang.
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [] { QApplication::exit(2); });
    guard.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(shown->isVisible());
    app.exitInstance();
    EXPECT_TRUE(shown.isNull());
    app.exitInstance();
    EXPECT_EQ(app.mainWindow(), nullptr);

    ASSERT_TRUE(start());
    selectKind(EventKind::Relay);
    ASSERT_EQ(listLines().size(), 1);
    EXPECT_TRUE(listLines().front().startsWith("Stage:ch="));
}

TEST_F(StartupTest, WindowShowsTheProgramIconAndLeavesItsCutCornersTransparent) {
    ASSERT_TRUE(start());
    EXPECT_FALSE(window().windowIcon().isNull());
    // The corners are left out by drawing, not only by the shape, for
    // compositors that take the shape as the input region only.
    const QImage drawn = window().grab().toImage();
    EXPECT_EQ(qAlpha(drawn.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(drawn.pixel(drawn.width() - 1, drawn.height() - 1)), 0);
    EXPECT_EQ(qAlpha(drawn.pixel(drawn.width() / 2, drawn.height() / 2)), 255);
}

} // namespace
} // namespace corvane::test
