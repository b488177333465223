#pragma once

#include "events/EventKind.h"
#include "panels/EventPanel.h"

#include <memory>

namespace corvane {

// The panel class of an event kind, constructed but not yet created (call
// create()).
std::unique_ptr<EventPanel> MakePanel(EventKind kind, QWidget* parent = nullptr);

// The same by selector index 0..6 (EventKind order); null for any other index.
std::unique_ptr<EventPanel> MakePanel(int kindIndex, QWidget* parent = nullptr);

} // namespace corvane
