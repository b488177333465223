// The serial link against the simulated controller on a real pseudo-terminal:
// refusals to open and a port that vanishes (reads in parts are the link
// contract's, whole commands the corvanectl runs').

#include "device/SerialLink.h"

#include "PtyRig.h"
#include "device/ControllerPackets.h"
#include "support/RecordingPrompter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {
namespace {

using namespace test;
using Bytes = std::vector<std::uint8_t>;
using Strings = std::vector<std::string>;

constexpr uid_t kNobody = 65534;

struct PortLink {
    RecordingPrompter prompter;
    SerialLink link;
    explicit PortLink(const std::string& port) : link(prompter, SystemRoots{}, {port, ""}) {}
};

// Runs `open` as a user the port is closed to: its mode is cleared and, as root
// (who may open anything), the effective user is nobody meanwhile.
template <typename Open> void AsOutsider(const std::string& port, Open open) {
    ::chmod(port.c_str(), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::seteuid(kNobody), 0);
    }
    open();
    if (root) {
        ASSERT_EQ(::seteuid(0), 0);
    }
    ::chmod(port.c_str(), 0620);
}

TEST(SerialLink, RefusalsToOpenSayWhatIsWrong) {
    enum class Port { Missing, RegularFile, NotATty, HeldByAnother, Forbidden };
    struct Case {
        const char* name;
        Port port;
        std::string before, after;
    };
    const std::string noPort = " is not a serial port.";
    const std::string inUse = " is in use: another program has it open.";
    const std::string addToGroup = ". Add your user to the dialout group "
                                   "(sudo usermod -aG dialout $USER) and log in again.";
    // clang-format off
    const std::vector<Case> cases = {
        {"nothing there",           Port::Missing,       "No serial port at ",     "."},
        {"a file",                  Port::RegularFile,   "",                       noPort},
        {"a device that is no tty", Port::NotATty,       "",                       noPort},
        {"held by another program", Port::HeldByAnother, "",                       inUse},
        {"not the user's to open",  Port::Forbidden,     "Permission denied for ", addToGroup},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PtyRig pty;
        TempFolder folder;
        folder.write("file", {1, 2, 3});
        std::string port = pty.port();
        port = c.port == Port::Missing       ? folder.file("ttyUSB9")
               : c.port == Port::RegularFile ? folder.file("file")
               : c.port == Port::NotATty     ? "/dev/null"
                                             : port;
        PortLink holder(pty.port()), user(port);
        if (c.port == Port::HeldByAnother)
            holder.link.openController();
        if (c.port == Port::Forbidden)
            AsOutsider(port, [&] { user.link.openController(); });
        else
            user.link.openController();
        EXPECT_FALSE(user.link.isOpen());
        EXPECT_EQ(user.prompter.messages, Strings{c.before + port + c.after});
    }
}

// The pseudo-terminal closes once the cut is reached, during the reply: to the
// link, an unplugged port.
TEST(SerialLink, APortThatVanishesFailsTheReadAndIsLetGo) {
    PtyRig pty(SimSettingsOf({{"timing", "instant"}, {"cut_after", "30"}}));
    PortLink user(pty.port());
    user.link.openController();
    ASSERT_TRUE(user.link.write(BuildSetClockRequest({})));
    Bytes reply(100);
    EXPECT_EQ(user.link.read(reply), std::nullopt);
    EXPECT_FALSE(user.link.isOpen());
    EXPECT_FALSE(user.link.write(reply));
    EXPECT_TRUE(user.prompter.messages.empty());
}

} // namespace
} // namespace corvane
