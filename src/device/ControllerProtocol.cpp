#include "device/ControllerProtocol.h"

#include "device/ControllerLink.h"
#include "events/EventFileHeader.h"
#include "platform/BinaryFile.h"
#include "platform/ByteOrder.h"
#include "platform/Pacer.h"
#include "platform/Progress.h"
#include "platform/Prompter.h"

#include <algorithm>
#include <array>
#include <optional>

namespace corvane {

namespace {

// Pauses that pace the controller, in milliseconds.
constexpr int kAfterOpenPause = 10;
constexpr int kReplyPause = 100;
constexpr int kChunkPause = 5;
constexpr int kAfterEmptyPause = 1;

constexpr std::uint32_t kSendChunk = 512;
constexpr std::uint32_t kReceiveBlock = 1024;
constexpr std::uint32_t kClockReplyRead = 100;

// entryCount and datedEntryCount; a value the file is too short for counts 0.
std::uint64_t RecordCount(BinaryFile& file) {
    std::array<std::uint8_t, 8> counts{};
    file.seek(0);
    const std::size_t got = file.read(counts);
    const std::uint32_t entries = got >= 4 ? GetU32(counts, 0) : 0;
    const std::uint32_t dated = got >= 8 ? GetU32(counts, 4) : 0;
    return std::uint64_t{entries} + dated;
}

} // namespace

ControllerProtocol::ControllerProtocol(ControllerLink& link, Pacer& pacer, Prompter& prompter)
    : link_(link), pacer_(pacer), prompter_(prompter) {}

void ControllerProtocol::drain(std::uint32_t bytes) {
    std::vector<std::uint8_t> discard(bytes);
    link_.read(discard);
}

void ControllerProtocol::openAndPause() {
    link_.openController();
    pacer_.sleep(kAfterOpenPause);
}

void ControllerProtocol::openAndDrain(std::uint32_t drainBytes) {
    openAndPause();
    drain(drainBytes);
}

ClockResult ControllerProtocol::connectAndSetClock(const std::function<ClockTime()>& readTime) {
    openAndPause();
    return setClock(readTime()); // read now, not before the open: the clock gets the time it is
}

ClockResult ControllerProtocol::setClock(const ClockTime& time) {
    if (!link_.write(BuildSetClockRequest(time)))
        return ClockResult::WriteFailed;
    pacer_.sleep(kReplyPause);
    std::array<std::uint8_t, kClockReplyRead> reply{};
    const std::optional<std::size_t> received = link_.read(reply);
    if (!received)
        return ClockResult::ReadFailed;
    if (*received != kPacketSize) {
        prompter_.showMessage(std::string(kClockErrorMessage));
        return ClockResult::WrongReply;
    }
    return ClockResult::Set;
}

EmptyResult ControllerProtocol::emptyTable(EventKind kind) {
    openAndDrain(kSendChunk);
    if (!link_.write(BuildTableAnnounce(InfoOf(kind).announceCommand, 0)))
        return EmptyResult::WriteFailed;
    pacer_.sleep(kReplyPause);
    Packet reply{};
    link_.read(reply); // the controller's answer changes nothing here
    pacer_.sleep(kAfterEmptyPause);
    return EmptyResult::Announced;
}

SendResult ControllerProtocol::sendTable(EventKind kind, const std::string& path,
                                         Progress& progress) {
    std::optional<BinaryFile> file = BinaryFile::open(path, BinaryFile::Mode::Keep);
    if (!file)
        return SendResult::FileUnopenable;
    const std::uint64_t records = RecordCount(*file);
    openAndDrain(kSendChunk);

    const std::uint64_t length = kEventFileHeaderSize + InfoOf(kind).recordSize * records;
    if (length <= kEventFileHeaderSize)
        return SendResult::NoRecords;
    if (file->length().value_or(0) < length)
        return SendResult::FileTooShort;
    if (length > kMaxTableLength) {
        // The announce carries 16 bits of length; a larger table would arrive cut.
        prompter_.showMessage(std::string(kTableTooLargeMessage));
        return SendResult::TooLarge;
    }

    const Packet announce =
        BuildTableAnnounce(InfoOf(kind).announceCommand, static_cast<std::uint16_t>(length));
    if (!link_.write(announce))
        return SendResult::AnnounceFailed;
    pacer_.sleep(kReplyPause);
    Packet reply{};
    if (link_.read(reply).value_or(0) < kPacketSize)
        return SendResult::NoReply;
    return sendChunks(*file, length, progress) ? SendResult::Sent : SendResult::ChunkFailed;
}

bool ControllerProtocol::sendChunks(BinaryFile& file, std::uint64_t length, Progress& progress) {
    progress.show();
    progress.setRange(0, static_cast<int>(length / kSendChunk) + 1);
    progress.setPosition(0);
    progress.setStep(1);
    bool complete = true;
    std::array<std::uint8_t, kSendChunk> chunk{};
    for (std::uint64_t offset = 0; offset < length; offset += kSendChunk) {
        const auto size =
            static_cast<std::uint32_t>(std::min<std::uint64_t>(kSendChunk, length - offset));
        const bool loaded = file.seek(offset) && file.read(std::span(chunk.data(), size)) == size;
        if (loaded)
            pacer_.sleep(kChunkPause);
        if (!loaded || !link_.write(std::span(chunk.data(), size))) {
            complete = false;
            break;
        }
        progress.stepIt();
    }
    progress.hide();
    progress.setPosition(0);
    return complete;
}

ReceiveOutcome ControllerProtocol::receiveTable(EventKind kind, const std::string& path) {
    ReceiveOutcome outcome;
    openAndDrain(kReceiveBlock);
    if (!link_.write(BuildTableRequest(InfoOf(kind).requestCommand)))
        return outcome; // RequestFailed
    std::optional<BinaryFile> file = BinaryFile::open(path, BinaryFile::Mode::Fresh);
    if (!file) {
        outcome.result = ReceiveResult::FileUnwritable;
        return outcome;
    }
    pacer_.sleep(kReplyPause);
    Packet reply{};
    if (link_.read(reply).value_or(0) < kPacketSize) {
        outcome.result = ReceiveResult::NoReply;
        return outcome;
    }
    outcome.announcedLength = ReplyTableLength(reply);
    if (outcome.announcedLength <= kEventFileHeaderSize) {
        drain(kReceiveBlock);
        outcome.result = ReceiveResult::EmptyTable;
        return outcome;
    }

    // The announced length bounds the loop: at most 64 blocks, whatever the controller sends.
    std::vector<std::uint8_t> table;
    std::array<std::uint8_t, kReceiveBlock> block{};
    bool written = true;
    while (table.size() < outcome.announcedLength) {
        const std::optional<std::size_t> got = link_.read(block);
        if (!got)
            break;
        const std::size_t received = *got;
        written =
            written && file->seek(table.size()) && file->write(std::span(block.data(), received));
        table.insert(table.end(), block.begin(), block.begin() + received);
        if (received < kReceiveBlock)
            break;
    }
    outcome.bytesReceived = table.size();
    // A cut table can look whole: its own header may count just the records that came.
    const bool complete = table.size() >= outcome.announcedLength && IsValidEventFile(table, kind);
    if (!written)
        outcome.result = ReceiveResult::FileUnwritable;
    else
        outcome.result = complete ? ReceiveResult::Received : ReceiveResult::Incomplete;
    return outcome;
}

} // namespace corvane
