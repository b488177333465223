#include "device/DeviceLink.h"

#include "platform/Prompter.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>

namespace corvane {

namespace {

constexpr d2xx::Dword kOpenFlags = d2xx::kListByIndex | d2xx::kOpenByDescription;
constexpr d2xx::Ulong kReadTimeoutMs = 500;
constexpr d2xx::Ulong kWriteTimeoutMs = 150;

template <auto Member> void Store(d2xx::EntryPoints& entries, void* address) {
    using Fn = std::remove_reference_t<decltype(entries.*Member)>;
    entries.*Member = reinterpret_cast<Fn>(address);
}

using StoreFn = void (*)(d2xx::EntryPoints&, void*);

// Indexed like kD2xxEntryPointNames.
constexpr std::array<StoreFn, 13> kStores = {&Store<&d2xx::EntryPoints::listDevices>,
                                             &Store<&d2xx::EntryPoints::write>,
                                             &Store<&d2xx::EntryPoints::read>,
                                             &Store<&d2xx::EntryPoints::open>,
                                             &Store<&d2xx::EntryPoints::openEx>,
                                             &Store<&d2xx::EntryPoints::close>,
                                             &Store<&d2xx::EntryPoints::setTimeouts>,
                                             &Store<&d2xx::EntryPoints::setBaudRate>,
                                             &Store<&d2xx::EntryPoints::setDataCharacteristics>,
                                             &Store<&d2xx::EntryPoints::setFlowControl>,
                                             &Store<&d2xx::EntryPoints::resetDevice>,
                                             &Store<&d2xx::EntryPoints::purge>,
                                             &Store<&d2xx::EntryPoints::getStatus>};

} // namespace

std::string DriverLibraryFile() {
    const char* chosen = std::getenv("CORVANE_D2XX_LIBRARY");
    if (chosen != nullptr && *chosen != '\0')
        return chosen;
#ifdef _WIN32
    return "Ftd2xx.Dll";
#else
    return "libftd2xx.so";
#endif
}

DeviceLink::DeviceLink(Prompter& prompter) : prompter_(prompter) {}

void DeviceLink::BindDriver() {
    BindDriver(DriverLibraryFile());
}

void DeviceLink::BindDriver(const std::string& libraryFile) {
    entries_ = {}; // loading releases the library bound before, and its entry points with it
    if (!library_.load(libraryFile)) {
        // The message names the driver the program was first written for; it
        // stays as operators know it.
        prompter_.showMessage("Error:Can't Load ft8u245.dll");
        return;
    }
    BindEntryPoints([this](const char* name) { return library_.symbol(name); });
}

void DeviceLink::BindEntryPoints(const std::function<void*(const char*)>& lookup) {
    entries_ = {};
    for (std::size_t i = 0; i < kD2xxEntryPointNames.size(); ++i) {
        void* address = lookup(kD2xxEntryPointNames[i]);
        if (address == nullptr) {
            prompter_.showMessage(std::string("Error:Can't Find ") + kD2xxEntryPointNames[i]);
            return;
        }
        kStores[i](entries_, address);
    }
}

int DeviceLink::CountDevices() {
    // The driver stores a DWORD; a count it does not deliver stays 0.
    std::uint32_t count = 0;
    ListDevices(&count, nullptr, d2xx::kListNumberOnly);
    return static_cast<std::int32_t>(count);
}

std::optional<std::string> DeviceLink::DeviceDescription(int index) {
    char description[d2xx::kDescriptionBufferSize] = {};
    void* byIndex = reinterpret_cast<void*>(static_cast<std::intptr_t>(index));
    if (ListDevices(byIndex, description, kOpenFlags) != d2xx::kOk)
        return std::nullopt;
    description[sizeof description - 1] = '\0'; // never trust the driver to terminate it
    return std::string(description);
}

void DeviceLink::OpenController(d2xx::Ulong baudRate) {
    if (open_)
        return;
    const int count = CountDevices();
    for (int index = 0; index < count; ++index) {
        const std::optional<std::string> description = DeviceDescription(index);
        if (description && openKnownDevice(*description, baudRate)) {
            SetTimeouts(kReadTimeoutMs, kWriteTimeoutMs);
            open_ = true;
            return;
        }
    }
    open_ = false;
    prompter_.showMessage("No Device Found!");
}

bool DeviceLink::openKnownDevice(const std::string& description, d2xx::Ulong baudRate) {
    char name[d2xx::kDescriptionBufferSize] = {};
    std::memcpy(name, description.c_str(), description.size());
    if (description == kControllerDescription)
        return openController(name, baudRate);
    // The second device kind keeps the driver's default line settings.
    return description == kSecondDeviceDescription && OpenEx(name, kOpenFlags) == d2xx::kOk;
}

// The controller counts as found when the last line setting, flow control,
// succeeds; the open and the other settings are not checked on their own.
bool DeviceLink::openController(char* description, d2xx::Ulong baudRate) {
    OpenEx(description, kOpenFlags);
    SetBaudRate(baudRate);
    SetDataCharacteristics(d2xx::kBits8, d2xx::kStopBits2, d2xx::kParityNone);
    return SetFlowControl(d2xx::kFlowNone, 0, 0) == d2xx::kOk;
}

d2xx::Status DeviceLink::missing(const char* name) {
    prompter_.showMessage(std::string(name) + " is not valid!");
    return 1;
}

d2xx::Status DeviceLink::ListDevices(void* arg1, void* arg2, d2xx::Dword flags) {
    return call<&d2xx::EntryPoints::listDevices>("FT_ListDevices", arg1, arg2, flags);
}

d2xx::Status DeviceLink::OpenEx(void* arg1, d2xx::Dword flags) {
    return call<&d2xx::EntryPoints::openEx>("FT_OpenEx", arg1, flags, &handle_);
}

d2xx::Status DeviceLink::Write(void* buffer, d2xx::Dword count, d2xx::Dword* written) {
    return call<&d2xx::EntryPoints::write>("FT_Write", handle_, buffer, count, written);
}

d2xx::Status DeviceLink::Read(void* buffer, d2xx::Dword count, d2xx::Dword* read) {
    return call<&d2xx::EntryPoints::read>("FT_Read", handle_, buffer, count, read);
}

d2xx::Status DeviceLink::SetTimeouts(d2xx::Ulong readMs, d2xx::Ulong writeMs) {
    return call<&d2xx::EntryPoints::setTimeouts>("FT_SetTimeouts", handle_, readMs, writeMs);
}

d2xx::Status DeviceLink::SetBaudRate(d2xx::Ulong baudRate) {
    return call<&d2xx::EntryPoints::setBaudRate>("FT_SetBaudRate", handle_, baudRate);
}

d2xx::Status DeviceLink::SetDataCharacteristics(d2xx::Uchar wordLength, d2xx::Uchar stopBits,
                                                d2xx::Uchar parity) {
    return call<&d2xx::EntryPoints::setDataCharacteristics>("FT_SetDataCharacteristics", handle_,
                                                            wordLength, stopBits, parity);
}

d2xx::Status DeviceLink::SetFlowControl(d2xx::Ushort flowControl, d2xx::Uchar xon,
                                        d2xx::Uchar xoff) {
    return call<&d2xx::EntryPoints::setFlowControl>("FT_SetFlowControl", handle_, flowControl, xon,
                                                    xoff);
}

} // namespace corvane
