#pragma once

#include "platform/EventListView.h"

#include <string>
#include <vector>

namespace corvane::test {

// An EventListView over a vector of lines. `current` is what currentLine()
// answers.
class VectorEventList : public EventListView {
public:
    void reset() override { lines.clear(); }
    void addLine(const std::string& line) override { lines.push_back(line); }
    int currentLine() const override { return current; }

    std::vector<std::string> lines;
    int current = -1;
};

} // namespace corvane::test
