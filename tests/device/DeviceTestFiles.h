#pragma once

#include "events/EventKind.h"
#include "platform/ByteOrder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <vector>

namespace corvane::test {

// A valid event file of kind; the record bytes follow a pattern so that a
// shifted or cut copy never compares equal.
inline std::vector<std::uint8_t> EventFileBytes(EventKind kind, std::uint32_t entries, std::uint32_t dated = 0) {
    std::vector<std::uint8_t> bytes(kEventFileHeaderSize + (std::size_t{entries} + dated) * InfoOf(kind).recordSize);
    PutU32(bytes, 0, entries);
    PutU32(bytes, 4, dated);
    for (std::size_t i = kEventFileHeaderSize; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return bytes;
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A folder of its own for the running test, removed with the object.
class ScratchFolder {
public:
    ScratchFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("corvane-device-") + test->test_suite_name() + "-" + test->name() + "-" +
                           std::to_string(::getpid());
        std::replace(name.begin(), name.end(), '/', '_');
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace corvane::test
