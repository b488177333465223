#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace corvane {

// The two Resource.h scans over an open stream, from its current position.
// ResourceLookup opens the file; fuzzing and tests may pass any stream.
std::int32_t ScanResourceId(std::FILE* stream, std::string_view name);
std::string ScanResourceName(std::FILE* stream, std::int32_t number);

} // namespace corvane
