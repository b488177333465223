#include "events/text/EventJson.h"

#include "events/AnalogRecord.h"
#include "events/AudioRecord.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/SensorRecord.h"
#include "events/TimecodeRecord.h"
#include "events/WeekClockRecord.h"
#include "support/FileOfRecords.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <span>

namespace corvane::text {
namespace {

using Json = nlohmann::ordered_json;
using test::FileOfRecords;

// One valid event of the kinds the tests change; the week clock's is weekly.
Json ValidEvent(EventKind kind) {
    switch (kind) {
    case EventKind::WeekClock:
        return Json::parse(R"({"name":"A","weekday":"Monday","startTime":"08:00:00",
            "endTime":"09:00:00","firstChannel":1,"lastChannel":9,"increment":1,"level":9})");
    case EventKind::Timecode:
        return Json::parse(R"({"name":"A","start":"00:00:01:00","end":"00:00:02:00",
            "firstChannel":1,"lastChannel":9,"increment":1,"level":9})");
    case EventKind::Relay:
        return Json::parse(R"({"name":"A","channel":1,"levelLow":0,"levelHigh":9,"relay":1,
            "state":"on"})");
    case EventKind::Analog:
        return Json::parse(R"({"name":"A","input":1,"low":"0.05","high":"10.00",
            "action":"Relay","relay":1,"state":"on"})");
    default:
        return {};
    }
}

// The refusal's text; empty when the import or export succeeded.
template <typename T> std::string Refusal(const Expected<T, std::string>& result) {
    return result ? std::string() : result.error();
}

Json Document(EventKind kind, const Json& events) {
    Json document{{"kind", std::string(InfoOf(kind).cliName)}};
    if (kind == EventKind::WeekClock) {
        document["weekly"] = events;
        document["dated"] = Json::array();
    } else {
        document["events"] = events;
    }
    return document;
}

// A dated week-clock event that spans the year's end.
Json ValidDated() {
    return Json::parse(R"({"name":"D","startDate":"12-30","startWeekday":"Wednesday",
        "startTime":"18:00:00","endDate":"01-02","endWeekday":"Saturday","endTime":"06:00:00",
        "firstChannel":1,"lastChannel":9,"increment":1,"level":9})");
}

// The second of two events gets field set to value (JSON text; empty: the field
// is removed). An import either succeeds or names event 2 and the field (or
// the field named instead, when it differs).
struct FieldCase {
    EventKind kind;
    std::string field;
    std::string value;
    std::string refusal; // empty: accepted
    std::string named = "";
};

void ExpectFieldCases(std::span<const FieldCase> cases, bool dated) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field + " = " + c.value);
        Json valid = dated ? ValidDated() : ValidEvent(c.kind), faulty = valid;
        if (c.value.empty())
            faulty.erase(c.field);
        else
            faulty[c.field] = Json::parse(c.value);
        Json document = Document(c.kind, Json::array({valid, faulty}));
        if (dated)
            std::swap(document["weekly"], document["dated"]);
        const auto file = EventFileFromJson(document.dump(), c.kind);
        std::string position = "event 2";
        if (c.kind == EventKind::WeekClock)
            position = (dated ? "dated " : "weekly ") + position;
        const std::string field = c.named.empty() ? c.field : c.named;
        const std::string refusal = position + ", field \"" + field + "\": " + c.refusal;
        EXPECT_EQ(Refusal(file), c.refusal.empty() ? "" : refusal);
    }
}

// One accepted and one refused edge per validation rule; each other refusal once.
TEST(EventJson, FieldRangesAndRefusals) {
    using enum EventKind;
    const std::string weekdays = "Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday";
    const std::string name25 = "\"1234567890123456789012345\"";
    // 24 Latin-1 characters: 42 bytes of UTF-8 in the text.
    const std::string latin1 = "\"B\u00fchne " + std::string(18, 'x') + "\"";
    const FieldCase cases[] = {
        {WeekClock, "lastChannel", "512", ""},
        {WeekClock, "lastChannel", "513", "513 is out of range 1..512"},
        {WeekClock, "level", "2.5", "must be a whole number"},
        {WeekClock, "level", "", "is missing"},
        {WeekClock, "colour", "1", "is not a field of this kind of event"},
        {WeekClock, "startTime", "\"23:59:59\"", ""},
        {WeekClock, "startTime", "\"24:00:00\"", "hour 24 is out of range 0..23"},
        {WeekClock, "endTime", "\"8:00\"", "\"8:00\" is not a time HH:MM:SS"},
        {WeekClock, "weekday", "\"saturday\"", ""},
        {WeekClock, "weekday", "\"Funday\"", "\"Funday\" is not one of " + weekdays},
        {WeekClock, "name", name25, name25 + " is longer than 24 bytes"},
        {WeekClock, "name", latin1, ""},
        {WeekClock, "name", "\"\u20ac\"", "\"\u20ac\" holds a character outside Latin-1"},
        {WeekClock, "name", "\"a\\u0000b\"", "must not hold a NUL character"},
        {Analog, "action", "\"DMX\"", "is missing", "firstChannel"},
        {Analog, "low", "\"10.00\"", ""},
        {Analog, "high", "\"10.01\"", "is above 10.00"},
        {Analog, "low", "\"2.5\"", "\"2.5\" is not a voltage such as \"2.50\""},
    };
    ExpectFieldCases(cases, false);
    const FieldCase dated[] = {
        {WeekClock, "startDate", "\"02-29\"", ""},
        {WeekClock, "startDate", "\"02-30\"", "day 30 is not in month 2"},
        {WeekClock, "endDate", "\"12-30\"", "is not after the start time on the same date",
         "endTime"},
    };
    ExpectFieldCases(dated, true);
}

// Refusals of the text as a whole and of the checks between fields.
struct TextCase {
    EventKind kind;
    std::string text;
    std::string refusal;
};

TEST(EventJson, DocumentRefusals) {
    using enum EventKind;
    Json firstAbove = ValidEvent(Timecode), lowAbove = ValidEvent(Analog);
    firstAbove["firstChannel"] = 10;
    lowAbove["high"] = "0.04";
    const auto timecode = Document(Timecode, Json::array({firstAbove})).dump();
    const auto analog = Document(Analog, Json::array({lowAbove})).dump();
    const std::string relayText = R"({"kind":"relay"})";
    const TextCase cases[] = {
        {Midi, relayText, R"(field "kind": the text holds relay events, not midi events)"},
        {Relay, R"({"kind":"lamp","events":[]})", R"(field "kind": "lamp" is not a kind of event)"},
        {Relay, relayText, R"(field "events" is missing)"},
        {Relay, R"({"kind":"relay","events":{}})", R"(field "events" must be a list of events)"},
        {Relay, R"({"kind":"relay","x":1})", R"(field "x" is not a field of a relay text)"},
        {Relay, R"({"kind":"relay","events":[1]})", "event 1: must be an object of fields"},
        {Relay, "[]", R"(the text must be one JSON object with "kind" and the events)"},
        {Relay, R"({"kind":"relay","x":1E999})", "not JSON text: number overflow parsing '1E999'"},
        {Timecode, timecode, R"(event 1, field "lastChannel": 9 is below the first channel 10)"},
        {Analog, analog, R"(event 1, field "high": is below the low voltage)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Refusal(EventFileFromJson(c.text, c.kind)), c.refusal) << c.text;
}

// A file of each kind with every stored byte set (a record per output type
// where the kind maps them apart): export then import gives it back.
TEST(EventJson, ExportThenImportGivesTheFileBack) {
    const std::vector<WeekClockRecord> week = {
        {0, 0, 2, 8, 0, 0, 0, 0, 2, 9, 30, 0, 1, 10, 2, 0, 0, "weekly"},
        {12, 30, 4, 18, 0, 0, 1, 2, 7, 6, 0, 0, 1, 10, 1, 255, 1, "year end"}};
    const std::vector<TimecodeRecord> timecode = {{0, 0, 1, 0, 0, 0, 3, 29, 1, 9, 1, 9, "a"}};
    const std::vector<MidiRecord> midi = {{17, 128, 0xFF, 3, 1, 512, 1, 255, "all"}};
    const std::vector<AudioRecord> audio = {{2, 14, 9, 1, 1, 1, 1, "below first"}};
    const std::vector<RelayRecord> relay = {{512, 200, 10, 8, 1, "low above high \xFC"}};
    const std::vector<SensorRecord> sensor = {{7, 59, 0, 0, 1, 512, 3, 4, "dmx"},
                                              {0, 0, 30, 1, 8, 0, 1, 0, "relay on"},
                                              {3, 1, 2, 2, 1, 0, 0, 0, "audio off"}};
    const std::vector<AnalogRecord> analog = {{3, 0, 5, 10, 0, 0, 1, 512, 1, 255, "dmx"},
                                              {0, 2, 5, 2, 150, 1, 8, 0, 1, 0, "2.05 to 2.150"}};
    const std::pair<EventKind, std::vector<std::uint8_t>> files[] = {
        {EventKind::WeekClock, FileOfRecords(1, 1, week)},
        {EventKind::Timecode, FileOfRecords(timecode)},
        {EventKind::Midi, FileOfRecords(midi)},
        {EventKind::Audio, FileOfRecords(audio)},
        {EventKind::Relay, FileOfRecords(relay)},
        {EventKind::Sensor, FileOfRecords(sensor)},
        {EventKind::Analog, FileOfRecords(analog)}};
    for (const auto& [kind, file] : files) {
        SCOPED_TRACE(InfoOf(kind).cliName);
        const auto text = EventFileToJson(file, kind);
        ASSERT_TRUE(text.has_value()) << text.error();
        EXPECT_EQ(EventFileFromJson(*text, kind).value_or(std::vector<std::uint8_t>{}), file)
            << *text;
    }
}

struct ExportCase {
    EventKind kind;
    std::vector<std::uint8_t> file;
    std::string refusalStart;
};

TEST(EventJson, ExportRefusesBytesTheTextCannotCarry) {
    auto spare = FileOfRecords(std::vector<RelayRecord>{{1, 0, 9, 1, 0, "a"}});
    spare.back() = 1;
    const std::vector<WeekClockRecord> unsorted = {
        {0, 0, 3, 8, 0, 0, 0, 0, 3, 9, 0, 0, 1, 10, 1, 255, 0, "Tue"},
        {0, 0, 2, 8, 0, 0, 0, 0, 2, 9, 0, 0, 1, 10, 1, 255, 0, "Mon"}};
    auto reserved = test::BareHeader();
    reserved[12] = 1;
    const ExportCase cases[] = {
        {EventKind::Relay, spare, "event 1 holds bytes the text form does not carry"},
        {EventKind::WeekClock, FileOfRecords(unsorted), "weekly event 1 holds bytes"},
        {EventKind::WeekClock, reserved, "its header holds counts or reserved bytes"},
    };
    for (const auto& c : cases) {
        const auto text = EventFileToJson(c.file, c.kind);
        EXPECT_TRUE(!text && text.error().starts_with(c.refusalStart))
            << (text ? *text : text.error());
    }
}

// Import places as adds do: sorted by start, up to the kind's capacity.
TEST(EventJson, ImportPlacesLikeAdd) {
    Json late = ValidEvent(EventKind::Timecode), early = late;
    late["start"] = "01:00:00:00";
    late["end"] = "02:00:00:00";
    late["name"] = "late";
    const auto timecode =
        EventFileFromJson(Document(EventKind::Timecode, {late, early}).dump(), EventKind::Timecode);
    ASSERT_TRUE(timecode.has_value()) << timecode.error();
    EXPECT_EQ(TimecodeRecord::decode(std::span(*timecode).subspan(16)).name, "A");

    Json relay = ValidEvent(EventKind::Relay), many = Json::array();
    for (unsigned i = 0; i <= InfoOf(EventKind::Relay).maxEntries; ++i) {
        relay["channel"] = i % 512 + 1;
        relay["levelLow"] = i / 512;
        many.push_back(relay);
    }
    EXPECT_EQ(Refusal(EventFileFromJson(Document(EventKind::Relay, many).dump(), EventKind::Relay)),
              "event 2048: the table is full; a relay file holds at most 2047 events");
}

} // namespace
} // namespace corvane::text
