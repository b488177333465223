#include "SimStateFile.h"

#include "SimController.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/stat.h>

namespace corvane::sim {

namespace {

constexpr std::size_t kLongestTable = 0xFFFF;

std::optional<std::vector<std::uint8_t>> FromHex(const std::string& text) {
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = digit(text[i]);
        const int low = digit(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

template <typename Range> std::string ToHex(const Range& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

void LoadLine(const std::string& line, SimController& controller) {
    std::istringstream words(line);
    std::string what, first, second;
    words >> what >> first >> second;
    if (what == "clock") {
        auto bytes = FromHex(first);
        if (bytes && bytes->size() == controller.clock().size())
            std::copy(bytes->begin(), bytes->end(), controller.clock().begin());
    } else if (what == "table") {
        auto command = FromHex(first);
        auto table = FromHex(second);
        // The controller's tables travel with 16-bit lengths; a longer one is no
        // table it could hold.
        if (command && command->size() == 1 && table && table->size() <= kLongestTable &&
            SimRequestCommandFor((*command)[0]) != 0)
            controller.tables()[(*command)[0]] = std::move(*table);
    }
}

} // namespace

void LoadSimStateText(std::string_view text, SimController& controller) {
    std::istringstream in{std::string(text)};
    std::string line;
    while (std::getline(in, line))
        LoadLine(line, controller);
}

std::string SimStateText(SimController& controller) {
    std::string text = "clock " + ToHex(controller.clock()) + '\n';
    for (const auto& [command, table] : controller.tables())
        text += "table " + ToHex(std::array<std::uint8_t, 1>{command}) + ' ' + ToHex(table) + '\n';
    return text;
}

void LoadSimState(const std::string& path, SimController& controller) {
    // Only a regular file: a pipe named here must not hold the program up.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return;
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    LoadSimStateText(text.str(), controller);
}

bool SaveSimState(const std::string& path, SimController& controller) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << SimStateText(controller);
        if (!out.flush())
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

} // namespace corvane::sim
