#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The bytes of a Resource.h with the two lookups over them.
//
// The file is taken in pieces of at most 258 characters, each ending after a
// line end (kept) or where the piece is full, so a longer line is several
// pieces; a NUL byte ends a piece's text as it ends a C string. Each lookup
// goes through the pieces from the top and stops at the first that fits.
class ResourceText {
public:
    static constexpr std::size_t kPieceSize = 258;

    explicit ResourceText(std::string bytes);

    // The value defined for name; 0 when no piece fits.
    std::int32_t findId(std::string_view name) const;

    // The name defined with number; "" when no piece fits.
    std::string findName(std::int32_t number) const;

private:
    struct Piece {
        std::size_t begin = 0;
        std::size_t length = 0;     // bytes taken from the file
        std::size_t textLength = 0; // up to the first NUL
    };

    std::string_view textOf(const Piece& piece) const;
    const Piece& pieceAt(std::size_t offset) const;

    std::string bytes_;
    std::vector<Piece> pieces_;
};

} // namespace corvane
