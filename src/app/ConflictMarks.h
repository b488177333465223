#pragma once

#include "events/EventKind.h"

#include <cstddef>
#include <string>

class QListWidget;

namespace corvane {

// Marks the event list's lines whose events conflict with another event of
// the kind (see FindConflicts): a dark red background, the text unchanged,
// and a tooltip naming the other events. Reads the kind's event file in
// folder; weeklyView picks the week-clock group the list shows. Returns the
// number of conflicting pairs of the kind (0 for a damaged file).
std::size_t MarkConflicts(QListWidget& list, const std::string& folder, EventKind kind,
                          bool weeklyView);

} // namespace corvane
