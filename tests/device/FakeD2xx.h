#pragma once

#include "device/D2xx.h"
#include "platform/Pacer.h"
#include "platform/Progress.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace corvane::test {

using Bytes = std::vector<std::uint8_t>;

// One log for driver calls, pauses and progress, so a test sees their exact order.
struct DeviceCallLog {
    std::vector<std::string> calls;
    void add(std::string call) { calls.push_back(std::move(call)); }
};

// What one FT_Read delivers. Bytes beyond the requested count stay for the next read.
// A failing status (the device fuzz target's) ends that read with no bytes.
struct ReadAnswer {
    ReadAnswer(Bytes answer = {}, d2xx::Status answerStatus = d2xx::kOk)
        : bytes(std::move(answer)), status(answerStatus) {}
    Bytes bytes;
    d2xx::Status status;
};

// An in-process D2XX driver. One exists at a time; its entry points forward to it
// and log each call as "name(a, b, c)". Reads deliver the scripted answers.
struct FakeD2xx {
    explicit FakeD2xx(DeviceCallLog& callLog) : log(callLog) { current = this; }
    ~FakeD2xx() { current = nullptr; }
    // The entry point of a D2XX name; null for other names.
    static void* lookup(const char* name);

    DeviceCallLog& log;
    std::vector<std::string> devices{"Velmora"};
    std::map<std::string, std::deque<d2xx::Status>> statuses; // answers of the next calls; then kOk
    std::deque<ReadAnswer> reads;                             // exhausted: reads time out empty
    d2xx::Dword overclaim = 0; // a driver claiming bytes it never delivered
    std::vector<Bytes> writes;
    static FakeD2xx* current;
};

struct FakePacer final : Pacer {
    explicit FakePacer(DeviceCallLog& callLog) : log(callLog) {}
    void sleep(int ms) override { log.add("sleep(" + std::to_string(ms) + ")"); }
    std::chrono::milliseconds now() const override { return {}; }
    DeviceCallLog& log;
};

struct FakeProgress final : Progress {
    explicit FakeProgress(DeviceCallLog& callLog) : log(callLog) {}
    void show() override { log.add("progress show"); }
    void hide() override { log.add("progress hide"); }
    void setRange(int low, int high) override {
        log.add("progress range(" + std::to_string(low) + ", " + std::to_string(high) + ")");
    }
    void setPosition(int at) override { log.add("progress position(" + std::to_string(at) + ")"); }
    void setStep(int step) override { log.add("progress step size(" + std::to_string(step) + ")"); }
    void stepIt() override { log.add("progress step"); }
    DeviceCallLog& log;
};

} // namespace corvane::test
