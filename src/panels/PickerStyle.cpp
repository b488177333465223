#include "panels/PickerStyle.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QPalette>

namespace corvane {

namespace {

QPalette DarkPalette(QPalette palette) {
    const QColor well(0x10, 0x12, 0x15);
    const QColor face(0x25, 0x2A, 0x31);
    const QColor text(0xE8, 0xEB, 0xEF);
    const QColor muted(0x6B, 0x74, 0x80);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, well);
        palette.setColor(group, QPalette::AlternateBase, face);
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::Highlight, QColor(0x2A, 0x7D, 0xC4));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, well);
    palette.setColor(QPalette::Disabled, QPalette::Window, face);
    palette.setColor(QPalette::Disabled, QPalette::Button, face);
    palette.setColor(QPalette::Disabled, QPalette::Text, muted);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, muted);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, muted);
    return palette;
}

} // namespace

void ApplyPickerLook(QDateTimeEdit& picker) {
    picker.setPalette(DarkPalette(picker.palette()));
    // The calendar is a window of its own and does not inherit the palette.
    if (picker.calendarPopup() && picker.calendarWidget() != nullptr)
        picker.calendarWidget()->setPalette(DarkPalette(picker.calendarWidget()->palette()));
}

} // namespace corvane
