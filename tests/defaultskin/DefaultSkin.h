#pragma once

#include "skin/ControlDescription.h"
#include "skin/SkinFiles.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace corvane::test {

// The default skin as the build placed it.
SkinFiles DefaultSkinFiles();

// A window of the program and its skin number.
struct ProgramWindow {
    const char* name;
    int skinNumber;
};
const std::vector<ProgramWindow>& ProgramWindows();
inline void PrintTo(const ProgramWindow& window, std::ostream* out) { *out << window.name; }
std::string TestNameOf(const ::testing::TestParamInfo<ProgramWindow>& info);

// A child id the code of a window uses, with the control type it expects.
struct RequiredControl {
    int skinNumber;
    int id;
    ControlType type;
};
const std::vector<RequiredControl>& RequiredControls();

// Rectangles the code of a window places its own widgets in.
std::vector<SkinRect> CodeOwnedRects(int skinNumber);

// The window's section through Resource.h, and its controls.
std::string SectionOf(int skinNumber);
std::vector<ControlDescription> ControlsOf(int skinNumber);

constexpr int kMainWindow = 1000;

} // namespace corvane::test
