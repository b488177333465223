#pragma once

#include "device/ControllerLink.h"
#include "device/D2xx.h"

#include <functional>
#include <optional>
#include <string>

namespace corvane {

class Prompter;

// The file bindDriver loads: $CORVANE_D2XX_LIBRARY when set and not empty,
// otherwise "libftd2xx.so" ("Ftd2xx.Dll" on Windows) through the usual search.
std::string DriverLibraryFile();

// The controller link over the D2XX driver: the driver's entry points, the device
// handle and the device-open flag. The driver library, once loaded, stays loaded
// until the process ends, so no entry point outlives its code; the open device is
// closed once, by close() or when the link goes.
//
// The main window holds one for the whole run: bindDriver() at creation, then a
// ControllerProtocol over it for start-up (connectAndSetClock) and every command.
// Every message goes to the Prompter given at construction.
class D2xxLink final : public ControllerLink {
public:
    explicit D2xxLink(Prompter& prompter);
    ~D2xxLink() override;
    D2xxLink(const D2xxLink&) = delete;
    D2xxLink& operator=(const D2xxLink&) = delete;

    // Loads the driver library and binds its entry points. Failures are shown,
    // never returned: every call into a missing entry point then shows its own
    // message and fails.
    void bindDriver();
    void bindDriver(const std::string& libraryFile);

    // Binds the entry points from any symbol lookup (the loaded library, or a
    // driver inside a test), stopping at the first missing name.
    void bindEntryPoints(const std::function<void*(const char* name)>& lookup);

    // The first "Velmora" device opens with the controller's line; a "tarnel_20"
    // keeps the driver's defaults. The controller counts as found when its last
    // line setting, flow control, succeeds.
    void openController() override;
    bool isOpen() const override { return open_; }
    void close() override;

    bool write(std::span<const std::uint8_t> bytes) override;
    std::optional<std::size_t> read(std::span<std::uint8_t> buffer) override;
    bool purge() override;
    std::optional<std::uint32_t> queuedBytes() override;

    // Discovery on its own, for listing the attached devices.
    bool canListDevices() const { return entries_.listDevices != nullptr; }
    int countDevices();
    std::optional<std::string> deviceDescription(int index);

private:
    bool openKnownDevice(const std::string& description);
    bool openWithControllerLine(char* description);
    // The entry point called with args, or 1 after showing "<name> is not valid!"
    // when it is not bound.
    template <auto Entry, typename... Args> d2xx::Status call(Args... args);

    Prompter& prompter_;
    d2xx::EntryPoints entries_;
    d2xx::Handle handle_ = nullptr;
    bool open_ = false;
};

} // namespace corvane
