#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <string>
#include <vector>

namespace corvane {
class UiFile;
}

namespace corvane::skingen {

// A caption drawn into the background with hairlines: from its end to the
// right edge of its rectangle, or on both sides of it when centred.
struct Heading {
    QRect rect;
    QString caption;
    bool centred = false;
};

// What a window section tells the renderer about the window's own surface.
// These keys are the renderer's; the program does not read them.
struct WindowDecor {
    QSize size;                    // Size=width,height (required)
    bool rounded = false;          // Shape=Rounded: corners cut out in the mask colour
    int titleBar = 0;              // TitleBar=height of the caption strip
    QString title;                 // Title: window title (main) or panel heading
    QString subtitle;              // Subtitle: beside the title in the caption strip
    std::vector<Heading> headings; // Group1.., Heading1.., Column1..: "l,t,r,b,Caption"
    std::vector<QRect> wells;      // Well1..: dark frames for lists the program adds
    std::vector<QRect> cards;      // Panel1..: where child panels sit
};

WindowDecor ReadWindowDecor(const UiFile& ui, const std::string& section);

// "l,t,r,b" (and an optional ",caption") into a rectangle with exclusive right
// and bottom edges; an invalid rectangle when the text does not hold four numbers.
QRect ParseDecorRect(const QString& text, QString* caption = nullptr);

} // namespace corvane::skingen
