#pragma once

#include "skin/LogFont.h"

#include <QFont>

namespace corvane {

// The font a LOGFONT of the UI file stands for, built on the given default:
// an empty face name keeps the default family, a height of 0 its size, a
// weight of 0 its weight. An all-zero structure is the default font itself.
QFont FontFromLogFont(const LOGFONTA& logFont, const QFont& defaultFont);

} // namespace corvane
