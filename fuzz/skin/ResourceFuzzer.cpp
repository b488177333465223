// Any bytes as a Resource.h: both lookups, with a name and a number taken
// from the input's first bytes, checked against a plain piece-by-piece scan.
#include "skin/ResourceText.h"
#include "skin/TextRules.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace corvane::textrules;

constexpr std::string_view kDefine = "#define";

// The pieces as a 259-byte fgets would return them, cut at a NUL.
template <typename Fn> bool ForEachPiece(std::string_view text, Fn&& fn) {
    while (!text.empty()) {
        std::size_t length = std::min<std::size_t>(text.size(), 258);
        const std::size_t lineEnd = text.substr(0, length).find('\n');
        if (lineEnd != std::string_view::npos)
            length = lineEnd + 1;
        std::string_view piece = text.substr(0, length);
        text.remove_prefix(length);
        if (fn(piece.substr(0, piece.find('\0'))))
            return true;
    }
    return false;
}

std::int32_t ReferenceId(std::string_view text, std::string_view name) {
    std::int32_t id = 0;
    ForEachPiece(text, [&](std::string_view piece) {
        if (piece.find(name) == std::string_view::npos ||
            piece.find(kDefine) == std::string_view::npos)
            return false;
        piece = TrimSetLeft(TrimWhiteSpaceLeft(piece), kDefine);
        piece = TrimWhiteSpace(TrimSetLeft(TrimWhiteSpaceLeft(piece), name));
        id = ParseDecimal(piece);
        return true;
    });
    return id;
}

std::string ReferenceName(std::string_view text, std::int32_t number) {
    const std::string wanted = std::to_string(number);
    std::string name;
    ForEachPiece(text, [&](std::string_view piece) {
        if (piece.find(kDefine) == std::string_view::npos)
            return false;
        piece = TrimWhiteSpaceRight(piece);
        const std::size_t space = piece.rfind(' ');
        const std::string_view value =
            space == std::string_view::npos ? piece : piece.substr(space + 1);
        if (!EqualsNoCase(value, wanted))
            return false;
        piece = TrimWhiteSpaceRight(TrimSetRight(piece, value));
        name = std::string(TrimWhiteSpaceLeft(TrimSetLeft(piece, kDefine)));
        return true;
    });
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // First byte: length of the name that follows; then four bytes of number.
    std::size_t offset = 1;
    const std::size_t nameLength = std::min<std::size_t>(data[0] % 32, size - offset);
    const std::string name(reinterpret_cast<const char*>(data) + offset, nameLength);
    offset += nameLength;
    std::int32_t number = 1000;
    if (size >= offset + 4) {
        const std::uint32_t bits =
            std::uint32_t{data[offset]} | (std::uint32_t{data[offset + 1]} << 8) |
            (std::uint32_t{data[offset + 2]} << 16) | (std::uint32_t{data[offset + 3]} << 24);
        number = static_cast<std::int32_t>(bits);
        offset += 4;
    }
    const std::string text(reinterpret_cast<const char*>(data) + offset, size - offset);
    const corvane::ResourceText header(text);
    if (header.findId(name) != ReferenceId(text, name))
        std::abort();
    if (header.findName(number) != ReferenceName(text, number))
        std::abort();
    if (header.findName(-1) != ReferenceName(text, -1))
        std::abort();
    return 0;
}
