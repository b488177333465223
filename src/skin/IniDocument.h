#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvane {

// The parsed contents of an INI-style text: sections of key = value lines.
// Names are looked up without regard to case; the first section of a name
// and the first key of a name within it are the ones found. Lines that are
// neither a "[section]" header nor contain "=" are ignored, and so are keys
// before the first header.
class IniDocument {
public:
    static IniDocument parse(std::string_view text);

    // The value (without surrounding white space), or nullptr when the
    // section or the key is missing.
    const std::string* find(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;

private:
    struct NoCaseHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const;
    };
    struct NoCaseEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using KeyMap = std::unordered_map<std::string, std::string, NoCaseHash, NoCaseEqual>;

    void addLine(std::string_view line, KeyMap*& current);

    std::unordered_map<std::string, std::size_t, NoCaseHash, NoCaseEqual> sectionIndex_;
    std::vector<KeyMap> sections_;
};

} // namespace corvane
