// Undo and redo of event file changes; the window's tests walk the steps and
// meet a file another program changed.
#include "events/EditHistory.h"

#include "events/EventFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Outcome = EditHistory::Outcome;

class EditHistoryTest : public testing::Test {
protected:
    std::string name(EventKind kind) const {
        return EventFilePath(folder.path(), kind).substr(folder.path().size() + 1);
    }
    // One command's change to the kind's file, recorded as the window does.
    void change(EventKind kind, const Bytes& bytes) {
        FileContent before = history.read(kind);
        folder.write(name(kind), bytes);
        history.recordChange(kind, std::move(before));
    }
    FileContent content(EventKind kind) const {
        return folder.exists(name(kind)) ? FileContent(folder.read(name(kind))) : std::nullopt;
    }

    test::TempFolder folder;
    EditHistory history{folder.path()};
};

TEST_F(EditHistoryTest, NewChangeDropsWhatCouldBeRedone) {
    change(EventKind::Sensor, {1});
    change(EventKind::Sensor, {2});
    ASSERT_EQ(history.undo(EventKind::Sensor), Outcome::Done);
    change(EventKind::Sensor, {3});
    EXPECT_FALSE(history.canRedo(EventKind::Sensor));
    EXPECT_EQ(history.undo(EventKind::Sensor), Outcome::Done);
    EXPECT_EQ(content(EventKind::Sensor), Bytes{1});
}

} // namespace
} // namespace corvane
