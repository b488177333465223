#pragma once

#include "device/D2xx.h"
#include "platform/Pacer.h"
#include "platform/Progress.h"

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace corvane::test {

// One log for the driver, the pacer and the progress bar, so a test sees the
// exact order of calls, pauses and progress steps. Time is virtual: pauses and
// reads that wait for their timeout advance it, nothing really waits.
struct DeviceCallLog {
    std::vector<std::string> calls;
    std::int64_t nowMs = 0;
};

// What one FT_Read delivers: a status and the bytes that arrive. Bytes beyond
// the requested count stay queued for the next read.
struct ReadAnswer {
    std::vector<std::uint8_t> bytes;
    d2xx::Status status = d2xx::kOk;
};

// An in-process D2XX driver for tests. Only one exists at a time; its entry
// points are plain functions that forward to it.
class FakeD2xx {
public:
    explicit FakeD2xx(DeviceCallLog& log);
    ~FakeD2xx();
    FakeD2xx(const FakeD2xx&) = delete;
    FakeD2xx& operator=(const FakeD2xx&) = delete;

    // The symbol of a D2XX name, or null for a name listed in `missing`.
    void* lookup(const char* name) const;

    std::vector<std::string> devices{"Velmora"};
    std::set<std::string> missing;
    // Statuses the next calls of a name answer ("FT_SetFlowControl" -> {4}); then kOk.
    std::map<std::string, std::deque<d2xx::Status>> statuses;
    // A written count below the requested one, per call of FT_Write (then: all written).
    std::deque<d2xx::Dword> shortWrites;
    std::deque<ReadAnswer> reads;
    // Bytes a read claims beyond what it delivered (a misbehaving driver).
    d2xx::Dword overclaim = 0;
    std::vector<std::vector<std::uint8_t>> writes;

    // The entry points, called through the forwarding functions.
    d2xx::Status listDevices(void* arg1, void* arg2, d2xx::Dword flags);
    d2xx::Status openEx(void* arg1, d2xx::Dword flags, d2xx::Handle* handle);
    d2xx::Status write(d2xx::Handle handle, void* buffer, d2xx::Dword count, d2xx::Dword* written);
    d2xx::Status read(d2xx::Handle handle, void* buffer, d2xx::Dword count, d2xx::Dword* received);
    d2xx::Status setTimeouts(d2xx::Handle handle, d2xx::Ulong readMs, d2xx::Ulong writeMs);
    d2xx::Status setBaudRate(d2xx::Handle handle, d2xx::Ulong baud);
    d2xx::Status setDataCharacteristics(d2xx::Handle handle, d2xx::Uchar bits, d2xx::Uchar stop, d2xx::Uchar parity);
    d2xx::Status setFlowControl(d2xx::Handle handle, d2xx::Ushort flow, d2xx::Uchar xon, d2xx::Uchar xoff);
    d2xx::Status unused(const char* name);

    static FakeD2xx* current;

private:
    d2xx::Status next(const std::string& name);
    d2xx::Status handleCall(d2xx::Handle handle, const std::string& name, const std::string& entry);

    DeviceCallLog& log_;
    d2xx::Ulong readTimeoutMs_ = 0;
};

class FakePacer final : public Pacer {
public:
    explicit FakePacer(DeviceCallLog& log) : log_(log) {}
    void sleep(int milliseconds) override;
    std::chrono::milliseconds now() const override { return std::chrono::milliseconds(log_.nowMs); }

private:
    DeviceCallLog& log_;
};

class FakeProgress final : public Progress {
public:
    explicit FakeProgress(DeviceCallLog& log) : log_(log) {}
    void show() override { log_.calls.push_back("progress show"); }
    void hide() override { log_.calls.push_back("progress hide"); }
    void setRange(int lowest, int highest) override;
    void setPosition(int position) override;
    void setStep(int step) override;
    void stepIt() override { log_.calls.push_back("progress step"); }

private:
    DeviceCallLog& log_;
};

// "AA 55 A4 ..." for failure messages and expectations.
std::string Hex(const std::vector<std::uint8_t>& bytes);

} // namespace corvane::test
