#include "events/EventDescription.h"

#include "events/EventKinds.h"

namespace corvane {

std::string DescribeEvent(EventKind kind, std::span<const std::uint8_t> record, bool weeklyView) {
    return VisitKind(kind, [&]<typename Form>(std::type_identity<Form>) {
        const auto r = Form::Record::decode(record);
        return r.name + r.describe(weeklyView);
    });
}

} // namespace corvane
