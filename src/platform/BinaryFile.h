#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace corvane {

// A binary file opened for reading and writing, closed when the object goes.
class BinaryFile {
public:
    enum class Mode {
        Keep,     // open an existing file unchanged, or create an empty one
        Fresh,    // create the file, or cut an existing one to length 0
        ReadOnly, // open an existing file for reading only
    };

    // Nothing when the file cannot be opened in that mode. Only regular files
    // open: anything else is refused before it is opened, and the open itself
    // never waits, so a pipe or a device cannot block the caller.
    static std::optional<BinaryFile> open(const std::string& path, Mode mode);

    BinaryFile(BinaryFile&& other) noexcept;
    BinaryFile& operator=(BinaryFile&& other) noexcept;
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;
    ~BinaryFile();

    bool seek(std::uint64_t position);
    // Reads up to buffer.size() bytes from the current position; the count read
    // (fewer at the end of the file or on an error).
    std::size_t read(std::span<std::uint8_t> buffer);
    // Writes all bytes at the current position; false if not all were written.
    bool write(std::span<const std::uint8_t> bytes);
    std::optional<std::uint64_t> length() const;
    int descriptor() const { return fd; }

private:
    explicit BinaryFile(int descriptor) : fd(descriptor) {}
    int fd = -1;
};

} // namespace corvane
