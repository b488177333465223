#pragma once

#include "events/EventKinds.h"

#include <cstdint>
#include <vector>

namespace corvane {

// The record a form holds, encoded, and whether its values are acceptable. The
// name field is left empty; the add command names the record.
struct CollectedBytes {
    std::vector<std::uint8_t> bytes;
    bool acceptable = false;
};
CollectedBytes CollectRecord(const EventForm& form);

} // namespace corvane
