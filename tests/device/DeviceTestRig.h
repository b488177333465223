#pragma once

#include "FakeD2xx.h"
#include "device/ControllerProtocol.h"
#include "device/D2xxLink.h"
#include "events/EventKind.h"
#include "platform/ByteOrder.h"
#include "support/RecordingPrompter.h"
#include "support/SimulatorSettings.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace corvane::test {

using Strings = std::vector<std::string>;

// A valid event file of kind; the record bytes follow a pattern so that a
// shifted or cut copy never compares equal.
inline Bytes PatternTable(EventKind kind, std::uint32_t entries, std::uint32_t dated = 0) {
    Bytes bytes(kEventFileHeaderSize + (std::size_t{entries} + dated) * InfoOf(kind).recordSize);
    PutU32(bytes, 0, entries);
    PutU32(bytes, 4, dated);
    for (std::size_t i = kEventFileHeaderSize; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return bytes;
}

// A controller reply of size bytes announcing a table length in bytes 3..4.
inline Bytes Reply(std::size_t size, std::uint16_t length = 0) {
    Bytes reply(size, 0);
    if (size >= 5)
        PutU16(reply, 3, length);
    return reply;
}

// The program's side of an exchange, in virtual time.
struct ProgramSide {
    DeviceCallLog log;
    RecordingPrompter prompter;
    FakePacer pacer{log};
    FakeProgress progress{log};
    TempFolder folder;
};

// A D2XX link and its protocol bound to the fake driver (which outlives the link,
// so the close when the link goes reaches it).
struct FakeRig : ::testing::Test, ProgramSide {
    FakeD2xx driver{log};
    D2xxLink link{prompter};
    ControllerProtocol protocol{link, pacer, prompter};

    FakeRig() { link.bindEntryPoints(FakeD2xx::lookup); }
};

} // namespace corvane::test
