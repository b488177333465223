#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct LOGFONTA;

// Reads the INI-style UI description file with the results the Windows
// profile functions give:
// - section and key names match without regard to case; the first section
//   of a name and the first key of a name within it count;
// - a string value is the text after "=" without surrounding blanks, cut to
//   the reading buffer (buffer N yields at most N-1 characters);
// - an integer is a decimal number (optional sign); a missing or empty value
//   yields the default;
// - a struct is two hex digits per byte and one checksum byte (sum of the
//   bytes modulo 256); a wrong length, digit or checksum fails.
// A missing or unreadable file reads like an empty one.
//
// Parsed contents are shared process-wide and kept while the file's size and
// modification time stay the same, so a window's many key reads do not rescan
// the file, yet every read sees the file as it is now.
class UiFile {
public:
    explicit UiFile(std::string path);

    const std::string& path() const { return path_; }

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue, std::size_t bufferSize) const;
    std::int32_t readInt(std::string_view section, std::string_view key,
                         std::int32_t defaultValue) const;
    std::optional<std::vector<std::uint8_t>>
    readStruct(std::string_view section, std::string_view key, std::size_t size) const;

    // A font key (60-byte struct). Leaves font unchanged and returns false when
    // the key is missing, has another length or fails the checksum.
    bool readLogFont(std::string_view section, std::string_view key, LOGFONTA& font) const;

    bool hasSection(std::string_view section) const;

    // The struct text format: hex digits of the bytes then of their checksum.
    static std::string formatStruct(std::span<const std::uint8_t> bytes);

    // Forgets every parsed file (tests that rewrite a file within one
    // timestamp tick use it).
    static void clearCache();

private:
    std::string path_;
};

// A font key of the process-wide UI file (GetUIPath) into font; font stays as
// it was when the key is missing or malformed.
bool ReadLogFont(std::string_view section, std::string_view key, LOGFONTA& font);

} // namespace corvane
