#pragma once

namespace corvane {

// The progress bar a long exchange advances.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void setRange(int lowest, int highest) = 0;
    virtual void setPosition(int position) = 0;
    virtual void setStep(int step) = 0;
    // Advances the position by the step and makes the change visible at once.
    virtual void stepIt() = 0;
};

} // namespace corvane
