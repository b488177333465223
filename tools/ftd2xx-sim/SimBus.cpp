#include "SimBus.h"

#include "SimStateFile.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace corvane::sim {

namespace {

using Clock = SimDevice::Clock;
using Lock = std::unique_lock<std::mutex>;

std::string SerialNumber(std::size_t index) {
    return "SIM" + std::to_string(1000 + index);
}

} // namespace

SimBus& SimBus::instance() {
    static SimBus bus;
    return bus;
}

SimBus::SimBus() {
    settings_.applyEnvironment();
    rebuildDevices();
    loadState();
}

int SimBus::configure(const std::string& key, const std::string& value) {
    Lock lock(mutex_);
    if (key == "reset") {
        settings_ = SimSettings{};
        controller_ = SimController{};
        callCounts_.clear();
        crossedBytes_ = 0;
        rebuildDevices();
        return 0;
    }
    if (!settings_.apply(key, value))
        return -1;
    if (key == "devices")
        rebuildDevices();
    if (key == "state_file")
        loadState();
    if (key == "fail")
        callCounts_.clear();
    if (key == "cut_after") {
        crossedBytes_ = 0;
        controller_.resetLink();
        for (auto& d : devices_)
            d->toHost.clear();
    }
    return 0;
}

void SimBus::rebuildDevices() {
    devices_.clear();
    for (const std::string& description : settings_.devices) {
        devices_.push_back(std::make_unique<SimDevice>());
        devices_.back()->description = description;
    }
}

void SimBus::loadState() {
    if (settings_.stateFile.empty())
        return;
    controller_ = SimController{};
    LoadSimState(settings_.stateFile, controller_);
}

void SimBus::saveStateIfChanged() {
    if (controller_.takeChanged() && !settings_.stateFile.empty())
        SaveSimState(settings_.stateFile, controller_);
}

bool SimBus::failing(const char* name) {
    const std::uint32_t call = ++callCounts_[name];
    auto fault = settings_.failingCalls.find(name);
    return fault != settings_.failingCalls.end() && call >= fault->second.firstFailingCall;
}

SimDevice* SimBus::device(d2xx::Handle handle) {
    for (auto& d : devices_)
        if (d.get() == handle && d->open)
            return d.get();
    return nullptr;
}

d2xx::Status SimBus::admit(const char* name, d2xx::Handle handle, SimDevice*& found) {
    found = device(handle);
    if (found == nullptr)
        return d2xx::kInvalidHandle;
    if (settings_.unplugged)
        return d2xx::kIoError;
    if (failing(name))
        return d2xx::kIoError;
    return d2xx::kOk;
}

std::size_t SimBus::crossing(std::size_t count) {
    if (!settings_.cutAfterBytes)
        return count;
    const std::uint64_t left =
        *settings_.cutAfterBytes > crossedBytes_ ? *settings_.cutAfterBytes - crossedBytes_ : 0;
    const std::size_t passing = static_cast<std::size_t>(std::min<std::uint64_t>(left, count));
    crossedBytes_ += passing;
    return passing;
}

d2xx::Status SimBus::listDevices(void* arg1, void* arg2, d2xx::Dword flags) {
    Lock lock(mutex_);
    if (failing("FT_ListDevices"))
        return d2xx::kIoError;
    const std::size_t count = settings_.unplugged ? 0 : devices_.size();
    if (flags & d2xx::kListNumberOnly) {
        if (arg1 == nullptr)
            return d2xx::kInvalidParameter;
        const d2xx::Dword number = static_cast<d2xx::Dword>(count);
        std::memcpy(arg1, &number, sizeof number);
        return d2xx::kOk;
    }
    if (!(flags & d2xx::kListByIndex) || arg2 == nullptr)
        return d2xx::kInvalidParameter;
    const auto index = reinterpret_cast<std::uintptr_t>(arg1);
    if (index >= count)
        return d2xx::kDeviceNotFound;
    const std::string text = (flags & 3) == d2xx::kOpenBySerialNumber
                                 ? SerialNumber(index)
                                 : devices_[index]->description;
    const std::size_t length = std::min<std::size_t>(text.size(), d2xx::kDescriptionBufferSize - 1);
    std::memcpy(arg2, text.data(), length);
    static_cast<char*>(arg2)[length] = '\0';
    return d2xx::kOk;
}

d2xx::Status SimBus::openDevice(SimDevice* found, d2xx::Handle* handle) {
    if (found == nullptr || settings_.unplugged)
        return d2xx::kDeviceNotFound;
    found->resetForOpen();
    *handle = found;
    return d2xx::kOk;
}

d2xx::Status SimBus::open(int index, d2xx::Handle* handle) {
    Lock lock(mutex_);
    if (handle == nullptr)
        return d2xx::kInvalidParameter;
    if (failing("FT_Open"))
        return d2xx::kDeviceNotOpened;
    const bool exists = index >= 0 && static_cast<std::size_t>(index) < devices_.size();
    return openDevice(exists ? devices_[static_cast<std::size_t>(index)].get() : nullptr, handle);
}

d2xx::Status SimBus::openEx(void* arg1, d2xx::Dword flags, d2xx::Handle* handle) {
    Lock lock(mutex_);
    if (handle == nullptr || arg1 == nullptr)
        return d2xx::kInvalidParameter;
    if (failing("FT_OpenEx"))
        return d2xx::kDeviceNotOpened;
    const char* wanted = static_cast<const char*>(arg1);
    const std::size_t wantedLength = strnlen(wanted, d2xx::kDescriptionBufferSize);
    const std::string name(wanted, wantedLength);
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        const bool bySerial = (flags & 3) == d2xx::kOpenBySerialNumber;
        if ((bySerial ? SerialNumber(i) : devices_[i]->description) == name)
            return openDevice(devices_[i].get(), handle);
    }
    return d2xx::kDeviceNotFound;
}

d2xx::Status SimBus::close(d2xx::Handle handle) {
    Lock lock(mutex_);
    SimDevice* found = device(handle);
    if (found == nullptr)
        return d2xx::kInvalidHandle;
    if (failing("FT_Close"))
        return d2xx::kIoError;
    found->open = false;
    found->toHost.clear();
    return d2xx::kOk;
}

d2xx::Status SimBus::write(d2xx::Handle handle, const void* buffer, d2xx::Dword count,
                           d2xx::Dword* written) {
    Lock lock(mutex_);
    SimDevice* found = nullptr;
    if (written != nullptr)
        *written = 0;
    if (const d2xx::Status status = admit("FT_Write", handle, found); status != d2xx::kOk)
        return status;
    if (buffer == nullptr || written == nullptr)
        return d2xx::kInvalidParameter;
    const std::size_t passing = crossing(count);
    const Clock::time_point now = Clock::now();
    Clock::time_point done = now;
    if (settings_.realTiming) {
        done = std::max(now, found->lineFreeAt) +
               found->byteTime() * static_cast<std::int64_t>(passing);
        found->lineFreeAt = done;
    }
    if (found->hasController() && found->speaksControllerLine()) {
        const auto* bytes = static_cast<const std::uint8_t*>(buffer);
        const SimController::Bytes answer = controller_.receive(bytes, passing, done, settings_);
        found->sendToHost(answer.data(), crossing(answer.size()), done, settings_.realTiming);
        saveStateIfChanged();
    }
    *written = static_cast<d2xx::Dword>(passing);
    const bool realTiming = settings_.realTiming;
    lock.unlock();
    if (realTiming)
        std::this_thread::sleep_until(done);
    return passing == count ? d2xx::kOk : d2xx::kIoError;
}

d2xx::Status SimBus::read(d2xx::Handle handle, void* buffer, d2xx::Dword count,
                          d2xx::Dword* received) {
    Lock lock(mutex_);
    SimDevice* found = nullptr;
    if (received != nullptr)
        *received = 0;
    if (const d2xx::Status status = admit("FT_Read", handle, found); status != d2xx::kOk)
        return status;
    if (buffer == nullptr || received == nullptr)
        return d2xx::kInvalidParameter;
    if (settings_.realTiming && count > 0) {
        // Wait until the last requested byte has arrived or the read timeout runs out.
        const Clock::time_point deadline =
            Clock::now() + std::chrono::milliseconds(found->readTimeoutMs);
        const Clock::time_point wake = found->toHost.size() >= count
                                           ? std::min(deadline, found->toHost[count - 1].arrival)
                                           : deadline;
        lock.unlock();
        std::this_thread::sleep_until(wake);
        lock.lock();
        found = device(handle);
        if (found == nullptr)
            return d2xx::kInvalidHandle;
    }
    const Clock::time_point now = Clock::now();
    auto* out = static_cast<std::uint8_t*>(buffer);
    d2xx::Dword taken = 0;
    while (taken < count && !found->toHost.empty() &&
           (!settings_.realTiming || found->toHost.front().arrival <= now)) {
        out[taken++] = found->toHost.front().value;
        found->toHost.pop_front();
    }
    *received = taken;
    return d2xx::kOk;
}

d2xx::Status SimBus::setTimeouts(d2xx::Handle handle, d2xx::Ulong readMs, d2xx::Ulong writeMs) {
    Lock lock(mutex_);
    SimDevice* found = nullptr;
    if (const d2xx::Status status = admit("FT_SetTimeouts", handle, found); status != d2xx::kOk)
        return status;
    found->readTimeoutMs = readMs;
    found->writeTimeoutMs = writeMs;
    return d2xx::kOk;
}

d2xx::Status SimBus::setBaudRate(d2xx::Handle handle, d2xx::Ulong baudRate) {
    Lock lock(mutex_);
    SimDevice* found = nullptr;
    if (const d2xx::Status status = admit("FT_SetBaudRate", handle, found); status != d2xx::kOk)
        return status;
    if (baudRate < 183 || baudRate > 3000000)
        return d2xx::kInvalidBaudRate;
    found->baudRate = baudRate;
    return d2xx::kOk;
}

d2xx::Status SimBus::setDataCharacteristics(d2xx::Handle handle, d2xx::Uchar wordLength,
                                            d2xx::Uchar stopBits, d2xx::Uchar parity) {
    Lock lock(mutex_);
    SimDevice* found = nullptr;
    if (const d2xx::Status status = admit("FT_SetDataCharacteristics", handle, found);
        status != d2xx::kOk)
        return status;
    if ((wordLength != 7 && wordLength != 8) || (stopBits != 0 && stopBits != 2) || parity > 4)
        return d2xx::kInvalidParameter;
    found->wordLength = wordLength;
    found->stopBits = stopBits;
    found->parity = parity;
    return d2xx::kOk;
}

d2xx::Status SimBus::setFlowControl(d2xx::Handle handle, d2xx::Ushort, d2xx::Uchar, d2xx::Uchar) {
    Lock lock(mutex_);
    SimDevice* found = nullptr;
    return admit("FT_SetFlowControl", handle, found);
}

d2xx::Status SimBus::resetDevice(d2xx::Handle handle) {
    Lock lock(mutex_);
    SimDevice* found = nullptr;
    return admit("FT_ResetDevice", handle, found);
}

d2xx::Status SimBus::purge(d2xx::Handle handle, d2xx::Ulong mask) {
    Lock lock(mutex_);
    SimDevice* found = nullptr;
    if (const d2xx::Status status = admit("FT_Purge", handle, found); status != d2xx::kOk)
        return status;
    if (mask & d2xx::kPurgeRx)
        found->toHost.clear();
    return d2xx::kOk;
}

d2xx::Status SimBus::getStatus(d2xx::Handle handle, d2xx::Dword* rx, d2xx::Dword* tx,
                               d2xx::Dword* events) {
    Lock lock(mutex_);
    SimDevice* found = nullptr;
    if (const d2xx::Status status = admit("FT_GetStatus", handle, found); status != d2xx::kOk)
        return status;
    if (rx == nullptr || tx == nullptr || events == nullptr)
        return d2xx::kInvalidParameter;
    const Clock::time_point now = Clock::now();
    *rx = static_cast<d2xx::Dword>(
        std::count_if(found->toHost.begin(), found->toHost.end(),
                      [&](const auto& b) { return !settings_.realTiming || b.arrival <= now; }));
    *tx = 0;
    *events = 0;
    return d2xx::kOk;
}

} // namespace corvane::sim
