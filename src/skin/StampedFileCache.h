#pragma once

#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

// Keeps what was built from a file's bytes while the file stays the same
// (device, inode, size and modification time), so repeated reads of an
// unchanged file cost one stat() each and still see every change.
//
// File times advance in coarse steps, so a file rewritten with the same size
// right after it was read can keep its time. A copy read while the file was
// that young is not kept for later reads; the file is read again until it
// has been left alone for a moment.
template <typename T> class StampedFileCache {
public:
    using Builder = std::function<T(std::string_view bytes)>;

    explicit StampedFileCache(Builder build) : build_(std::move(build)) {}

    // nullptr when the path names no regular file that can be read.
    std::shared_ptr<const T> get(const std::string& path) {
        struct stat info {};
        if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            return nullptr;
        {
            std::lock_guard lock(mutex_);
            const auto it = entries_.find(path);
            if (it != entries_.end() && it->second.stamp == StampOf(info))
                return it->second.value;
            if (it != entries_.end())
                entries_.erase(it);
        }
        return load(path);
    }

    void clear() {
        std::lock_guard lock(mutex_);
        entries_.clear();
    }

private:
    struct Stamp {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        std::int64_t seconds = 0;
        std::int64_t nanos = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Entry {
        Stamp stamp;
        std::shared_ptr<const T> value;
    };

    // Longer than the step of file times, shorter than anyone notices.
    static constexpr std::int64_t kSettleNanos = 100'000'000;

    static bool SettledSince(const struct stat& info) {
        struct timespec now {};
        ::clock_gettime(CLOCK_REALTIME, &now);
        const std::int64_t age = (std::int64_t{now.tv_sec} - info.st_mtim.tv_sec) * 1'000'000'000 +
                                 (std::int64_t{now.tv_nsec} - info.st_mtim.tv_nsec);
        return age > kSettleNanos;
    }

    static Stamp StampOf(const struct stat& info) {
        return Stamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec,
                     info.st_mtim.tv_nsec};
    }

    // Reads through one descriptor so the stamp kept belongs to the bytes read.
    std::shared_ptr<const T> load(const std::string& path) {
        // A pipe or a device named here must not hold the window up: the open
        // does not wait, and only a regular file is read.
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd < 0)
            return nullptr;
        struct stat info {};
        std::string bytes;
        bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ReadAll(fd, bytes);
        ::close(fd);
        if (!ok)
            return nullptr;
        auto value = std::make_shared<const T>(build_(bytes));
        if (SettledSince(info)) {
            std::lock_guard lock(mutex_);
            entries_[path] = Entry{StampOf(info), value};
        }
        return value;
    }

    static bool ReadAll(int fd, std::string& bytes) {
        char chunk[65536];
        for (;;) {
            const ssize_t got = ::read(fd, chunk, sizeof chunk);
            if (got < 0)
                return false;
            if (got == 0)
                return true;
            bytes.append(chunk, static_cast<std::size_t>(got));
        }
    }

    Builder build_;
    std::mutex mutex_;
    std::map<std::string, Entry, std::less<>> entries_;
};

} // namespace corvane
