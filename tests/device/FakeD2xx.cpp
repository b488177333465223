#include "FakeD2xx.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace corvane::test {

using namespace d2xx;

FakeD2xx* FakeD2xx::current = nullptr;

namespace {

FakeD2xx& Fake() {
    return *FakeD2xx::current;
}

template <typename... T> std::vector<std::string> Args(T... values) {
    return {std::to_string(values)...};
}

std::string Flags(Dword flags) {
    char text[16] = "0x";
    return {text, std::to_chars(text + 2, text + sizeof text, flags, 16).ptr};
}

// The front of queue, taken; otherwise when it is empty.
template <typename T> T Take(std::deque<T>& queue, T otherwise) {
    if (queue.empty())
        return otherwise;
    const T front = queue.front();
    queue.pop_front();
    return front;
}

// Logs the call and answers the next status set for it; a null handle is refused.
Status Call(const std::string& name, const std::vector<std::string>& args,
            Handle handle = FakeD2xx::current) {
    std::string call = name + "(";
    for (std::size_t i = 0; i < args.size(); ++i)
        call += (i > 0 ? ", " : "") + args[i];
    Fake().log.add(args.empty() ? name : call + ")");
    return handle == nullptr ? kInvalidHandle : Take(Fake().statuses[name], kOk);
}

Status Unused(const char* name) {
    return Call(std::string(name) + " (never called by the program)", {}, nullptr);
}

Status ListDevices(void* arg1, void* arg2, Dword flags) {
    const auto index = reinterpret_cast<std::uintptr_t>(arg1);
    const bool counting = flags == kListNumberOnly;
    const Status status =
        Call("FT_ListDevices", {counting ? "count" : std::to_string(index), Flags(flags)});
    if (status == kOk && counting)
        *static_cast<Dword*>(arg1) = static_cast<Dword>(Fake().devices.size());
    if (status != kOk || counting)
        return status;
    if (index >= Fake().devices.size())
        return kDeviceNotFound;
    const std::string& name = Fake().devices[index];
    std::memset(arg2, 'x', kDescriptionBufferSize); // what the driver did not write is not a NUL
    std::memcpy(arg2, name.c_str(), std::min<std::size_t>(name.size() + 1, kDescriptionBufferSize));
    return kOk;
}

Status OpenEx(void* arg1, Dword flags, Handle* handle) {
    const Status status = Call("FT_OpenEx", {static_cast<const char*>(arg1), Flags(flags)});
    if (status == kOk)
        *handle = &Fake();
    return status;
}

Status SetTimeouts(Handle handle, Ulong readMs, Ulong writeMs) {
    const Status status = Call("FT_SetTimeouts", Args(readMs, writeMs), handle);
    if (status == kOk)
        Fake().readTimeoutMs = readMs;
    return status;
}

Status Write(Handle handle, void* buffer, Dword count, Dword* written) {
    *written = 0;
    const Status status = Call("FT_Write", Args(count), handle);
    if (status != kOk)
        return status;
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    Fake().writes.emplace_back(bytes, bytes + count);
    *written = std::min(count, Take(Fake().shortWrites, count));
    return kOk;
}

Status Read(Handle handle, void* buffer, Dword count, Dword* received) {
    auto& reads = Fake().reads;
    *received = 0;
    Status status = Call("FT_Read", Args(count), handle);
    if (reads.empty())
        reads.emplace_back(); // nothing more to come: the read times out empty
    if (status == kOk && reads.front().status != kOk) {
        status = reads.front().status;
        reads.pop_front();
    }
    if (status != kOk)
        return status;
    auto& bytes = reads.front().bytes;
    const auto delivered = static_cast<Dword>(std::min<std::size_t>(count, bytes.size()));
    std::copy_n(bytes.begin(), delivered, static_cast<std::uint8_t*>(buffer));
    bytes.erase(bytes.begin(), bytes.begin() + delivered);
    if (bytes.empty())
        reads.pop_front();
    if (delivered < count)
        Fake().log.nowMs +=
            Fake().readTimeoutMs; // a short read returns when its timeout has run out
    *received = delivered + Fake().overclaim;
    return kOk;
}

} // namespace

void* FakeD2xx::lookup(const char* name) {
    const auto address = [](auto entry) { return reinterpret_cast<void*>(entry); };
    // clang-format off
    static const std::map<std::string, void*> entries = {
        {"FT_ListDevices", address(&ListDevices)},
        {"FT_Write", address(&Write)},
        {"FT_Read", address(&Read)},
        {"FT_Open", address(+[](int, Handle*) { return Unused("FT_Open"); })},
        {"FT_OpenEx", address(&OpenEx)},
        {"FT_Close", address(+[](Handle) { return Unused("FT_Close"); })},
        {"FT_SetTimeouts", address(&SetTimeouts)},
        {"FT_SetBaudRate", address(+[](Handle h, Ulong b) { return Call("FT_SetBaudRate", Args(b), h); })},
        {"FT_SetDataCharacteristics", address(+[](Handle h, Uchar b, Uchar s, Uchar p) { return Call("FT_SetDataCharacteristics", Args(b, s, p), h); })},
        {"FT_SetFlowControl", address(+[](Handle h, Ushort f, Uchar on, Uchar off) { return Call("FT_SetFlowControl", Args(f, on, off), h); })},
        {"FT_ResetDevice", address(+[](Handle) { return Unused("FT_ResetDevice"); })},
        {"FT_Purge", address(+[](Handle, Ulong) { return Unused("FT_Purge"); })},
        {"FT_GetStatus", address(+[](Handle, Dword*, Dword*, Dword*) { return Unused("FT_GetStatus"); })},
    };
    // clang-format on
    const auto found = entries.find(name);
    return found == entries.end() ? nullptr : found->second;
}

} // namespace corvane::test
