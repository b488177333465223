#pragma once

// The scratch folder of a fuzz target: one per process, on a memory file
// system when there is one (every input writes a file), removed when the
// process ends.

#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace corvane::fuzz {

class ScratchFolder {
public:
    explicit ScratchFolder(std::string_view target) {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        path_ = (base / (std::string(target) + "-" + std::to_string(::getpid()))).string();
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Writes the input as the file at path and dates it long ago, so that a
// cache that keeps only settled files parses it once per input, not once
// per read.
inline void WriteSettledFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    const timespec past[2] = {{1000, 0}, {1000, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), past, 0);
}

} // namespace corvane::fuzz
