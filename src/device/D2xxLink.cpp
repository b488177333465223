#include "device/D2xxLink.h"

#include "device/DynamicLibrary.h"
#include "platform/Prompter.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <type_traits>

namespace corvane {

namespace {

using Entries = d2xx::EntryPoints;

constexpr d2xx::Dword kOpenFlags = d2xx::kListByIndex | d2xx::kOpenByDescription;

// One entry point: the name the driver exports and the member that keeps it.
template <typename Member> struct EntryPoint {
    const char* name;
    Member member;
};
// Spelled out for compilers without deduction for aggregates (clang before 17).
template <typename Member> EntryPoint(const char*, Member) -> EntryPoint<Member>;

// Every entry point the link binds, in lookup order.
constexpr std::tuple kEntryPoints{
    EntryPoint{"FT_ListDevices", &Entries::listDevices},
    EntryPoint{"FT_Write", &Entries::write},
    EntryPoint{"FT_Read", &Entries::read},
    EntryPoint{"FT_Open", &Entries::open},
    EntryPoint{"FT_OpenEx", &Entries::openEx},
    EntryPoint{"FT_Close", &Entries::close},
    EntryPoint{"FT_SetTimeouts", &Entries::setTimeouts},
    EntryPoint{"FT_SetBaudRate", &Entries::setBaudRate},
    EntryPoint{"FT_SetDataCharacteristics", &Entries::setDataCharacteristics},
    EntryPoint{"FT_SetFlowControl", &Entries::setFlowControl},
    EntryPoint{"FT_ResetDevice", &Entries::resetDevice},
    EntryPoint{"FT_Purge", &Entries::purge},
    EntryPoint{"FT_GetStatus", &Entries::getStatus},
};

// The exported name of the entry point kept in Member.
template <auto Member> constexpr const char* EntryName() {
    return std::apply(
        [](const auto&... entry) {
            const char* name = nullptr;
            const auto match = [&](const auto& e) {
                if constexpr (std::is_same_v<decltype(e.member), decltype(Member)>) {
                    if (e.member == Member)
                        name = e.name;
                }
            };
            (match(entry), ...);
            return name;
        },
        kEntryPoints);
}

} // namespace

std::string DriverLibraryFile() {
    const char* chosen = std::getenv("CORVANE_D2XX_LIBRARY");
    if (chosen != nullptr && *chosen != '\0')
        return chosen;
#ifdef _WIN32
    return "Ftd2xx.Dll";
#else
    return "libftd2xx.so";
#endif
}

D2xxLink::D2xxLink(Prompter& prompter) : prompter_(prompter) {}

D2xxLink::~D2xxLink() {
    close();
}

void D2xxLink::bindDriver() {
    bindDriver(DriverLibraryFile());
}

void D2xxLink::bindDriver(const std::string& libraryFile) {
    entries_ = {};
    const DynamicLibrary* library = DynamicLibrary::loadForProcess(libraryFile);
    if (library == nullptr) {
        // The message names the driver the program was first written for; it
        // stays as operators know it.
        prompter_.showMessage("Error:Can't Load ft8u245.dll");
        return;
    }
    bindEntryPoints([library](const char* name) { return library->symbol(name); });
}

void D2xxLink::bindEntryPoints(const std::function<void*(const char*)>& lookup) {
    entries_ = {};
    const auto bind = [&](const auto& entry) {
        void* address = lookup(entry.name);
        if (address == nullptr) {
            prompter_.showMessage(std::string("Error:Can't Find ") + entry.name);
            return false;
        }
        using Fn = std::remove_reference_t<decltype(entries_.*entry.member)>;
        entries_.*entry.member = reinterpret_cast<Fn>(address);
        return true;
    };
    std::apply([&](const auto&... entry) { (bind(entry) && ...); }, kEntryPoints);
}

template <auto Entry, typename... Args> d2xx::Status D2xxLink::call(Args... args) {
    static_assert(EntryName<Entry>() != nullptr, "every entry point is in kEntryPoints");
    if (entries_.*Entry != nullptr)
        return (entries_.*Entry)(args...);
    prompter_.showMessage(std::string(EntryName<Entry>()) + " is not valid!");
    return 1;
}

int D2xxLink::countDevices() {
    // The driver stores a DWORD; a count it does not deliver stays 0.
    std::uint32_t count = 0;
    call<&Entries::listDevices>(static_cast<void*>(&count), static_cast<void*>(nullptr),
                                d2xx::kListNumberOnly);
    return static_cast<std::int32_t>(count);
}

std::optional<std::string> D2xxLink::deviceDescription(int index) {
    char description[d2xx::kDescriptionBufferSize] = {};
    void* byIndex = reinterpret_cast<void*>(static_cast<std::intptr_t>(index));
    if (call<&Entries::listDevices>(byIndex, static_cast<void*>(description), kOpenFlags) !=
        d2xx::kOk)
        return std::nullopt;
    description[sizeof description - 1] = '\0'; // never trust the driver to terminate it
    return std::string(description);
}

void D2xxLink::openController() {
    if (open_)
        return;
    const int count = countDevices();
    for (int index = 0; index < count; ++index) {
        const std::optional<std::string> description = deviceDescription(index);
        if (description && openKnownDevice(*description)) {
            call<&Entries::setTimeouts>(handle_, d2xx::Ulong{kLinkReadTimeoutMs},
                                        d2xx::Ulong{kLinkWriteTimeoutMs});
            open_ = true;
            return;
        }
    }
    prompter_.showMessage("No Device Found!");
}

bool D2xxLink::openKnownDevice(const std::string& description) {
    char name[d2xx::kDescriptionBufferSize] = {};
    std::memcpy(name, description.c_str(), description.size());
    if (description == kControllerDescription)
        return openWithControllerLine(name);
    // The second device kind keeps the driver's default line settings.
    return description == kSecondDeviceDescription &&
           call<&Entries::openEx>(static_cast<void*>(name), kOpenFlags, &handle_) == d2xx::kOk;
}

// The open and the first line settings are not checked on their own: flow
// control, the last of them, decides.
bool D2xxLink::openWithControllerLine(char* description) {
    call<&Entries::openEx>(static_cast<void*>(description), kOpenFlags, &handle_);
    call<&Entries::setBaudRate>(handle_, d2xx::Ulong{kControllerBaudRate});
    call<&Entries::setDataCharacteristics>(handle_, d2xx::kBits8, d2xx::kStopBits2,
                                           d2xx::kParityNone);
    return call<&Entries::setFlowControl>(handle_, d2xx::kFlowNone, d2xx::Uchar{0},
                                          d2xx::Uchar{0}) == d2xx::kOk;
}

void D2xxLink::close() {
    if (!open_)
        return;
    call<&Entries::close>(handle_);
    handle_ = nullptr;
    open_ = false;
}

// A write counts only when the driver took every byte: a short write would shift
// everything the controller reads after it.
bool D2xxLink::write(std::span<const std::uint8_t> bytes) {
    const auto count = static_cast<d2xx::Dword>(bytes.size());
    d2xx::Dword written = 0;
    return call<&Entries::write>(handle_, static_cast<const void*>(bytes.data()), count,
                                 &written) == d2xx::kOk &&
           written == count;
}

std::optional<std::size_t> D2xxLink::read(std::span<std::uint8_t> buffer) {
    const auto count = static_cast<d2xx::Dword>(buffer.size());
    d2xx::Dword received = 0;
    if (call<&Entries::read>(handle_, static_cast<void*>(buffer.data()), count, &received) !=
        d2xx::kOk)
        return std::nullopt;
    return std::min(received, count); // a driver never gets to claim more than asked for
}

bool D2xxLink::purge() {
    return call<&Entries::purge>(handle_, d2xx::Ulong{d2xx::kPurgeRx | d2xx::kPurgeTx}) ==
           d2xx::kOk;
}

std::optional<std::uint32_t> D2xxLink::queuedBytes() {
    d2xx::Dword receive = 0, transmit = 0, events = 0;
    if (call<&Entries::getStatus>(handle_, &receive, &transmit, &events) != d2xx::kOk)
        return std::nullopt;
    return receive;
}

} // namespace corvane
