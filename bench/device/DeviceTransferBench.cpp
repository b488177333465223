// Send and receive of a full table of each kind through the simulated controller
// in real timing, against the protocol floor: the prescribed pauses and read
// timeouts plus the line time at 1 Mbaud, 11 bits a byte. The counter "ratio" is
// measured time / floor; what lies above 1 is our own overhead (goal: < 2%).
// Each transfer runs over both links: the D2XX link bound to the simulated
// library, and the serial link through the kernel's tty layer to the simulated
// controller on a pseudo-terminal.
//
// Slow by nature (seconds per run), so each case runs once.

#include "PtyController.h"
#include "device/ControllerProtocol.h"
#include "device/D2xxLink.h"
#include "device/DynamicLibrary.h"
#include "device/SerialLink.h"
#include "platform/ByteOrder.h"
#include "platform/Progress.h"
#include "platform/Prompter.h"
#include "platform/SystemPacer.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>
#include <unistd.h>

namespace corvane {
namespace {

constexpr double kByteMs = 0.011; // 11 bits at 1,000,000 baud
constexpr double kOpenPause = 10, kDrainTimeout = 500, kReplyPause = 100, kChunkPause = 5,
                 kReadTimeout = 500;

class QuietPrompter final : public Prompter {
public:
    void showMessage(const std::string&) override {}
    std::optional<std::string> chooseOpenFile(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseSaveFile(const FileDialogRequest&) override {
        return std::nullopt;
    }
};

class NoProgress final : public Progress {
public:
    void show() override {}
    void hide() override {}
    void setRange(int, int) override {}
    void setPosition(int) override {}
    void setStep(int) override {}
    void stepIt() override {}
};

std::uint64_t FullTableLength(EventKind kind) {
    return kEventFileHeaderSize + std::uint64_t{InfoOf(kind).maxEntries} * InfoOf(kind).recordSize;
}

// Open pause, drain timeout, announce on the line, reply pause, then per chunk
// its pause and its line time. The reply arrives during the reply pause.
double SendFloorMs(std::uint64_t length) {
    const double chunks = static_cast<double>((length + 511) / 512);
    return kOpenPause + kDrainTimeout + 20 * kByteMs + kReplyPause + chunks * kChunkPause +
           static_cast<double>(length) * kByteMs;
}

// Open pause, drain timeout, request on the line; the reply and the data stream
// in from then on, partly during the reply pause. The last, short block waits
// for the read timeout after the last full block has arrived.
double ReceiveFloorMs(std::uint64_t length) {
    const std::uint64_t fullBlocks = length / 1024;
    const bool shortBlock = length % 1024 != 0;
    const double lastFullBlockArrives = static_cast<double>(20 + fullBlocks * 1024) * kByteMs;
    const double allArrive = static_cast<double>(20 + length) * kByteMs;
    const double streaming = shortBlock ? std::max(kReplyPause, lastFullBlockArrives) + kReadTimeout
                                        : std::max(kReplyPause, allArrive);
    return kOpenPause + kDrainTimeout + 20 * kByteMs + streaming;
}

enum class Path { D2xx, Serial };

// A link to the simulated controller in real timing, opened once for every case.
struct Bench {
    QuietPrompter prompter;
    SystemPacer pacer;
    NoProgress progress;
    DynamicLibrary sim;
    sim::PtyController pty{sim::SimSettings{}}; // the serial path's controller
    std::jthread server;
    std::unique_ptr<ControllerLink> link;
    std::unique_ptr<ControllerProtocol> protocol;
    std::string folder;

    explicit Bench(Path path)
        : folder((std::filesystem::temp_directory_path() /
                  ("corvane-bench-" + std::to_string(getpid()) +
                   (path == Path::D2xx ? "-d2xx" : "-serial")))
                     .string()) {
        if (path == Path::D2xx) {
            sim.load(CORVANE_SIM_LIBRARY);
            auto configure = reinterpret_cast<int (*)(const char*, const char*)>(
                sim.symbol("corvaneSimConfigure"));
            configure("reset", "");
            configure("timing", "real");
            auto d2xx = std::make_unique<D2xxLink>(prompter);
            d2xx->bindDriver(CORVANE_SIM_LIBRARY);
            link = std::move(d2xx);
        } else {
            server = std::jthread([this] { pty.serve(); });
            link = std::make_unique<SerialLink>(prompter, SystemRoots{},
                                                SerialPortChoice{pty.portPath(), ""});
        }
        link->openController();
        protocol = std::make_unique<ControllerProtocol>(*link, pacer, prompter);
        std::filesystem::create_directories(folder);
    }
    ~Bench() {
        pty.stop();
        std::filesystem::remove_all(folder);
    }

    std::string tableFile(EventKind kind) {
        std::vector<std::uint8_t> bytes(FullTableLength(kind));
        PutU32(bytes, 0, InfoOf(kind).maxEntries);
        for (std::size_t i = kEventFileHeaderSize; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 13);
        const std::string path = folder + "/full.bin";
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }
};

Bench& Shared(const benchmark::State& state) {
    static Bench d2xx(Path::D2xx), serial(Path::Serial);
    return state.range(1) == 0 ? d2xx : serial;
}

std::string Label(const benchmark::State& state, EventKind kind) {
    return std::string(InfoOf(kind).cliName) + (state.range(1) == 0 ? " d2xx" : " serial");
}

double ElapsedMs(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
        .count();
}

void BM_SendFullTable(benchmark::State& state) {
    const EventKind kind = kAllEventKinds[static_cast<std::size_t>(state.range(0))];
    Bench& bench = Shared(state);
    const std::string path = bench.tableFile(kind);
    double totalMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (bench.protocol->sendTable(kind, path, bench.progress) != SendResult::Sent)
            state.SkipWithError("send failed");
        totalMs += ElapsedMs(start);
    }
    const double floor = SendFloorMs(FullTableLength(kind));
    state.counters["floor_ms"] = floor;
    state.counters["ratio"] = totalMs / static_cast<double>(state.iterations()) / floor;
    state.SetLabel(Label(state, kind));
}

void BM_ReceiveFullTable(benchmark::State& state) {
    const EventKind kind = kAllEventKinds[static_cast<std::size_t>(state.range(0))];
    Bench& bench = Shared(state);
    bench.protocol->sendTable(kind, bench.tableFile(kind), bench.progress);
    const std::string path = bench.folder + "/received.bin";
    double totalMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (bench.protocol->receiveTable(kind, path).result != ReceiveResult::Received)
            state.SkipWithError("receive failed");
        totalMs += ElapsedMs(start);
    }
    const double floor = ReceiveFloorMs(FullTableLength(kind));
    state.counters["floor_ms"] = floor;
    state.counters["ratio"] = totalMs / static_cast<double>(state.iterations()) / floor;
    state.SetLabel(Label(state, kind));
}

// Arguments: the kind (0..6), the path (0: D2XX, 1: serial).
BENCHMARK(BM_SendFullTable)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 6, 1), {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReceiveFullTable)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 6, 1), {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvane
