// The D2XX functions the simulated library exports, plus its configuration entry.
// Two variants leave out FT_GetStatus or FT_Open to exercise the binding.

#include "SimBus.h"
#include "device/D2xx.h"

#define SIM_EXPORT extern "C" __attribute__((visibility("default")))

using namespace corvane;
using sim::SimBus;

SIM_EXPORT int corvaneSimConfigure(const char* key, const char* value) {
    if (key == nullptr)
        return -1;
    return SimBus::instance().configure(key, value != nullptr ? value : "");
}

SIM_EXPORT d2xx::Status CORVANE_D2XX_CALL FT_ListDevices(void* arg1, void* arg2,
                                                         d2xx::Dword flags) {
    return SimBus::instance().listDevices(arg1, arg2, flags);
}

#ifndef CORVANE_SIM_WITHOUT_OPEN
SIM_EXPORT d2xx::Status CORVANE_D2XX_CALL FT_Open(int index, d2xx::Handle* handle) {
    return SimBus::instance().open(index, handle);
}
#endif

SIM_EXPORT d2xx::Status CORVANE_D2XX_CALL FT_OpenEx(void* arg1, d2xx::Dword flags,
                                                    d2xx::Handle* handle) {
    return SimBus::instance().openEx(arg1, flags, handle);
}

SIM_EXPORT d2xx::Status CORVANE_D2XX_CALL FT_Close(d2xx::Handle handle) {
    return SimBus::instance().close(handle);
}

SIM_EXPORT d2xx::Status CORVANE_D2XX_CALL FT_Write(d2xx::Handle handle, void* buffer,
                                                   d2xx::Dword count, d2xx::Dword* written) {
    return SimBus::instance().write(handle, buffer, count, written);
}

SIM_EXPORT d2xx::Status CORVANE_D2XX_CALL FT_Read(d2xx::Handle handle, void* buffer,
                                                  d2xx::Dword count, d2xx::Dword* received) {
    return SimBus::instance().read(handle, buffer, count, received);
}

SIM_EXPORT d2xx::Status CORVANE_D2XX_CALL FT_SetTimeouts(d2xx::Handle handle, d2xx::Ulong readMs,
                                                         d2xx::Ulong writeMs) {
    return SimBus::instance().setTimeouts(handle, readMs, writeMs);
}

SIM_EXPORT d2xx::Status CORVANE_D2XX_CALL FT_SetBaudRate(d2xx::Handle handle,
                                                         d2xx::Ulong baudRate) {
    return SimBus::instance().setBaudRate(handle, baudRate);
}

SIM_EXPORT d2xx::Status CORVANE_D2XX_CALL FT_SetDataCharacteristics(d2xx::Handle handle,
                                                                    d2xx::Uchar wordLength,
                                                                    d2xx::Uchar stopBits,
                                                                    d2xx::Uchar parity) {
    return SimBus::instance().setDataCharacteristics(handle, wordLength, stopBits, parity);
}

SIM_EXPORT d2xx::Status CORVANE_D2XX_CALL FT_SetFlowControl(d2xx::Handle handle, d2xx::Ushort flow,
                                                            d2xx::Uchar xon, d2xx::Uchar xoff) {
    return SimBus::instance().setFlowControl(handle, flow, xon, xoff);
}

SIM_EXPORT d2xx::Status CORVANE_D2XX_CALL FT_ResetDevice(d2xx::Handle handle) {
    return SimBus::instance().resetDevice(handle);
}

SIM_EXPORT d2xx::Status CORVANE_D2XX_CALL FT_Purge(d2xx::Handle handle, d2xx::Ulong mask) {
    return SimBus::instance().purge(handle, mask);
}

#ifndef CORVANE_SIM_WITHOUT_GET_STATUS
SIM_EXPORT d2xx::Status CORVANE_D2XX_CALL FT_GetStatus(d2xx::Handle handle, d2xx::Dword* rx,
                                                       d2xx::Dword* tx, d2xx::Dword* events) {
    return SimBus::instance().getStatus(handle, rx, tx, events);
}
#endif
