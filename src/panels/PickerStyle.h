#pragma once

class QDateTimeEdit;

namespace corvane {

// Gives a date or time picker, and the calendar a date picker opens, the dark
// well, light text and blue accent of the default skin, so the pickers sit in
// the panel like its other fields. Colours only: the style still draws the
// arrows and frames.
void ApplyPickerLook(QDateTimeEdit& picker);

} // namespace corvane
