#pragma once

#include "platform/EventListView.h"

class QListWidget;

namespace corvane {

// The event list as the event code sees it, over the window's QListWidget.
class ListWidgetEventView final : public EventListView {
public:
    explicit ListWidgetEventView(QListWidget& list) : list_(list) {}

    void reset() override;
    void addLine(const std::string& line) override;
    // The line with the focus, -1 when the operator has made none current.
    int currentLine() const override;

private:
    QListWidget& list_;
};

} // namespace corvane
