#pragma once

#include "SimController.h"
#include "SimDevice.h"
#include "SimSettings.h"
#include "device/D2xx.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace corvane::sim {

// The simulated USB bus: its devices, the one controller behind the "Velmora"
// devices, the configured faults and the optional state file. Each exported
// D2XX function is one member here; handles are the device objects' addresses
// and are checked against the bus before use.
class SimBus {
public:
    static SimBus& instance();

    // 0 when the key was taken, -1 otherwise. "reset" restores every default.
    int configure(const std::string& key, const std::string& value);

    d2xx::Status listDevices(void* arg1, void* arg2, d2xx::Dword flags);
    d2xx::Status open(int index, d2xx::Handle* handle);
    d2xx::Status openEx(void* arg1, d2xx::Dword flags, d2xx::Handle* handle);
    d2xx::Status close(d2xx::Handle handle);
    d2xx::Status write(d2xx::Handle handle, const void* buffer, d2xx::Dword count,
                       d2xx::Dword* written);
    d2xx::Status read(d2xx::Handle handle, void* buffer, d2xx::Dword count, d2xx::Dword* received);
    d2xx::Status setTimeouts(d2xx::Handle handle, d2xx::Ulong readMs, d2xx::Ulong writeMs);
    d2xx::Status setBaudRate(d2xx::Handle handle, d2xx::Ulong baudRate);
    d2xx::Status setDataCharacteristics(d2xx::Handle handle, d2xx::Uchar wordLength,
                                        d2xx::Uchar stopBits, d2xx::Uchar parity);
    d2xx::Status setFlowControl(d2xx::Handle handle, d2xx::Ushort flow, d2xx::Uchar xon,
                                d2xx::Uchar xoff);
    d2xx::Status resetDevice(d2xx::Handle handle);
    d2xx::Status purge(d2xx::Handle handle, d2xx::Ulong mask);
    d2xx::Status getStatus(d2xx::Handle handle, d2xx::Dword* rx, d2xx::Dword* tx,
                           d2xx::Dword* events);

private:
    SimBus();
    void rebuildDevices();
    void loadState();
    void saveStateIfChanged();
    // Counts the call and tells whether a configured fault makes it fail.
    bool failing(const char* name);
    // The open device behind a handle, or null for anything else.
    SimDevice* device(d2xx::Handle handle);
    d2xx::Status openDevice(SimDevice* found, d2xx::Handle* handle);
    // Applies the cut: how many of `count` bytes still cross the link.
    std::size_t crossing(std::size_t count);

    // Checks common to every handle-taking call; kOk lets the call go on.
    d2xx::Status admit(const char* name, d2xx::Handle handle, SimDevice*& found);

    std::mutex mutex_;
    SimSettings settings_;
    std::vector<std::unique_ptr<SimDevice>> devices_;
    SimController controller_;
    std::map<std::string, std::uint32_t> callCounts_;
    std::uint64_t crossedBytes_ = 0;
};

} // namespace corvane::sim
