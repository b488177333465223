#pragma once

#include "SimController.h"
#include "SimDevice.h"
#include "SimSettings.h"

#include <cstdint>
#include <string>

namespace corvane::sim {

// The simulated controller behind a pseudo-terminal: the host opens the slave
// end (portPath()) as its serial port; serve() answers on the master end with
// the same controller model the simulated D2XX library uses.
//
// The controller understands bytes only while the port is set to 1,000,000 baud,
// 8 data bits, 2 stop bits, no parity (the pseudo-terminal records the speed the
// host asked for); other bytes are lost, as on the wire. With real timing the
// answers arrive at the line rate. `cut_after` closes the pseudo-terminal once
// that many bytes crossed it and the host has read them, which the host sees as
// its port vanishing (unplugged). The slave end is held open here too, so that a host closing its
// port does not hang up the pseudo-terminal between sessions.
class PtyController {
public:
    explicit PtyController(const SimSettings& settings);
    ~PtyController();
    PtyController(const PtyController&) = delete;
    PtyController& operator=(const PtyController&) = delete;

    const std::string& portPath() const { return portPath_; }

    // Serves the controller until stop() is called (from any thread) or the link
    // is cut. False when the pseudo-terminal could not be made.
    bool serve();
    void stop();

    // The tables and clock (read them only while serve() is not running).
    SimController& controller() { return controller_; }

private:
    bool hostSpeaksControllerLine() const;
    void takeFromHost();
    void sendDueBytes();
    bool waitForWork();
    // How many of `count` bytes still cross before the cut; closes the link at the cut.
    std::size_t crossing(std::size_t count);
    void waitUntilHostHasRead();
    void closeTerminal();

    SimSettings settings_;
    SimController controller_;
    SimDevice line_;
    std::string portPath_;
    int master_ = -1;
    int slave_ = -1;
    int stopEvent_ = -1;
    std::uint64_t crossed_ = 0;
    bool cut_ = false;
    bool sentBeforeCut_ = false; // the cut came while answering the host
};

} // namespace corvane::sim
