#include "schedule/RasterPainter.h"

#include "schedule/GlyphFont.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <zlib.h>

namespace corvane {

namespace {

void PutU32BigEndian(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

void AppendChunk(std::vector<std::uint8_t>& png, std::string_view type,
                 std::span<const std::uint8_t> data) {
    std::array<std::uint8_t, 4> length{};
    PutU32BigEndian(length, 0, static_cast<std::uint32_t>(data.size()));
    png.insert(png.end(), length.begin(), length.end());
    const auto typeStart = png.size();
    png.insert(png.end(), type.begin(), type.end());
    png.insert(png.end(), data.begin(), data.end());
    const auto crc = crc32(0, png.data() + typeStart, static_cast<uInt>(png.size() - typeStart));
    std::array<std::uint8_t, 4> crcBytes{};
    PutU32BigEndian(crcBytes, 0, static_cast<std::uint32_t>(crc));
    png.insert(png.end(), crcBytes.begin(), crcBytes.end());
}

} // namespace

RasterPainter::RasterPainter(int width, int height)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3, 0) {}

void RasterPainter::fillRect(int x, int y, int width, int height, Rgb colour) {
    const int x0 = std::max(x, 0), x1 = std::min(x + width, width_);
    const int y0 = std::max(y, 0), y1 = std::min(y + height, height_);
    for (int row = y0; row < y1; ++row) {
        auto* p = pixels_.data() + (static_cast<std::size_t>(row) * width_ + x0) * 3;
        for (int column = x0; column < x1; ++column, p += 3) {
            p[0] = colour.r;
            p[1] = colour.g;
            p[2] = colour.b;
        }
    }
}

void RasterPainter::text(int x, int y, std::string_view text, Rgb colour) {
    DrawGlyphText(*this, x, y, text, colour);
}

Rgb RasterPainter::pixel(int x, int y) const {
    const auto* p = pixels_.data() + (static_cast<std::size_t>(y) * width_ + x) * 3;
    return {p[0], p[1], p[2]};
}

std::vector<std::uint8_t> EncodePng(const RasterPainter& image) {
    const auto rowBytes = static_cast<std::size_t>(image.width()) * 3;
    // Each row starts with its filter byte, 0: none.
    std::vector<std::uint8_t> raw;
    raw.reserve((rowBytes + 1) * static_cast<std::size_t>(image.height()));
    for (int row = 0; row < image.height(); ++row) {
        raw.push_back(0);
        const auto first = image.pixels().begin() + static_cast<std::ptrdiff_t>(row * rowBytes);
        raw.insert(raw.end(), first, first + static_cast<std::ptrdiff_t>(rowBytes));
    }
    uLongf deflatedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> deflated(deflatedSize);
    compress2(deflated.data(), &deflatedSize, raw.data(), static_cast<uLong>(raw.size()),
              Z_BEST_SPEED);
    deflated.resize(deflatedSize);

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::array<std::uint8_t, 13> header{};
    PutU32BigEndian(header, 0, static_cast<std::uint32_t>(image.width()));
    PutU32BigEndian(header, 4, static_cast<std::uint32_t>(image.height()));
    header[8] = 8; // bits per sample
    header[9] = 2; // colour type: RGB
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", deflated);
    AppendChunk(png, "IEND", {});
    return png;
}

} // namespace corvane
