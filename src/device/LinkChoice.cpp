#include "device/LinkChoice.h"

#include "device/AutoLink.h"
#include "device/D2xxLink.h"
#include "device/DynamicLibrary.h"
#include "device/SerialLink.h"

#include <cstdlib>
#include <filesystem>

namespace corvane {

namespace {

// FTDI's library, looked for when nothing names a link.
constexpr const char* kFtdiLibrary = "libftd2xx.so";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// A device given with a "/" is a port path (/dev/ttyUSB0, /dev/pts/3); otherwise
// a serial number. A port path wins over CORVANE_PORT; a serial number has no
// say while CORVANE_PORT names the one port to use.
SerialPortChoice SerialChoiceOf(const LinkRequest& request) {
    if (request.device.find('/') != std::string::npos)
        return {request.device, ""};
    return {request.port, request.port.empty() ? request.device : ""};
}

std::string Resolved(const std::string& path) {
    std::error_code error;
    const auto resolved = std::filesystem::weakly_canonical(path, error);
    return error ? path : resolved.string();
}

// A port named by path: what sysfs knows about it when it is a USB serial port.
FoundDevice NamedPort(const std::string& port, const SystemRoots& roots) {
    for (const SerialPortInfo& info : ListUsbSerialPorts(roots))
        if (Resolved(info.port) == Resolved(port))
            return {"serial", port, info.description, info.serialNumber, info.latency};
    return {"serial", port, "", "", ""};
}

void AddD2xxDevices(const std::string& library, Prompter& prompter,
                    std::vector<FoundDevice>& found) {
    D2xxLink d2xx(prompter);
    d2xx.bindDriver(library);
    if (!d2xx.canListDevices())
        return;
    const int count = d2xx.countDevices();
    for (int index = 0; index < count; ++index)
        found.push_back(
            {"d2xx", std::to_string(index), d2xx.deviceDescription(index).value_or(""), "", ""});
}

} // namespace

LinkRequest LinkRequest::fromEnvironment() {
    return {Environment("CORVANE_PORT"), Environment("CORVANE_D2XX_LIBRARY"),
            Environment("CORVANE_DEVICE"), SystemRoots::fromEnvironment()};
}

std::unique_ptr<ControllerLink> MakeControllerLink(const LinkRequest& request, Prompter& prompter) {
    SerialPortChoice choice = SerialChoiceOf(request);
    if (!choice.port.empty())
        return std::make_unique<SerialLink>(prompter, request.roots, std::move(choice));
    if (!request.d2xxLibrary.empty()) {
        auto d2xx = std::make_unique<D2xxLink>(prompter);
        d2xx->bindDriver(request.d2xxLibrary);
        return d2xx;
    }
    return std::make_unique<AutoLink>(prompter, request.roots, std::move(choice), kFtdiLibrary);
}

std::vector<FoundDevice> FindDevices(const LinkRequest& request, Prompter& prompter) {
    const SerialPortChoice choice = SerialChoiceOf(request);
    if (!choice.port.empty())
        return {NamedPort(choice.port, request.roots)};
    std::vector<FoundDevice> found;
    if (!request.d2xxLibrary.empty()) {
        AddD2xxDevices(request.d2xxLibrary, prompter, found);
        return found;
    }
    for (const SerialPortInfo& info : ListUsbSerialPorts(request.roots))
        found.push_back({"serial", info.port, info.description, info.serialNumber, info.latency});
    if (DynamicLibrary::loadForProcess(kFtdiLibrary) != nullptr)
        AddD2xxDevices(kFtdiLibrary, prompter, found);
    return found;
}

} // namespace corvane
