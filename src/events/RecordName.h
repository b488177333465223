#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

// Every record ends with the event name: at most 24 characters and a NUL in a
// 25-byte field.
inline constexpr std::size_t kEventNameMaxLength = 24;
inline constexpr std::size_t kEventNameFieldSize = kEventNameMaxLength + 1;

// The name in the field at offset: up to its NUL, or the whole field when a file
// from elsewhere left out the NUL (the text never runs into the next field).
std::string DecodeRecordName(std::span<const std::uint8_t> record, std::size_t offset);

// Stores the first 24 characters of name at offset and zeroes the rest of the
// record behind it.
void EncodeRecordName(std::span<std::uint8_t> record, std::size_t offset, std::string_view name);

} // namespace corvane
