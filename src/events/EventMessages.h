#pragma once

#include <string_view>

namespace corvane::messages {

// Texts the event commands show to the operator.
inline constexpr std::string_view kSettingError = "Setting data is error,please change setting";
inline constexpr std::string_view kTimeError = "Time is Error!";
inline constexpr std::string_view kTableFull = "The event table is full!";
inline constexpr std::string_view kFileMissing = "The file does not exist!";
inline constexpr std::string_view kFileNotValid =
    "The file is not a valid event file for this kind!";
inline constexpr std::string_view kFileTooLarge = "The file is too large to be an event file!";
inline constexpr std::string_view kEventFileReadOnly = "The event file is read-only!";
inline constexpr std::string_view kEventFileUnreadable = "The event file cannot be read!";
inline constexpr std::string_view kNoTemporaryFile =
    "No temporary file can be made beside the event file; nothing was changed!";
inline constexpr std::string_view kEventFileWriteFailed =
    "The event file could not be written (is the disk full?); nothing was changed!";
inline constexpr std::string_view kNoEventsToSend = "There are no events to send.";

} // namespace corvane::messages
