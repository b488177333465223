#include "app/StandardWidgetStyle.h"

namespace corvane {

namespace {

// The default skin's palette: its dark well, hairline frame, light text and the
// blue accent of the selected kind.
const char* const kWell = "#101215";
const char* const kFrame = "#2e343d";
const char* const kText = "#e8ebef";
const char* const kAccent = "#2a7dc4";
const char* const kAccentText = "#ffffff";
const char* const kHandle = "#3a414c";

} // namespace

QString EventListStyleSheet() {
    return QString(R"(
QListWidget#%1 {
    background: %2; color: %3; border: 1px solid %4;
    font-family: "DejaVu Sans Mono"; font-size: 9pt;
    selection-background-color: %5; selection-color: %6;
    outline: 0;
}
QListWidget#%1::item { padding: 1px 4px; }
QListWidget#%1::item:selected { background: %5; color: %6; }
QListWidget#%1 QScrollBar { background: %2; border: none; }
QListWidget#%1 QScrollBar:vertical { width: 12px; }
QListWidget#%1 QScrollBar:horizontal { height: 12px; }
QListWidget#%1 QScrollBar::handle { background: %7; border-radius: 4px; margin: 2px; }
QListWidget#%1 QScrollBar::handle:vertical { min-height: 24px; }
QListWidget#%1 QScrollBar::handle:horizontal { min-width: 24px; }
QListWidget#%1 QScrollBar::add-line, QListWidget#%1 QScrollBar::sub-line { width: 0; height: 0; }
QListWidget#%1 QScrollBar::add-page, QListWidget#%1 QScrollBar::sub-page { background: none; }
QListWidget#%1 QAbstractScrollArea::corner { background: %2; }
)")
        .arg(kEventListObjectName, kWell, kText, kFrame, kAccent, kAccentText, kHandle);
}

QString ProgressBarStyleSheet() {
    return QString(R"(
QProgressBar#%1 {
    background: %2; border: 1px solid %3; border-radius: 3px;
    color: transparent; text-align: center;
}
QProgressBar#%1::chunk { background: %4; border-radius: 2px; }
)")
        .arg(kProgressBarObjectName, kWell, kFrame, kAccent);
}

QString StatusNoteStyleSheet() {
    return QString(R"(
QLabel#%1 {
    background: %2; color: %3; border: 1px solid %4; border-radius: 3px;
    padding: 0 6px; font-size: 9pt;
}
)")
        .arg(kStatusNoteObjectName, kWell, kText, kFrame);
}

} // namespace corvane
