// USB serial ports as a fake sysfs tree shows them, and the port a serial link
// picks among them.

#include "device/SerialDiscovery.h"

#include "FakeSysfs.h"
#include "PtyRig.h"
#include "device/SerialLink.h"
#include "support/RecordingPrompter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <memory>

namespace corvane {
namespace {

using namespace test;
using Strings = std::vector<std::string>;

// port (below the fake /dev), description, serial number, latency
Strings Listed(const FakeSystem& system) {
    Strings lines;
    for (const SerialPortInfo& info : ListUsbSerialPorts(system.roots)) {
        EXPECT_EQ(info.vendorId + ":" + info.productId + " " + info.manufacturer, "0403:6001 FTDI");
        lines.push_back(info.port.substr(system.roots.dev.size() + 1) + "|" + info.description +
                        "|" + info.serialNumber + "|" + info.latency);
    }
    return lines;
}

TEST(SerialDiscovery, ListsUsbSerialPortsWithTheirUsbDevicesStrings) {
    struct Case {
        const char* name;
        std::vector<FakeTty> ttys;
        Strings listed;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"no device", {}, {}},
        {"one", {{"ttyUSB0", "usb-serial", "Velmora", "FT1", "16"}}, {"ttyUSB0|Velmora|FT1|16ms"}},
        {"two, in number order", {{"ttyUSB10", "usb-serial", "tarnel_20", "B", "1"}, {"ttyUSB2", "usb-serial", "Velmora", "A", "16"}}, {"ttyUSB2|Velmora|A|16ms", "ttyUSB10|tarnel_20|B|1ms"}},
        {"another description", {{"ttyUSB0", "usb-serial", "FT232R USB UART", "A9", "16"}}, {"ttyUSB0|FT232R USB UART|A9|16ms"}},
        {"no product file", {{"ttyUSB0", "usb-serial", std::nullopt, "A9", "16"}}, {"ttyUSB0||A9|16ms"}},
        {"a cdc-acm port has no latency timer", {{"ttyACM0", "usb", "Velmora", "C", ""}}, {"ttyACM0|Velmora|C|"}},
        {"a non-USB tty", {{"ttyS0", "platform", "Velmora", "", ""}}, {}},
        {"a tty without a device", {{"tty0", "", "Velmora", "", ""}}, {}},
        {"product bytes that are not text", {{"ttyUSB0", "usb-serial", "Vel\tmo\x01ra\xff", "S\nN", "16"}}, {"ttyUSB0|Vel?mo?ra?|S?N|16ms"}},
        {"product longer than a description", {{"ttyUSB0", "usb-serial", std::string(100, 'x'), "", "x"}}, {"ttyUSB0|" + std::string(63, 'x') + "||"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSystem system(c.ttys);
        EXPECT_EQ(Listed(system), c.listed);
    }
}

TEST(SerialDiscovery, AMissingSysfsListsNothing) {
    EXPECT_TRUE(ListUsbSerialPorts({"/nonexistent/sys", "/dev"}).empty());
}

// Each fake /dev/ttyUSBn leads to a real pseudo-terminal, so the link really opens it.
TEST(SerialDiscovery, TheLinkOpensTheFirstPortOfAKnownDescription) {
    struct Case {
        const char* name;
        Strings products;
        std::string serialNumber;
        std::string opened;
        Strings messages;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"the controller after another device", {"FT232R USB UART", "Velmora"}, "", "ttyUSB1", {}},
        {"the second device when it comes first", {"tarnel_20", "Velmora"}, "", "ttyUSB0", {}},
        {"by serial number", {"Velmora", "Velmora"}, "SN1", "ttyUSB1", {}},
        {"an unknown serial number", {"Velmora"}, "SN7", "", {"No Device Found!"}},
        {"no known description", {"FT232R USB UART", "Velmora "}, "", "", {"No Device Found!"}},
        {"no ports", {}, "", "", {"No Device Found!"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<FakeTty> ttys;
        std::vector<std::unique_ptr<sim::PtyController>> terminals;
        for (std::size_t i = 0; i < c.products.size(); ++i)
            ttys.push_back({"ttyUSB" + std::to_string(i), "usb-serial", c.products[i],
                            "SN" + std::to_string(i), "16"});
        FakeSystem system(ttys);
        for (const FakeTty& tty : ttys) {
            terminals.push_back(std::make_unique<sim::PtyController>(sim::SimSettings{}));
            system.linkDevice(tty.name, terminals.back()->portPath());
        }
        RecordingPrompter prompter;
        SerialLink link(prompter, system.roots, {"", c.serialNumber});
        link.openController();
        EXPECT_EQ(link.isOpen(), !c.opened.empty());
        EXPECT_EQ(link.portPath(), c.opened.empty() ? "" : system.roots.dev + "/" + c.opened);
        EXPECT_EQ(prompter.messages, c.messages);
    }
}

} // namespace
} // namespace corvane
