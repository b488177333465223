#include "skin/controls/SkinFont.h"

#include <cstdlib>

namespace corvane {

QFont FontFromLogFont(const LOGFONTA& logFont, const QFont& defaultFont) {
    QFont font = defaultFont;
    const std::string face = logFont.faceName();
    if (!face.empty())
        font.setFamily(QString::fromLatin1(face.data(), qsizetype(face.size())));
    if (logFont.lfHeight != 0) {
        // Positive heights count the cell, negative ones the characters; both
        // are taken as the pixel size, which is what the skins were drawn for.
        const long long height = std::llabs(static_cast<long long>(logFont.lfHeight));
        font.setPixelSize(static_cast<int>(qBound(1LL, height, 1000LL)));
    }
    if (logFont.lfWeight > 0)
        font.setWeight(static_cast<QFont::Weight>(qBound(1, logFont.lfWeight, 1000)));
    font.setItalic(logFont.lfItalic != 0);
    font.setUnderline(logFont.lfUnderline != 0);
    font.setStrikeOut(logFont.lfStrikeOut != 0);
    return font;
}

} // namespace corvane
