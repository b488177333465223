#include "device/SerialPort.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace corvane {

namespace {

SerialOpenFailure FailureFromErrno(int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return {SerialOpenError::Missing, error};
    case EACCES:
    case EPERM:
        return {SerialOpenError::PermissionDenied, error};
    case EBUSY:
    case EWOULDBLOCK:
        return {SerialOpenError::Busy, error};
    case ENOTTY:
    case EISDIR:
        return {SerialOpenError::NotATerminal, error};
    default:
        return {SerialOpenError::Other, error};
    }
}

// Milliseconds left until the deadline for poll, rounded up so that a wait
// never ends just before it.
int MillisecondsUntil(SerialPort::Clock::time_point deadline) {
    const auto left = deadline - SerialPort::Clock::now();
    if (left <= SerialPort::Clock::duration::zero())
        return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

// Waits for the port to become ready for `events`; false when it failed or hung up.
bool WaitFor(int fd, short events, SerialPort::Clock::time_point deadline) {
    pollfd entry{fd, events, 0};
    const int ready = ::poll(&entry, 1, MillisecondsUntil(deadline));
    if (ready < 0)
        return errno == EINTR;
    return (entry.revents & (POLLERR | POLLNVAL)) == 0;
}

// Raw bytes, no flow control, reads that wait for at least one byte (VMIN 1):
// with VMIN 0 a non-blocking read answers 0 instead of EAGAIN, which could not
// be told apart from a hang-up.
void MakeRaw(termios& settings) {
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cflag &= ~CRTSCTS;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
}

} // namespace

Expected<SerialPort, SerialOpenFailure> SerialPort::open(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return Unexpected(FailureFromErrno(errno));
    if (!S_ISCHR(status.st_mode)) // never open a file or a folder as a port
        return Unexpected(SerialOpenFailure{SerialOpenError::NotATerminal, ENOTTY});
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Unexpected(FailureFromErrno(errno));
    SerialPort port(fd);
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return Unexpected(FailureFromErrno(errno));
    // The lock first: a port another program holds keeps its exclusive flag.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return Unexpected(FailureFromErrno(errno));
    if (::ioctl(fd, TIOCEXCL) != 0)
        return Unexpected(FailureFromErrno(errno));
    port.exclusive_ = true;
    MakeRaw(settings);
    if (::tcsetattr(fd, TCSANOW, &settings) != 0)
        return Unexpected(SerialOpenFailure{SerialOpenError::SetupFailed, errno});
    return port;
}

SerialPort::SerialPort(SerialPort&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), exclusive_(std::exchange(other.exclusive_, false)) {}

SerialPort& SerialPort::operator=(SerialPort&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        exclusive_ = std::exchange(other.exclusive_, false);
    }
    return *this;
}

SerialPort::~SerialPort() {
    release();
}

// The exclusive flag belongs to the tty, not to this descriptor: it is cleared so
// that the next program can open a port another process still holds open (the
// simulated controller holds its pseudo-terminal's other end).
void SerialPort::release() {
    if (fd_ < 0)
        return;
    if (exclusive_)
        ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    exclusive_ = false;
}

bool SerialPort::setControllerLine() {
    termios settings{};
    if (::tcgetattr(fd_, &settings) != 0)
        return false;
    MakeRaw(settings);
    settings.c_cflag &= ~(CSIZE | PARENB);
    settings.c_cflag |= CS8 | CSTOPB;
    if (::cfsetispeed(&settings, B1000000) != 0 || ::cfsetospeed(&settings, B1000000) != 0)
        return false;
    if (::tcsetattr(fd_, TCSANOW, &settings) != 0)
        return false;
    // tcsetattr succeeds when any part of the request was taken; check what holds now.
    termios now{};
    return ::tcgetattr(fd_, &now) == 0 && ::cfgetospeed(&now) == B1000000 &&
           (now.c_cflag & (CSIZE | CSTOPB | PARENB)) == (CS8 | CSTOPB);
}

bool SerialPort::requestLowLatency() {
    serial_struct serial{};
    if (::ioctl(fd_, TIOCGSERIAL, &serial) != 0)
        return false;
    serial.flags |= ASYNC_LOW_LATENCY;
    return ::ioctl(fd_, TIOCSSERIAL, &serial) == 0;
}

bool SerialPort::write(std::span<const std::uint8_t> bytes, Clock::time_point deadline) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR)
            return false; // EIO: the device went away
        if (Clock::now() >= deadline || !WaitFor(fd_, POLLOUT, deadline))
            return false;
    }
    return true;
}

std::optional<std::size_t> SerialPort::read(std::span<std::uint8_t> buffer,
                                            Clock::time_point deadline) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t got = ::read(fd_, buffer.data() + done, buffer.size() - done);
        if (got > 0) {
            done += static_cast<std::size_t>(got);
            continue;
        }
        if (got == 0)
            return std::nullopt; // end of file: the tty was hung up
        if (errno != EAGAIN && errno != EINTR)
            return std::nullopt;
        if (Clock::now() >= deadline)
            break;
        if (!WaitFor(fd_, POLLIN, deadline))
            return std::nullopt;
    }
    return done;
}

std::optional<std::uint32_t> SerialPort::queuedBytes() const {
    int queued = 0;
    if (::ioctl(fd_, FIONREAD, &queued) != 0 || queued < 0)
        return std::nullopt;
    return static_cast<std::uint32_t>(queued);
}

bool SerialPort::purge() {
    return ::tcflush(fd_, TCIOFLUSH) == 0;
}

} // namespace corvane
