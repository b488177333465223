#pragma once

#include <QString>

namespace corvane {

// Style sheets for the standard widgets the main window creates itself, in the
// colours of the default skin. Each is scoped to its widget's object name so
// that the skinned controls, which paint themselves, are left alone.
QString EventListStyleSheet();
QString ProgressBarStyleSheet();
QString StatusNoteStyleSheet();

inline constexpr const char* kEventListObjectName = "eventList";
inline constexpr const char* kProgressBarObjectName = "progressBar";
inline constexpr const char* kStatusNoteObjectName = "statusNote";

} // namespace corvane
