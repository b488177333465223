#include "app/CommandLineInfo.h"

namespace corvane {

namespace {

constexpr std::string_view kHelp =
    "usage: corvane [Qt options]\n"
    "       corvane --help | --version\n"
    "\n"
    "Corvane defines lighting trigger events and sends them to the controller.\n"
    "It keeps one event file per kind in the folder it is started in.\n"
    "\n"
    "environment:\n"
    "  CORVANE_PORT=/dev/ttyUSB0     reach the controller through this serial port only\n"
    "  CORVANE_DEVICE=SERIAL|PORT    pick the controller by its serial number or port path\n"
    "  CORVANE_D2XX_LIBRARY=FILE     load this D2XX driver library instead of libftd2xx.so\n"
    "\n"
    "See corvane(1) and corvanectl(1).\n";

} // namespace

std::optional<int> AnswerInfoOption(std::span<const std::string_view> args, std::FILE* out) {
    if (args.size() != 1)
        return std::nullopt;
    if (args[0] == "--help" || args[0] == "-h") {
        std::fwrite(kHelp.data(), 1, kHelp.size(), out);
        return 0;
    }
    if (args[0] == "--version") {
        std::fprintf(out, "corvane %s\n", CORVANE_VERSION);
        return 0;
    }
    return std::nullopt;
}

} // namespace corvane
