#include "skin/IniDocument.h"

#include "skin/TextRules.h"

namespace corvane {

namespace {

unsigned char LowerAscii(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

// Splits at "\n", "\r\n" or a lone "\r".
template <typename Fn> void ForEachLine(std::string_view text, Fn&& fn) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            fn(text.substr(start));
            return;
        }
        fn(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
}

} // namespace

std::size_t IniDocument::NoCaseHash::operator()(std::string_view text) const {
    // FNV-1a over the lower-cased bytes.
    std::size_t hash = 1469598103934665603ull;
    for (char c : text) {
        hash ^= LowerAscii(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

bool IniDocument::NoCaseEqual::operator()(std::string_view a, std::string_view b) const {
    return textrules::EqualsNoCase(a, b);
}

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument document;
    KeyMap* current = nullptr;
    ForEachLine(text, [&](std::string_view line) { document.addLine(line, current); });
    return document;
}

void IniDocument::addLine(std::string_view line, KeyMap*& current) {
    line = textrules::TrimWhiteSpace(line);
    if (!line.empty() && line.front() == '[') {
        const std::size_t close = line.rfind(']');
        if (close == std::string_view::npos)
            return; // not a header: ignored
        const std::string_view name = textrules::TrimWhiteSpace(line.substr(1, close - 1));
        const auto [it, added] = sectionIndex_.try_emplace(std::string(name), sections_.size());
        if (added) {
            sections_.emplace_back();
            current = &sections_.back();
        } else {
            // A repeated section's keys are never found: the first one wins.
            current = nullptr;
        }
        return;
    }
    const std::size_t equals = line.find('=');
    if (current == nullptr || equals == std::string_view::npos)
        return;
    const std::string_view key = textrules::TrimWhiteSpaceRight(line.substr(0, equals));
    const std::string_view value = textrules::TrimWhiteSpaceLeft(line.substr(equals + 1));
    current->try_emplace(std::string(key), std::string(value));
}

const std::string* IniDocument::find(std::string_view section, std::string_view key) const {
    const auto sectionIt = sectionIndex_.find(section);
    if (sectionIt == sectionIndex_.end())
        return nullptr;
    const KeyMap& keys = sections_[sectionIt->second];
    const auto keyIt = keys.find(key);
    return keyIt == keys.end() ? nullptr : &keyIt->second;
}

bool IniDocument::hasSection(std::string_view section) const {
    return sectionIndex_.find(section) != sectionIndex_.end();
}

} // namespace corvane
