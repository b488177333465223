#include "SimSettings.h"

#include <cctype>
#include <charconv>
#include <cstdlib>

namespace corvane::sim {

namespace {

std::optional<std::uint64_t> ParseNumber(const std::string& text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end || text.empty())
        return std::nullopt;
    return value;
}

std::optional<bool> ParseFlag(const std::string& text) {
    if (text == "1" || text == "yes" || text == "true" || text == "on")
        return true;
    if (text == "0" || text == "no" || text == "false" || text == "off" || text.empty())
        return false;
    return std::nullopt;
}

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    if (text.empty())
        return items;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return items;
        start = comma + 1;
    }
}

// "FT_Write" or "FT_Write@3", comma-separated; empty clears every fault.
std::optional<std::map<std::string, CallFault>> ParseFaults(const std::string& text) {
    std::map<std::string, CallFault> faults;
    for (const std::string& item : SplitList(text)) {
        const std::size_t at = item.find('@');
        CallFault fault;
        if (at != std::string::npos) {
            const auto from = ParseNumber(item.substr(at + 1));
            if (!from || *from == 0 || *from > UINT32_MAX)
                return std::nullopt;
            fault.firstFailingCall = static_cast<std::uint32_t>(*from);
        }
        const std::string name = item.substr(0, at);
        if (name.rfind("FT_", 0) != 0)
            return std::nullopt;
        faults[name] = fault;
    }
    return faults;
}

} // namespace

const std::vector<std::string>& SimSettingKeys() {
    static const std::vector<std::string> keys{"devices",           "timing",    "fail",
                                               "clock_reply_bytes", "no_reply",  "cut_after",
                                               "unplugged",         "state_file"};
    return keys;
}

bool SimSettings::apply(const std::string& key, const std::string& value) {
    if (key == "devices") {
        devices = SplitList(value);
        return true;
    }
    if (key == "timing") {
        if (value != "real" && value != "instant")
            return false;
        realTiming = value == "real";
        return true;
    }
    if (key == "fail") {
        auto faults = ParseFaults(value);
        if (!faults)
            return false;
        failingCalls = std::move(*faults);
        return true;
    }
    if (key == "clock_reply_bytes") {
        auto bytes = ParseNumber(value);
        if (!bytes || *bytes > 4096)
            return false;
        clockReplyBytes = static_cast<std::size_t>(*bytes);
        return true;
    }
    if (key == "no_reply" || key == "unplugged") {
        auto flag = ParseFlag(value);
        if (!flag)
            return false;
        (key == "no_reply" ? noReply : unplugged) = *flag;
        return true;
    }
    if (key == "cut_after") {
        if (value.empty()) {
            cutAfterBytes.reset();
            return true;
        }
        auto bytes = ParseNumber(value);
        if (!bytes)
            return false;
        cutAfterBytes = *bytes;
        return true;
    }
    if (key == "state_file") {
        stateFile = value;
        return true;
    }
    return false;
}

void SimSettings::applyEnvironment() {
    for (const std::string& key : SimSettingKeys()) {
        std::string name = "CORVANE_SIM_";
        for (char c : key)
            name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (const char* value = std::getenv(name.c_str()))
            apply(key, value);
    }
}

} // namespace corvane::sim
