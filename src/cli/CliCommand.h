#pragma once

#include <span>
#include <string_view>

namespace corvane::cli {

// One corvanectl command: its name, its usage line and the function that runs it
// with the arguments behind the name. run returns the exit status; 2 means the
// arguments were wrong (main then prints the usage).
struct CliCommand {
    std::string_view name;
    std::string_view usage;
    int (*run)(std::span<const std::string_view> args);
};

inline constexpr int kExitUsage = 2;

// The commands on event files (list, check) and on the controller (devices,
// clock, send, receive, empty).
std::span<const CliCommand> EventCommands();
std::span<const CliCommand> DeviceCommands();
// The event files as text and what their events mean together (export, import,
// conflicts, schedule).
std::span<const CliCommand> TextCommands();

// The device the controller commands use (--device): a port path or a serial
// number, in place of CORVANE_DEVICE.
void ChooseDevice(std::string_view device);

} // namespace corvane::cli
