// The program's start-up, a kind switch on a full table and its memory, on the
// offscreen platform with the default skin and the simulated controller
// (instant timing; the protocol's own pauses are counted, not slept).
#include "app/CorvaneApp.h"
#include "app/MainWindow.h"
#include "events/EventKind.h"
#include "platform/Pacer.h"
#include "support/RecordingPrompter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <string>

namespace {

using namespace corvane;

class CountingPacer final : public Pacer {
public:
    void sleep(int milliseconds) override { paused += milliseconds; }
    std::chrono::milliseconds now() const override { return std::chrono::milliseconds(paused); }
    long long paused = 0;
};

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void UseSimulator() {
    qputenv("CORVANE_D2XX_LIBRARY", CORVANE_SIM_LIBRARY);
    void* library = dlopen(CORVANE_SIM_LIBRARY, RTLD_NOW);
    if (library == nullptr)
        return;
    using Configure = int (*)(const char*, const char*);
    if (auto configure = reinterpret_cast<Configure>(dlsym(library, "corvaneSimConfigure"))) {
        configure("reset", "");
        configure("timing", "instant");
    }
}

// The program in an event folder of its own, started and painted once.
struct StartedProgram {
    test::RecordingPrompter prompter;
    CountingPacer pacer;
    CorvaneApp app{prompter, pacer};
    PaintCounter counter;

    bool start() {
        if (!app.initInstance())
            return false;
        app.mainWindow()->installEventFilter(&counter);
        while (counter.paints == 0)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        return true;
    }
};

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

void BM_StartUpToFirstPaint(benchmark::State& state) {
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    UseSimulator();
    long long pauses = 0;
    for (auto _ : state) {
        StartedProgram program;
        if (!program.start()) {
            state.SkipWithError("start-up failed");
            break;
        }
        pauses = program.pacer.paused;
        state.PauseTiming();
        program.app.exitInstance();
        state.ResumeTiming();
    }
    state.counters["protocol_pauses_ms"] = static_cast<double>(pauses);
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond);

// A relay table at its capacity: 2047 entries of 32 bytes.
void WriteFullRelayTable(const QString& folder) {
    const std::uint32_t count = InfoOf(EventKind::Relay).maxEntries;
    QByteArray bytes(16 + static_cast<qsizetype>(count) * 32, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((count >> (8 * i)) & 0xFF);
    for (std::uint32_t r = 0; r < count; ++r) {
        char* record = bytes.data() + 16 + r * 32;
        record[0] = static_cast<char>((r % 512) + 1);
        record[1] = static_cast<char>((r % 512 + 1) >> 8);
        record[3] = static_cast<char>(255);
        record[4] = 1;
        std::memcpy(record + 6, "Event", 5);
    }
    QFile file(QDir(folder).filePath(QString::fromLatin1(
        InfoOf(EventKind::Relay).fileName.data(), InfoOf(EventKind::Relay).fileName.size())));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void BM_KindSwitchToFullTable(benchmark::State& state) {
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    UseSimulator();
    WriteFullRelayTable(folder.path());
    StartedProgram program;
    if (!program.start()) {
        state.SkipWithError("start-up failed");
        return;
    }
    MainWindow& window = *program.app.mainWindow();
    for (auto _ : state) {
        window.onCommand(kIdSelectRelay, kButtonClicked);
        QApplication::processEvents();
        state.PauseTiming();
        window.onCommand(kIdSelectWeekClock, kButtonClicked);
        state.ResumeTiming();
    }
    state.counters["lines"] = InfoOf(EventKind::Relay).maxEntries;
}
BENCHMARK(BM_KindSwitchToFullTable)->Unit(benchmark::kMillisecond);

void BM_ResidentMemoryAfterStartUp(benchmark::State& state) {
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    UseSimulator();
    StartedProgram program;
    if (!program.start()) {
        state.SkipWithError("start-up failed");
        return;
    }
    long kilobytes = 0;
    for (auto _ : state)
        kilobytes = ResidentKilobytes();
    state.counters["rss_MB"] = static_cast<double>(kilobytes) / 1024.0;
}
BENCHMARK(BM_ResidentMemoryAfterStartUp)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
