#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace corvane {

// The 60-byte Windows LOGFONTA as the UI file stores it. Decoded field by field
// from little-endian bytes; an all-zero structure means "the default font".
struct LOGFONTA {
    static constexpr std::size_t kSize = 60;
    static constexpr std::size_t kFaceNameSize = 32;

    std::int32_t lfHeight = 0; // pixel height; negative: character height
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0; // 0 default, 400 normal, 700 bold
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    std::array<char, kFaceNameSize> lfFaceName{}; // NUL-terminated when shorter

    // The face name up to its first NUL (all 32 bytes when there is none).
    std::string faceName() const;
    bool isZero() const;

    static LOGFONTA decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> encode() const;

    bool operator==(const LOGFONTA&) const = default;
};

} // namespace corvane
