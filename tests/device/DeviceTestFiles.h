#pragma once

#include "events/EventKind.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace corvane::test {

// A valid event file of kind with the given counts; record bytes follow a
// pattern so that a shifted or cut copy never compares equal.
std::vector<std::uint8_t> EventFileBytes(EventKind kind, std::uint32_t entries, std::uint32_t dated = 0);

// A folder of its own for one test, removed with the object.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace corvane::test
