#include "cli/DeviceCliSupport.h"

#include <unistd.h>

namespace corvane::cli {

TerminalProgress::TerminalProgress() : terminal_(isatty(STDERR_FILENO) == 1) {}

// The range is one step longer than the chunk count when the table fills its
// last chunk, so it is shown as a bound, not as the total.
void TerminalProgress::setRange(int lowest, int highest) {
    highest_ = highest - lowest;
}

void TerminalProgress::stepIt() {
    position_ += step_;
    if (!terminal_)
        return;
    std::fprintf(stderr, "\rsending: %d of at most %d chunks", position_, highest_);
    shown_ = true;
}

void TerminalProgress::hide() {
    if (shown_)
        std::fputs("\n", stderr);
    shown_ = false;
}

} // namespace corvane::cli
