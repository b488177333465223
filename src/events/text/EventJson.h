#pragma once

#include "events/EventKind.h"

#include <cstdint>
#include <expected>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::text {

// The text form of a kind's event file: {"kind": "midi", "events": [...]} with
// one object per record in file order; the week clock has "weekly" and "dated"
// instead of "events". docs/events-json.md describes every field.

// The text of a valid event file. Refused (with the reason) when the file is
// not valid for kind or holds bytes the text cannot carry (a name without its
// NUL, non-zero spare bytes, records no add would have stored in that order),
// so that importing the text always gives the same bytes back.
std::expected<std::string, std::string> EventFileToJson(std::span<const std::uint8_t> file,
                                                        EventKind kind);

// The event file that holds exactly the text's events, placed as adding them
// one after the other would place them: the key decides replacement (the later
// event wins), timecode and week-clock entries are sorted by their start (equal
// starts keep the text's order), and the kind's capacity holds. Refused, with
// one message naming the event's position and field, for text that is not
// JSON, a kind that does not match, a missing or unknown field, a value of the
// wrong type or out of its range, or a name over 24 bytes.
std::expected<std::vector<std::uint8_t>, std::string> EventFileFromJson(std::string_view text,
                                                                        EventKind kind);

} // namespace corvane::text
