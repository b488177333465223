#pragma once

#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane::test {

// A file even the superuser may not write. Mounting needs the superuser; tests
// skip where it fails. The mounts live in a mount namespace of the test process
// alone, so they vanish with it even when a test dies.
inline bool PrivateMountsReady() {
    static const bool ready = [] {
        return ::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
               ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }();
    return ready;
}

// The file or folder at path made read-only as the system judges it, undone
// when the object goes: a read-only bind mount for the superuser, who ignores
// mode bits, else the write permission bits cleared.
class ScratchMount {
public:
    static ScratchMount readOnly(const std::string& path) { return ScratchMount(path); }
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;
    ScratchMount(ScratchMount&& other) noexcept
        : path_(std::move(other.path_)), mounted_(other.mounted_), ready_(other.ready_) {
        other.mounted_ = false;
    }
    ~ScratchMount() {
        if (mounted_)
            ::umount2(path_.c_str(), MNT_DETACH);
    }
    bool ready() const { return ready_; }

private:
    explicit ScratchMount(std::string path) : path_(std::move(path)) {
        struct stat info {};
        if (::geteuid() != 0) {
            ready_ = ::stat(path_.c_str(), &info) == 0 &&
                     ::chmod(path_.c_str(), info.st_mode & ~0222) == 0;
            return;
        }
        mounted_ = PrivateMountsReady() &&
                   ::mount(path_.c_str(), path_.c_str(), nullptr, MS_BIND, nullptr) == 0;
        ready_ = mounted_ && ::mount(nullptr, path_.c_str(), nullptr,
                                     MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }

    std::string path_;
    bool mounted_ = false;
    bool ready_ = false;
};

} // namespace corvane::test
