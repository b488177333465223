#pragma once

#include <string>
#include <string_view>

namespace corvane::sim {

class SimController;

// Keeps the controller's tables and clock in a small text file so that they
// survive a restart of the program:
//   clock YYMMDDWWhhmmss          (the seven clock bytes in hex)
//   table A4 0a000000...          (announce command, then the table in hex)
// Lines that do not parse are skipped, and so are tables longer than the
// 65,535 bytes a table transfer can announce; a missing file, or one that is no
// regular file, leaves the controller empty.
void LoadSimState(const std::string& path, SimController& controller);
// The same from the file's text, and the text SaveSimState writes.
void LoadSimStateText(std::string_view text, SimController& controller);
std::string SimStateText(SimController& controller);
// Written to a temporary file and renamed into place, so a crash never leaves half a file.
bool SaveSimState(const std::string& path, SimController& controller);

} // namespace corvane::sim
