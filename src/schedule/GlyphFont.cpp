#include "schedule/GlyphFont.h"

namespace corvane {

namespace {

// A 3 by 5 font, each glyph row by row, '#' for a set pixel; drawn two pixels
// a dot. Lower-case letters draw as capitals; other characters as a space.
struct Glyph {
    char c;
    std::string_view rows;
};

constexpr Glyph kFont[] = {
    {'0', "####.##.##.####"}, {'1', ".#.##..#..#.###"}, {'2', "###..#####..###"},
    {'3', "###..####..####"}, {'4', "#.##.####..#..#"}, {'5', "####..###..####"},
    {'6', "####..####.####"}, {'7', "###..#..#..#..#"}, {'8', "####.#####.####"},
    {'9', "####.####..####"}, {'A', ".#.#.#####.##.#"}, {'B', "##.#.###.#.###."},
    {'C', "####..#..#..###"}, {'D', "##.#.##.##.###."}, {'E', "####..####..###"},
    {'F', "####..####..#.."}, {'G', "####..#.##.####"}, {'H', "#.##.#####.##.#"},
    {'I', "###.#..#..#.###"}, {'J', "..#..#..##.####"}, {'K', "#.##.###.#.##.#"},
    {'L', "#..#..#..#..###"}, {'M', "#.#####.##.##.#"}, {'N', "##.#.##.##.##.#"},
    {'O', "####.##.##.####"}, {'P', "####.#####..#.."}, {'Q', "####.##.####..#"},
    {'R', "##.#.###.#.##.#"}, {'S', "####..###..####"}, {'T', "###.#..#..#..#."},
    {'U', "#.##.##.##.####"}, {'V', "#.##.##.##.#.#."}, {'W', "#.##.##.#####.#"},
    {'X', "#.##.#.#.#.##.#"}, {'Y', "#.##.#.#..#..#."}, {'Z', "###..#.#.#..###"},
    {':', "....#.....#...."}, {'-', "......###......"}, {'/', "..#..#.#.#..#.."},
};

constexpr int kDot = 2;

std::string_view RowsOf(char c) {
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    for (const Glyph& g : kFont)
        if (g.c == c)
            return g.rows;
    return {};
}

} // namespace

void DrawGlyphText(SchedulePainter& painter, int x, int y, std::string_view text, Rgb colour) {
    for (const char c : text) {
        const auto rows = RowsOf(c);
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i] == '#')
                painter.fillRect(x + static_cast<int>(i % 3) * kDot,
                                 y + static_cast<int>(i / 3) * kDot, kDot, kDot, colour);
        x += kGlyphWidth;
    }
}

} // namespace corvane
