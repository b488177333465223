#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace corvane {

// Replaces the file at path with bytes: they are written to a new file in the
// same folder, flushed, and renamed over path, so path holds either its old or
// its new content, never a part. An existing file keeps its permissions.
// False when nothing changed.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// The whole content of a regular file; nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);

} // namespace corvane
