#include "device/SerialDiscovery.h"

#include "device/D2xx.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace corvane {

namespace fs = std::filesystem;

namespace {

// Attributes are short; anything longer than this is not read further.
constexpr std::streamsize kAttributeReadLimit = 4096;

std::string ReadAttribute(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string text(kAttributeReadLimit, '\0');
    in.read(text.data(), kAttributeReadLimit);
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

std::string EnvironmentOr(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : fallback;
}

// The subsystem a sysfs device belongs to: the name its "subsystem" link points at.
std::string SubsystemOf(const fs::path& device) {
    std::error_code error;
    const fs::path target = fs::read_symlink(device / "subsystem", error);
    return error ? std::string() : target.filename().string();
}

// The USB device behind a tty: a usb-serial port's parent is the USB interface
// (a cdc-acm tty's device is the interface itself), whose parent is the device.
std::optional<fs::path> UsbDeviceOf(const fs::path& ttyEntry) {
    std::error_code error;
    const fs::path device = fs::canonical(ttyEntry / "device", error);
    if (error)
        return std::nullopt;
    const std::string subsystem = SubsystemOf(device);
    if (subsystem == "usb-serial")
        return device.parent_path().parent_path();
    if (subsystem == "usb")
        return device.parent_path();
    return std::nullopt;
}

// ftdi_sio's latency timer in milliseconds; empty for other drivers or odd contents.
std::string LatencyOf(const fs::path& ttyEntry) {
    std::string text = ReadAttribute(ttyEntry / "device" / "latency_timer");
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    const bool number =
        !text.empty() && text.size() <= 3 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    return number ? text + "ms" : "";
}

// Names compared piece by piece, runs of digits by their value.
bool NaturalLess(const std::string& a, const std::string& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const bool digitA = std::isdigit(static_cast<unsigned char>(a[i])) != 0;
        const bool digitB = std::isdigit(static_cast<unsigned char>(b[j])) != 0;
        if (digitA && digitB) {
            const std::size_t endA = a.find_first_not_of("0123456789", i);
            const std::size_t endB = b.find_first_not_of("0123456789", j);
            const std::string numberA = a.substr(i, endA - i), numberB = b.substr(j, endB - j);
            const auto valueA = std::strtoull(numberA.c_str(), nullptr, 10);
            const auto valueB = std::strtoull(numberB.c_str(), nullptr, 10);
            if (valueA != valueB)
                return valueA < valueB;
            i = std::min(endA, a.size());
            j = std::min(endB, b.size());
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

} // namespace

SystemRoots SystemRoots::fromEnvironment() {
    return {EnvironmentOr("CORVANE_SYSFS_ROOT", "/sys"), EnvironmentOr("CORVANE_DEV_DIR", "/dev")};
}

std::string DescriptorText(std::string_view raw) {
    if (!raw.empty() && raw.back() == '\n')
        raw.remove_suffix(1);
    std::string text(raw.substr(0, d2xx::kDescriptionBufferSize - 1));
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c < 0x20 || c > 0x7E; }, '?');
    return text;
}

std::vector<SerialPortInfo> ListUsbSerialPorts(const SystemRoots& roots) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(fs::path(roots.sysfs) / "class/tty", error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end(), NaturalLess);

    std::vector<SerialPortInfo> ports;
    for (const std::string& name : names) {
        const fs::path ttyEntry = fs::path(roots.sysfs) / "class/tty" / name;
        const std::optional<fs::path> usb = UsbDeviceOf(ttyEntry);
        if (!usb)
            continue;
        auto attribute = [&](const char* file) {
            return DescriptorText(ReadAttribute(*usb / file));
        };
        ports.push_back({roots.dev + "/" + name, attribute("product"), attribute("serial"),
                         attribute("manufacturer"), attribute("idVendor"), attribute("idProduct"),
                         LatencyOf(ttyEntry)});
    }
    return ports;
}

} // namespace corvane
