#pragma once

#include <QColor>
#include <QFont>

namespace corvane::skingen {

// The one palette of the default skin: dark surfaces, one blue accent, light
// faces where the controls draw black text.
namespace theme {

inline const QColor kMask{255, 0, 255};
// What the smooth corner pixels of a top-level window blend with.
inline const QColor kOutside{0x0E, 0x0F, 0x12};

inline const QColor kWindow{0x16, 0x19, 0x1E};
inline const QColor kWindowBorder{0x34, 0x3A, 0x44};
inline const QColor kTitleBar{0x1C, 0x20, 0x26};
inline const QColor kCard{0x1E, 0x22, 0x28};
inline const QColor kCardBorder{0x2E, 0x34, 0x3D};
inline const QColor kHairline{0x2E, 0x34, 0x3D};
inline const QColor kWell{0x10, 0x12, 0x15};

inline const QColor kTitleText{0xE8, 0xEB, 0xEF};
inline const QColor kCaptionText{0x7D, 0x86, 0x93};
inline const QColor kGlyph{0xAE, 0xB5, 0xBF};

inline const QColor kAccent{0x2A, 0x7D, 0xC4};
inline const QColor kAccentHover{0x3A, 0x8D, 0xD6};
inline const QColor kAccentPressed{0x1F, 0x64, 0x9F};
inline const QColor kAccentLight{0x9F, 0xD0, 0xFF};
inline const QColor kAccentSoft{0x7F, 0xB8, 0xEC};
inline const QColor kAccentMuted{0x2F, 0x5F, 0x8A};
inline const QColor kAccentFace{0x1F, 0x33, 0x4A};
inline const QColor kAccentFaceHover{0x26, 0x40, 0x5C};

inline const QColor kFace{0x2A, 0x30, 0x38};
inline const QColor kFaceBorder{0x3A, 0x41, 0x4C};
inline const QColor kFaceHover{0x34, 0x3B, 0x45};
inline const QColor kFaceHoverBorder{0x4B, 0x55, 0x64};
inline const QColor kFaceDisabled{0x1E, 0x22, 0x27};
inline const QColor kFaceDisabledBorder{0x29, 0x2E, 0x35};
inline const QColor kCheckedDisabled{0x7A, 0x82, 0x8C};

inline const QColor kField{0xE6, 0xE9, 0xEE};
inline const QColor kFieldHover{0xF5, 0xF7, 0xFA};
inline const QColor kFieldPressed{0xD3, 0xD9, 0xE1};
inline const QColor kFieldDisabled{0x8A, 0x90, 0x99};
inline const QColor kFieldBorder{0x8E, 0x98, 0xA5};
inline const QColor kFieldButton{0xD2, 0xD8, 0xE0};
inline const QColor kFieldGlyph{0x3B, 0x43, 0x50};

inline const QColor kDisplay{0x0E, 0x10, 0x13};
inline const QColor kDisplayBorder{0x2B, 0x30, 0x38};

inline const QColor kDanger{0xC4, 0x42, 0x3D};
inline const QColor kDangerPressed{0x9E, 0x33, 0x2F};

// Text the renderer itself draws into the bitmaps (titles, group headings).
inline QFont uiFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace theme
} // namespace corvane::skingen
