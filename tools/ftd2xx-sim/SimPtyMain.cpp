// corvane-sim-pty: the simulated controller on a pseudo-terminal. Prints the
// port's path on the first line of its output, then serves the controller there
// until SIGINT or SIGTERM. Configured by the CORVANE_SIM_* variables the
// simulated library reads (timing, clock_reply_bytes, no_reply, cut_after,
// state_file).
//
//   CORVANE_PORT=$(corvane-sim-pty &) ...   or, by hand:
//   build/bin/corvane-sim-pty     ->  /dev/pts/4
//   CORVANE_PORT=/dev/pts/4 build/bin/corvane

#include "PtyController.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <thread>
#include <unistd.h>

int main() {
    using corvane::sim::PtyController;
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr); // taken by sigwait below, in every thread

    corvane::sim::SimSettings settings;
    settings.applyEnvironment();
    PtyController controller(settings);
    if (controller.portPath().empty()) {
        std::fprintf(stderr, "corvane-sim-pty: cannot make a pseudo-terminal\n");
        return 1;
    }
    std::printf("%s\n", controller.portPath().c_str());
    std::fflush(stdout);

    std::atomic<bool> stopping = false;
    std::thread server([&] {
        controller.serve();
        if (!stopping)
            kill(getpid(), SIGTERM); // a cut link ends the program too
    });
    int signal = 0;
    sigwait(&stopSignals, &signal);
    stopping = true;
    controller.stop();
    server.join();
    return 0;
}
