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

// One log for driver calls, pauses and progress, so a test sees their exact
// order. Time is virtual: pauses and reads that wait for their timeout advance it.
struct DeviceCallLog {
    std::vector<std::string> calls;
    std::int64_t nowMs = 0;
    void add(std::string call) { calls.push_back(std::move(call)); }
};

// What one FT_Read delivers. Bytes beyond the requested count stay for the next read.
struct ReadAnswer {
    std::vector<std::uint8_t> bytes;
    d2xx::Status status = d2xx::kOk;
};

// An in-process D2XX driver. One exists at a time; its entry points forward to it.
class FakeD2xx {
public:
    explicit FakeD2xx(DeviceCallLog& log) : log_(log) { current = this; }
    ~FakeD2xx() { current = nullptr; }
    FakeD2xx(const FakeD2xx&) = delete;
    FakeD2xx& operator=(const FakeD2xx&) = delete;

    // The entry point of a D2XX name; null for names in `missing`.
    void* lookup(const char* name) const;

    std::vector<std::string> devices{"Velmora"};
    std::set<std::string> missing;
    std::map<std::string, std::deque<d2xx::Status>> statuses; // answers of the next calls; then kOk
    std::deque<d2xx::Dword> shortWrites;                      // bytes taken by the next writes; then all
    std::deque<ReadAnswer> reads;                             // exhausted: reads time out empty
    d2xx::Dword overclaim = 0; // a driver claiming bytes it never delivered
    std::vector<std::vector<std::uint8_t>> writes;

    d2xx::Status listDevices(void* arg1, void* arg2, d2xx::Dword flags);
    d2xx::Status openEx(void* arg1, d2xx::Dword flags, d2xx::Handle* handle);
    d2xx::Status write(d2xx::Handle handle, void* buffer, d2xx::Dword count, d2xx::Dword* written);
    d2xx::Status read(d2xx::Handle handle, void* buffer, d2xx::Dword count, d2xx::Dword* received);
    // The line settings and unused calls: logged as "name(a, b, c)"; a null handle is refused.
    d2xx::Status setting(d2xx::Handle handle, const std::string& name, std::vector<unsigned> values);

    static FakeD2xx* current;

private:
    d2xx::Status next(const std::string& name);

    DeviceCallLog& log_;
    unsigned readTimeoutMs_ = 0;
};

class FakePacer final : public Pacer {
public:
    explicit FakePacer(DeviceCallLog& log) : log_(log) {}
    void sleep(int ms) override {
        log_.add("sleep(" + std::to_string(ms) + ")");
        log_.nowMs += ms;
    }
    std::chrono::milliseconds now() const override { return std::chrono::milliseconds(log_.nowMs); }

private:
    DeviceCallLog& log_;
};

class FakeProgress final : public Progress {
public:
    explicit FakeProgress(DeviceCallLog& log) : log_(log) {}
    void show() override { log_.add("progress show"); }
    void hide() override { log_.add("progress hide"); }
    void setRange(int low, int high) override { add("range", low, ", " + std::to_string(high)); }
    void setPosition(int at) override { add("position", at); }
    void setStep(int step) override { add("step size", step); }
    void stepIt() override { log_.add("progress step"); }

private:
    void add(const std::string& what, int value, const std::string& more = "") {
        log_.add("progress " + what + "(" + std::to_string(value) + more + ")");
    }
    DeviceCallLog& log_;
};

} // namespace corvane::test
