// The serial link joins the controller link contract: a USB serial port in a
// fake sysfs tree whose /dev entry leads to the simulated controller on a real
// pseudo-terminal.

#include "FakeSysfs.h"
#include "LinkContract.h"
#include "PtyRig.h"
#include "device/SerialLink.h"

namespace corvane {
namespace {

using namespace test;

struct PtySerialLink : LinkUnderTest {
    PtyRig pty;
    FakeSystem system{{{"ttyUSB0", "usb-serial", "Velmora", "SIM1000", "16"}}};
    SerialLink serial{prompter, system.roots};

    PtySerialLink() { system.linkDevice("ttyUSB0", pty.port()); }
    ControllerLink& link() override { return serial; }
    void removeController() override { fs::remove_all(system.roots.sysfs + "/class/tty/ttyUSB0"); }
};

INSTANTIATE_TEST_SUITE_P(Serial, LinkContract,
                         ::testing::Values(LinkFactory{
                             "PseudoTerminal", [] { return std::make_unique<PtySerialLink>(); }}),
                         LinkContract::Name);

} // namespace
} // namespace corvane
