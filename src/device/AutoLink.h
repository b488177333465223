#pragma once

#include "device/ControllerLink.h"
#include "device/D2xxLink.h"
#include "device/SerialLink.h"

#include <memory>
#include <string>

namespace corvane {

class Prompter;

// The link when nothing is configured: the kernel's serial ports first; when none
// of them is a controller, the D2XX library (FTDI's libftd2xx.so) if it loads,
// otherwise "No Device Found!". A library that does not load is skipped without
// a word, so a machine without FTDI's library sees no driver message.
class AutoLink final : public ControllerLink {
public:
    AutoLink(Prompter& prompter, SystemRoots roots, SerialPortChoice choice,
             std::string d2xxLibrary);

    void openController() override;
    bool isOpen() const override { return active_ != nullptr && active_->isOpen(); }
    void close() override;
    bool write(std::span<const std::uint8_t> bytes) override;
    std::optional<std::size_t> read(std::span<std::uint8_t> buffer) override;
    bool purge() override;
    std::optional<std::uint32_t> queuedBytes() override;

private:
    // The D2XX link, bound on first use; null when its library does not load.
    D2xxLink* d2xx();

    Prompter& prompter_;
    SerialLink serial_;
    std::string d2xxLibrary_;
    std::unique_ptr<D2xxLink> d2xx_;
    bool d2xxTried_ = false;
    ControllerLink* active_ = nullptr;
};

} // namespace corvane
