#pragma once

#include "device/ControllerLink.h"
#include "device/SerialDiscovery.h"

#include <memory>
#include <string>
#include <vector>

namespace corvane {

class Prompter;

// Which link to the controller the environment and the command line ask for.
struct LinkRequest {
    std::string port;        // CORVANE_PORT: this serial port and nothing else
    std::string d2xxLibrary; // CORVANE_D2XX_LIBRARY: this D2XX library, every message as ever
    std::string device;      // CORVANE_DEVICE or --device: a port path or a serial number
    SystemRoots roots;       // where sysfs and /dev are

    static LinkRequest fromEnvironment();
};

// The link a request asks for. A port (CORVANE_PORT, or a device given as a
// path) wins over a D2XX library; with neither, the kernel's serial ports are
// looked at first, then FTDI's libftd2xx.so when it loads (silently skipped when
// it does not), then "No Device Found!". A device given as a serial number
// picks the serial port whose USB device has it.
std::unique_ptr<ControllerLink> MakeControllerLink(const LinkRequest& request, Prompter& prompter);

// Every device the request's links can reach, serial ports first.
std::vector<FoundDevice> FindDevices(const LinkRequest& request, Prompter& prompter);

} // namespace corvane
