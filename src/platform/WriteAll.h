#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <span>
#include <unistd.h>

namespace corvane {

// Writes all bytes to the open descriptor fd, going on after interrupted or
// partial writes; false if not all were written.
inline bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace corvane
