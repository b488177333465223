#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace corvane::test {

// A temporary folder for skin files, removed with everything in it.
class SkinTestFolder {
public:
    SkinTestFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "corvane-skin-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~SkinTestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    SkinTestFolder(const SkinTestFolder&) = delete;
    SkinTestFolder& operator=(const SkinTestFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

    // Writes the bytes as they are (no line-end translation).
    std::string write(std::string_view name, std::string_view content) const {
        const std::string target = file(name);
        std::filesystem::create_directories(std::filesystem::path(target).parent_path());
        std::ofstream(target, std::ios::binary) << content;
        return target;
    }

private:
    std::string path_;
};

} // namespace corvane::test
