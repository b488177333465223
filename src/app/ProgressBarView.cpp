#include "app/ProgressBarView.h"

#include <QProgressBar>
#include <algorithm>

namespace corvane {

void ProgressBarView::show() {
    bar_.show();
    bar_.repaint();
}

void ProgressBarView::hide() {
    bar_.hide();
}

void ProgressBarView::setRange(int lowest, int highest) {
    bar_.setRange(lowest, highest);
}

void ProgressBarView::setPosition(int position) {
    bar_.setValue(position);
}

void ProgressBarView::stepIt() {
    bar_.setValue(std::min(bar_.value() + step_, bar_.maximum()));
    bar_.repaint();
}

} // namespace corvane
