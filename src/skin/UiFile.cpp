#include "skin/UiFile.h"

#include "skin/IniDocument.h"
#include "skin/LogFont.h"
#include "skin/SkinPaths.h"
#include "skin/StampedFileCache.h"
#include "skin/TextRules.h"

#include <memory>

namespace corvane {

namespace {

StampedFileCache<IniDocument>& Documents() {
    static StampedFileCache<IniDocument> cache(
        [](std::string_view bytes) { return IniDocument::parse(bytes); });
    return cache;
}

// A file that is missing or cannot be read reads like an empty one.
std::shared_ptr<const IniDocument> DocumentAt(const std::string& path) {
    static const auto empty = std::make_shared<const IniDocument>();
    auto document = Documents().get(path);
    return document ? document : empty;
}

std::string CutToBuffer(std::string_view text, std::size_t bufferSize) {
    if (bufferSize == 0)
        return {};
    return std::string(text.substr(0, bufferSize - 1));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

UiFile::UiFile(std::string path) : path_(std::move(path)) {}

std::string UiFile::readString(std::string_view section, std::string_view key,
                               std::string_view defaultValue, std::size_t bufferSize) const {
    const auto document = DocumentAt(path_);
    const std::string* value = document->find(section, key);
    return CutToBuffer(value != nullptr ? std::string_view(*value) : defaultValue, bufferSize);
}

std::int32_t UiFile::readInt(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const {
    const auto document = DocumentAt(path_);
    const std::string* value = document->find(section, key);
    if (value == nullptr || value->empty())
        return defaultValue;
    return textrules::ParseDecimal(*value);
}

std::optional<std::vector<std::uint8_t>>
UiFile::readStruct(std::string_view section, std::string_view key, std::size_t size) const {
    const auto document = DocumentAt(path_);
    const std::string* value = document->find(section, key);
    if (value == nullptr || value->size() != 2 * std::uint64_t{size} + 2)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(size + 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = HexDigit((*value)[2 * i]);
        const int low = HexDigit((*value)[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < size; ++i)
        sum = static_cast<std::uint8_t>(sum + bytes[i]);
    if (sum != bytes[size])
        return std::nullopt;
    bytes.pop_back();
    return bytes;
}

bool UiFile::readLogFont(std::string_view section, std::string_view key, LOGFONTA& font) const {
    const auto bytes = readStruct(section, key, LOGFONTA::kSize);
    if (!bytes)
        return false;
    font = LOGFONTA::decode(
        std::span<const std::uint8_t, LOGFONTA::kSize>(bytes->data(), LOGFONTA::kSize));
    return true;
}

bool UiFile::hasSection(std::string_view section) const {
    return DocumentAt(path_)->hasSection(section);
}

std::string UiFile::formatStruct(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(2 * bytes.size() + 2);
    std::uint8_t sum = 0;
    auto put = [&](std::uint8_t byte) {
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0xF]);
    };
    for (std::uint8_t byte : bytes) {
        put(byte);
        sum = static_cast<std::uint8_t>(sum + byte);
    }
    put(sum);
    return text;
}

void UiFile::clearCache() {
    Documents().clear();
}

bool ReadLogFont(std::string_view section, std::string_view key, LOGFONTA& font) {
    return UiFile(GetUIPath()).readLogFont(section, key, font);
}

} // namespace corvane
