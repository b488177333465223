// Arbitrary bytes as an event file of each kind: the list lines corvanectl
// prints, its check, and the list fill with its repair, plus a delete and an
// add on the same bytes. Input: byte 0 picks the kind (low bits) and the week
// clock group (bit 3), byte 1 the line to delete; the rest is the file.
#include "FuzzScratch.h"
#include "cli/EventListing.h"
#include "events/CollectRecord.h"
#include "events/EventEditing.h"
#include "events/EventFiles.h"
#include "events/EventList.h"
#include "support/RecordingPrompter.h"
#include "support/VectorEventList.h"

#include <cstdlib>
#include <string>

namespace {

using namespace corvane;

const std::string& Folder() {
    static const fuzz::ScratchFolder folder("fuzz_event_list");
    return folder.path();
}

// A form of kind with acceptable values: last channels 512, the sensor's DMX
// output, the analog's relay output up to 10 volts.
EventForm AcceptableForm(EventKind kind, bool weekly) {
    WeekClockForm week{.weekly = weekly, .channels = {"", "512"}};
    week.endDate.day = 2;
    week.days[0] = week.days[6] = true;
    const EventForm forms[] = {week,
                               TimecodeForm{.channels = {"", "512"}},
                               MidiForm{.channels = {"", "512"}},
                               AudioForm{.lastChannel = "512"},
                               RelayForm{},
                               SensorForm{.outputItem = 0},
                               AnalogForm{.highVolts = "10.00v", .outputItem = 1}};
    return forms[static_cast<std::size_t>(kind)];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const auto kind = static_cast<EventKind>(data[0] % kEventKindCount);
    const bool weekly = (data[0] & 0x08) == 0;
    const int line = static_cast<int>(data[1]) - 1;
    const std::span<const std::uint8_t> file(data + 2, size - 2);
    const std::vector<std::uint8_t> bytes(file.begin(), file.end());

    const auto listed = cli::ListEvents(file, kind, !weekly, "fuzz");
    const auto checked = cli::CheckEvents(file, kind, "fuzz");
    if ((listed.status == 0) != (checked.status == 0))
        std::abort();

    test::RecordingPrompter prompter;
    test::VectorEventList list;
    WriteEventFile(Folder(), kind, bytes);
    DeleteEvent(Folder(), kind, weekly, line);
    AddEvent(Folder(), AcceptableForm(kind, weekly), "fuzz", prompter, list);
    FillEventList(Folder(), kind, weekly, list);

    // After the fill the file is valid, whatever it held before.
    const auto after = ReadEventFile(Folder(), kind);
    if (!after || cli::CheckEvents(*after, kind, "fuzz").status != 0)
        std::abort();
    return 0;
}
