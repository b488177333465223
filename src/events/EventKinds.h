#pragma once

#include "events/AnalogForm.h"
#include "events/AudioForm.h"
#include "events/EventKind.h"
#include "events/MidiForm.h"
#include "events/RelayForm.h"
#include "events/SensorForm.h"
#include "events/TimecodeForm.h"
#include "events/WeekClockForm.h"

#include <cstddef>
#include <type_traits>
#include <utility>
#include <variant>

namespace corvane {

// What a panel shows, one form type per kind in EventKind order: the form's
// position is its kind. Each form names its record type.
using EventForm = std::variant<WeekClockForm, TimecodeForm, MidiForm, AudioForm, RelayForm,
                               SensorForm, AnalogForm>;

template <EventKind kind>
using FormOf = std::variant_alternative_t<static_cast<std::size_t>(kind), EventForm>;

inline EventKind KindOf(const EventForm& form) {
    return static_cast<EventKind>(form.index());
}

// Calls f(std::type_identity<Form>{}) with the form type of kind; the record
// type is Form::Record. Every call of f must return the same type.
template <typename F> decltype(auto) VisitKind(EventKind kind, F&& f) {
    return [&]<std::size_t... I>(std::index_sequence<I...>)->decltype(auto) {
        using Result = decltype(f(std::type_identity<std::variant_alternative_t<0, EventForm>>{}));
        using Call = Result (*)(F&);
        static constexpr Call kCalls[] = {[](F& g) -> Result {
            return g(std::type_identity<std::variant_alternative_t<I, EventForm>>{});
        }...};
        return kCalls[static_cast<std::size_t>(kind)](f);
    }
    (std::make_index_sequence<kEventKindCount>{});
}

// The row of kind I in kEventKindTable belongs to it and agrees with its record.
template <std::size_t I> constexpr bool RowFitsRecord() {
    using Record = typename std::variant_alternative_t<I, EventForm>::Record;
    constexpr const EventKindInfo& row = kEventKindTable[I];
    return static_cast<std::size_t>(row.kind) == I && Record::kKind == row.kind &&
           row.recordSize == Record::kSize && row.nameOffset == Record::kNameOffset &&
           row.maxEntries == MaxEntriesFor(Record::kSize);
}

static_assert(std::variant_size_v<EventForm> == kEventKindCount, "one form per kind");
static_assert(
    []<std::size_t... I>(std::index_sequence<I...>) {
        return (RowFitsRecord<I>() && ...);
    }(std::make_index_sequence<kEventKindCount>{}),
    "every kind has its row in kEventKindTable, with its record's size and name offset");

} // namespace corvane
