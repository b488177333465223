#include "panels/PanelFactory.h"

#include "panels/AnalogPanel.h"
#include "panels/AudioPanel.h"
#include "panels/MidiPanel.h"
#include "panels/RelayPanel.h"
#include "panels/SensorPanel.h"
#include "panels/TimecodePanel.h"
#include "panels/WeekClockPanel.h"

#include <tuple>
#include <type_traits>
#include <utility>

namespace corvane {

namespace {

// The panel class of each kind, in EventKind order.
using KindPanels = std::tuple<WeekClockPanel, TimecodePanel, MidiPanel, AudioPanel, RelayPanel,
                              SensorPanel, AnalogPanel>;

template <std::size_t I> constexpr bool PanelShowsTheFormOfItsKind() {
    return std::is_same_v<typename std::tuple_element_t<I, KindPanels>::Form,
                          std::variant_alternative_t<I, EventForm>>;
}

static_assert(std::tuple_size_v<KindPanels> == kEventKindCount, "one panel per kind");
static_assert(
    []<std::size_t... I>(std::index_sequence<I...>) {
        return (PanelShowsTheFormOfItsKind<I>() && ...);
    }(std::make_index_sequence<kEventKindCount>{}),
    "each panel shows the form of its kind");

} // namespace

std::unique_ptr<EventPanel> MakePanel(EventKind kind, QWidget* parent) {
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        using Make = std::unique_ptr<EventPanel> (*)(QWidget*);
        static constexpr Make kMakers[] = {[](QWidget* p) -> std::unique_ptr<EventPanel> {
            return std::make_unique<std::tuple_element_t<I, KindPanels>>(p);
        }...};
        return kMakers[static_cast<std::size_t>(kind)](parent);
    }
    (std::make_index_sequence<kEventKindCount>{});
}

std::unique_ptr<EventPanel> MakePanel(int kindIndex, QWidget* parent) {
    const std::optional<EventKind> kind = EventKindFromIndex(kindIndex);
    return kind ? MakePanel(*kind, parent) : nullptr;
}

} // namespace corvane
