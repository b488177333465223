#pragma once

#include "platform/Progress.h"

class QProgressBar;

namespace corvane {

// The send progress over the window's QProgressBar. The send runs on the GUI
// thread, so each step repaints the bar at once.
class ProgressBarView final : public Progress {
public:
    explicit ProgressBarView(QProgressBar& bar) : bar_(bar) {}

    void show() override;
    void hide() override;
    void setRange(int lowest, int highest) override;
    void setPosition(int position) override;
    void setStep(int step) override { step_ = step; }
    void stepIt() override;

private:
    QProgressBar& bar_;
    int step_ = 10;
};

} // namespace corvane
