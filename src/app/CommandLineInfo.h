#pragma once

#include <cstdio>
#include <optional>
#include <span>
#include <string_view>

namespace corvane {

// Answers `corvane --help` and `corvane --version` before the window system is
// touched, so both work over ssh and in scripts. With either as the only
// argument the text goes to out and the exit status is returned; any other
// command line gives nothing and the program starts (Qt takes its own options).
std::optional<int> AnswerInfoOption(std::span<const std::string_view> args, std::FILE* out);

} // namespace corvane
