#include "FakeD2xx.h"

#include "device/DeviceLink.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace corvane::test {

FakeD2xx* FakeD2xx::current = nullptr;

namespace {

using namespace d2xx;

Status ListDevicesEntry(void* a, void* b, Dword f) { return FakeD2xx::current->listDevices(a, b, f); }
Status OpenExEntry(void* a, Dword f, Handle* h) { return FakeD2xx::current->openEx(a, f, h); }
Status WriteEntry(Handle h, void* b, Dword c, Dword* w) { return FakeD2xx::current->write(h, b, c, w); }
Status ReadEntry(Handle h, void* b, Dword c, Dword* r) { return FakeD2xx::current->read(h, b, c, r); }
Status SetTimeoutsEntry(Handle h, Ulong r, Ulong w) { return FakeD2xx::current->setTimeouts(h, r, w); }
Status SetBaudRateEntry(Handle h, Ulong b) { return FakeD2xx::current->setBaudRate(h, b); }
Status SetDataEntry(Handle h, Uchar b, Uchar s, Uchar p) {
    return FakeD2xx::current->setDataCharacteristics(h, b, s, p);
}
Status SetFlowEntry(Handle h, Ushort f, Uchar on, Uchar off) {
    return FakeD2xx::current->setFlowControl(h, f, on, off);
}
Status OpenEntry(int, Handle*) { return FakeD2xx::current->unused("FT_Open"); }
Status CloseEntry(Handle) { return FakeD2xx::current->unused("FT_Close"); }
Status ResetEntry(Handle) { return FakeD2xx::current->unused("FT_ResetDevice"); }
Status PurgeEntry(Handle, Ulong) { return FakeD2xx::current->unused("FT_Purge"); }
Status GetStatusEntry(Handle, Dword*, Dword*, Dword*) { return FakeD2xx::current->unused("FT_GetStatus"); }

template <typename Fn>
void* Address(Fn fn) {
    return reinterpret_cast<void*>(fn);
}

std::string Flags(Dword flags) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", flags);
    return text;
}

} // namespace

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::uint8_t b : bytes) {
        char part[4];
        std::snprintf(part, sizeof part, "%02X ", b);
        text += part;
    }
    if (!text.empty())
        text.pop_back();
    return text;
}

FakeD2xx::FakeD2xx(DeviceCallLog& log) : log_(log) { current = this; }
FakeD2xx::~FakeD2xx() { current = nullptr; }

void* FakeD2xx::lookup(const char* name) const {
    static const std::map<std::string, void*> symbols = {
        {"FT_ListDevices", Address(&ListDevicesEntry)},
        {"FT_Write", Address(&WriteEntry)},
        {"FT_Read", Address(&ReadEntry)},
        {"FT_Open", Address(&OpenEntry)},
        {"FT_OpenEx", Address(&OpenExEntry)},
        {"FT_Close", Address(&CloseEntry)},
        {"FT_SetTimeouts", Address(&SetTimeoutsEntry)},
        {"FT_SetBaudRate", Address(&SetBaudRateEntry)},
        {"FT_SetDataCharacteristics", Address(&SetDataEntry)},
        {"FT_SetFlowControl", Address(&SetFlowEntry)},
        {"FT_ResetDevice", Address(&ResetEntry)},
        {"FT_Purge", Address(&PurgeEntry)},
        {"FT_GetStatus", Address(&GetStatusEntry)},
    };
    if (missing.contains(name))
        return nullptr;
    const auto found = symbols.find(name);
    return found == symbols.end() ? nullptr : found->second;
}

Status FakeD2xx::next(const std::string& name) {
    auto& queue = statuses[name];
    if (queue.empty())
        return kOk;
    const Status status = queue.front();
    queue.pop_front();
    return status;
}

Status FakeD2xx::handleCall(Handle handle, const std::string& name, const std::string& entry) {
    log_.calls.push_back(entry);
    if (handle == nullptr)
        return kInvalidHandle;
    return next(name);
}

Status FakeD2xx::unused(const char* name) {
    log_.calls.push_back(std::string(name) + " (never called by the program)");
    return kOtherError;
}

Status FakeD2xx::listDevices(void* arg1, void* arg2, Dword flags) {
    if (flags == kListNumberOnly) {
        log_.calls.push_back("FT_ListDevices(count, " + Flags(flags) + ")");
        const Status status = next("FT_ListDevices");
        if (status == kOk) {
            const auto count = static_cast<Dword>(devices.size());
            std::memcpy(arg1, &count, sizeof count);
        }
        return status;
    }
    const auto index = reinterpret_cast<std::uintptr_t>(arg1);
    log_.calls.push_back("FT_ListDevices(" + std::to_string(index) + ", " + Flags(flags) + ")");
    const Status status = next("FT_ListDevices");
    if (status != kOk)
        return status;
    if (index >= devices.size())
        return kDeviceNotFound;
    std::memset(arg2, 'x', kDescriptionBufferSize); // the link must not rely on what it did not get
    std::memcpy(arg2, devices[index].c_str(), std::min<std::size_t>(devices[index].size() + 1, 64));
    return kOk;
}

Status FakeD2xx::openEx(void* arg1, Dword flags, Handle* handle) {
    log_.calls.push_back("FT_OpenEx(" + std::string(static_cast<const char*>(arg1)) + ", " + Flags(flags) + ")");
    const Status status = next("FT_OpenEx");
    if (status == kOk)
        *handle = this;
    return status;
}

Status FakeD2xx::write(Handle handle, void* buffer, Dword count, Dword* written) {
    *written = 0;
    const Status status = handleCall(handle, "FT_Write", "FT_Write(" + std::to_string(count) + ")");
    if (status != kOk)
        return status;
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    writes.emplace_back(bytes, bytes + count);
    *written = count;
    if (!shortWrites.empty()) {
        *written = std::min(count, shortWrites.front());
        shortWrites.pop_front();
    }
    return kOk;
}

Status FakeD2xx::read(Handle handle, void* buffer, Dword count, Dword* received) {
    *received = 0;
    const Status status = handleCall(handle, "FT_Read", "FT_Read(" + std::to_string(count) + ")");
    if (status != kOk)
        return status;
    Dword delivered = 0;
    if (!reads.empty() && reads.front().status != kOk) {
        const Status failed = reads.front().status;
        reads.pop_front();
        return failed;
    }
    if (!reads.empty()) {
        ReadAnswer& front = reads.front();
        delivered = static_cast<Dword>(std::min<std::size_t>(count, front.bytes.size()));
        std::copy_n(front.bytes.begin(), delivered, static_cast<std::uint8_t*>(buffer));
        front.bytes.erase(front.bytes.begin(), front.bytes.begin() + delivered);
        if (front.bytes.empty())
            reads.pop_front();
    }
    if (delivered < count)
        log_.nowMs += readTimeoutMs_; // a short read returns only when the timeout ran out
    *received = delivered + overclaim;
    return kOk;
}

Status FakeD2xx::setTimeouts(Handle handle, Ulong readMs, Ulong writeMs) {
    const Status status = handleCall(handle, "FT_SetTimeouts",
                                     "FT_SetTimeouts(" + std::to_string(readMs) + ", " + std::to_string(writeMs) + ")");
    if (status == kOk)
        readTimeoutMs_ = readMs;
    return status;
}

Status FakeD2xx::setBaudRate(Handle handle, Ulong baud) {
    return handleCall(handle, "FT_SetBaudRate", "FT_SetBaudRate(" + std::to_string(baud) + ")");
}

Status FakeD2xx::setDataCharacteristics(Handle handle, Uchar bits, Uchar stop, Uchar parity) {
    return handleCall(handle, "FT_SetDataCharacteristics",
                      "FT_SetDataCharacteristics(" + std::to_string(bits) + ", " + std::to_string(stop) + ", " +
                          std::to_string(parity) + ")");
}

Status FakeD2xx::setFlowControl(Handle handle, Ushort flow, Uchar xon, Uchar xoff) {
    return handleCall(handle, "FT_SetFlowControl",
                      "FT_SetFlowControl(" + std::to_string(flow) + ", " + std::to_string(xon) + ", " +
                          std::to_string(xoff) + ")");
}

void FakePacer::sleep(int milliseconds) {
    log_.calls.push_back("sleep(" + std::to_string(milliseconds) + ")");
    log_.nowMs += milliseconds;
}

void FakeProgress::setRange(int lowest, int highest) {
    log_.calls.push_back("progress range(" + std::to_string(lowest) + ", " + std::to_string(highest) + ")");
}

void FakeProgress::setPosition(int position) {
    log_.calls.push_back("progress position(" + std::to_string(position) + ")");
}

void FakeProgress::setStep(int step) { log_.calls.push_back("progress step size(" + std::to_string(step) + ")"); }

} // namespace corvane::test
