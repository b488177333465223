// USB serial ports in a fake sysfs tree, and the port a serial link picks.

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
    for (const SerialPortInfo& info : ListUsbSerialPorts(system.roots))
        lines.push_back(info.port.substr(system.roots.dev.size() + 1) + "|" + info.description +
                        "|" + info.serialNumber + "|" + info.latency);
    return lines;
}

// Only USB serial ports are listed, in number order, with their USB device's
// strings made printable and cut to 63 characters; without sysfs, nothing.
TEST(SerialDiscovery, ListsUsbSerialPortsWithTheirUsbDevicesStrings) {
    const std::string usb = "usb-serial", x100(100, 'x'), x63(63, 'x');
    const FakeSystem system({
        {"ttyUSB10", usb, "tarnel_20", "B", "1"},
        {"ttyUSB2", usb, std::nullopt, "A9", "16"}, // no product file
        {"ttyACM0", "usb", "Velmora", "C", ""},     // cdc-acm: no latency timer
        {"ttyS0", "platform", "Velmora", "", ""},   // not USB
        {"tty0", "", "Velmora", "", ""},            // no device at all
        {"ttyUSB3", usb, "V\te\x01l\xff", "S\nN", "16"},
        {"ttyUSB4", usb, x100, "", "x"},
    });
    // clang-format off
    const Strings listed = {
        "ttyACM0|Velmora|C|",
        "ttyUSB2||A9|16ms",
        "ttyUSB3|V?e?l?|S?N|16ms",
        "ttyUSB4|" + x63 + "||",
        "ttyUSB10|tarnel_20|B|1ms",
    };
    // clang-format on
    EXPECT_EQ(Listed(system), listed);
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
    const Strings none = {"No Device Found!"};
    // clang-format off
    const std::vector<Case> cases = {
        {"the second kind first", {"tarnel_20", "Velmora"},        "",    "ttyUSB0", {}},
        {"by serial number",      {"Velmora", "Velmora"},          "SN1", "ttyUSB1", {}},
        {"unknown serial number", {"Velmora"},                     "SN7", "",        none},
        {"no known description",  {"FT232R USB UART", "Velmora "}, "",    "",        none},
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
