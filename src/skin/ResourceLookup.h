#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// Name <-> number lookups in Resource.h, a file of "#define NAME VALUE" lines.
// Each lookup scans the file from the top and stops at the first line that
// fits. The file's bytes are kept only while its size and modification time
// stay the same, so edits between lookups are seen.
//
// The matching rules are those the skins were written against, including
// their surprises (see the .cpp), so that existing skins resolve the same.

// The value defined for name; -1 when the file cannot be opened, 0 when no
// line fits. Uses the process-wide Resource.h path.
std::int32_t LookupResourceId(std::string_view name);
std::int32_t LookupResourceId(const std::string& headerPath, std::string_view name);

// The name defined with number; "" when the file cannot be opened or no line
// fits. Uses the process-wide Resource.h path.
std::string LookupResourceName(std::int32_t number);
std::string LookupResourceName(const std::string& headerPath, std::int32_t number);

} // namespace corvane
