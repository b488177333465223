// Corvane against a plain Qt window of about the same weight (40 buttons, a
// list and ten 512-item combo boxes), each as a whole process from its start
// to the first saved picture of its window: wall time, CPU time and peak
// memory, side by side, and the ratios. Run it on the display to compare on,
// for example under xvfb-run; without one it uses the offscreen platform.
// Corvane talks to the simulated controller at its real pace.
#include "app/WindowSnapshot.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kPlainWindowOption = "--plain-window=";

// The comparison window: shown, saved once painted, then the process ends.
int RunPlainWindow(int argc, char** argv, const char* picture) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(805, 610);
    for (int i = 0; i < 40; ++i) {
        auto* button = new QPushButton(QStringLiteral("Button %1").arg(i), &window);
        button->setGeometry(10 + (i % 4) * 90, 10 + (i / 4) * 30, 85, 25);
    }
    auto* list = new QListWidget(&window);
    list->setGeometry(380, 10, 410, 560);
    for (int c = 0; c < 10; ++c) {
        auto* combo = new QComboBox(&window);
        combo->setGeometry(10 + (c % 2) * 180, 320 + (c / 2) * 30, 170, 25);
        for (int item = 1; item <= 512; ++item)
            combo->addItem(QString::number(item));
    }
    window.show();
    corvane::SaveSnapshotWhenShown(window, QString::fromLocal8Bit(picture));
    return QApplication::exec();
}

struct Figures {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    double peakMiB = 0;
};

// Runs the program in folder to its end; false when it could not be run or
// failed. The wall time runs until the picture is in the folder (what the
// program does after it, such as the controller's clock, does not count);
// CPU time and peak memory are the whole process's.
bool RunProcess(const std::vector<std::string>& command,
                const std::map<std::string, std::string>& env, const std::string& folder,
                const std::string& picture, Figures& figures) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        for (const auto& [name, value] : env)
            setenv(name.c_str(), value.c_str(), 1);
        if (chdir(folder.c_str()) != 0)
            _exit(126);
        std::vector<char*> arguments;
        for (const std::string& argument : command)
            arguments.push_back(const_cast<char*>(argument.c_str()));
        arguments.push_back(nullptr);
        execv(arguments[0], arguments.data());
        _exit(127);
    }
    const std::string picturePath = folder + "/" + picture;
    int status = 0;
    rusage usage{};
    std::optional<std::chrono::steady_clock::time_point> pictured;
    while (!pictured) {
        struct stat info {};
        if (stat(picturePath.c_str(), &info) == 0 && info.st_size > 0)
            pictured = std::chrono::steady_clock::now();
        else if (waitpid(child, &status, WNOHANG) == child)
            return false; // ended without a picture
        else
            usleep(1000);
    }
    if (wait4(child, &status, 0, &usage) != child)
        return false;
    figures.wallSeconds = std::chrono::duration<double>(*pictured - start).count();
    figures.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    figures.peakMiB = usage.ru_maxrss / 1024.0;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string SelfPath() {
    char path[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

std::map<std::string, Figures> averages;

void Measure(benchmark::State& state, const std::string& name,
             const std::vector<std::string>& command, const std::map<std::string, std::string>& env,
             const std::string& picture) {
    QTemporaryDir folder;
    Figures sum;
    int runs = 0;
    for (auto _ : state) {
        QFile::remove(folder.filePath(QString::fromStdString(picture)));
        Figures figures;
        if (!RunProcess(command, env, folder.path().toStdString(), picture, figures)) {
            state.SkipWithError("the process failed");
            return;
        }
        state.SetIterationTime(figures.wallSeconds);
        sum.wallSeconds += figures.wallSeconds;
        sum.cpuSeconds += figures.cpuSeconds;
        sum.peakMiB = std::max(sum.peakMiB, figures.peakMiB);
        ++runs;
    }
    if (runs == 0)
        return;
    const Figures average{sum.wallSeconds / runs, sum.cpuSeconds / runs, sum.peakMiB};
    averages[name] = average;
    state.counters["cpu_s"] = average.cpuSeconds;
    state.counters["peak_MiB"] = average.peakMiB;
}

void BM_CorvaneToFirstPicture(benchmark::State& state) {
    Measure(state, "corvane", {CORVANE_PROGRAM},
            {{"CORVANE_SCREENSHOT", "corvane.png"},
             {"CORVANE_D2XX_LIBRARY", CORVANE_SIM_LIBRARY},
             {"CORVANE_SIM_TIMING", "real"}},
            "corvane.png");
}
BENCHMARK(BM_CorvaneToFirstPicture)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PlainWindowToFirstPicture(benchmark::State& state) {
    Measure(state, "plain", {SelfPath(), std::string(kPlainWindowOption) + "plain.png"}, {},
            "plain.png");
}
BENCHMARK(BM_PlainWindowToFirstPicture)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void PrintRatios() {
    const auto corvane = averages.find("corvane");
    const auto plain = averages.find("plain");
    if (corvane == averages.end() || plain == averages.end())
        return;
    const Figures& c = corvane->second;
    const Figures& p = plain->second;
    std::printf("\n%-12s %10s %10s %8s\n", "", "Corvane", "plain Qt", "ratio");
    std::printf("%-12s %10.3f %10.3f %7.2fx\n", "wall s", c.wallSeconds, p.wallSeconds,
                c.wallSeconds / p.wallSeconds);
    std::printf("%-12s %10.3f %10.3f %7.2fx\n", "CPU s", c.cpuSeconds, p.cpuSeconds,
                c.cpuSeconds / p.cpuSeconds);
    std::printf("%-12s %10.1f %10.1f %7.2fx\n", "peak MiB", c.peakMiB, p.peakMiB,
                c.peakMiB / p.peakMiB);
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kPlainWindowOption, std::strlen(kPlainWindowOption)) == 0)
            return RunPlainWindow(argc, argv, argv[i] + std::strlen(kPlainWindowOption));
    }
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintRatios();
    return 0;
}
