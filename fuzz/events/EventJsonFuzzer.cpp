// Any bytes as the JSON text of a kind's events, and as an event file to
// export: an accepted text must give a valid event file whose own text gives
// the same bytes back, and an exported text, when import takes it (import
// refuses stored values no panel offers, such as increment 0), must give the
// file back byte for byte.
// Byte 0 picks the kind (low bits) and whether the rest is text (bit 3) or an
// event file.
#include "events/EventFileHeader.h"
#include "events/text/EventJson.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

namespace {

using namespace corvane;

// A file whose export succeeds imports to the same bytes or is refused.
void CheckRoundTrip(std::span<const std::uint8_t> file, EventKind kind) {
    const auto text = text::EventFileToJson(file, kind);
    if (!text)
        return;
    const auto back = text::EventFileFromJson(*text, kind);
    if (back && !std::equal(back->begin(), back->end(), file.begin(), file.end()))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const auto kind = static_cast<EventKind>(data[0] % kEventKindCount);
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    if ((data[0] & 0x08) == 0) {
        CheckRoundTrip(rest, kind);
        return 0;
    }
    const std::string_view json(reinterpret_cast<const char*>(rest.data()), rest.size());
    const auto file = text::EventFileFromJson(json, kind);
    if (!file)
        return 0;
    if (!IsValidEventFile(*file, kind))
        std::abort();
    CheckRoundTrip(*file, kind);
    return 0;
}
