#pragma once

#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace corvane::test {

// A temporary folder that skin files are written into as text.
class SkinTestFolder : public TempFolder {
public:
    // Writes the bytes as they are (no line-end translation), creating folders.
    std::string write(std::string_view name, std::string_view content) const {
        const std::string target = file(name);
        std::filesystem::create_directories(std::filesystem::path(target).parent_path());
        std::ofstream(target, std::ios::binary) << content;
        return target;
    }
};

} // namespace corvane::test
