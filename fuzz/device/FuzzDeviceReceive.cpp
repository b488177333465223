// Drives the receive command with whatever a controller might answer: every read
// of the exchange gets the next answer cut from the input. Whatever arrives, the
// kind's event file must end up either untouched or a valid table.

#include "device/ControllerCommands.h"
#include "device/DeviceLink.h"
#include "device/FakeD2xx.h" // tests/device
#include "events/EventFileHeader.h"
#include "events/EventFiles.h"
#include "platform/ByteOrder.h"
#include "support/RecordingPrompter.h"
#include "support/VectorEventList.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

using namespace corvane;

namespace {

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The event folder of this process, removed when the process ends.
struct ScratchFolder {
    std::string path;
    ScratchFolder() {
        // Memory-backed when possible: every replace of the event file syncs it to disk.
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        path = (base / ("fuzz_device_receive-" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

const std::string& Folder() {
    static const ScratchFolder folder;
    return folder.path;
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
    const std::string eventFile = EventFilePath(Folder(), kind);
    std::vector<std::uint8_t> before(kEventFileHeaderSize + 2 * InfoOf(kind).recordSize, 0x5A);
    PutU32(before, 0, 2); // two records
    PutU32(before, 4, 0);
    {
        std::ofstream out(eventFile, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(before.data()),
                  static_cast<std::streamsize>(before.size()));
    }

    test::DeviceCallLog log;
    test::FakeD2xx driver(log);
    driver.reads = Answers(data + 1, size - 1);
    test::RecordingPrompter prompter;
    prompter.answerSave(Folder() + "/EventFile.bin");
    test::FakePacer pacer(log);
    test::VectorEventList list;
    DeviceLink link(prompter);
    link.BindEntryPoints([&](const char* name) { return driver.lookup(name); });
    ControllerProtocol protocol(link, pacer, prompter);
    const ReceiveOutcome outcome = ReceiveTableCommand(protocol, kind, Folder(), true, list);

    const std::vector<std::uint8_t> after = ReadAll(eventFile);
    if (after != before && !IsValidEventFile(after, kind))
        std::abort(); // a damaged event file was left behind
    if (outcome.result != ReceiveResult::Received && outcome.result != ReceiveResult::EmptyTable &&
        after != before)
        std::abort(); // a failed receive changed the event file
    if (outcome.bytesReceived > std::uint64_t{outcome.announcedLength} + 1024)
        std::abort(); // the read loop went past its bound
    return 0;
}
