#include "cli/DeviceCliSupport.h"

#include <unistd.h>

namespace corvane::cli {

TerminalProgress::TerminalProgress() : terminal_(isatty(STDERR_FILENO) == 1) {}

void TerminalProgress::setRange(int lowest, int highest) { highest_ = highest - lowest; }

void TerminalProgress::stepIt() {
    position_ += step_;
    if (!terminal_)
        return;
    std::fprintf(stderr, "\rsending: chunk %d (range %d)", position_, highest_);
    shown_ = true;
}

void TerminalProgress::hide() {
    if (shown_)
        std::fputs("\n", stderr);
    shown_ = false;
}

} // namespace corvane::cli
