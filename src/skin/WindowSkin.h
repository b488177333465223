#pragma once

#include "skin/ColorRef.h"
#include "skin/SkinFiles.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// The keys of a window section: its five image files and the colour that is
// made transparent.
struct WindowSkin {
    std::string section;
    // Full paths; "" when the key is missing or empty.
    std::string normalImage;     // BKN, required by the window
    std::string backgroundImage; // BKNO; the window falls back to BKN
    std::string hoverImage;      // BKH
    std::string pressedImage;    // BKS
    std::string disabledImage;   // BKD
    bool useMaskColor = false;   // IsUseMaskColor
    // RValue, GValue, BValue; read only when useMaskColor, else 255, 0, 255.
    std::int32_t red = 255;
    std::int32_t green = 0;
    std::int32_t blue = 255;

    // Only the low 8 bits of each component count.
    ColorRef maskColor() const {
        return MakeColorRef(static_cast<std::uint32_t>(red), static_cast<std::uint32_t>(green),
                            static_cast<std::uint32_t>(blue));
    }
};

// The section of the window with this skin number: the Resource.h name whose
// value it is ("" when none).
std::string ResolveSkinSection(const SkinFiles& files, std::int32_t skinNumber);

WindowSkin ReadWindowSkin(const SkinFiles& files, std::string_view section);

} // namespace corvane
