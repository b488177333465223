#pragma once

#include "device/SerialDiscovery.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace corvane::test {

namespace fs = std::filesystem;

// One tty in the fake tree; an empty subsystem gives it no device at all.
struct FakeTty {
    std::string name, subsystem;
    std::optional<std::string> product;
    std::string serial, latency;
};

// A fake /sys and /dev laid out as the kernel does for usb-serial (ftdi_sio),
// usb (cdc-acm) and platform ttys.
struct FakeSystem {
    TempFolder folder;
    SystemRoots roots{folder.file("sys"), folder.file("dev")};

    explicit FakeSystem(const std::vector<FakeTty>& ttys) {
        fs::create_directories(roots.sysfs + "/class/tty");
        fs::create_directories(roots.dev);
        for (std::size_t i = 0; i < ttys.size(); ++i)
            add(ttys[i], "1-" + std::to_string(i + 1));
    }
    static void put(const fs::path& file, const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
    }
    // The device a tty's "device" link points at.
    fs::path deviceOf(const FakeTty& tty, const fs::path& interface) const {
        if (tty.subsystem == "usb-serial")
            return interface / tty.name;
        if (tty.subsystem == "usb")
            return interface;
        return roots.sysfs + "/devices/platform/serial8250";
    }
    void linkDevice(const std::string& name, const std::string& realPath) const {
        fs::create_symlink(realPath, roots.dev + "/" + name);
    }
    void add(const FakeTty& tty, const std::string& usbName) {
        const fs::path entry = roots.sysfs + "/class/tty/" + tty.name;
        fs::create_directories(entry);
        if (tty.subsystem.empty())
            return;
        const fs::path usb = roots.sysfs + "/devices/usb1/" + usbName;
        const fs::path interface = usb / (usbName + ":1.0");
        const fs::path device = deviceOf(tty, interface);
        fs::create_directories(device);
        fs::create_directories(roots.sysfs + "/bus/" + tty.subsystem);
        fs::create_directory_symlink(roots.sysfs + "/bus/" + tty.subsystem, device / "subsystem");
        fs::create_directory_symlink(device, entry / "device");
        if (tty.product)
            put(usb / "product", *tty.product + "\n");
        put(usb / "serial", tty.serial + "\n");
        if (!tty.latency.empty())
            put(device / "latency_timer", tty.latency + "\n");
    }
};

} // namespace corvane::test
