#pragma once

#include "panels/EventPanel.h"

#include <memory>

namespace corvane {

// The panel class of an event kind, in kind order (0 WeekClock, 1 Timecode,
// 2 Midi, 3 Audio, 4 Relay, 5 Sensor, 6 Analog), constructed but not yet
// created (call create()). Null for any other number.
std::unique_ptr<EventPanel> MakePanel(int kind, QWidget* parent = nullptr);

} // namespace corvane
