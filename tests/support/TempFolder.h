#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

// A fresh folder below the system's temporary folder, removed with everything
// in it when the object goes.
class TempFolder {
public:
    TempFolder() : root((std::filesystem::temp_directory_path() / "corvane-test-XXXXXX").string()) {
        if (!::mkdtemp(root.data()))
            throw std::runtime_error("mkdtemp failed");
    }
    ~TempFolder() { std::filesystem::remove_all(root, ignored); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path() const { return root; }
    std::string file(std::string_view name) const { return root + "/" + std::string(name); }
    bool exists(std::string_view name) const { return std::filesystem::exists(file(name)); }

    void write(std::string_view name, const std::vector<std::uint8_t>& bytes) const {
        writeFile(file(name), bytes);
    }
    std::vector<std::uint8_t> read(std::string_view name) const { return readFile(file(name)); }

    static void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    static std::vector<std::uint8_t> readFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Names of everything in the folder, for checks that no stray file remains.
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const auto& entry : std::filesystem::directory_iterator(root))
            all.push_back(entry.path().filename().string());
        return all;
    }

private:
    std::string root;
    std::error_code ignored;
};

} // namespace corvane::test
