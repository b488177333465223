#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Where the kernel shows its devices: "/sys" and "/dev", or the folders named by
// CORVANE_SYSFS_ROOT and CORVANE_DEV_DIR (tests, unusual systems).
struct SystemRoots {
    std::string sysfs = "/sys";
    std::string dev = "/dev";

    static SystemRoots fromEnvironment();
};

// A USB serial port and what its USB device says about itself. Texts from the
// device are cleaned by DescriptorText; a missing attribute is an empty text.
struct SerialPortInfo {
    std::string port;        // the device node, e.g. /dev/ttyUSB0
    std::string description; // the USB product string
    std::string serialNumber;
    std::string manufacturer;
    std::string vendorId; // four hex digits, as the kernel writes them
    std::string productId;
    std::string latency; // the ftdi_sio latency timer ("1ms", "16ms"), or empty
};

// Every tty in <sysfs>/class/tty whose device is a USB serial port, in the order
// of their names with numbers compared as numbers (ttyUSB2 before ttyUSB10).
std::vector<SerialPortInfo> ListUsbSerialPorts(const SystemRoots& roots);

// A USB string as the program keeps it: the line end dropped, every byte that is
// not printable ASCII (tabs and newlines included) shown as '?', and cut to the
// 63 characters a D2XX description holds.
std::string DescriptorText(std::string_view raw);

} // namespace corvane
