#pragma once

// Our own declarations of the D2XX driver interface: the types, status values,
// flags and the thirteen entry points the device link looks up. Shared by the
// run-time binding and by the simulated controller library, which exports the
// same functions with the same ABI.

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define CORVANE_D2XX_CALL __stdcall
#else
#define CORVANE_D2XX_CALL
#endif

namespace corvane::d2xx {

using Dword = std::uint32_t;
using Ulong = std::uint32_t;
using Uchar = std::uint8_t;
using Ushort = std::uint16_t;
using Status = std::uint32_t;
using Handle = void*;

inline constexpr Status kOk = 0;
inline constexpr Status kInvalidHandle = 1;
inline constexpr Status kDeviceNotFound = 2;
inline constexpr Status kDeviceNotOpened = 3;
inline constexpr Status kIoError = 4;
inline constexpr Status kInvalidParameter = 6;
inline constexpr Status kInvalidBaudRate = 7;
inline constexpr Status kOtherError = 18;

// FT_ListDevices / FT_OpenEx flags. With kListByIndex the index travels as the
// value of the first pointer argument.
inline constexpr Dword kListNumberOnly = 0x80000000u;
inline constexpr Dword kListByIndex = 0x40000000u;
inline constexpr Dword kOpenBySerialNumber = 1;
inline constexpr Dword kOpenByDescription = 2;

// Serial line settings.
inline constexpr Uchar kBits8 = 8;
inline constexpr Uchar kStopBits1 = 0;
inline constexpr Uchar kStopBits2 = 2;
inline constexpr Uchar kParityNone = 0;
inline constexpr Ushort kFlowNone = 0;

// FT_Purge mask bits.
inline constexpr Ulong kPurgeRx = 1;
inline constexpr Ulong kPurgeTx = 2;

// D2XX descriptions are at most 64 bytes including the terminating NUL.
inline constexpr int kDescriptionBufferSize = 64;

// The entry points, all null until bound. The member order is the lookup order.
struct EntryPoints {
    Status(CORVANE_D2XX_CALL* listDevices)(void* arg1, void* arg2, Dword flags) = nullptr;
    // FT_Write only reads its buffer.
    Status(CORVANE_D2XX_CALL* write)(Handle, const void* buffer, Dword count,
                                     Dword* written) = nullptr;
    Status(CORVANE_D2XX_CALL* read)(Handle, void* buffer, Dword count, Dword* read) = nullptr;
    Status(CORVANE_D2XX_CALL* open)(int index, Handle* handle) = nullptr;
    Status(CORVANE_D2XX_CALL* openEx)(void* arg1, Dword flags, Handle* handle) = nullptr;
    Status(CORVANE_D2XX_CALL* close)(Handle) = nullptr;
    Status(CORVANE_D2XX_CALL* setTimeouts)(Handle, Ulong readMs, Ulong writeMs) = nullptr;
    Status(CORVANE_D2XX_CALL* setBaudRate)(Handle, Ulong baudRate) = nullptr;
    Status(CORVANE_D2XX_CALL* setDataCharacteristics)(Handle, Uchar wordLength, Uchar stopBits,
                                                      Uchar parity) = nullptr;
    Status(CORVANE_D2XX_CALL* setFlowControl)(Handle, Ushort flowControl, Uchar xon,
                                              Uchar xoff) = nullptr;
    Status(CORVANE_D2XX_CALL* resetDevice)(Handle) = nullptr;
    Status(CORVANE_D2XX_CALL* purge)(Handle, Ulong mask) = nullptr;
    Status(CORVANE_D2XX_CALL* getStatus)(Handle, Dword* rxBytes, Dword* txBytes,
                                         Dword* eventStatus) = nullptr;
};

} // namespace corvane::d2xx
