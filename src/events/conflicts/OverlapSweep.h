#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace corvane {

// A stretch [low, high) that an event occupies, in a bucket of events that can
// meet at all (the same relay, the same contact, a time domain ...). An event
// may own several spans; stretches that only touch do not overlap.
struct Span {
    std::uint32_t bucket = 0;
    std::int64_t low = 0;
    std::int64_t high = 0;
    std::uint32_t event = 0;
};

// Calls onOverlap(eventA, eventB, bucket) for every two spans of one bucket
// that overlap, eventA < eventB, sweeping over the spans sorted by their start
// so that only overlapping spans are ever compared. A pair of events may be
// reported more than once when they own several spans.
template <typename OnOverlap> void SweepOverlaps(std::vector<Span> spans, OnOverlap onOverlap) {
    std::ranges::sort(spans, [](const Span& a, const Span& b) {
        return a.bucket != b.bucket ? a.bucket < b.bucket : a.low < b.low;
    });
    std::vector<Span> open;
    for (const Span& span : spans) {
        if (span.low >= span.high)
            continue;
        std::erase_if(open,
                      [&](const Span& o) { return o.bucket != span.bucket || o.high <= span.low; });
        for (const Span& o : open)
            onOverlap(std::min(o.event, span.event), std::max(o.event, span.event), span.bucket);
        open.push_back(span);
    }
}

} // namespace corvane
