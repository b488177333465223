// corvanectl's device commands through CORVANE_PORT, CORVANE_DEVICE and --device,
// against the simulated controller on a pseudo-terminal served by this process;
// each command is a process of its own.

#include "DeviceTestRig.h"
#include "PtyRig.h"
#include "device/SerialLink.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace corvane {
namespace {

using namespace test;

struct SerialCli : ::testing::Test {
    TempFolder folder;

    // The exit status of corvanectl with the environment settings and args, run in
    // the folder, as `nobody` when asked and this process is root; its output goes
    // to folder/stdout and folder/stderr.
    int run(const std::string& settings, const std::string& args, bool asNobody = false) {
        const std::string user = asNobody && ::geteuid() == 0
                                     ? "setpriv --reuid=65534 --regid=65534 --clear-groups "
                                     : "";
        const std::string command =
            "cd '" + folder.path() + "' && " + user +
            "env -u CORVANE_PORT -u CORVANE_DEVICE -u CORVANE_D2XX_LIBRARY " + settings +
            " '" CORVANECTL "' " + args + " 2>'" + folder.file("stderr") + "' >'" +
            folder.file("stdout") + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string output(const char* stream) {
        const Bytes b = folder.read(stream);
        return {b.begin(), b.end()};
    }
};

TEST_F(SerialCli, EveryDeviceCommandThroughThePort) {
    PtyRig pty;
    const std::string port = "CORVANE_PORT=" + pty.port();
    EXPECT_EQ(run(port, "devices"), 0);
    EXPECT_EQ(output("stdout"), "serial\t" + pty.port() + "\t-\t-\t-\n");
    EXPECT_EQ(run(port, "clock"), 0) << output("stderr");
    const Bytes table = PatternTable(EventKind::Relay, 40);
    folder.write("sent", table);
    EXPECT_EQ(run(port, "send relay sent"), 0) << output("stderr");
    EXPECT_EQ(run("", "--device " + pty.port() + " receive relay back"), 0) << output("stderr");
    EXPECT_EQ(folder.read("back"), table);
    EXPECT_EQ(run("CORVANE_DEVICE=" + pty.port(), "empty relay"), 0) << output("stderr");
    EXPECT_EQ(run(port, "receive relay back"), 0);
    EXPECT_TRUE(folder.read("back").empty());
    EXPECT_EQ(output("stderr"), "");
}

TEST_F(SerialCli, RefusedAndVanishingPortsSayWhyAndFail) {
    // A send of the 1296-byte table crosses 1336 bytes; a cut at 1976 falls inside
    // the table coming back.
    struct Case {
        const char* name;
        const char* cutAfter;
        bool sendFirst, hold, asNobody;
        std::string command, message;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"in use", "", false, true, false, "clock", " is in use: another program has it open.\n"},
        {"permission denied", "", false, false, true, "clock", ". Add your user to the dialout group (sudo usermod -aG dialout $USER) and log in again.\n"},
        {"gone mid-send", "200", false, false, false, "send relay sent", "the transfer broke off; the controller holds part of the table\n"},
        {"gone mid-receive", "1976", true, false, false, "receive relay back", "Receive failed: the table from the controller is incomplete! ("},
    };
    // clang-format on
    folder.write("sent", PatternTable(EventKind::Relay, 40));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PtyRig pty(SimSettingsOf({{"timing", "instant"}, {"cut_after", c.cutAfter}}));
        const std::string port = "CORVANE_PORT=" + pty.port();
        RecordingPrompter prompter;
        SerialLink holder(prompter, {}, {pty.port(), ""});
        if (c.hold)
            holder.openController();
        if (c.asNobody)
            ::chmod(pty.port().c_str(), 0600);
        if (c.sendFirst) {
            EXPECT_EQ(run(port, "send relay sent"), 0) << output("stderr");
        }
        EXPECT_EQ(run(port, c.command, c.asNobody), 1);
        EXPECT_NE(output("stderr").find(c.message), std::string::npos) << output("stderr");
    }
}

} // namespace
} // namespace corvane
