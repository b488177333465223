#include "skin/UiFile.h"

#include "skin/IniDocument.h"
#include "skin/LogFont.h"
#include "skin/TextRules.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <memory>
#include <mutex>

namespace corvane {

namespace {

// What identifies one version of a file for the cache.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t mtimeSeconds = 0;
    std::int64_t mtimeNanos = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const struct stat& info) {
    return FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec, info.st_mtim.tv_nsec};
}

struct CachedFile {
    FileStamp stamp;
    std::shared_ptr<const IniDocument> document;
};

class DocumentCache {
public:
    static DocumentCache& instance() {
        static DocumentCache cache;
        return cache;
    }

    std::shared_ptr<const IniDocument> get(const std::string& path) {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return empty();
        {
            std::lock_guard lock(mutex_);
            const auto it = files_.find(path);
            if (it != files_.end() && it->second.stamp == StampOf(info)) return it->second.document;
        }
        return load(path);
    }

    void clear() {
        std::lock_guard lock(mutex_);
        files_.clear();
    }

private:
    static std::shared_ptr<const IniDocument> empty() {
        static const auto document = std::make_shared<const IniDocument>();
        return document;
    }

    // Reads through one descriptor so the stamp kept belongs to the bytes read.
    std::shared_ptr<const IniDocument> load(const std::string& path) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return empty();
        struct stat info {};
        std::string text;
        bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
        if (ok) ok = readAll(fd, text);
        ::close(fd);
        if (!ok) return empty();
        auto document = std::make_shared<const IniDocument>(IniDocument::parse(text));
        std::lock_guard lock(mutex_);
        files_[path] = CachedFile{StampOf(info), document};
        return document;
    }

    static bool readAll(int fd, std::string& text) {
        char chunk[65536];
        for (;;) {
            const ssize_t got = ::read(fd, chunk, sizeof chunk);
            if (got < 0) return false;
            if (got == 0) return true;
            text.append(chunk, static_cast<std::size_t>(got));
        }
    }

    std::mutex mutex_;
    std::map<std::string, CachedFile> files_;
};

std::string CutToBuffer(std::string_view text, std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    return std::string(text.substr(0, bufferSize - 1));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

UiFile::UiFile(std::string path) : path_(std::move(path)) {}

std::string UiFile::readString(std::string_view section, std::string_view key,
                               std::string_view defaultValue, std::size_t bufferSize) const {
    const auto document = DocumentCache::instance().get(path_);
    const std::string* value = document->find(section, key);
    return CutToBuffer(value != nullptr ? std::string_view(*value) : defaultValue, bufferSize);
}

std::int32_t UiFile::readInt(std::string_view section, std::string_view key, std::int32_t defaultValue) const {
    const auto document = DocumentCache::instance().get(path_);
    const std::string* value = document->find(section, key);
    if (value == nullptr || value->empty()) return defaultValue;
    return textrules::ParseDecimal(*value);
}

std::optional<std::vector<std::uint8_t>> UiFile::readStruct(std::string_view section, std::string_view key,
                                                            std::size_t size) const {
    const auto document = DocumentCache::instance().get(path_);
    const std::string* value = document->find(section, key);
    if (value == nullptr || value->size() != 2 * std::uint64_t{size} + 2) return std::nullopt;
    std::vector<std::uint8_t> bytes(size + 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = HexDigit((*value)[2 * i]);
        const int low = HexDigit((*value)[2 * i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < size; ++i) sum = static_cast<std::uint8_t>(sum + bytes[i]);
    if (sum != bytes[size]) return std::nullopt;
    bytes.pop_back();
    return bytes;
}

bool UiFile::readLogFont(std::string_view section, std::string_view key, LOGFONTA& font) const {
    const auto bytes = readStruct(section, key, LOGFONTA::kSize);
    if (!bytes) return false;
    font = LOGFONTA::decode(std::span<const std::uint8_t, LOGFONTA::kSize>(bytes->data(), LOGFONTA::kSize));
    return true;
}

bool UiFile::hasSection(std::string_view section) const {
    return DocumentCache::instance().get(path_)->hasSection(section);
}

std::string UiFile::formatStruct(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(2 * bytes.size() + 2);
    std::uint8_t sum = 0;
    auto put = [&](std::uint8_t byte) {
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0xF]);
    };
    for (std::uint8_t byte : bytes) {
        put(byte);
        sum = static_cast<std::uint8_t>(sum + byte);
    }
    put(sum);
    return text;
}

void UiFile::clearCache() {
    DocumentCache::instance().clear();
}

} // namespace corvane
