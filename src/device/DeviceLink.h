#pragma once

#include "device/ControllerLink.h"
#include "device/D2xx.h"
#include "device/DynamicLibrary.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

class Prompter;

// The D2XX entry points in the order BindDriver looks them up.
inline constexpr std::array<const char*, 13> kD2xxEntryPointNames = {
    "FT_ListDevices",    "FT_Write",       "FT_Read",
    "FT_Open",           "FT_OpenEx",      "FT_Close",
    "FT_SetTimeouts",    "FT_SetBaudRate", "FT_SetDataCharacteristics",
    "FT_SetFlowControl", "FT_ResetDevice", "FT_Purge",
    "FT_GetStatus"};

// The file BindDriver loads: $CORVANE_D2XX_LIBRARY when set and not empty,
// otherwise "libftd2xx.so" ("Ftd2xx.Dll" on Windows) through the usual search.
std::string DriverLibraryFile();

// The link to the controller over the D2XX driver: the loaded driver library, its
// entry points, the device handle and the device-open flag.
//
// The main window holds one by value for the whole run and uses it like this:
//   at creation:   link.BindDriver();  ...  link.OpenController(kControllerBaudRate);
//                  pacer.sleep(10);  ControllerProtocol(link, pacer, prompter).setClock(...)
//                  (ConnectAndSetClock in ControllerCommands.h does exactly this)
//   on commands:   SendTableCommand / EmptyTableCommand / ReceiveTableCommand
//                  (ControllerCommands.h), which open the controller themselves.
// Every message goes to the Prompter given at construction.
class DeviceLink {
public:
    explicit DeviceLink(Prompter& prompter);
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Loads the driver library and binds its entry points. Failures are shown,
    // never returned: the link then answers every wrapper with its own message.
    void BindDriver();
    void BindDriver(const std::string& libraryFile);

    // Binds the entry points from any symbol lookup (the loaded library, or a
    // driver inside a test), stopping at the first missing name.
    void BindEntryPoints(const std::function<void*(const char* name)>& lookup);

    // Finds the first "Velmora" or "tarnel_20" device and opens it; shows
    // "No Device Found!" when there is none. Does nothing once a device is open.
    void OpenController(d2xx::Ulong baudRate);
    bool isOpen() const { return open_; }

    // The discovery steps on their own (also used to list the attached devices).
    int CountDevices();
    std::optional<std::string> DeviceDescription(int index);

    // Thin wrappers: the driver's status, or 1 after showing "<name> is not valid!"
    // when the entry point is missing. The handle-taking ones pass the stored handle.
    d2xx::Status ListDevices(void* arg1, void* arg2, d2xx::Dword flags);
    d2xx::Status OpenEx(void* arg1, d2xx::Dword flags);
    d2xx::Status Write(void* buffer, d2xx::Dword count, d2xx::Dword* written);
    d2xx::Status Read(void* buffer, d2xx::Dword count, d2xx::Dword* read);
    d2xx::Status SetTimeouts(d2xx::Ulong readMs, d2xx::Ulong writeMs);
    d2xx::Status SetBaudRate(d2xx::Ulong baudRate);
    d2xx::Status SetDataCharacteristics(d2xx::Uchar wordLength, d2xx::Uchar stopBits,
                                        d2xx::Uchar parity);
    d2xx::Status SetFlowControl(d2xx::Ushort flowControl, d2xx::Uchar xon, d2xx::Uchar xoff);

    const d2xx::EntryPoints& entryPoints() const { return entries_; }

private:
    bool openKnownDevice(const std::string& description, d2xx::Ulong baudRate);
    bool openController(char* description, d2xx::Ulong baudRate);
    d2xx::Status missing(const char* name);
    // The entry point called with args, or missing(name) when it is not bound.
    template <auto Entry, typename... Args> d2xx::Status call(const char* name, Args... args) {
        return entries_.*Entry == nullptr ? missing(name) : (entries_.*Entry)(args...);
    }

    Prompter& prompter_;
    DynamicLibrary library_;
    d2xx::EntryPoints entries_;
    d2xx::Handle handle_ = nullptr;
    bool open_ = false;
};

} // namespace corvane
