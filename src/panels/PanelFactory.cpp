#include "panels/PanelFactory.h"

#include "panels/AnalogPanel.h"
#include "panels/AudioPanel.h"
#include "panels/MidiPanel.h"
#include "panels/RelayPanel.h"
#include "panels/SensorPanel.h"
#include "panels/TimecodePanel.h"
#include "panels/WeekClockPanel.h"

namespace corvane {

std::unique_ptr<EventPanel> MakePanel(EventKind kind, QWidget* parent) {
    switch (kind) {
    case EventKind::WeekClock:
        return std::make_unique<WeekClockPanel>(parent);
    case EventKind::Timecode:
        return std::make_unique<TimecodePanel>(parent);
    case EventKind::Midi:
        return std::make_unique<MidiPanel>(parent);
    case EventKind::Audio:
        return std::make_unique<AudioPanel>(parent);
    case EventKind::Relay:
        return std::make_unique<RelayPanel>(parent);
    case EventKind::Sensor:
        return std::make_unique<SensorPanel>(parent);
    case EventKind::Analog:
        return std::make_unique<AnalogPanel>(parent);
    }
    return nullptr;
}

std::unique_ptr<EventPanel> MakePanel(int kindIndex, QWidget* parent) {
    const std::optional<EventKind> kind = EventKindFromIndex(kindIndex);
    return kind ? MakePanel(*kind, parent) : nullptr;
}

} // namespace corvane
