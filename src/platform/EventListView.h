#pragma once

#include <string>

namespace corvane {

// The event list: line i shows record i of the current kind's event file.
class EventListView {
public:
    virtual ~EventListView() = default;
    virtual void reset() = 0;
    virtual void addLine(const std::string& line) = 0;
    // The line the operator made current, or -1 when there is none.
    virtual int currentLine() const = 0;
};

} // namespace corvane
