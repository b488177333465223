#include "cli/CliCommand.h"

namespace corvane::cli {

std::span<const CliCommand> EventCommands() { return {}; }

} // namespace corvane::cli
