#include "skin/ResourceLookup.h"

#include "skin/ResourceScan.h"
#include "skin/SkinPaths.h"
#include "skin/TextRules.h"

#include <sys/stat.h>

#include <cstring>
#include <memory>

namespace corvane {

using namespace textrules;

namespace {

constexpr std::string_view kDefine = "#define";

// A Resource.h is read in pieces of at most 258 characters, each ending at a
// line end (kept) or where the piece is full; a longer line becomes several
// pieces. A NUL byte ends the piece's text, as it ends a C string.
class PieceReader {
public:
    explicit PieceReader(std::FILE* stream) : stream_(stream) {}

    bool next(std::string_view& piece) {
        std::memset(buffer_, 0, sizeof buffer_);
        if (std::fgets(buffer_, kPieceSize + 1, stream_) == nullptr) return false;
        piece = std::string_view(buffer_, std::strlen(buffer_));
        return true;
    }

private:
    static constexpr int kPieceSize = 258;
    char buffer_[260];
    std::FILE* stream_;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A folder opens on Linux but reads nothing; it counts as a file that cannot
// be opened, as it does elsewhere.
FileHandle OpenHeader(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return nullptr;
    return FileHandle(std::fopen(path.c_str(), "rb"));
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::string DecimalText(std::int32_t number) {
    return std::to_string(number);
}

} // namespace

// The first piece that holds the name anywhere (even as part of a longer
// name, or in a comment) and "#define" anywhere counts. The value is what is
// left after cutting away, from the left, the characters of "#define" and
// then of the name (as sets of characters, not words). So IDC_OK is read from
// "#define IDC_OK2 1005" as 2 when that line comes first: skins keep names
// distinct by more than a suffix.
std::int32_t ScanResourceId(std::FILE* stream, std::string_view name) {
    PieceReader reader(stream);
    std::string_view line;
    while (reader.next(line)) {
        if (!Contains(line, name) || !Contains(line, kDefine)) continue;
        line = TrimWhiteSpaceLeft(line);
        line = TrimSetLeft(line, kDefine);
        line = TrimWhiteSpaceLeft(line);
        line = TrimSetLeft(line, name);
        line = TrimWhiteSpace(line);
        return ParseDecimal(line);
    }
    return 0;
}

// The value is the text after the last blank of a "#define" piece, compared
// with the number's plain decimal form; the name is what is left after
// cutting that value's characters from the right and the characters of
// "#define" from the left.
std::string ScanResourceName(std::FILE* stream, std::int32_t number) {
    const std::string wanted = DecimalText(number);
    PieceReader reader(stream);
    std::string_view line;
    while (reader.next(line)) {
        if (!Contains(line, kDefine)) continue;
        line = TrimWhiteSpaceRight(line);
        const std::size_t lastSpace = line.rfind(' ');
        const std::string_view value = lastSpace == std::string_view::npos ? line : line.substr(lastSpace + 1);
        if (!EqualsNoCase(value, wanted)) continue;
        line = TrimSetRight(line, value);
        line = TrimWhiteSpaceRight(line);
        line = TrimSetLeft(line, kDefine);
        line = TrimWhiteSpaceLeft(line);
        return std::string(line);
    }
    return {};
}

std::int32_t LookupResourceId(std::string_view name) {
    return LookupResourceId(GetResourceHeaderPath(), name);
}

std::int32_t LookupResourceId(const std::string& headerPath, std::string_view name) {
    const FileHandle file = OpenHeader(headerPath);
    if (!file) return -1;
    return ScanResourceId(file.get(), name);
}

std::string LookupResourceName(std::int32_t number) {
    return LookupResourceName(GetResourceHeaderPath(), number);
}

std::string LookupResourceName(const std::string& headerPath, std::int32_t number) {
    const FileHandle file = OpenHeader(headerPath);
    if (!file) return {};
    return ScanResourceName(file.get(), number);
}

} // namespace corvane
