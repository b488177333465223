#include "skin/LogFont.h"

#include <algorithm>

namespace corvane {

namespace {

std::int32_t ReadInt32(std::span<const std::uint8_t, LOGFONTA::kSize> bytes, std::size_t offset) {
    const std::uint32_t value =
        std::uint32_t{bytes[offset]} | (std::uint32_t{bytes[offset + 1]} << 8) |
        (std::uint32_t{bytes[offset + 2]} << 16) | (std::uint32_t{bytes[offset + 3]} << 24);
    return static_cast<std::int32_t>(value);
}

void WriteInt32(std::array<std::uint8_t, LOGFONTA::kSize>& bytes, std::size_t offset,
                std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

// Offsets of the fields in the stored structure.
constexpr std::size_t kHeight = 0;
constexpr std::size_t kWidth = 4;
constexpr std::size_t kEscapement = 8;
constexpr std::size_t kOrientation = 12;
constexpr std::size_t kWeight = 16;
constexpr std::size_t kItalic = 20;
constexpr std::size_t kUnderline = 21;
constexpr std::size_t kStrikeOut = 22;
constexpr std::size_t kCharSet = 23;
constexpr std::size_t kOutPrecision = 24;
constexpr std::size_t kClipPrecision = 25;
constexpr std::size_t kQuality = 26;
constexpr std::size_t kPitchAndFamily = 27;
constexpr std::size_t kFaceName = 28;

} // namespace

std::string LOGFONTA::faceName() const {
    const auto end = std::find(lfFaceName.begin(), lfFaceName.end(), '\0');
    return std::string(lfFaceName.begin(), end);
}

bool LOGFONTA::isZero() const {
    return *this == LOGFONTA{};
}

LOGFONTA LOGFONTA::decode(std::span<const std::uint8_t, kSize> bytes) {
    LOGFONTA font;
    font.lfHeight = ReadInt32(bytes, kHeight);
    font.lfWidth = ReadInt32(bytes, kWidth);
    font.lfEscapement = ReadInt32(bytes, kEscapement);
    font.lfOrientation = ReadInt32(bytes, kOrientation);
    font.lfWeight = ReadInt32(bytes, kWeight);
    font.lfItalic = bytes[kItalic];
    font.lfUnderline = bytes[kUnderline];
    font.lfStrikeOut = bytes[kStrikeOut];
    font.lfCharSet = bytes[kCharSet];
    font.lfOutPrecision = bytes[kOutPrecision];
    font.lfClipPrecision = bytes[kClipPrecision];
    font.lfQuality = bytes[kQuality];
    font.lfPitchAndFamily = bytes[kPitchAndFamily];
    for (std::size_t i = 0; i < kFaceNameSize; ++i)
        font.lfFaceName[i] = static_cast<char>(bytes[kFaceName + i]);
    return font;
}

std::array<std::uint8_t, LOGFONTA::kSize> LOGFONTA::encode() const {
    std::array<std::uint8_t, kSize> bytes{};
    WriteInt32(bytes, kHeight, lfHeight);
    WriteInt32(bytes, kWidth, lfWidth);
    WriteInt32(bytes, kEscapement, lfEscapement);
    WriteInt32(bytes, kOrientation, lfOrientation);
    WriteInt32(bytes, kWeight, lfWeight);
    bytes[kItalic] = lfItalic;
    bytes[kUnderline] = lfUnderline;
    bytes[kStrikeOut] = lfStrikeOut;
    bytes[kCharSet] = lfCharSet;
    bytes[kOutPrecision] = lfOutPrecision;
    bytes[kClipPrecision] = lfClipPrecision;
    bytes[kQuality] = lfQuality;
    bytes[kPitchAndFamily] = lfPitchAndFamily;
    for (std::size_t i = 0; i < kFaceNameSize; ++i)
        bytes[kFaceName + i] = static_cast<std::uint8_t>(lfFaceName[i]);
    return bytes;
}

} // namespace corvane
