#include "device/AutoLink.h"

#include "device/DynamicLibrary.h"
#include "platform/Prompter.h"

namespace corvane {

AutoLink::AutoLink(Prompter& prompter, SystemRoots roots, SerialPortChoice choice,
                   std::string d2xxLibrary)
    : prompter_(prompter), serial_(prompter, std::move(roots), std::move(choice)),
      d2xxLibrary_(std::move(d2xxLibrary)) {}

D2xxLink* AutoLink::d2xx() {
    if (!d2xxTried_) {
        d2xxTried_ = true;
        if (DynamicLibrary::loadForProcess(d2xxLibrary_) != nullptr) {
            d2xx_ = std::make_unique<D2xxLink>(prompter_);
            d2xx_->bindDriver(d2xxLibrary_);
        }
    }
    return d2xx_.get();
}

void AutoLink::openController() {
    if (isOpen())
        return;
    active_ = nullptr;
    const SerialLink::OpenAttempt serial = serial_.tryOpen();
    if (serial == SerialLink::OpenAttempt::Opened)
        active_ = &serial_;
    if (serial != SerialLink::OpenAttempt::NoneFound)
        return;
    if (D2xxLink* d2xxLink = d2xx()) {
        d2xxLink->openController(); // says "No Device Found!" itself
        active_ = d2xxLink;
        return;
    }
    prompter_.showMessage("No Device Found!");
}

void AutoLink::close() {
    if (active_ != nullptr)
        active_->close();
    active_ = nullptr;
}

bool AutoLink::write(std::span<const std::uint8_t> bytes) {
    return active_ != nullptr && active_->write(bytes);
}

std::optional<std::size_t> AutoLink::read(std::span<std::uint8_t> buffer) {
    return active_ != nullptr ? active_->read(buffer) : std::nullopt;
}

bool AutoLink::purge() {
    return active_ != nullptr && active_->purge();
}

std::optional<std::uint32_t> AutoLink::queuedBytes() {
    return active_ != nullptr ? active_->queuedBytes() : std::nullopt;
}

} // namespace corvane
