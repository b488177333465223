#include "PtyController.h"

#include "SimStateFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace corvane::sim {

namespace {

using Clock = SimDevice::Clock;

void MakeRaw(int fd) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return;
    ::cfmakeraw(&settings);
    ::tcsetattr(fd, TCSANOW, &settings);
}

} // namespace

PtyController::PtyController(const SimSettings& settings) : settings_(settings) {
    if (!settings_.stateFile.empty())
        LoadSimState(settings_.stateFile, controller_);
    line_.baudRate = 1000000;
    line_.stopBits = 2;
    stopEvent_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        closeTerminal();
        return;
    }
    std::array<char, 128> name{};
    if (::ptsname_r(master_, name.data(), name.size()) != 0) {
        closeTerminal();
        return;
    }
    portPath_ = name.data();
    slave_ = ::open(portPath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    MakeRaw(master_);
    MakeRaw(slave_);
}

PtyController::~PtyController() {
    closeTerminal();
    if (stopEvent_ >= 0)
        ::close(stopEvent_);
}

void PtyController::closeTerminal() {
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

void PtyController::stop() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto ignored = ::write(stopEvent_, &one, sizeof one);
}

bool PtyController::hostSpeaksControllerLine() const {
    termios settings{};
    if (::tcgetattr(slave_, &settings) != 0)
        return false;
    return ::cfgetospeed(&settings) == B1000000 &&
           (settings.c_cflag & (CSIZE | CSTOPB | PARENB)) == (CS8 | CSTOPB);
}

std::size_t PtyController::crossing(std::size_t count) {
    if (!settings_.cutAfterBytes)
        return count;
    const std::uint64_t limit = *settings_.cutAfterBytes;
    const std::uint64_t left = limit > crossed_ ? limit - crossed_ : 0;
    const auto passing = static_cast<std::size_t>(std::min<std::uint64_t>(left, count));
    crossed_ += passing;
    cut_ = crossed_ >= limit;
    return passing;
}

void PtyController::takeFromHost() {
    std::array<std::uint8_t, 4096> bytes{};
    const ssize_t got = ::read(master_, bytes.data(), bytes.size());
    if (got <= 0)
        return;
    const std::size_t passing = crossing(static_cast<std::size_t>(got));
    if (!hostSpeaksControllerLine())
        return;
    const Clock::time_point now = Clock::now();
    const SimController::Bytes answer = controller_.receive(bytes.data(), passing, now, settings_);
    line_.sendToHost(answer.data(), answer.size(), now, settings_.realTiming);
    if (controller_.takeChanged() && !settings_.stateFile.empty())
        SaveSimState(settings_.stateFile, controller_);
}

// Writes the answer bytes whose line time has passed, as far as the terminal takes them.
void PtyController::sendDueBytes() {
    const Clock::time_point now = Clock::now();
    std::vector<std::uint8_t> due;
    for (const auto& byte : line_.toHost) {
        if (settings_.realTiming && byte.arrival > now)
            break;
        due.push_back(byte.value);
    }
    if (due.empty() || cut_)
        return;
    const ssize_t written = ::write(master_, due.data(), crossing(due.size()));
    sentBeforeCut_ = cut_ && written > 0;
    if (written > 0)
        line_.toHost.erase(line_.toHost.begin(), line_.toHost.begin() + written);
}

// Waits for bytes from the host, for room to send answers that are due, for the
// next answer byte's arrival time, or for stop(); false when stopped.
bool PtyController::waitForWork() {
    std::array<pollfd, 2> waits{{{master_, POLLIN, 0}, {stopEvent_, POLLIN, 0}}};
    timespec timeout{};
    timespec* until = nullptr; // no answer pending: wait for the host
    if (!line_.toHost.empty()) {
        const auto wait = settings_.realTiming ? line_.toHost.front().arrival - Clock::now()
                                               : Clock::duration::zero();
        if (wait <= Clock::duration::zero()) {
            waits[0].events |= POLLOUT;
        } else {
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
            timeout = {static_cast<time_t>(ns / 1'000'000'000),
                       static_cast<long>(ns % 1'000'000'000)};
            until = &timeout;
        }
    }
    if (::ppoll(waits.data(), waits.size(), until, nullptr) < 0 && errno != EINTR)
        return false;
    if (waits[1].revents & POLLIN)
        return false;
    if (waits[0].revents & POLLIN)
        takeFromHost();
    return true;
}

// The bytes that crossed before the cut reach the host: a hang-up drops what the
// host has not read yet, so the terminal stays until it has (at most 2 s). The
// kernel hands written bytes to the host's side a moment later, so the wait
// looks for them to arrive first (or for 50 ms, should the host have taken them
// at once), then to go.
void PtyController::waitUntilHostHasRead() {
    const auto unread = [this] {
        int count = 0;
        return ::ioctl(slave_, FIONREAD, &count) == 0 ? count : 0;
    };
    bool arrived = !sentBeforeCut_;
    for (int wait = 0; wait < 200; ++wait) {
        arrived = arrived || unread() > 0 || wait >= 5;
        if (arrived && unread() == 0)
            return;
        pollfd stop{stopEvent_, POLLIN, 0};
        if (::poll(&stop, 1, 10) != 0)
            return;
    }
}

bool PtyController::serve() {
    if (master_ < 0 || slave_ < 0)
        return false;
    while (!cut_ && waitForWork())
        sendDueBytes();
    if (cut_) {
        waitUntilHostHasRead();
        closeTerminal();
    }
    return true;
}

} // namespace corvane::sim
