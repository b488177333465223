#include "events/CollectRecord.h"

namespace corvane {

CollectedBytes CollectRecord(const EventForm& form) {
    return std::visit(
        [](const auto& kindForm) {
            const auto collected = kindForm.collect();
            const auto bytes = collected.record.encode();
            return CollectedBytes{{bytes.begin(), bytes.end()}, collected.acceptable};
        },
        form);
}

} // namespace corvane
