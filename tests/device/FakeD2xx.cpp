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

std::string Text(const std::string& text) {
    return text;
}
template <typename T> std::string Text(T value) {
    return std::to_string(value);
}

// Logs "name(a, b)" and answers the next status set for name; a null handle is refused.
template <typename... T> Status Call(const std::string& name, Handle handle, T... args) {
    std::string list;
    ((list += (list.empty() ? "" : ", ") + Text(args)), ...);
    Fake().log.add(list.empty() ? name : name + "(" + list + ")");
    return handle == nullptr ? kInvalidHandle : Take(Fake().statuses[name], kOk);
}

Status ListDevices(void* arg1, void* arg2, Dword flags) {
    const auto index = reinterpret_cast<std::uintptr_t>(arg1);
    const bool counting = flags == kListNumberOnly;
    const Status status =
        Call("FT_ListDevices", &Fake(), counting ? "count" : Text(index), Flags(flags));
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
    const Status status =
        Call("FT_OpenEx", &Fake(), std::string(static_cast<const char*>(arg1)), Flags(flags));
    if (status == kOk)
        *handle = &Fake();
    return status;
}

Status Close(Handle handle) {
    return Call("FT_Close", handle);
}

Status SetTimeouts(Handle handle, Ulong readMs, Ulong writeMs) {
    return Call("FT_SetTimeouts", handle, readMs, writeMs);
}

Status SetBaudRate(Handle handle, Ulong baudRate) {
    return Call("FT_SetBaudRate", handle, baudRate);
}

Status SetDataCharacteristics(Handle handle, Uchar bits, Uchar stopBits, Uchar parity) {
    return Call("FT_SetDataCharacteristics", handle, bits, stopBits, parity);
}

Status SetFlowControl(Handle handle, Ushort flow, Uchar xon, Uchar xoff) {
    return Call("FT_SetFlowControl", handle, flow, xon, xoff);
}

Status Write(Handle handle, const void* buffer, Dword count, Dword* written) {
    *written = 0;
    const Status status = Call("FT_Write", handle, count);
    if (status != kOk)
        return status;
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    Fake().writes.emplace_back(bytes, bytes + count);
    *written = count;
    return kOk;
}

Status Read(Handle handle, void* buffer, Dword count, Dword* received) {
    auto& reads = Fake().reads;
    *received = 0;
    Status status = Call("FT_Read", handle, count);
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
    *received = delivered + Fake().overclaim;
    return kOk;
}

// The entry points the program binds but no test here calls.
Status Unused(const char* name) {
    return Call(std::string(name) + " (not called here)", nullptr);
}

} // namespace

void* FakeD2xx::lookup(const char* name) {
    const auto address = [](auto entry) { return reinterpret_cast<void*>(entry); };
    static const std::map<std::string, void*> entries = {
        {"FT_ListDevices", address(&ListDevices)},
        {"FT_Write", address(&Write)},
        {"FT_Read", address(&Read)},
        {"FT_Open", address(+[](int, Handle*) { return Unused("FT_Open"); })},
        {"FT_OpenEx", address(&OpenEx)},
        {"FT_Close", address(&Close)},
        {"FT_SetTimeouts", address(&SetTimeouts)},
        {"FT_SetBaudRate", address(&SetBaudRate)},
        {"FT_SetDataCharacteristics", address(&SetDataCharacteristics)},
        {"FT_SetFlowControl", address(&SetFlowControl)},
        {"FT_ResetDevice", address(+[](Handle) { return Unused("FT_ResetDevice"); })},
        {"FT_Purge", address(+[](Handle, Ulong) { return Unused("FT_Purge"); })},
        {"FT_GetStatus",
         address(+[](Handle, Dword*, Dword*, Dword*) { return Unused("FT_GetStatus"); })},
    };
    const auto found = entries.find(name);
    return found == entries.end() ? nullptr : found->second;
}

} // namespace corvane::test
