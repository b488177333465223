#include "schedule/SvgPainter.h"

#include <cstdio>

namespace corvane {

namespace {

std::string Hex(Rgb c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", unsigned{c.r}, unsigned{c.g},
                  unsigned{c.b});
    return buffer;
}

// Only the characters XML gives a meaning need escaping.
std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

SvgPainter::SvgPainter(int width, int height) : width_(width), height_(height) {}

void SvgPainter::fillRect(int x, int y, int width, int height, Rgb colour) {
    body_ += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
             std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" fill=\"" +
             Hex(colour) + "\"/>\n";
}

// The glyph cell's baseline sits at its bottom; a monospace face keeps the
// text as wide as the PNG's cells.
void SvgPainter::text(int x, int y, std::string_view text, Rgb colour) {
    body_ += "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y + kGlyphHeight) +
             "\" fill=\"" + Hex(colour) + "\">" + Escaped(text) + "</text>\n";
}

std::string SvgPainter::document() const {
    const auto w = std::to_string(width_), h = std::to_string(height_);
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
           "\" viewBox=\"0 0 " + w + " " + h + "\" font-family=\"monospace\" font-size=\"11\">\n" +
           body_ + "</svg>\n";
}

} // namespace corvane
