// Drives the receive exchange with whatever a controller might answer: every read
// of the exchange gets the next answer cut from the input. Whatever arrives, a
// table reported received must be the announced length and valid, and the read
// loop must stay within its bound.

#include "FuzzScratch.h"
#include "device/ControllerProtocol.h"
#include "device/D2xxLink.h"
#include "device/FakeD2xx.h" // tests/device
#include "events/EventFileHeader.h"
#include "support/RecordingPrompter.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>

using namespace corvane;

namespace {

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string& Folder() {
    static const fuzz::ScratchFolder folder("fuzz_device_receive");
    return folder.path();
}

// Each answer: a status byte (0xFF: the read fails), a 16-bit length, then up to
// that many bytes of the input.
std::deque<test::ReadAnswer> Answers(const std::uint8_t* data, std::size_t size) {
    std::deque<test::ReadAnswer> answers;
    std::size_t at = 0;
    while (at + 3 <= size) {
        test::ReadAnswer answer;
        answer.status = data[at] == 0xFF ? d2xx::kIoError : d2xx::kOk;
        const std::size_t length =
            std::min<std::size_t>(data[at + 1] | (data[at + 2] << 8), size - at - 3);
        answer.bytes.assign(data + at + 3, data + at + 3 + length);
        answers.push_back(std::move(answer));
        at += 3 + length;
    }
    return answers;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const EventKind kind = kAllEventKinds[data[0] % kEventKindCount];
    const std::string path = Folder() + "/received.bin";

    test::DeviceCallLog log;
    test::FakeD2xx driver(log);
    driver.reads = Answers(data + 1, size - 1);
    test::RecordingPrompter prompter;
    test::FakePacer pacer(log);
    D2xxLink link(prompter);
    link.bindEntryPoints(test::FakeD2xx::lookup);
    ControllerProtocol protocol(link, pacer, prompter);
    const ReceiveOutcome outcome = protocol.receiveTable(kind, path);

    const std::vector<std::uint8_t> received = ReadAll(path);
    if (outcome.result == ReceiveResult::Received &&
        (received.size() < outcome.announcedLength || !IsValidEventFile(received, kind)))
        std::abort(); // a cut or damaged table was reported whole
    if (outcome.bytesReceived > std::uint64_t{outcome.announcedLength} + 1024)
        std::abort(); // the read loop went past its bound
    return 0;
}
