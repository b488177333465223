#pragma once

#include <QIcon>

namespace corvane {

// The program's icon, the picture of the installed corvane.svg drawn in code
// (a lens over a lamp base, rays above) at the sizes window managers ask for,
// so the window shows it without an SVG plugin.
QIcon ProgramIcon();

} // namespace corvane
