#pragma once

#include "events/AnalogRecord.h"
#include "events/AudioRecord.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/SensorRecord.h"
#include "events/TimecodeRecord.h"
#include "events/WeekClockRecord.h"
#include "events/text/JsonFields.h"

namespace corvane::text {

// Each kind's record as one JSON object with its fields by meaning, in the
// units the panels show, and back. Reading applies the checks the kind's add
// applies (last channel not below the first where the kind insists, the
// analog voltage rule, a dated window that ends after it starts) besides each
// field's range.
Json WeeklyToJson(const WeekClockRecord& r);
Json DatedToJson(const WeekClockRecord& r);
Json ToJson(const TimecodeRecord& r);
Json ToJson(const MidiRecord& r);
Json ToJson(const AudioRecord& r);
Json ToJson(const RelayRecord& r);
Json ToJson(const SensorRecord& r);
Json ToJson(const AnalogRecord& r);

WeekClockRecord WeeklyFromJson(JsonFields& fields);
WeekClockRecord DatedFromJson(JsonFields& fields);
void FromJson(JsonFields& fields, TimecodeRecord& r);
void FromJson(JsonFields& fields, MidiRecord& r);
void FromJson(JsonFields& fields, AudioRecord& r);
void FromJson(JsonFields& fields, RelayRecord& r);
void FromJson(JsonFields& fields, SensorRecord& r);
void FromJson(JsonFields& fields, AnalogRecord& r);

} // namespace corvane::text
