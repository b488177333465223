#include "DeviceTestFiles.h"

#include "platform/ByteOrder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <unistd.h>

namespace corvane::test {

std::vector<std::uint8_t> EventFileBytes(EventKind kind, std::uint32_t entries, std::uint32_t dated) {
    const std::size_t records = std::size_t{entries} + dated;
    std::vector<std::uint8_t> bytes(kEventFileHeaderSize + records * InfoOf(kind).recordSize);
    PutU32(bytes, 0, entries);
    PutU32(bytes, 4, dated);
    for (std::size_t i = kEventFileHeaderSize; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return bytes;
}

ScratchFolder::ScratchFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "corvane-device-" + std::to_string(::getpid());
    if (info != nullptr)
        name += std::string("-") + info->test_suite_name() + "-" + info->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace corvane::test
