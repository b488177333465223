#include "SimStateFile.h"

#include "SimController.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>

namespace corvane::sim {

namespace {

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
        if (command && command->size() == 1 && table && SimRequestCommandFor((*command)[0]) != 0)
            controller.tables()[(*command)[0]] = std::move(*table);
    }
}

} // namespace

void LoadSimState(const std::string& path, SimController& controller) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
        LoadLine(line, controller);
}

bool SaveSimState(const std::string& path, SimController& controller) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << "clock " << ToHex(controller.clock()) << '\n';
        for (const auto& [command, table] : controller.tables())
            out << "table " << ToHex(std::array<std::uint8_t, 1>{command}) << ' ' << ToHex(table)
                << '\n';
        if (!out.flush())
            return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

} // namespace corvane::sim
