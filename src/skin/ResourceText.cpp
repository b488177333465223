#include "skin/ResourceText.h"

#include "skin/TextRules.h"

#include <algorithm>
#include <string.h>

namespace corvane {

using namespace textrules;

namespace {

constexpr std::string_view kDefine = "#define";

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// The name's value in a fitting piece: what is left after cutting away, from
// the left, the characters of "#define" and then those of the name (as sets
// of characters, not words), read like atoi.
std::int32_t ValueAfterName(std::string_view piece, std::string_view name) {
    piece = TrimWhiteSpaceLeft(piece);
    piece = TrimSetLeft(piece, kDefine);
    piece = TrimWhiteSpaceLeft(piece);
    piece = TrimSetLeft(piece, name);
    piece = TrimWhiteSpace(piece);
    return ParseDecimal(piece);
}

// The name in a "#define" piece whose value text (after its last blank) is
// wanted; nothing when the value is another.
bool NameBeforeValue(std::string_view piece, std::string_view wanted, std::string& name) {
    if (!Contains(piece, kDefine))
        return false;
    piece = TrimWhiteSpaceRight(piece);
    const std::size_t lastSpace = piece.rfind(' ');
    const std::string_view value =
        lastSpace == std::string_view::npos ? piece : piece.substr(lastSpace + 1);
    if (!EqualsNoCase(value, wanted))
        return false;
    piece = TrimSetRight(piece, value);
    piece = TrimWhiteSpaceRight(piece);
    piece = TrimSetLeft(piece, kDefine);
    piece = TrimWhiteSpaceLeft(piece);
    name = std::string(piece);
    return true;
}

// Where part next occurs in text from offset on; text.size() when it does
// not. The C library's memmem is far quicker here than a generic search.
std::size_t FindFrom(std::string_view text, std::string_view part, std::size_t from) {
    if (part.empty())
        return from;
    const void* found = ::memmem(text.data() + from, text.size() - from, part.data(), part.size());
    return found == nullptr
               ? text.size()
               : static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
}

} // namespace

ResourceText::ResourceText(std::string bytes) : bytes_(std::move(bytes)) {
    std::size_t begin = 0;
    while (begin < bytes_.size()) {
        Piece piece;
        piece.begin = begin;
        piece.length = std::min(bytes_.size() - begin, kPieceSize);
        const std::size_t lineEnd = bytes_.find('\n', begin);
        if (lineEnd != std::string::npos && lineEnd < begin + piece.length)
            piece.length = lineEnd + 1 - begin;
        const std::size_t nul = std::string_view(bytes_).substr(begin, piece.length).find('\0');
        piece.textLength = nul == std::string_view::npos ? piece.length : nul;
        pieces_.push_back(piece);
        begin += piece.length;
    }
}

std::string_view ResourceText::textOf(const Piece& piece) const {
    return std::string_view(bytes_).substr(piece.begin, piece.textLength);
}

const ResourceText::Piece& ResourceText::pieceAt(std::size_t offset) const {
    const auto after =
        std::upper_bound(pieces_.begin(), pieces_.end(), offset,
                         [](std::size_t value, const Piece& piece) { return value < piece.begin; });
    return *(after - 1);
}

// The first piece that holds the name anywhere (even as part of a longer
// name, or in a comment) and "#define" anywhere fits. So IDC_OK is read from
// "#define IDC_OK2 1005" as 2 when that line comes first: skins keep names
// distinct by more than a suffix. The search runs over the whole text and
// only checks the pieces where the name occurs.
std::int32_t ResourceText::findId(std::string_view name) const {
    const std::string_view all(bytes_);
    std::size_t from = 0;
    while (from < all.size()) {
        const std::size_t at = FindFrom(all, name, from);
        if (at >= all.size())
            break;
        const Piece& piece = pieceAt(at);
        if (at + name.size() > piece.begin + piece.textLength) {
            from = at + 1; // crosses the piece's end: not in this piece
            continue;
        }
        if (Contains(textOf(piece), kDefine))
            return ValueAfterName(textOf(piece), name);
        from = piece.begin + piece.length;
    }
    return 0;
}

// The value is the text after the last blank of a "#define" piece, compared
// with the number's plain decimal form, so a value after a tab, in hex or
// followed by a comment is not found; only pieces holding that decimal text
// are checked.
std::string ResourceText::findName(std::int32_t number) const {
    const std::string wanted = std::to_string(number);
    const std::string_view all(bytes_);
    std::size_t from = 0;
    std::string name;
    while (from < all.size()) {
        const std::size_t at = FindFrom(all, wanted, from);
        if (at >= all.size())
            break;
        const Piece& piece = pieceAt(at);
        if (NameBeforeValue(textOf(piece), wanted, name))
            return name;
        from = piece.begin + piece.length;
    }
    return {};
}

} // namespace corvane
