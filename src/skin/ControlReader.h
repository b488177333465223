#pragma once

#include "skin/ControlDescription.h"
#include "skin/SkinFiles.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The section of a window's n-th control: NAME_0, NAME_1, ...
std::string ControlSectionName(std::string_view windowSection, int n);

// The control sections of a window in creation order: NAME_0, NAME_1, ...
// up to the first whose Type is missing or empty; sections of an unknown
// type are skipped. Each control costs one Resource.h lookup.
std::vector<ControlDescription> ReadControlDescriptions(const SkinFiles& files,
                                                        std::string_view windowSection);

// One control section; nothing when its Type is empty or unknown.
std::optional<ControlDescription> ReadControlDescription(const SkinFiles& files,
                                                         std::string_view section);

} // namespace corvane
