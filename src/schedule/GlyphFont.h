#pragma once

#include "schedule/SchedulePainter.h"

#include <string_view>

namespace corvane {

// Draws text in the schedule's built-in 3 by 5 font, each dot a square filled
// through painter.fillRect, so that every painter built on fillRect shows the
// same letters pixel for pixel. Lower-case letters draw as capitals; characters
// the font lacks leave their cell empty.
void DrawGlyphText(SchedulePainter& painter, int x, int y, std::string_view text, Rgb colour);

} // namespace corvane
