#include "events/text/EventJson.h"

#include "events/EventKinds.h"
#include "events/EventPlacement.h"
#include "events/EventTable.h"
#include "events/text/RecordJson.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

namespace corvane::text {

namespace {

// A refusal of the whole text, worded for the operator.
struct TextError {
    std::string message;
};

// The lists of a kind's text: the week clock's two groups, one list otherwise.
struct Group {
    std::string_view key;
    std::string_view label; // how a message names an event of the list
    bool dated;
};

constexpr Group kWeekClockGroups[] = {{"weekly", "weekly event", false},
                                      {"dated", "dated event", true}};
constexpr Group kSingleGroup[] = {{"events", "event", false}};

std::span<const Group> GroupsOf(EventKind kind) {
    if (kind == EventKind::WeekClock)
        return kWeekClockGroups;
    return kSingleGroup;
}

// Each kind's codec, chosen through the kinds' visit; the week clock's
// depends on the group.
Json RecordToJson(EventKind kind, bool dated, std::span<const std::uint8_t> bytes) {
    return VisitKind(kind, [&]<typename Form>(std::type_identity<Form>) -> Json {
        const auto r = Form::Record::decode(bytes);
        if constexpr (std::is_same_v<typename Form::Record, WeekClockRecord>)
            return dated ? DatedToJson(r) : WeeklyToJson(r);
        else
            return ToJson(r);
    });
}

std::vector<std::uint8_t> RecordFromJson(EventKind kind, bool dated, JsonFields& fields) {
    return VisitKind(kind, [&]<typename Form>(std::type_identity<Form>) {
        typename Form::Record r;
        if constexpr (std::is_same_v<typename Form::Record, WeekClockRecord>)
            r = dated ? DatedFromJson(fields) : WeeklyFromJson(fields);
        else
            FromJson(fields, r);
        const auto bytes = r.encode();
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    });
}

// Timecode and both week-clock groups are kept sorted by their start.
bool SortedKind(EventKind kind) {
    return kind == EventKind::WeekClock || kind == EventKind::Timecode;
}

Placement PlaceAsAdd(const EventTable& table, bool dated, std::span<const std::uint8_t> record) {
    switch (table.kind()) {
    case EventKind::WeekClock:
        return dated ? PlaceDated(table, record) : PlaceWeekly(table, record);
    case EventKind::Timecode:
        return PlaceTimecode(table, record);
    default:
        return PlaceByKey(table, record);
    }
}

std::string Position(const Group& group, std::size_t index) {
    return std::string(group.label) + " " + std::to_string(index + 1);
}

std::string Describe(const FieldError& error) {
    return error.field.empty() ? ": " + error.message
                               : ", field \"" + error.field + "\": " + error.message;
}

void CheckKind(const Json& document, EventKind kind) {
    const auto found = document.find("kind");
    if (found == document.end())
        throw TextError{"field \"kind\" is missing"};
    const auto named =
        found->is_string() ? ParseEventKind(found->get<std::string>()) : std::nullopt;
    if (!named)
        throw TextError{"field \"kind\": " + found->dump() + " is not a kind of event"};
    if (*named != kind)
        throw TextError{"field \"kind\": the text holds " + std::string(InfoOf(*named).cliName) +
                        " events, not " + std::string(InfoOf(kind).cliName) + " events"};
    for (const auto& item : document.items()) {
        const std::string& key = item.key();
        const auto groups = GroupsOf(kind);
        const bool known = key == "kind" || std::ranges::any_of(groups, [&](const Group& g) {
                               return g.key == key;
                           });
        if (!known)
            throw TextError{"field \"" + key + "\" is not a field of a " +
                            std::string(InfoOf(kind).cliName) + " text"};
    }
}

std::vector<std::vector<std::uint8_t>> ReadGroup(const Json& document, EventKind kind,
                                                 const Group& group, Ranges ranges) {
    const auto found = document.find(std::string(group.key));
    if (found == document.end())
        throw TextError{"field \"" + std::string(group.key) + "\" is missing"};
    if (!found->is_array())
        throw TextError{"field \"" + std::string(group.key) + "\" must be a list of events"};
    std::vector<std::vector<std::uint8_t>> records;
    for (std::size_t i = 0; i < found->size(); ++i) {
        try {
            JsonFields fields((*found)[i], ranges);
            records.push_back(RecordFromJson(kind, group.dated, fields));
            fields.finish();
        } catch (const FieldError& error) {
            throw TextError{Position(group, i) + Describe(error)};
        }
    }
    return records;
}

// Sorted groups are added from the last event to the first: an add puts an
// entry in front of an equal start, so the text's order of equal starts stays,
// and of two entries with the same key the later one, stored first, stays.
void AddGroup(EventTable& table, const Group& group,
              const std::vector<std::vector<std::uint8_t>>& records) {
    const bool sorted = SortedKind(table.kind());
    // Keyed kinds: a key not met before is appended, as PlaceByKey would find,
    // without scanning the table for it.
    const std::size_t keyLength = InfoOf(table.kind()).nameOffset;
    std::unordered_set<std::string_view> keys;
    for (std::size_t n = 0; n < records.size(); ++n) {
        const std::size_t i = sorted ? records.size() - 1 - n : n;
        const std::string_view key(reinterpret_cast<const char*>(records[i].data()), keyLength);
        const bool newKey = !sorted && keys.insert(key).second;
        const Placement placement =
            newKey ? Placement{table.size(), false} : PlaceAsAdd(table, group.dated, records[i]);
        if (sorted && placement.replaces)
            continue;
        if (StoreAt(table, placement, records[i], group.dated) == StoreResult::TableFull)
            throw TextError{Position(group, i) + ": the table is full; a " +
                            std::string(InfoOf(table.kind()).cliName) + " file holds at most " +
                            std::to_string(InfoOf(table.kind()).maxEntries) + " events"};
    }
}

EventTable TableFromJson(const Json& document, EventKind kind, Ranges ranges) {
    if (!document.is_object())
        throw TextError{"the text must be one JSON object with \"kind\" and the events"};
    CheckKind(document, kind);
    // Every event is read before any is placed, so the first fault in the text
    // is the one reported.
    std::vector<std::vector<std::vector<std::uint8_t>>> groups;
    for (const Group& group : GroupsOf(kind))
        groups.push_back(ReadGroup(document, kind, group, ranges));
    EventTable table = EventTable::empty(kind);
    for (std::size_t g = 0; g < groups.size(); ++g)
        AddGroup(table, GroupsOf(kind)[g], groups[g]);
    return table;
}

// Names the first place where the bytes read back from the text differ from
// the file's.
std::string Difference(std::span<const std::uint8_t> file, std::span<const std::uint8_t> back,
                       EventKind kind) {
    const auto [a, b] = std::ranges::mismatch(file, back);
    const auto offset = static_cast<std::size_t>(a - file.begin());
    if (offset < kEventFileHeaderSize)
        return "its header holds counts or reserved bytes the text form does not carry";
    const std::size_t index = (offset - kEventFileHeaderSize) / InfoOf(kind).recordSize;
    const std::size_t weekly = EventFileHeader::decode(file)->entryCount;
    const bool dated = kind == EventKind::WeekClock && index >= weekly;
    const Group& group = GroupsOf(kind)[dated ? 1 : 0];
    return Position(group, dated ? index - weekly : index) +
           " holds bytes the text form does not carry (a name without its end, non-zero spare "
           "bytes, or a key or order no add gives)";
}

std::string WithoutExceptionTag(std::string_view what) {
    const auto tagEnd = what.find("] ");
    return std::string(tagEnd == std::string_view::npos ? what : what.substr(tagEnd + 2));
}

} // namespace

Expected<std::string, std::string> EventFileToJson(std::span<const std::uint8_t> file,
                                                   EventKind kind) {
    const auto table = EventTable::fromFile(file, kind);
    if (!table)
        return Unexpected("not a valid " + std::string(InfoOf(kind).cliName) + " event file");
    Json document;
    document["kind"] = std::string(InfoOf(kind).cliName);
    const std::size_t weekly =
        kind == EventKind::WeekClock ? table->header().entryCount : table->size();
    for (const Group& group : GroupsOf(kind)) {
        Json list = Json::array();
        const std::size_t begin = group.dated ? weekly : 0;
        const std::size_t end = group.dated ? table->size() : weekly;
        for (std::size_t i = begin; i < end; ++i)
            list.push_back(RecordToJson(kind, group.dated, table->record(i)));
        document[std::string(group.key)] = std::move(list);
    }
    try {
        const auto back = TableFromJson(document, kind, Ranges::Stored).bytes();
        if (!std::ranges::equal(back, file))
            return Unexpected(Difference(file, back, kind));
        return document.dump(2) + "\n";
    } catch (const TextError& error) {
        return Unexpected(error.message);
    } catch (const Json::exception& error) {
        return Unexpected(WithoutExceptionTag(error.what()));
    }
}

Expected<std::vector<std::uint8_t>, std::string> EventFileFromJson(std::string_view text,
                                                                   EventKind kind) {
    Json document;
    try {
        document = Json::parse(text);
    } catch (const Json::exception& error) {
        // Syntax errors, and numbers too large for any field (out_of_range).
        return Unexpected("not JSON text: " + WithoutExceptionTag(error.what()));
    }
    try {
        return TableFromJson(document, kind, Ranges::Offered).bytes();
    } catch (const TextError& error) {
        return Unexpected(error.message);
    } catch (const Json::exception& error) {
        return Unexpected(WithoutExceptionTag(error.what()));
    }
}

} // namespace corvane::text
