#pragma once

#include "platform/EventListView.h"

#include <string>
#include <vector>

namespace corvane::test {

// An EventListView over a vector of lines, with no line selected.
class VectorEventList : public EventListView {
public:
    void reset() override { lines.clear(); }
    void addLine(const std::string& line) override { lines.push_back(line); }
    int currentLine() const override { return -1; }

    std::vector<std::string> lines;
};

} // namespace corvane::test
