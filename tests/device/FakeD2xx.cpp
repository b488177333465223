#include "FakeD2xx.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace corvane::test {

using namespace d2xx;

FakeD2xx* FakeD2xx::current = nullptr;

namespace {

FakeD2xx& Fake() { return *FakeD2xx::current; }

template <typename Fn>
void* Address(Fn fn) {
    return reinterpret_cast<void*>(fn);
}

std::string Flags(Dword flags) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", flags);
    return text;
}

// The front of queue, taken; otherwise when it is empty.
template <typename T>
T Take(std::deque<T>& queue, T otherwise) {
    if (queue.empty())
        return otherwise;
    const T front = queue.front();
    queue.pop_front();
    return front;
}

Status Unused(const char* name) {
    Fake().setting(nullptr, std::string(name) + " (never called by the program)", {});
    return kOtherError;
}

} // namespace

void* FakeD2xx::lookup(const char* name) const {
    static const std::map<std::string, void*> entries = {
        {"FT_ListDevices", Address(+[](void* a, void* b, Dword f) { return Fake().listDevices(a, b, f); })},
        {"FT_Write", Address(+[](Handle h, void* b, Dword c, Dword* w) { return Fake().write(h, b, c, w); })},
        {"FT_Read", Address(+[](Handle h, void* b, Dword c, Dword* r) { return Fake().read(h, b, c, r); })},
        {"FT_Open", Address(+[](int, Handle*) { return Unused("FT_Open"); })},
        {"FT_OpenEx", Address(+[](void* a, Dword f, Handle* h) { return Fake().openEx(a, f, h); })},
        {"FT_Close", Address(+[](Handle) { return Unused("FT_Close"); })},
        {"FT_SetTimeouts",
         Address(+[](Handle h, Ulong r, Ulong w) { return Fake().setting(h, "FT_SetTimeouts", {r, w}); })},
        {"FT_SetBaudRate", Address(+[](Handle h, Ulong b) { return Fake().setting(h, "FT_SetBaudRate", {b}); })},
        {"FT_SetDataCharacteristics", Address(+[](Handle h, Uchar b, Uchar s, Uchar p) {
             return Fake().setting(h, "FT_SetDataCharacteristics", {b, s, p});
         })},
        {"FT_SetFlowControl", Address(+[](Handle h, Ushort f, Uchar on, Uchar off) {
             return Fake().setting(h, "FT_SetFlowControl", {f, on, off});
         })},
        {"FT_ResetDevice", Address(+[](Handle) { return Unused("FT_ResetDevice"); })},
        {"FT_Purge", Address(+[](Handle, Ulong) { return Unused("FT_Purge"); })},
        {"FT_GetStatus", Address(+[](Handle, Dword*, Dword*, Dword*) { return Unused("FT_GetStatus"); })},
    };
    const auto found = entries.find(name);
    return missing.contains(name) || found == entries.end() ? nullptr : found->second;
}

Status FakeD2xx::next(const std::string& name) { return Take(statuses[name], kOk); }

Status FakeD2xx::setting(Handle handle, const std::string& name, std::vector<unsigned> values) {
    std::string call = name + "(";
    for (std::size_t i = 0; i < values.size(); ++i)
        call += (i > 0 ? ", " : "") + std::to_string(values[i]);
    log_.add(values.empty() ? name : call + ")");
    if (handle == nullptr)
        return kInvalidHandle;
    const Status status = next(name);
    if (status == kOk && name == "FT_SetTimeouts")
        readTimeoutMs_ = values[0];
    return status;
}

Status FakeD2xx::listDevices(void* arg1, void* arg2, Dword flags) {
    const auto index = reinterpret_cast<std::uintptr_t>(arg1);
    const bool counting = flags == kListNumberOnly;
    log_.add("FT_ListDevices(" + (counting ? std::string("count") : std::to_string(index)) + ", " + Flags(flags) + ")");
    const Status status = next("FT_ListDevices");
    if (status != kOk)
        return status;
    if (counting) {
        const auto count = static_cast<Dword>(devices.size());
        std::memcpy(arg1, &count, sizeof count);
        return kOk;
    }
    if (index >= devices.size())
        return kDeviceNotFound;
    std::memset(arg2, 'x', kDescriptionBufferSize); // what the driver did not write is not a NUL
    std::memcpy(arg2, devices[index].c_str(), std::min<std::size_t>(devices[index].size() + 1, kDescriptionBufferSize));
    return kOk;
}

Status FakeD2xx::openEx(void* arg1, Dword flags, Handle* handle) {
    log_.add("FT_OpenEx(" + std::string(static_cast<const char*>(arg1)) + ", " + Flags(flags) + ")");
    const Status status = next("FT_OpenEx");
    if (status == kOk)
        *handle = this;
    return status;
}

Status FakeD2xx::write(Handle handle, void* buffer, Dword count, Dword* written) {
    *written = 0;
    log_.add("FT_Write(" + std::to_string(count) + ")");
    const Status status = handle == nullptr ? kInvalidHandle : next("FT_Write");
    if (status != kOk)
        return status;
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    writes.emplace_back(bytes, bytes + count);
    *written = std::min(count, Take(shortWrites, count));
    return kOk;
}

Status FakeD2xx::read(Handle handle, void* buffer, Dword count, Dword* received) {
    *received = 0;
    log_.add("FT_Read(" + std::to_string(count) + ")");
    Status status = handle == nullptr ? kInvalidHandle : next("FT_Read");
    if (status == kOk && !reads.empty() && reads.front().status != kOk) {
        status = reads.front().status;
        reads.pop_front();
    }
    if (status != kOk)
        return status;
    Dword delivered = 0;
    if (!reads.empty()) {
        auto& bytes = reads.front().bytes;
        delivered = static_cast<Dword>(std::min<std::size_t>(count, bytes.size()));
        std::copy_n(bytes.begin(), delivered, static_cast<std::uint8_t*>(buffer));
        bytes.erase(bytes.begin(), bytes.begin() + delivered);
        if (bytes.empty())
            reads.pop_front();
    }
    if (delivered < count)
        log_.nowMs += readTimeoutMs_; // a short read returns when its timeout has run out
    *received = delivered + overclaim;
    return kOk;
}

} // namespace corvane::test
