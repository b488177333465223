#include "cli/CliCommand.h"

namespace corvane::cli {

std::span<const CliCommand> DeviceCommands() { return {}; }

} // namespace corvane::cli
